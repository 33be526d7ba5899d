#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "platform/Files.h"
#include "registry/OutlookExpressStore.h"
#include "registry/RegFileText.h"
#include "registry/SampleRegistry.h"
#include "registry/SubstituteRegistry.h"

namespace plevo {
namespace {

namespace fs = std::filesystem;

// A registry export's bytes: UTF-16LE with its byte-order mark.
std::string utf16File(std::u16string_view text) {
    std::string bytes = "\xff\xfe";
    for (const char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xff));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

class SubstituteFile : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("plevo-registry-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        file = folder / "HKEY_CURRENT_USER.reg";
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string registryError(RegistryAccess& reg) {
        return errorOf([&] { reg.keyExists("Identities"); });
    }
    template <class F>
    std::string errorOf(F&& f) {
        try {
            f();
        } catch (const RegistryError& e) {
            return e.what();
        }
        return "no error";
    }

    fs::path folder;
    fs::path file;
};

TEST_F(SubstituteFile, FirstStartWritesTheSampleWithOneIdentityAndItsLists) {
    const fs::path nested = folder / "new" / "HKEY_CURRENT_USER.reg";
    SubstituteRegistry reg;
    reg.load(nested);
    ASSERT_TRUE(fileExists(nested));
    EXPECT_FALSE(reg.changed());
    const std::string bytes = readFile(nested);
    EXPECT_EQ(bytes.substr(0, 2), "\xff\xfe");  // as exports are written

    const auto identities = findIdentities(reg);
    ASSERT_TRUE(identities.has_value());
    ASSERT_EQ(identities->size(), 1u);
    EXPECT_EQ((*identities)[0].userName, "Main Identity");
    const std::string identity = (*identities)[0].keyPath;
    const auto mail = readListEntries(reg, criteriaPath(blockListPath(identity, BlockList::Mail)));
    const auto news = readListEntries(reg, criteriaPath(blockListPath(identity, BlockList::News)));
    EXPECT_EQ(mail.size(), 30u);
    EXPECT_EQ(news.size(), 4u);
    EXPECT_TRUE(reg.keyExists(rulesMailPath(identity)));
    ASSERT_TRUE(reg.openKey(rulesMailPath(identity) + "\\000\\Criteria\\000", false));
    EXPECT_EQ(reg.readBytes("Value"), std::string("new\0\0\0", 6));
    EXPECT_EQ(reg.readDword("ValueType"), 0x41u);

    SubstituteRegistry again;
    again.load(nested);
    EXPECT_EQ(treeDifference(again.root(), reg.root()), "");
}

TEST_F(SubstituteFile, WritesOnlyAfterAChangeAndReadsBackWhatItWrote) {
    SubstituteRegistry reg;
    reg.load(file);
    EXPECT_FALSE(reg.flush());  // nothing changed since the first write

    ASSERT_TRUE(reg.openKeyReadOnly("Identities"));
    reg.readString("Last Username");
    reg.subkeyNames();
    reg.closeKey();
    EXPECT_FALSE(reg.keyExists("Nowhere"));
    EXPECT_FALSE(reg.openKey("Nowhere", false));
    EXPECT_FALSE(reg.deleteKey("Nowhere"));
    EXPECT_FALSE(reg.changed());  // reads and failed changes are no change

    ASSERT_TRUE(reg.openKey("Plevo\\New", true));
    EXPECT_TRUE(reg.changed());
    reg.writeString("Name", "value \xe9");
    EXPECT_TRUE(reg.flush());
    EXPECT_FALSE(reg.flush());

    SubstituteRegistry reread;
    reread.load(file);
    ASSERT_TRUE(reread.openKey("plevo\\new", false));
    EXPECT_EQ(reread.readString("name"), "value \xe9");

    EXPECT_TRUE(reg.deleteKey("Plevo"));
    EXPECT_TRUE(reg.flush());
    reread.load(file);
    EXPECT_FALSE(reread.keyExists("Plevo"));
}

TEST_F(SubstituteFile, TextBeyondLatin1IsKeptAsLoadedAndNeverReadAsOtherCharacters) {
    // Two identities, one named in Cyrillic; keys and values the tool never reads in Japanese;
    // two key names of the same length in Cyrillic. Laid out as a save writes it.
    const std::u16string before =
        u"Windows Registry Editor Version 5.00\r\n\r\n"
        u"[HKEY_CURRENT_USER\\Identities]\r\n\r\n"
        u"[HKEY_CURRENT_USER\\Identities\\{A}]\r\n"
        u"\"Username\"=\"\u0418\u0432\u0430\u043d\"\r\n\r\n"
        u"[HKEY_CURRENT_USER\\Identities\\{B}]\r\n"
        u"\"Username\"=\"Main Identity\"\r\n"
        u"\"\u540d\u524d\"=\"\u65e5\u672c\u8a9e\"\r\n\r\n"
        u"[HKEY_CURRENT_USER\\\u0418\u0432\u0430\u043d]\r\n\r\n"
        u"[HKEY_CURRENT_USER\\\u041f\u0435\u0442\u0440]\r\n\r\n"
        u"[HKEY_CURRENT_USER\\\u65e5\u672c]\r\n"
        u"\"\u5024\"=hex(2):e5,65,2c,67,00,00\r\n\r\n";
    writeFileAtomic(file, utf16File(before));
    SubstituteRegistry reg;
    reg.load(file);
    ASSERT_TRUE(reg.inService()) << reg.failure();

    // What the tool reads or lists is Latin-1 or a named error, never "?".
    EXPECT_EQ(errorOf([&] { findIdentities(reg); }),
              "The value \"Username\" of the registry key \"HKEY_CURRENT_USER\\Identities\\{A}\" "
              "holds characters beyond Latin-1, which Plevo cannot read or write back unchanged. "
              "It has been left as it is.");
    ASSERT_TRUE(reg.openKey("", false));
    EXPECT_EQ(
        errorOf([&] { reg.subkeyNames(); }),
        "The registry key \"HKEY_CURRENT_USER\" has a subkey \"\u0418\u0432\u0430\u043d\" "
        "whose name holds characters beyond Latin-1, which Plevo cannot use. It has been left "
        "as it is.");
    // The tool's 8-bit names are Latin-1: the bytes of a UTF-8 name are another name.
    EXPECT_FALSE(reg.keyExists("\u65e5\u672c"));

    // A save that changes one value leaves every other byte of the file as it was.
    ASSERT_TRUE(reg.openKey("Identities\\{B}", false));
    reg.writeString("Username", "Caf\xe9");
    EXPECT_TRUE(reg.flush());
    std::u16string after = before;
    after.replace(after.find(u"Main Identity"), 13, u"Caf\u00e9");
    EXPECT_EQ(readFile(file), utf16File(after));
}

TEST_F(SubstituteFile, ADamagedFileIsNeverOverwrittenAndEveryOperationSaysWhy) {
    const std::string damaged =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n"
        "\"v\"=hex:00,1ff\r\n";
    writeFileAtomic(file, encodeUtf16(damaged));
    SubstituteRegistry reg;
    reg.load(file);
    EXPECT_FALSE(reg.inService());
    const std::string expected = "The registry file \"" + pathText(file) +
                                 "\" cannot be read, line 4: hex byte 1ff is over ff";
    EXPECT_EQ(reg.failure(), expected);
    EXPECT_EQ(registryError(reg), expected);
    EXPECT_THROW(reg.openKey("K", true), RegistryError);
    EXPECT_THROW(reg.deleteKey("K"), RegistryError);
    EXPECT_THROW(reg.writeString("v", "x"), RegistryError);
    EXPECT_THROW(reg.import(sampleRegistryText()), RegistryError);
    EXPECT_FALSE(reg.flush());
    EXPECT_EQ(readFile(file), encodeUtf16(damaged));

    // Once mended by hand, the next start reads it.
    writeFileAtomic(file, "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"v\"=\"ok\"\n");
    reg.load(file);
    ASSERT_TRUE(reg.inService());
    ASSERT_TRUE(reg.openKey("K", false));
    EXPECT_EQ(reg.readString("v"), "ok");
}

TEST_F(SubstituteFile, AFolderInPlaceOfTheFileTakesTheRegistryOutOfService) {
    fs::create_directories(file);
    SubstituteRegistry reg;
    reg.load(file);
    EXPECT_FALSE(reg.inService());
    EXPECT_NE(reg.failure().find(pathText(file)), std::string::npos);
    EXPECT_TRUE(fs::is_directory(file));
}

TEST_F(SubstituteFile, AFileOverTheLimitIsNamedAndNeverOverwritten) {
    std::ofstream(file).close();
    fs::resize_file(file, kRegistryFileLimit + 1);  // sparse: costs no disk
    SubstituteRegistry reg;
    reg.load(file);
    EXPECT_FALSE(reg.inService());
    const std::string expected =
        "Cannot read file \"" + pathText(file) + "\": it is larger than 256 MiB";
    EXPECT_EQ(reg.failure(), expected);
    EXPECT_EQ(registryError(reg), expected);
    EXPECT_THROW(reg.openKey("K", true), RegistryError);
    EXPECT_EQ(fs::file_size(file), kRegistryFileLimit + 1);

    SubstituteRegistry other;
    other.load(folder / "other.reg");
    try {
        other.importFile(file);
        FAIL() << "no error";
    } catch (const RegistryError& e) {
        EXPECT_EQ(std::string(e.what()), expected);
    }
}

#ifndef _WIN32

TEST_F(SubstituteFile, ADanglingLinkInPlaceOfTheFileGetsTheSampleAtItsTarget) {
    fs::create_directories(folder / "elsewhere");
    fs::create_symlink("elsewhere/registry.reg", file);
    SubstituteRegistry reg;
    reg.load(file);
    EXPECT_TRUE(reg.inService());
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file)));
    EXPECT_EQ(readFile(folder / "elsewhere" / "registry.reg"), reg.exportText());

    // A link into a folder that is not there is named as the problem and left alone.
    const fs::path lost = folder / "lost.reg";
    fs::create_symlink("gone/registry.reg", lost);
    SubstituteRegistry again;
    try {
        again.load(lost);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot write file \"" + pathText(lost) + "\": it links to \"" +
                      pathText(folder / "gone/registry.reg") + "\", whose folder does not exist");
    }
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(lost)));
}

