// Shortcut files: the bytes of our own writer, and on Windows (under Wine) the system's ShellLink
// component reading back what our writer and the component itself wrote.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/Files.h"
#include "setup/ReadShellLink.h"
#include "setup/ShellLink.h"

namespace plevo::test {
namespace {
namespace fs = std::filesystem;

const ShellLinkSettings kSettings{.target = "C:\\Plevo\\Plevo Trial.exe",
                                  .workingDir = "C:\\Plevo\\",
                                  .iconPath = "C:\\Plevo\\Plevo.ICO"};

// The shortcut file as the system's format lays it out: header, local path, counted strings.
TEST(ShellLink, BytesHoldTheTargetWorkingFolderAndIcon) {
    const std::string bytes = shellLinkBytes(kSettings);
    const auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
    };
    ASSERT_GT(bytes.size(), 0x4Cu);
    EXPECT_EQ(u32(0), 0x4Cu);
    EXPECT_EQ(bytes.substr(4, 16),
              std::string("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16));
    EXPECT_EQ(u32(0x14), 0x52u);  // link info, working folder, icon; no arguments, no item list
    EXPECT_EQ(u32(0x3C), 0u);     // show command
    const std::size_t info = 0x4C;
    const std::uint32_t infoSize = u32(info);
    EXPECT_EQ(u32(info + 8), 1u);  // a volume and a local base path
    EXPECT_EQ(std::string(bytes.c_str() + info + u32(info + 16)), "C:\\Plevo\\Plevo Trial.exe");
    std::size_t at = info + infoSize;
    for (const char* text : {"C:\\Plevo\\", "C:\\Plevo\\Plevo.ICO"}) {
        const std::size_t n = static_cast<unsigned char>(bytes[at]) |
                              static_cast<std::size_t>(static_cast<unsigned char>(bytes[at + 1]))
                                  << 8;
        EXPECT_EQ(bytes.substr(at + 2, n), text);
        at += 2 + n;
    }
    EXPECT_EQ(u32(at), 0u);
    EXPECT_EQ(at + 4, bytes.size());
}

#ifdef _WIN32
TEST(ShellLink, TheSystemComponentReadsOursAsItsOwn) {
    CoInitialize(nullptr);
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("plevo-links-" + std::to_string(rd()));
    fs::create_directories(dir);
    FormatShortcutWriter ours;
    ComShortcutWriter system;
    ours.write(dir / "ours.lnk", kSettings);
    system.write(dir / "system.lnk", kSettings);
    const ShellLinkSettings a = readShellLink(dir / "ours.lnk");
    const ShellLinkSettings b = readShellLink(dir / "system.lnk");
    for (const ShellLinkSettings* s : {&a, &b}) {
        EXPECT_EQ(s->target, kSettings.target);
        EXPECT_EQ(s->arguments, "");
        EXPECT_EQ(s->workingDir, kSettings.workingDir);
        EXPECT_EQ(s->iconPath, kSettings.iconPath);
        EXPECT_EQ(s->iconIndex, 0);
    }
    EXPECT_EQ(a.showCommand, b.showCommand);
    std::error_code ec;
    fs::remove_all(dir, ec);
    CoUninitialize();
}
#endif

}  // namespace
}  // namespace plevo::test
