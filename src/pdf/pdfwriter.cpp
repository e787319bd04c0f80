// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf/pdfwriter.h"

#include "app/dominio.h"
#include "pdf/formato.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>
#include <random>

namespace scrivolta::pdf {

namespace {

// Object and page numbers are kept to 16-bit signed values, as the
// program's documents always had them; past that the writer refuses to go
// on rather than wrap around.
constexpr int kLargestNumber = 32767;
constexpr int kPagesObject = 3;
constexpr int kResourcesObject = 4;

struct Carta {
    float width;
    float height;
};
constexpr std::array<Carta, 4> kCarte = {
    {{595.2F, 842.0F}, {842.0F, 1190.5F}, {612.0F, 792.0F}, {612.0F, 864.0F}}};

class OrologioDiSistema final : public Clock {
public:
    std::chrono::system_clock::time_point now() const override {
        return std::chrono::system_clock::now();
    }
    std::uint64_t tickMs() const override {
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now().time_since_epoch())
                                              .count());
    }
};

class CasoDiSistema final : public RandomSource {
public:
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937 engine_{std::random_device{}()};
};

const Clock& orologioDiSistema() {
    static const OrologioDiSistema clock;
    return clock;
}

RandomSource& casoDiSistema() {
    static CasoDiSistema random;
    return random;
}

std::filesystem::path cartellaProgramma() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : exe.parent_path();
}

std::tm oraLocale(std::chrono::system_clock::time_point t) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    std::tm local{};
    localtime_r(&seconds, &local);
    return local;
}

std::string dueCifre(int value) {
    const std::string digits = std::to_string(value);
    return digits.size() < 2 ? "0" + digits : digits;
}

std::string dataPdf(const std::tm& t) {
    return std::to_string(t.tm_year + 1900) + dueCifre(t.tm_mon + 1) + dueCifre(t.tm_mday) +
           dueCifre(t.tm_hour) + dueCifre(t.tm_min) + dueCifre(t.tm_sec);
}

std::string esadecimale(std::uint64_t value) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    return text;
}

std::string offsetXref(std::int64_t offset) {
    std::string digits = std::to_string(offset);
    if (digits.size() > 10)
        throw PdfError("the document is too large for its cross-reference table");
    return std::string(10 - digits.size(), '0') + digits + " 00000 n";
}

} // namespace

clsPdfWriter::clsPdfWriter()
    : clsPdfWriter(orologioDiSistema(), casoDiSistema(), cartellaProgramma()) {}

clsPdfWriter::clsPdfWriter(const Clock& clock, RandomSource& random,
                           std::filesystem::path programFolder)
    : clock_(&clock), random_(&random), programFolder_(std::move(programFolder)) {}

clsPdfWriter::~clsPdfWriter() = default;

void clsPdfWriter::PaperSize(int code) {
    if (code < 0 || code >= static_cast<int>(kCarte.size()))
        return;
    paperWidth_ = kCarte[static_cast<std::size_t>(code)].width;
    paperHeight_ = kCarte[static_cast<std::size_t>(code)].height;
}

void clsPdfWriter::PaperWidth(float width) {
    paperWidth_ = ToPoints(width);
}

void clsPdfWriter::PaperHeight(float height) {
    paperHeight_ = ToPoints(height);
}

void clsPdfWriter::Margin(float margin) {
    margin_ = ToPoints(margin);
}

bool clsPdfWriter::InitPDFFile(std::string& fileName) {
    out_.discard();
    resetDocument();
    if (fileName.empty())
        fileName = generatedName();
    try {
        if (!out_.open(fileName))
            return false;
        writeHeaderObjects();
    } catch (const std::exception&) {
        out_.discard();
        return false;
    }
    stato_ = Stato::TraPagine;
    return true;
}

// A writer may serve several documents one after the other; nothing of an
// earlier one may leak into the next, whose objects are numbered afresh.
void clsPdfWriter::resetDocument() {
    stato_ = Stato::Chiuso;
    pages_ = 0;
    lastObject_ = 0;
    xrefOffsets_.clear();
    pageKids_.clear();
    fontResources_.clear();
    imageResources_.clear();
    formResources_.clear();
    fonts_.clear();
    images_.clear();
    forms_.clear();
    streamStart_ = 0;
    streamLengthObject_ = 0;
    charSpacing_ = 0.0F;
    wordSpacing_ = 0.0F;
    horizScaling_ = 100.0F;
}

