#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <thread>

#include "platform/Files.h"
#include "platform/PendingTempFile.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}));
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

TEST_F(Files, ReadsRefuseMoreThanTheLimitNamingTheFile) {
    const fs::path exact = dir_ / "exact.txt";
    plevo::writeFileAtomic(exact, std::string(1000, 'x'));
    EXPECT_EQ(plevo::readFile(exact, 1000).size(), 1000u);
    // Sparse: the size alone refuses it, nothing is read.
    const fs::path huge = dir_ / "huge.txt";
    std::ofstream(huge).close();
    fs::resize_file(huge, plevo::kReadLimit + 1);

    struct Case {
        fs::path file;
        std::uint64_t limit;
        std::string message;
    };
    const Case cases[] = {
        {exact, 999, "it is larger than 999 bytes"},
        {huge, plevo::kReadLimit, "it is larger than 1 GiB"},
    };
    for (const auto& c : cases) {
        const std::string e = errorOf([&] { plevo::readFile(c.file, c.limit); });
        EXPECT_EQ(e, "Cannot read file \"" + plevo::pathText(c.file) + "\": " + c.message);
    }
#ifndef _WIN32
    // A file that reports no size (like those in /proc) is stopped while reading.
    const fs::path fifo = dir_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { plevo::writeFileAtomic(fifo, std::string((1 << 20) + 1, 'x')); });
    const std::string e = errorOf([&] { plevo::readFile(fifo, 1 << 20); });
    writer.join();
    EXPECT_EQ(e, "Cannot read file \"" + plevo::pathText(fifo) + "\": it is larger than 1 MiB");
#endif
}

TEST_F(Files, LongNamesAreWrittenWithAShorterTemporaryName) {
    static std::vector<std::string> temps;
    temps.clear();
    plevo::setTempFileHook([](const fs::path& temp) { temps.push_back(temp.filename().string()); });
    std::string twoByteLetters = "a";
    for (int k = 0; k < 127; ++k) twoByteLetters += "\xc3\xa9";
    for (const std::string& name : {std::string(250, 'n'), std::string(255, 'n'), twoByteLetters}) {
        const fs::path p = dir_ / name;
        plevo::writeFileAtomic(p, "long");
        plevo::writeFileAtomic(p, "longer");
        EXPECT_EQ(plevo::readFile(p), "longer");
    }
    plevo::setTempFileHook(nullptr);
    ASSERT_EQ(temps.size(), 6u);
    for (const auto& temp : temps) EXPECT_LE(temp.size(), 255u) << temp;
#ifndef _WIN32
    // Cut between letters, never inside one.
    const std::string cut = temps[4].substr(0, temps[4].find(".plevo-"));
    EXPECT_EQ(cut, twoByteLetters.substr(0, cut.size()));
    EXPECT_NE(static_cast<unsigned char>(twoByteLetters[cut.size()]) & 0xC0, 0x80);
#endif
    EXPECT_EQ(entries(), 3u);
}

#ifndef _WIN32

