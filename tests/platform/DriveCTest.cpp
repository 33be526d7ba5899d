#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/DriveC.h"
#include "platform/Files.h"

namespace fs = std::filesystem;

#ifndef _WIN32
TEST(DriveC, MapsOntoItsFolderAndMatchesNamesWithoutRegardToCase) {
    std::random_device rd;
    const fs::path root = fs::temp_directory_path() / ("plevo-drive-" + std::to_string(rd()));
    fs::create_directories(root / "Some Folder");
    plevo::writeFileAtomic(root / "Mail Plevo.txt", "x");
    const plevo::DriveC c(root);

    EXPECT_EQ(c.resolve("C:\\Mail Plevo.txt"), root / "Mail Plevo.txt");
    EXPECT_EQ(c.resolve("c:\\MAIL PLEVO.TXT"), root / "Mail Plevo.txt");
    EXPECT_EQ(c.resolve("C:/some folder/New.txt"), root / "Some Folder" / "New.txt");
    EXPECT_EQ(c.resolve("C:\\Rules.reg"), root / "Rules.reg");  // a new file keeps its case
    EXPECT_THROW(c.resolve("D:\\x.txt"), plevo::FileError);
    EXPECT_THROW(c.resolve("Mail Plevo.txt"), plevo::FileError);
    EXPECT_THROW(c.resolve("C:\\..\\etc\\passwd"), plevo::FileError);
    fs::remove_all(root);
}
#endif