#if defined(__SANITIZE_ADDRESS__)
#define PLEVO_UNDER_ASAN 1  // the sanitizer reserves more address space than any limit allows
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PLEVO_UNDER_ASAN 1
#endif
#endif

// A file that reads fine but whose tree does not fit into memory: the registry is out of service,
// named, not a crash and not an empty registry that would be written over the file.
TEST_F(SubstituteFile, ATreeTooLargeForMemoryTakesTheRegistryOutOfService) {
#ifdef PLEVO_UNDER_ASAN
    GTEST_SKIP() << "address space limits do not work under the address sanitizer";
#endif
    std::string text = "REGEDIT4\r\n";
    for (int k = 0; k < 500'000; ++k) text += "[HKEY_CURRENT_USER\\K" + std::to_string(k) + "]\r\n";
    writeFileAtomic(file, text);
    const std::string expected = "The registry file \"" + pathText(file) +
                                 "\" cannot be read: there is not enough memory to load it";
    const auto loadInLittleRoom = [&] {
        // Room to read the file, not to build its tree.
        long pages = 0;
        if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
            std::fclose(statm);
        }
        const rlim_t room = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) +
                            rlim_t{2} * text.size() + (rlim_t{16} << 20);
        const rlimit limit{room, room};
        if (pages == 0 || ::setrlimit(RLIMIT_AS, &limit) != 0) std::_Exit(3);
        SubstituteRegistry reg;
        reg.load(file);
        std::fprintf(stderr, "%s\n", reg.failure().c_str());
        const bool named = reg.failure() == expected && registryError(reg) == expected;
        std::_Exit(!reg.inService() && named ? 0 : 1);
    };
    GTEST_FLAG_SET(death_test_style, "fast");  // forked: the child knows this test's folder
    EXPECT_EXIT(loadInLittleRoom(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(readFile(file), text);
}

#endif

TEST_F(SubstituteFile, AFailedWriteKeepsTheOldFileAndTheChange) {
    SubstituteRegistry reg;
    reg.load(file);
    const std::string before = readFile(file);
    ASSERT_TRUE(reg.openKey("Changed", true));
    fs::remove_all(folder);  // the folder is gone: the write must fail
    EXPECT_THROW(reg.flush(), FileError);
    EXPECT_TRUE(reg.changed());
    fs::create_directories(folder);
    writeFileAtomic(file, before);
    EXPECT_TRUE(reg.flush());
    SubstituteRegistry reread;
    reread.load(file);
    EXPECT_TRUE(reread.keyExists("Changed"));
}

TEST_F(SubstituteFile, ImportingAFileNamesItWhenItIsDamaged) {
    SubstituteRegistry reg;
    reg.load(file);
    const fs::path reg4 = folder / "Rules.reg";
    writeFileAtomic(reg4, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Imported]\r\n\"v\"=\"yes\"\r\n");
    reg.importFile(reg4);
    ASSERT_TRUE(reg.openKey("Imported", false));
    EXPECT_EQ(reg.readString("v"), "yes");

    writeFileAtomic(reg4,
                    "REGEDIT4\r\n[-HKEY_CURRENT_USER\\Imported]\r\n[HKEY_CURRENT_USER\\X\r\n");
    try {
        reg.importFile(reg4);
        FAIL() << "no error";
    } catch (const RegistryError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "The registry file \"" + pathText(reg4) +
                      "\" cannot be read, line 3: the key line has no closing ]");
    }
    EXPECT_TRUE(reg.keyExists("Imported"));
    EXPECT_THROW(reg.importFile(folder / "missing.reg"), RegistryError);
}

