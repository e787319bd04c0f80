// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/documentopdf.h"

namespace scrivolta {

namespace {

class DocumentoSuFile final : public DocumentoPdf {
public:
    void Title(std::string title) override { w_.Title(std::move(title)); }
    void ScaleMode(int mode) override { w_.ScaleMode(mode); }
    void PaperSize(int code) override { w_.PaperSize(code); }
    void Margin(float margin) override { w_.Margin(margin); }
    void Orientation(int orientation) override { w_.Orientation(orientation); }
    bool InitPDFFile(std::string& fileName) override { return w_.InitPDFFile(fileName); }
    void LoadFont(std::string_view name, std::string_view baseFont, int style) override {
        w_.LoadFont(name, baseFont, style);
    }
    void BeginPage() override { w_.BeginPage(); }
    void SetColorFill(std::int32_t colour) override { w_.SetColorFill(colour); }
    void SetColorStroke(std::int32_t colour) override { w_.SetColorStroke(colour); }
    void SetLineWidth(float width) override { w_.SetLineWidth(width); }
    void MoveTo(float x, float y) override { w_.MoveTo(x, y); }
    void LineTo(float x, float y, int options) override { w_.LineTo(x, y, options); }
    float Length(std::string_view text, std::string_view fontName, float size) const override {
        return w_.Length(text, fontName, size);
    }
    void DrawText(float x, float y, std::string_view text, std::string_view fontName, float size,
                  int alignment, float rotation) override {
        w_.DrawText(x, y, text, fontName, size, alignment, rotation);
    }
    void EndPage() override { w_.EndPage(); }
    void ClosePDFFile() override { w_.ClosePDFFile(); }

private:
    pdf::clsPdfWriter w_;
};

} // namespace

std::unique_ptr<DocumentoPdf> nuovoDocumentoPdf() {
    return std::make_unique<DocumentoSuFile>();
}

} // namespace scrivolta
