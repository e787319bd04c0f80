// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"
#include "pdf/pdfwriter.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

// Helpers shared by the writer's tests: a scripted clock, a private folder,
// documents written in one call, and bitmap files built field by field.
namespace scrivolta::pdf::test {

class FixedClock final : public Clock {
public:
    explicit FixedClock(std::int64_t epochSeconds) : t_(std::chrono::seconds(epochSeconds)) {}
    std::chrono::system_clock::time_point now() const override { return t_; }
    std::uint64_t tickMs() const override { return 0; }

private:
    std::chrono::system_clock::time_point t_;
};

class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(double value) : value_(value) {}
    double next() override { return value_; }

private:
    double value_;
};

// 6 March 2024, 15:17:56, read in UTC.
inline constexpr std::int64_t kMarch6 = 1709738276;

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pdftest-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

// Lines as the writer ends them, CR LF; a lone CR stays inside its line.
inline std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

// Every cross-reference entry is 20 bytes and points at its object's first
// byte, "startxref" points at "xref", and every stream's length object
// holds the byte count of its data.
inline void expectSoundStructure(const std::string& bytes) {
    const std::size_t xref = bytes.rfind("xref\r\n");
    ASSERT_NE(xref, std::string::npos);
    const std::size_t start = bytes.rfind("startxref\r");
    EXPECT_EQ(std::stoul(bytes.substr(start + 10, 12)), xref);
    const std::size_t count = std::stoul(bytes.substr(xref + 8, 12));
    const std::size_t table = bytes.find("\r\n", xref + 6) + 2;
    EXPECT_EQ(bytes.substr(table, 20), "0000000000 65535 f\r\n");
    for (std::size_t i = 1; i < count; ++i) {
        const std::string entry = bytes.substr(table + 20 * i, 20);
        ASSERT_EQ(entry.substr(10), " 00000 n\r\n") << "object " << i;
        const std::size_t offset = std::stoul(entry.substr(0, 10));
        EXPECT_EQ(
            bytes.compare(offset, std::to_string(i).size() + 8, std::to_string(i) + " 0 obj\r\n"),
            0)
            << "object " << i;
    }
    EXPECT_EQ(bytes.compare(table + 20 * count, 8, "trailer\r"), 0);
    for (std::size_t at = 0; (at = bytes.find("/Length ", at)) != std::string::npos; ++at) {
        const std::size_t stream = bytes.find("stream\r\n", at) + 8;
        const std::size_t end = bytes.find("endstream", stream);
        std::size_t length = std::stoul(bytes.substr(at + 8, 12));
        if (bytes.compare(bytes.find_first_not_of("0123456789", at + 8), 4, " 0 R") == 0) {
            const std::string header = "\r\n" + std::to_string(length) + " 0 obj\r\n";
            length = std::stoul(bytes.substr(bytes.find(header, end) + header.size(), 12));
        }
        // Content lines end in CR LF, counted; image data is followed by a CR, not counted.
        EXPECT_EQ(length + (bytes[end - 1] == '\r' ? 1 : 0), end - stream)
            << "stream at " << stream;
    }
}

// A writer on a fixed clock writing into a private folder.
class PdfTest : public ::testing::Test {
protected:
    PdfTest() : writer(clock, random, folder.path()) {
        setenv("TZ", "UTC", 1);
        tzset();
    }

    // Opens a document, lets `body` work on it, closes it, returns its bytes.
    std::string document(const std::function<void(clsPdfWriter&)>& body) {
        std::string path = (folder.path() / "doc.pdf").string();
        EXPECT_TRUE(writer.InitPDFFile(path));
        body(writer);
        writer.ClosePDFFile();
        return readBytes(path);
    }

    // The content lines of a one-page document drawn by `draw`.
    std::vector<std::string> pageContent(const std::function<void(clsPdfWriter&)>& draw,
                                         const std::function<void(clsPdfWriter&)>& load = {}) {
        const std::string bytes = document([&](clsPdfWriter& w) {
            if (load)
                load(w);
            w.BeginPage();
            draw(w);
            w.EndPage();
        });
        const std::size_t begin = bytes.find("stream\r\n", bytes.find("/Type /Page\r")) + 8;
        return splitLines(bytes.substr(begin, bytes.find("endstream", begin) - begin));
    }

    FixedClock clock{kMarch6};
    FixedRandom random{0.35};
    TempFolder folder;
    clsPdfWriter writer;
};

// A bitmap file with every header field at hand, to build good and bad ones.
struct BmpFile {
    std::uint32_t headerBytes = 40;
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t bitsPerPixel = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint8_t> paletteBgra;
    std::vector<std::uint8_t> pixelBytes; // stored rows with their padding
    std::int64_t dataOffset = -1;         // -1: right after the palette

    std::vector<std::uint8_t> bytes() const {
        const std::size_t offset = dataOffset >= 0 ? static_cast<std::size_t>(dataOffset)
                                                   : 14 + headerBytes + paletteBgra.size();
        std::vector<std::uint8_t> file(14 + std::max<std::uint32_t>(headerBytes, 40), 0);
        auto put = [&file](std::size_t at, std::uint32_t value, int count) {
            for (int i = 0; i < count; ++i)
                file[at + static_cast<std::size_t>(i)] =
                    static_cast<std::uint8_t>(value >> (8 * i));
        };
        file[0] = 'B';
        file[1] = 'M';
        put(10, static_cast<std::uint32_t>(offset), 4);
        put(14, headerBytes, 4);
        put(18, static_cast<std::uint32_t>(width), 4);
        put(22, static_cast<std::uint32_t>(height), 4);
        put(26, 1, 2);
        put(28, bitsPerPixel, 2);
        put(30, compression, 4);
        put(46, coloursUsed, 4);
        file.insert(file.end(), paletteBgra.begin(), paletteBgra.end());
        file.resize(std::max(file.size(), offset), 0);
        file.insert(file.end(), pixelBytes.begin(), pixelBytes.end());
        put(2, static_cast<std::uint32_t>(file.size()), 4);
        return file;
    }
};

} // namespace scrivolta::pdf::test