TEST_F(Files, KeepsTheModeOfTheReplacedFileAndIsNeverWider) {
    static mode_t tempMode;
    plevo::setTempFileHook([](const fs::path& temp) {
        struct stat st {};
        tempMode = ::stat(temp.c_str(), &st) == 0 ? st.st_mode & 07777 : 07777;
    });
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct Case {
        int before;  // -1: no file yet
        mode_t temp;
        mode_t after;
    };
    const Case cases[] = {
        {0600, 0600, 0600},
        {0640, 0640, 0640},
        {0444, 0444, 0444},
        {-1, 0600, static_cast<mode_t>(0644 & ~mask)},
    };
    for (const auto& c : cases) {
        const fs::path p = dir_ / ("mode" + std::to_string(c.before));
        if (c.before >= 0) {
            plevo::writeFileAtomic(p, "old");
            ASSERT_EQ(::chmod(p.c_str(), static_cast<mode_t>(c.before)), 0);
        }
        tempMode = 07777;
        plevo::writeFileAtomic(p, "new");
        struct stat st {};
        ASSERT_EQ(::stat(p.c_str(), &st), 0);
        EXPECT_EQ(tempMode, c.temp) << std::oct << c.before;
        EXPECT_EQ(st.st_mode & 07777, c.after) << std::oct << c.before;
        EXPECT_EQ(plevo::readFile(p), "new");
    }
    plevo::setTempFileHook(nullptr);

    // Root gives the new file the old one's owner and group.
    if (::geteuid() == 0) {
        const fs::path owned = dir_ / "owned";
        plevo::writeFileAtomic(owned, "old");
        ASSERT_EQ(::chown(owned.c_str(), 4321, 4322), 0);
        plevo::writeFileAtomic(owned, "new");
        struct stat st {};
        ASSERT_EQ(::stat(owned.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
    }
}

TEST_F(Files, FollowsLinksAndWritesDevicesAndFifosInPlace) {
    const auto isLink = [](const fs::path& p) { return fs::is_symlink(fs::symlink_status(p)); };
    // A link to a file: the file takes the bytes, the link stays.
    plevo::writeFileAtomic(dir_ / "real.txt", "old");
    fs::create_symlink("real.txt", dir_ / "link.txt");
    plevo::writeFileAtomic(dir_ / "link.txt", "through the link");
    EXPECT_TRUE(isLink(dir_ / "link.txt"));
    EXPECT_EQ(plevo::readFile(dir_ / "real.txt"), "through the link");

    // A dangling link: the file it names is made.
    fs::create_directories(dir_ / "sub");
    fs::create_symlink("sub/made.txt", dir_ / "dangling.txt");
    plevo::writeFileAtomic(dir_ / "dangling.txt", "made");
    EXPECT_TRUE(isLink(dir_ / "dangling.txt"));
    EXPECT_EQ(plevo::readFile(dir_ / "sub" / "made.txt"), "made");
    // ... unless its folder is missing; then the link is left alone and the error says why.
    fs::create_symlink("gone/x.txt", dir_ / "nowhere.txt");
    EXPECT_EQ(errorOf([&] { plevo::writeFileAtomic(dir_ / "nowhere.txt", "x"); }),
              "Cannot write file \"" + plevo::pathText(dir_ / "nowhere.txt") +
                  "\": it links to \"" + plevo::pathText(dir_ / "gone/x.txt") +
                  "\", whose folder does not exist");
    EXPECT_TRUE(isLink(dir_ / "nowhere.txt"));

    // A hard link: the name written gets a new file, the other name keeps the old contents.
    plevo::writeFileAtomic(dir_ / "first.txt", "shared");
    fs::create_hard_link(dir_ / "first.txt", dir_ / "second.txt");
    plevo::writeFileAtomic(dir_ / "first.txt", "first only");
    EXPECT_EQ(plevo::readFile(dir_ / "first.txt"), "first only");
    EXPECT_EQ(plevo::readFile(dir_ / "second.txt"), "shared");

    // A FIFO is written into, with a reader at the other end.
    const fs::path fifo = dir_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    plevo::writeFileAtomic(fifo, "down the pipe");
    char heard[64] = {};
    EXPECT_EQ(::read(reader, heard, sizeof heard), 13);
    ::close(reader);
    EXPECT_STREQ(heard, "down the pipe");
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));

    // A device, directly and through a link. Root could replace /dev/null, so root writes to a
    // node of its own; other users cannot harm /dev/null.
    fs::path device = "/dev/null";
    if (::geteuid() == 0) {
        device = dir_ / "null";
        if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            GTEST_SKIP() << "no device node can be made here";
    }
    fs::create_symlink(device, dir_ / "device-link");
    for (const fs::path& p : {device, dir_ / "device-link"}) {
        EXPECT_NO_THROW(plevo::writeFileAtomic(p, "nothing")) << p;
        EXPECT_TRUE(fs::is_character_file(fs::symlink_status(device))) << p;
    }
    EXPECT_TRUE(isLink(dir_ / "device-link"));
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_EQ(entry.path().string().find(".plevo-"), std::string::npos) << entry.path();
}

// Ended by a signal while the bytes go to the temporary file: the file goes, the target stays.
TEST_F(Files, ASignalRemovesTheTemporaryFile) {
    // The child is forked, so that it writes into this test's folder.
    GTEST_FLAG_SET(death_test_style, "fast");
    const fs::path p = dir_ / "list.txt";
    plevo::writeFileAtomic(p, "old");
    static int signal;
    for (const int s : {SIGTERM, SIGINT, SIGHUP}) {
        signal = s;
        EXPECT_EXIT(
            {
                plevo::removeTempFileOnSignals();
                plevo::setTempFileHook([](const fs::path&) { std::raise(signal); });
                plevo::writeFileAtomic(p, "new");
            },
            testing::KilledBySignal(s), "");
        EXPECT_EQ(plevo::readFile(p), "old") << s;
        EXPECT_EQ(entries(), 1u) << s;
    }
}

#endif

}  // namespace
