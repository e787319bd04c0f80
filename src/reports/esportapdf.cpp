// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/esportapdf.h"

#include "app/cp1252.h"
#include "app/testo.h"
#include "reports/classifica.h"

#include <filesystem>
#include <string_view>
#include <system_error>

namespace scrivolta {

namespace {

// The writer throws for a call it cannot carry out; a report goes on with
// its next call, so that one bad text does not cost the whole page.
class DocumentoTollerante final : public DocumentoPdf {
public:
    explicit DocumentoTollerante(DocumentoPdf& d) : d_(d) {}
    void Title(std::string t) override {
        prova([&] { d_.Title(std::move(t)); });
    }
    void ScaleMode(int m) override {
        prova([&] { d_.ScaleMode(m); });
    }
    void PaperSize(int c) override {
        prova([&] { d_.PaperSize(c); });
    }
    void Margin(float m) override {
        prova([&] { d_.Margin(m); });
    }
    void Orientation(int o) override {
        prova([&] { d_.Orientation(o); });
    }
    bool InitPDFFile(std::string& f) override { return d_.InitPDFFile(f); }
    void LoadFont(std::string_view n, std::string_view b, int s) override {
        prova([&] { d_.LoadFont(n, b, s); });
    }
    void BeginPage() override {
        prova([&] { d_.BeginPage(); });
    }
    void SetColorFill(std::int32_t c) override {
        prova([&] { d_.SetColorFill(c); });
    }
    void SetColorStroke(std::int32_t c) override {
        prova([&] { d_.SetColorStroke(c); });
    }
    void SetLineWidth(float w) override {
        prova([&] { d_.SetLineWidth(w); });
    }
    void MoveTo(float x, float y) override {
        prova([&] { d_.MoveTo(x, y); });
    }
    void LineTo(float x, float y, int o) override {
        prova([&] { d_.LineTo(x, y, o); });
    }
    float Length(std::string_view t, std::string_view f, float s) const override {
        float l = 0.0F;
        prova([&] { l = d_.Length(t, f, s); });
        return l;
    }
    void DrawText(float x, float y, std::string_view t, std::string_view f, float s, int a,
                  float r) override {
        prova([&] { d_.DrawText(x, y, t, f, s, a, r); });
    }
    void EndPage() override {
        prova([&] { d_.EndPage(); });
    }
    void ClosePDFFile() override {
        prova([&] { d_.ClosePDFFile(); });
    }

private:
    template <class F> static void prova(F&& f) {
        try {
            f();
        } catch (const std::exception&) {
        }
    }
    DocumentoPdf& d_;
};

// The file takes its name only when it is complete: a failure to finish it
// is as real as a failure to begin.
bool chiudi(DocumentoPdf& documento) {
    try {
        documento.ClosePDFFile();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

std::string percorsoPdf(const std::string& cartella, const std::string& nomeUtente) {
    return cartella + cp1252::toUtf8(testo::nomeFileSicuro(nomeUtente)) + ".pdf";
}

std::optional<std::string> scriviPdf(DocumentoPdf& documento, std::string percorso,
                                     const std::string& erroreFile, MessageBoxes& messaggi,
                                     const std::function<void(DocumentoPdf&)>& pagina) {
    DocumentoTollerante d(documento);
    d.Title(std::string("Risultati ") + kNomeProgramma);
    d.ScaleMode(3);
    d.PaperSize(0);
    d.Margin(0.0F);
    d.Orientation(0);
    bool scritto = d.InitPDFFile(percorso);
    if (scritto) {
        pagina(d);
        d.EndPage();
        scritto = chiudi(documento);
    }
    if (!scritto) {
        messaggi.mostra(erroreFile, kNomeProgramma, Icona::Errore, Pulsanti::Ok);
        return std::nullopt;
    }
    return percorso;
}

void eliminaPdf(const std::string& percorso) {
    std::error_code ignorato;
    if (!percorso.empty())
        std::filesystem::remove(percorso, ignorato);
}

} // namespace scrivolta