// "~" and the hexadecimal form of day, hour, minute, second and a random
// digit: a name that two exports a second apart do not share.
std::string clsPdfWriter::generatedName() const {
    const std::tm t = oraLocale(clock_->now());
    const int digit = std::min(9, static_cast<int>(random_->next() * 10.0));
    const std::uint64_t number = static_cast<std::uint64_t>(t.tm_mday) * 10000000U +
                                 static_cast<std::uint64_t>(t.tm_hour) * 100000U +
                                 static_cast<std::uint64_t>(t.tm_min) * 1000U +
                                 static_cast<std::uint64_t>(t.tm_sec) * 10U +
                                 static_cast<std::uint64_t>(std::max(0, digit));
    return (programFolder_ / ("~" + esadecimale(number) + ".pdf")).string();
}

void clsPdfWriter::writeHeaderObjects() {
    WriteLine("%PDF-1.3");
    lastObject_ = 0;
    WriteObjectHeader(1);
    WriteLine("<<\r/Title (" + EscapeText(title_) + ")\r/Author (" + EscapeText(kNomeProgramma) +
              ")\r/Creator  (" + EscapeText(std::string(kNomeProgramma) + " PDF writer") +
              ")\r/Producer (" + EscapeText("Scrivolta, streaming PDF 1.3 writer") +
              ")\r/CreationDate (D:" + dataPdf(oraLocale(clock_->now())) + "+01'00')\r>>");
    WriteEndObj();
    WriteObjectHeader(2);
    WriteLine("<<\r/Type /Catalog\r/Pages 3 0 R\r/PageLayout /OneColumn\r/PageMode /UseNone\r"
              "/Lang (it) \r/ViewerPreferences << /HideToolbar false /DisplayDocTitle true "
              "/HideWindowUI false >>\r>>");
    WriteEndObj();
    lastObject_ = kResourcesObject;
    xrefOffsets_.resize(kResourcesObject);
}

int clsPdfWriter::BeginPage() {
    requireBetweenPages("BeginPage");
    requireObjects(3);
    if (pages_ >= kLargestNumber)
        throw PdfError("too many pages");
    ++pages_;
    const int n = WriteObjectHeader(0);
    WriteLine("<<\r/Type /Page\r/Parent 3 0 R\r/Contents " + std::to_string(n + 1) + " 0 R\r>>");
    WriteEndObj();
    pageKids_ += std::to_string(n) + " 0 R ";
    WriteObjectHeader(n + 1);
    WriteLine("<< /Length " + std::to_string(n + 2) + " 0 R >>\rstream");
    openStream(n + 2);
    stato_ = Stato::InPagina;
    DrawPageObjects();
    charSpacing_ = 0.0F;
    wordSpacing_ = 0.0F;
    horizScaling_ = 100.0F;
    return pages_;
}

void clsPdfWriter::EndPage() {
    if (stato_ != Stato::InPagina)
        throw PdfError("EndPage without an open page");
    closeStream();
    stato_ = Stato::TraPagine;
}

void clsPdfWriter::ClosePDFFile() {
    requireFile("ClosePDFFile");
    if (stato_ != Stato::TraPagine)
        throw PdfError("ClosePDFFile with a page or form object still open");
    writeResources();
    writePageTree();
    writeCrossReference();
    stato_ = Stato::Chiuso;
    out_.commit();
}

void clsPdfWriter::writeResources() {
    WriteObjectHeader(kResourcesObject);
    std::string line = "<<\r";
    if (!fontResources_.empty())
        line += "/Font <<\r" + fontResources_ + ">>\r";
    line += "/ProcSet [/PDF /Text";
    if (!imageResources_.empty())
        line += " /ImageB /ImageC /ImageI";
    line += " ]\r";
    if (!imageResources_.empty() || !formResources_.empty())
        line += "/XObject <<\r" + imageResources_ + "\r" + formResources_ + ">>\r";
    WriteLine(line + ">>");
    WriteEndObj();
}

