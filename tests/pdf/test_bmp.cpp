// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuto_pdf.h"
#include "pdf/bmp.h"
#include "pdf/formato.h"

using namespace scrivolta::pdf;
using namespace scrivolta::pdf::test;

namespace {

using Bytes = std::vector<std::uint8_t>;

BmpFile twoColours(std::int32_t width, std::uint16_t bits) {
    BmpFile bmp;
    bmp.width = width;
    bmp.bitsPerPixel = bits;
    bmp.paletteBgra = {0, 0, 255, 0, 255, 0, 0, 0};
    bmp.coloursUsed = 2;
    bmp.pixelBytes = {0xA1, 0, 0, 0, 0x5F, 0, 0, 0};
    return bmp;
}

class ImmaginiBmp : public PdfTest {
protected:
    std::filesystem::path save(const BmpFile& bmp) {
        const auto path = folder.path() / "img.bmp";
        writeBytes(path, bmp.bytes());
        return path;
    }
};

} // namespace

TEST(LeggiBmp, TwentyFourBitRowsLoseTheirPadding) {
    BmpFile bmp;
    bmp.width = 3;
    // Bottom row first: blue, green, red per pixel, 3 padding bytes a row.
    bmp.pixelBytes = {1,  2,  3,  4,   5,   6,   7, 8, 9,   0xEE, 0xEE, 0xEE,
                      50, 50, 50, 255, 255, 255, 0, 0, 100, 0xEE, 0xEE, 0xEE};
    const auto colour = LeggiBmp(bmp.bytes(), false);
    ASSERT_TRUE(colour);
    EXPECT_EQ(colour->pixels,
              (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 50, 50, 50, 255, 255, 255, 100, 0, 0}));
    EXPECT_TRUE(colour->palette.empty());
    EXPECT_EQ(colour->width, 3);
    EXPECT_EQ(colour->bitsPerPixel, 24);
    const auto grey = LeggiBmp(bmp.bytes(), true);
    ASSERT_TRUE(grey);
    // 0.33 r + 0.59 g + 0.11 b, halves to even, at most 255.
    EXPECT_EQ(grey->pixels, (Bytes{2, 5, 8, 52, 255, 33}));
}

// A row of 1 or 4 bits per pixel narrower than a byte still takes four.
TEST(LeggiBmp, NarrowPackedRowsKeepTheirStride) {
    for (const std::uint16_t bits : {1, 4}) {
        const auto image = LeggiBmp(twoColours(1, bits).bytes(), false);
        ASSERT_TRUE(image) << bits;
        EXPECT_EQ(image->pixels, (Bytes{0xA1, 0x5F})) << bits;
        Bytes palette(static_cast<std::size_t>(3 << bits), 0);
        palette[0] = 255;
        palette[5] = 255;
        EXPECT_EQ(image->palette, palette) << bits;
    }
    const auto grey = LeggiBmp(twoColours(3, 1).bytes(), true);
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->palette, (Bytes{84, 28}));
}

TEST(LeggiBmp, PaletteFollowsWhateverHeaderTheFileHas) {
    BmpFile bmp = twoColours(1, 8);
    bmp.headerBytes = 124;
    const auto image = LeggiBmp(bmp.bytes(), false);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->palette.size(), 768U);
    EXPECT_EQ((Bytes(image->palette.begin(), image->palette.begin() + 6)),
              (Bytes{255, 0, 0, 0, 0, 255}));
    EXPECT_EQ(image->pixels, (Bytes{0xA1, 0x5F}));
}

TEST(LeggiBmp, MalformedBitmapsAreRefused) {
    const BmpFile good = twoColours(1, 8);
    const Bytes goodBytes = good.bytes();
    ASSERT_TRUE(LeggiBmp(goodBytes, false));
    std::vector<std::pair<const char*, Bytes>> bad;
    auto variant = [&](const char* what, auto change) {
        BmpFile bmp = good;
        change(bmp);
        bad.emplace_back(what, bmp.bytes());
    };
    variant("wider than its data", [](BmpFile& b) { b.width = 5; });
    variant("taller than its data", [](BmpFile& b) { b.height = 3; });
    variant("2 GB claimed", [](BmpFile& b) {
        b.width = b.height = 0x7FFFFFFF;
        b.bitsPerPixel = 24;
    });
    variant("compressed", [](BmpFile& b) { b.compression = 1; });
    variant("no width", [](BmpFile& b) { b.width = 0; });
    variant("no height", [](BmpFile& b) { b.height = 0; });
    variant("negative width", [](BmpFile& b) { b.width = -1; });
    variant("top-down rows", [](BmpFile& b) { b.height = -2; });
    variant("16 bits", [](BmpFile& b) { b.bitsPerPixel = 16; });
    variant("32 bits", [](BmpFile& b) { b.bitsPerPixel = 32; });
    variant("core header", [](BmpFile& b) { b.headerBytes = 12; });
    variant("data inside the header", [](BmpFile& b) { b.dataOffset = 20; });
    variant("palette cut short", [](BmpFile& b) {
        b.coloursUsed = 0;
        b.dataOffset = 62;
        b.pixelBytes.clear();
    });
    // Fields patched in the finished file, which BmpFile would grow to fit.
    auto patched = [&](const char* what, std::size_t at, std::uint8_t high) {
        Bytes bytes = goodBytes;
        bytes[at + 1] = high;
        bad.emplace_back(what, bytes);
    };
    patched("header past the end", 14, 0x10);
    patched("data past the end", 10, 0x10);
    Bytes truncated = goodBytes;
    truncated.pop_back();
    bad.emplace_back("truncated", truncated);
    Bytes signature = goodBytes;
    signature[1] = 'A';
    bad.emplace_back("not BM", signature);
    bad.emplace_back("headers only", Bytes(goodBytes.begin(), goodBytes.begin() + 53));
    bad.emplace_back("empty", Bytes{});
    for (const auto& [what, bytes] : bad)
        EXPECT_FALSE(LeggiBmp(bytes, false)) << what;
}

