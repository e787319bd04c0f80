// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pdf/pdfwriter.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace scrivolta {

// The operations of `clsPdfWriter` the report layouts draw with, so that a
// test can record a layout's calls as well as write the file. A failing
// operation throws.
class DocumentoPdf {
public:
    virtual ~DocumentoPdf() = default;
    virtual void Title(std::string title) = 0;
    virtual void ScaleMode(int mode) = 0;
    virtual void PaperSize(int code) = 0;
    virtual void Margin(float margin) = 0;
    virtual void Orientation(int orientation) = 0;
    virtual bool InitPDFFile(std::string& fileName) = 0;
    virtual void LoadFont(std::string_view name, std::string_view baseFont, int style) = 0;
    virtual void BeginPage() = 0;
    virtual void SetColorFill(std::int32_t colour) = 0;
    virtual void SetColorStroke(std::int32_t colour) = 0;
    virtual void SetLineWidth(float width) = 0;
    virtual void MoveTo(float x, float y) = 0;
    virtual void LineTo(float x, float y, int options) = 0;
    virtual float Length(std::string_view text, std::string_view fontName, float size) const = 0;
    virtual void DrawText(float x, float y, std::string_view text, std::string_view fontName,
                          float size, int alignment, float rotation) = 0;
    virtual void EndPage() = 0;
    virtual void ClosePDFFile() = 0;
};

// The document written to a file by `clsPdfWriter`.
std::unique_ptr<DocumentoPdf> nuovoDocumentoPdf();

} // namespace scrivolta
