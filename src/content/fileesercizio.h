// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace scrivolta {

// Measures text as the display shows a phrase, so that the core can fit a
// phrase to the line without knowing the window's font.
class MisuraTesto {
public:
    virtual ~MisuraTesto() = default;
    // Printed width of Windows-1252 text in the phrase font, in pixels.
    virtual int larghezzaTesto(std::string_view testo) const = 0;
    // Width of the phrase line `lblFraseCorr`, in pixels.
    virtual int larghezzaRiga() const = 0;
};

// `AdattaLarghezza`: the text cut at its end until it fits the line; then a
// text of one or two characters is repeated (f becomes ffff, xy xyxy), so
// that a phrase is never over before the clock can time it.
std::string AdattaLarghezza(std::string testo, const MisuraTesto& misura);

// `FiltraCaratteri`: the text without the characters no key of the keyboard
// types (É, œ, «...).
std::string FiltraCaratteri(std::string_view testo);

// `LeggiFraseEsercizio`: phrase `numero` of level `livello` (1-3) of an
// exercise or course file (section "<livello>Livello", key "<numero>"). A
// value holding the separator "¦¦" is a phrase of two lines, joined with
// CR LF. Each line is trimmed, fitted to the line and filtered. "" when the
// phrase or the file is missing. The file may be Windows-1252 or UTF-8.
std::string LeggiFraseEsercizio(const std::string& percorso, int livello, int numero,
                                const MisuraTesto& misura);

// LeggiFraseEsercizio() on the bytes of a file already read.
std::string fraseDaContenuto(std::string_view contenuto, int livello, int numero,
                             const MisuraTesto& misura);
// The same on the file's text once decoded (testoDaFile()), for reading
// several phrases of one file.
std::string fraseDaTesto(std::string_view testo, int livello, int numero,
                         const MisuraTesto& misura);

// The raw value of a phrase in the decoded text of a file (Windows-1252, trimmed,
// cut to the settings' 254 characters), or "" when missing.
std::string valoreFrase(std::string_view contenuto, int livello, int numero);

} // namespace scrivolta