TEST_F(ImmaginiBmp, IndexedImageWithItsPalette) {
    for (const bool ascii85 : {false, true}) {
        writer.EncodeASCII85(ascii85);
        const auto path = save(twoColours(3, 1));
        const std::string bytes =
            document([&](clsPdfWriter& w) { EXPECT_TRUE(w.LoadImgFromBMPFile("Im1", path, 0)); });
        const Bytes pixels = {0xA1, 0x5F};
        const Bytes palette = {255, 0, 0, 0, 0, 255};
        const std::string data = ascii85 ? ASCII85Encode(pixels) : "\xA1\x5F";
        const std::string table =
            ascii85 ? ASCII85Encode(palette) : std::string("\xFF\0\0\0\0\xFF", 6);
        const std::string filter = ascii85 ? "\r/Filter /ASCII85Decode" : "";
        const std::string expected =
            "5 0 obj\r\n<<\r/Type /XObject\r/Subtype /Image\r/Name /Im1\r/Width 3\r/Height 2" +
            filter +
            "\r\n/BitsPerComponent 1\r/ColorSpace [/Indexed /DeviceRGB 1 7 0 R]\r/Length 6 0 R\r\n"
            ">>\rstream\r\n" +
            data + "\rendstream\r\nendobj\r\n6 0 obj\r\n" + std::to_string(data.size()) +
            "\r\nendobj\r\n7 0 obj\r\n<<" + (ascii85 ? "/Filter /ASCII85Decode\r" : "") +
            "/Length " + std::to_string(table.size()) + " >>\rstream\r\n" + table +
            "\rendstream\r\nendobj\r\n";
        EXPECT_NE(bytes.find(expected), std::string::npos) << ascii85;
        expectSoundStructure(bytes);
    }
}

TEST_F(ImmaginiBmp, GreyTrueColourImage) {
    BmpFile bmp;
    bmp.width = 1;
    bmp.pixelBytes = {0, 0, 255, 0, 255, 0, 0, 0};
    const auto path = save(bmp);
    const std::string bytes =
        document([&](clsPdfWriter& w) { EXPECT_TRUE(w.LoadImgFromBMPFile("Im1", path, 1)); });
    EXPECT_NE(
        bytes.find("/Height 2\r\n/BitsPerComponent 8\r/ColorSpace /DeviceGray\r/Length 6 0 R\r\n"
                   ">>\rstream\r\n\x54\x1C\rendstream\r\n"),
        std::string::npos);
    expectSoundStructure(bytes);
}

TEST_F(ImmaginiBmp, RefusedFilesLeaveNoTrace) {
    BmpFile bmp = twoColours(1, 8);
    bmp.compression = 2;
    const auto path = save(bmp);
    // A valid bitmap grown, sparsely, past the largest file the reader takes.
    const auto huge = folder.path() / "enorme.bmp";
    writeBytes(huge, twoColours(1, 8).bytes());
    std::filesystem::resize_file(huge, kMaxBmpFileBytes + 1);
    const std::string bytes = document([&](clsPdfWriter& w) {
        EXPECT_FALSE(w.LoadImgFromBMPFile("Im1", path, 0));
        EXPECT_FALSE(w.LoadImgFromBMPFile("Im4", huge, 0));
        EXPECT_THROW(w.LoadImgFromBMPFile("Im2", folder.path() / "nessuno.bmp", 0), PdfError);
        EXPECT_THROW(w.LoadImgFromBMPFile("Im3", folder.path(), 0), PdfError);
    });
    EXPECT_EQ(bytes.find("/XObject"), std::string::npos);
    expectSoundStructure(bytes);
}

TEST_F(ImmaginiBmp, ArraysMustMatchTheirSizes) {
    const Bytes six(6, 1);
    document([&](clsPdfWriter& w) {
        EXPECT_NO_THROW(w.LoadImgFromArray("A", six, {}, 2, 1, 24, 0));
        EXPECT_THROW(w.LoadImgFromArray("B", six, {}, 3, 1, 24, 0), PdfError);
        EXPECT_THROW(w.LoadImgFromArray("C", six, {}, 6, 1, 16, 0), PdfError);
        EXPECT_THROW(w.LoadImgFromArray("D", six, {}, 0, 1, 24, 0), PdfError);
        EXPECT_THROW(w.LoadImgFromArray("E", six, six, 6, 1, 8, 0), PdfError);
        EXPECT_NO_THROW(w.LoadImgFromArray("F", six, Bytes(16, 0), 12, 1, 4, 1));
    });
}
