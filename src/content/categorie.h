// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/percorsi.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace scrivolta {

// The sources of practice text, in the order of the category buttons.
enum class Categoria { FrasiInterne = 0, Corso = 1, Esercizi = 2, FileDiTesto = 3, Gioco = 4 };
inline constexpr int kCategorie = 5;

// The practice file chosen in a list.
struct FileScelto {
    std::string ExerciseFile; // "" when the file is gone
    bool TextFileMode = false;
};

// A text file's list entry: its name, four blanks and the minutes it takes
// at 300 and at 220 keystrokes a minute, "(3 ÷ 5 min)" or "(1 min)".
std::string voceFileTesto(std::string_view nome, long long byte);

// `SelezionaFile`: the file a list entry names, in the course folder (entry
// without extension) or in the exercise folder (entry with it, maybe with
// a text file's time estimate after it).
FileScelto SelezionaFile(std::string_view voce, bool modoCorso, const Percorsi& percorsi);

// The course list from the names of its files: each name up to its first
// ".", in upper case.
std::vector<std::string> vociCorso(const std::vector<std::string>& nomi);

// The entry to preselect in the course list: the one after the learner's
// last finished exercise; the first when there is no such exercise or it
// was the last one. -1 for an empty list.
int voceDopo(const std::vector<std::string>& voci, std::string_view ultimoEsercizio);

class OsservatoreScelta {
public:
    virtual ~OsservatoreScelta() = default;
    // Categories, list entries or selection changed.
    virtual void sceltaCambiata() = 0;
};

// The category buttons `optMenu` and the list `cboListFile`: which source is
// chosen, what the list holds and which entry is selected.
class SceltaTesto {
public:
    explicit SceltaTesto(const Percorsi& percorsi) : percorsi_(percorsi) {}
    SceltaTesto(const SceltaTesto&) = delete;
    SceltaTesto& operator=(const SceltaTesto&) = delete;

    void impostaOsservatore(OsservatoreScelta* osservatore) { osservatore_ = osservatore; }

    // `AbilitaCategorie`: categories with files become available, and the
    // built-in phrases are chosen.
    void AbilitaCategorie();
    // `optMenu_Click` for the text sources; the course list reads the
    // bookmark of `userName`. The game is not a text source: it chooses the
    // built-in phrases, which the game leaves behind.
    void optMenu_Click(Categoria categoria, const std::string& userName);
    void cboListFile_Click(int indice);
    // The entry after the selected one, the first after the last.
    void selezionaSuccessiva();

    Categoria categoria() const { return categoria_; }
    bool modoCorso() const { return categoria_ == Categoria::Corso; }
    bool abilitata(Categoria categoria) const;
    bool altreCategorie() const { return altreCategorie_; }
    bool listaAttiva() const { return categoria_ != Categoria::FrasiInterne; }
    const std::vector<std::string>& voci() const { return voci_; }
    int selezionata() const { return selezionata_; }
    // The list's text: the selected entry, "" when none.
    std::string testo() const;
    bool ultimaSelezionata() const;
    const std::string& ultimoEsercizio() const { return ultimoEsercizio_; }
    const Percorsi& percorsi() const { return percorsi_; }

    // `SelezionaFile` on the selected entry.
    FileScelto SelezionaFile() const;

private:
    void riempi(Categoria categoria, const std::string& userName);
    void avvisa();

    const Percorsi& percorsi_;
    OsservatoreScelta* osservatore_ = nullptr;
    std::array<bool, kCategorie> abilitate_{true, false, false, false, true};
    bool altreCategorie_ = false;
    Categoria categoria_ = Categoria::FrasiInterne;
    std::vector<std::string> voci_;
    int selezionata_ = -1;
    std::string ultimoEsercizio_;
};

} // namespace scrivolta
