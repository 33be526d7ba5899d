#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/Files.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using plevo::FileError;

namespace {

class Files : public testing::Test {
protected:
    Files() {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("plevo-files-" + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    ~Files() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    static std::string errorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const FileError& e) {
            return e.what();
        }
        return {};
    }
    fs::path dir_;
};

TEST_F(Files, WriteThenReadGivesTheSameBytesAndReplacesTheFile) {
    const fs::path p = dir_ / "a.txt";
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    plevo::writeFileAtomic(p, bytes);
    EXPECT_EQ(plevo::readFile(p), bytes);
    plevo::writeFileAtomic(p, "short");
    EXPECT_EQ(plevo::readFile(p), "short");
    plevo::writeFileAtomic(p, "");
    EXPECT_EQ(plevo::readFile(p), "");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}), 1);
}

TEST_F(Files, AFailedWriteNamesThePathAndLeavesTheOldFileWhole) {
    const fs::path missing = dir_ / "no" / "such" / "folder" / "x.txt";
    const std::string e1 = errorOf([&] { plevo::writeFileAtomic(missing, "x"); });
    EXPECT_NE(e1.find(plevo::pathText(missing)), std::string::npos) << e1;
    EXPECT_NE(e1.find("the folder does not exist"), std::string::npos) << e1;

    const std::string e2 = errorOf([&] { plevo::writeFileAtomic(dir_, "x"); });
    EXPECT_NE(e2.find("it is a folder"), std::string::npos) << e2;

#ifndef _WIN32
    // A folder that takes no new files (root ignores the permission, so only for other users).
    const fs::path kept = dir_ / "kept.txt";
    plevo::writeFileAtomic(kept, "old contents");
    if (::geteuid() != 0) {
        fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::remove);
        const std::string e3 = errorOf([&] { plevo::writeFileAtomic(kept, "new"); });
        fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add);
        EXPECT_NE(e3.find(plevo::pathText(kept)), std::string::npos) << e3;
    }
    EXPECT_EQ(plevo::readFile(kept), "old contents");
    // A file whose folder refuses every new file, whoever asks.
    if (fs::exists("/proc/version")) {
        const std::string before = plevo::readFile("/proc/version");
        const std::string e4 = errorOf([] { plevo::writeFileAtomic("/proc/version", "x"); });
        EXPECT_NE(e4.find("/proc/version"), std::string::npos) << e4;
        EXPECT_EQ(plevo::readFile("/proc/version"), before);
    }
#endif
}

// The pieces of a streamed write appear together, and only on commit; a write given up leaves
// the old file and no temporary one.
TEST_F(Files, StreamedWritesAndReadsInBlocks) {
    const fs::path p = dir_ / "big.txt";
    plevo::writeFileAtomic(p, "old");
    std::string bytes;
    {
        plevo::AtomicFileWriter writer(p);
        for (int k = 0; k < 20000; ++k) {
            const std::string piece = std::to_string(k) + "\r\n";
            writer.write(piece);
            bytes += piece;
        }
        EXPECT_EQ(plevo::readFile(p), "old");
        writer.commit();
    }
    plevo::ChunkReader reader(p);
    std::string read;
    int blocks = 0;
    for (std::string_view block = reader.next(); !block.empty(); block = reader.next(), ++blocks)
        read += block;
    EXPECT_EQ(read, bytes);
    EXPECT_GT(blocks, 1);

    {
        plevo::AtomicFileWriter abandoned(p);
        abandoned.write("never seen");
    }
    EXPECT_EQ(plevo::readFile(p), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}), 1);
}

TEST_F(Files, ReadErrorsNameThePath) {
    const std::string e1 = errorOf([&] { plevo::readFile(dir_ / "missing.txt"); });
    EXPECT_NE(e1.find("missing.txt"), std::string::npos) << e1;
    const std::string e2 = errorOf([&] { plevo::readFile(dir_); });
    EXPECT_NE(e2.find("it is a folder"), std::string::npos) << e2;
#ifndef _WIN32
    if (fs::exists("/proc/self/mem")) {
        const std::string e3 = errorOf([] { plevo::readFile("/proc/self/mem"); });
        EXPECT_NE(e3.find("/proc/self/mem"), std::string::npos) << e3;
    }
#endif
}

TEST_F(Files, ExistsAndRemove) {
    const fs::path p = dir_ / "x";
    EXPECT_FALSE(plevo::fileExists(p));
    plevo::writeFileAtomic(p, "1");
    EXPECT_TRUE(plevo::fileExists(p));
    EXPECT_FALSE(plevo::fileExists(dir_));  // a folder is not a file
    EXPECT_TRUE(plevo::removeFile(p));
    EXPECT_FALSE(plevo::removeFile(p));
}

}  // namespace