// The media box stays upright in landscape: the rotation alone turns it.
void clsPdfWriter::writePageTree() {
    WriteObjectHeader(kPagesObject);
    const std::string w = FormatReal(paperWidth_, 3);
    const std::string h = FormatReal(paperHeight_, 3);
    const std::string m = FormatReal(margin_, 3);
    WriteLine("<<\r/Type /Pages\r/Count " + std::to_string(pages_) + "\r/MediaBox [0 0 " + w + " " +
              h + "]\r/CropBox [" + m + " " + m + " " + FormatReal(paperWidth_ - margin_, 3) + " " +
              FormatReal(paperHeight_ - margin_, 3) + "]\r" +
              (orientation_ == 1 ? "/Rotate 90" : "") + "\r/Kids [" + pageKids_ +
              " ]\r/Resources 4 0 R\r>>");
    WriteEndObj();
}

void clsPdfWriter::writeCrossReference() {
    const std::int64_t start = out_.position();
    WriteLine("xref");
    WriteLine("0 " + std::to_string(lastObject_ + 1));
    WriteLine("0000000000 65535 f");
    for (const std::int64_t offset : xrefOffsets_)
        WriteLine(offsetXref(offset));
    WriteLine("trailer\r<<\r/Size " + std::to_string(lastObject_ + 1) +
              "\r/Info 1 0 R\r/Root 2 0 R\r>>");
    WriteLine("startxref\r" + std::to_string(start));
    WriteLine("%%EOF\r");
}

void clsPdfWriter::WriteLine(std::string_view text) {
    out_.write(text);
    out_.write("\r\n");
}

void clsPdfWriter::WriteEndObj() {
    WriteLine("endobj");
}

int clsPdfWriter::WriteObjectHeader(int number) {
    if (number == 0)
        number = lastObject_ + 1;
    if (number > kLargestNumber)
        throw PdfError("too many objects");
    if (number > lastObject_) {
        lastObject_ = number;
        xrefOffsets_.resize(static_cast<std::size_t>(number));
    }
    xrefOffsets_[static_cast<std::size_t>(number - 1)] = out_.position();
    WriteLine(std::to_string(number) + " 0 obj");
    return number;
}

float clsPdfWriter::ToPoints(float value) const {
    const long double v = value;
    switch (scaleMode_) {
    case 0:
        return value;
    case 1:
        return static_cast<float>(v * 72.0L);
    case 2:
        return static_cast<float>(v * 72.0L / 25.4L);
    case 3:
        return static_cast<float>(v * 72.0L / 2.54L);
    default:
        return 0.0F;
    }
}

float clsPdfWriter::FromPoints(float value) const {
    const long double v = value;
    switch (scaleMode_) {
    case 0:
        return value;
    case 1:
        return static_cast<float>(v / 72.0L);
    case 2:
        return static_cast<float>(v / 72.0L * 25.4L);
    case 3:
        return static_cast<float>(v / 72.0L * 2.54L);
    default:
        return 0.0F;
    }
}

std::string clsPdfWriter::pt(float value) const {
    return FormatReal(ToPoints(value), 3);
}

void clsPdfWriter::openStream(int lengthObject) {
    streamStart_ = out_.position();
    streamLengthObject_ = lengthObject;
}

// The length counts every byte after the line "stream", the line break of
// the last content line included.
void clsPdfWriter::closeStream() {
    const std::int64_t length = out_.position() - streamStart_;
    WriteLine("endstream");
    WriteEndObj();
    WriteObjectHeader(streamLengthObject_);
    WriteLine(std::to_string(length));
    WriteEndObj();
}

void clsPdfWriter::requireFile(const char* operation) const {
    if (stato_ == Stato::Chiuso)
        throw PdfError(std::string(operation) + " without an open document");
}

// Fonts, images and form objects are objects of their own: written inside a
// page they would land in its content stream.
void clsPdfWriter::requireBetweenPages(const char* operation) const {
    requireFile(operation);
    if (stato_ != Stato::TraPagine)
        throw PdfError(std::string(operation) + " inside a page or form object");
}

void clsPdfWriter::requireStream(const char* operation) const {
    if (stato_ != Stato::InPagina && stato_ != Stato::InOggetto)
        throw PdfError(std::string(operation) + " outside a page or form object");
}

// Checked before the first object of an operation is written, so that a
// refusal never leaves half an operation in the file.
void clsPdfWriter::requireObjects(int count) const {
    if (lastObject_ + count > kLargestNumber)
        throw PdfError("too many objects");
}

} // namespace scrivolta::pdf