TEST_F(SubstituteFile, AnImportIsWrittenToTheFileAndReadsBackAfterAReload) {
    SubstituteRegistry reg;
    reg.load(file);
    ASSERT_FALSE(reg.changed());
    const fs::path imported = folder / "Rules.reg";
    writeFileAtomic(imported, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Imported]\r\n\"v\"=\"yes\"\r\n");
    reg.importFile(imported);
    EXPECT_TRUE(reg.flush());

    SubstituteRegistry reread;
    reread.load(file);
    ASSERT_TRUE(reread.openKey("Imported", false));
    EXPECT_EQ(reread.readString("v"), "yes");
}

TEST(SubstituteImport, MergesDeletionsIncludedAndADamagedFileChangesNothing) {
    SubstituteRegistry reg;
    ASSERT_TRUE(reg.openKey("Keep\\Old", true));
    reg.writeString("a", "1");
    reg.closeKey();
    reg.flush();
    const std::string beforeImport = reg.exportText();

    EXPECT_THROW(
        reg.import("REGEDIT4\n[-HKEY_CURRENT_USER\\Keep]\n[HKEY_CURRENT_USER\\K]\n\"x\"=dword:\n"),
        RegFileError);
    EXPECT_EQ(reg.exportText(), beforeImport);

    reg.import(
        encodeUtf16("Windows Registry Editor Version 5.00\r\n\r\n"
                    "[-HKEY_CURRENT_USER\\Keep\\Old]\r\n"
                    "[HKEY_CURRENT_USER\\Keep\\New]\r\n\"b\"=\"2\"\r\n"
                    "[HKEY_USERS\\.DEFAULT\\Other]\r\n\"c\"=\"3\"\r\n"));
    EXPECT_TRUE(reg.changed());
    EXPECT_FALSE(reg.keyExists("Keep\\Old"));
    ASSERT_TRUE(reg.openKey("Keep\\New", false));
    EXPECT_EQ(reg.readString("b"), "2");
    EXPECT_FALSE(reg.keyExists(".DEFAULT"));
    EXPECT_FALSE(reg.keyExists("Other"));
}

}  // namespace
}  // namespace plevo
