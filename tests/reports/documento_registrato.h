// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reports/documentopdf.h"

#include <cstdio>
#include <string>
#include <vector>

namespace scrivolta::prova {

// A PDF document that writes nothing and keeps every call as a line of
// text, numbers as "%g": "DrawText 2 27.5 Scrivolta Fn2 24 0 0".
class DocumentoRegistrato final : public DocumentoPdf {
public:
    void Title(std::string t) override { annota("Title " + t); }
    void ScaleMode(int m) override { annota("ScaleMode", {double(m)}); }
    void PaperSize(int c) override { annota("PaperSize", {double(c)}); }
    void Margin(float m) override { annota("Margin", {m}); }
    void Orientation(int o) override { annota("Orientation", {double(o)}); }
    bool InitPDFFile(std::string& f) override {
        annota("InitPDFFile " + f);
        return apribile;
    }
    void LoadFont(std::string_view n, std::string_view b, int s) override {
        annota("LoadFont " + std::string(n) + " " + std::string(b), {double(s)});
    }
    void BeginPage() override { annota("BeginPage"); }
    void SetColorFill(std::int32_t c) override { annota("SetColorFill " + std::to_string(c)); }
    void SetColorStroke(std::int32_t c) override { annota("SetColorStroke " + std::to_string(c)); }
    void SetLineWidth(float w) override { annota("SetLineWidth", {w}); }
    void MoveTo(float x, float y) override { annota("MoveTo", {x, y}); }
    void LineTo(float x, float y, int o) override { annota("LineTo", {x, y, double(o)}); }
    // Ten units a character, so that column positions are predictable.
    float Length(std::string_view t, std::string_view, float) const override {
        return static_cast<float>(t.size()) / 10.0F;
    }
    void DrawText(float x, float y, std::string_view t, std::string_view f, float s, int a,
                  float r) override {
        annota("DrawText " + numeri({x, y}) + " " + std::string(t) + " " + std::string(f) + " " +
               numeri({s, double(a), r}));
    }
    void EndPage() override { annota("EndPage"); }
    void ClosePDFFile() override {
        annota("ClosePDFFile");
        if (chiusuraFallisce)
            throw std::runtime_error("disk full");
    }

    static std::string numeri(std::initializer_list<double> valori) {
        std::string testo;
        for (const double v : valori) {
            char n[32];
            std::snprintf(n, sizeof n, "%g", static_cast<double>(static_cast<float>(v)));
            testo += (testo.empty() ? "" : " ") + std::string(n);
        }
        return testo;
    }

    std::vector<std::string> chiamate;
    bool apribile = true;
    bool chiusuraFallisce = false;

private:
    void annota(std::string nome, std::initializer_list<double> valori = {}) {
        chiamate.push_back(valori.size() == 0 ? nome : nome + " " + numeri(valori));
    }
};

} // namespace scrivolta::prova
