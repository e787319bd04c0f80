// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using scrivolta::FileEsiste;

class FileEsisteTest : public ::testing::Test {
protected:
    void SetUp() override {
        cartella_ = fs::temp_directory_path() / ("scrivolta-file-" + std::to_string(::getpid()));
        fs::create_directories(cartella_);
        std::ofstream(cartella_ / "testo.txt") << "Bonjour";
    }
    void TearDown() override { fs::remove_all(cartella_); }

    fs::path cartella_;
};

TEST_F(FileEsisteTest, ReadableFilesExist) {
    EXPECT_TRUE(FileEsiste(cartella_ / "testo.txt"));
    std::ofstream(cartella_ / "vuoto.txt");
    EXPECT_TRUE(FileEsiste(cartella_ / "vuoto.txt"));
    fs::create_symlink(cartella_ / "testo.txt", cartella_ / "collegamento");
    EXPECT_TRUE(FileEsiste(cartella_ / "collegamento"));
}

TEST_F(FileEsisteTest, WhatCannotBeReadAsAFileDoesNotExist) {
    EXPECT_FALSE(FileEsiste(cartella_ / "manca.txt"));
    EXPECT_FALSE(FileEsiste(cartella_));
    EXPECT_FALSE(FileEsiste(""));
    EXPECT_FALSE(FileEsiste(cartella_ / "testo.txt" / "dentro"));
    EXPECT_FALSE(FileEsiste("/dev/null"));
    fs::create_symlink(cartella_ / "manca.txt", cartella_ / "rotto");
    EXPECT_FALSE(FileEsiste(cartella_ / "rotto"));
}

TEST_F(FileEsisteTest, APipeIsRefusedWithoutWaitingForAWriter) {
    const auto tubo = cartella_ / "tubo";
    ASSERT_EQ(::mkfifo(tubo.c_str(), 0600), 0);
    EXPECT_FALSE(FileEsiste(tubo));
}

TEST_F(FileEsisteTest, AFileWithoutReadPermissionDoesNotExist) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const auto chiuso = cartella_ / "chiuso.txt";
    std::ofstream(chiuso) << "x";
    fs::permissions(chiuso, fs::perms::none);
    EXPECT_FALSE(FileEsiste(chiuso));
}
