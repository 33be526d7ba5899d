#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "registry/RegFile.h"
#include "registry/RegFileText.h"
#include "registry/RegistryText.h"
#include "registry/RegistryTree.h"

namespace plevo {

void PrintTo(const RegValue& v, std::ostream* os) {
    *os << "{" << testing::PrintToString(v.name) << ", type " << v.type << ", "
        << testing::PrintToString(v.data) << "}";
}

namespace {

RegKey::Ptr treeOf(std::string_view bytes) {
    auto root = std::make_shared<RegKey>(std::string());
    applyRegFile(parseRegFile(bytes), root);
    return root;
}

std::string v5(std::string_view body) {
    return "Windows Registry Editor Version 5.00\r\n\r\n" + std::string(body);
}

std::string times(std::string_view text, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += text;
    return out;
}

// A string value's data as the tree keeps it: UTF-16LE with the terminating zero.
std::string sz(std::string_view utf8) {
    return utf8ToUtf16(utf8) + std::string(2, '\0');
}

// The line number and reason of the error a text raises; "no error" when it reads.
std::string errorOf(std::string_view bytes) {
    try {
        parseRegFile(bytes);
    } catch (const RegFileError& e) {
        return e.what();
    }
    return "no error";
}

const RegValue& valueAt(const RegKey::Ptr& root, std::string_view path, std::string_view name) {
    const auto key = findKey(root, path);
    if (!key) throw std::runtime_error("no key " + std::string(path));
    const RegValue* v = key->value(name);
    if (!v) throw std::runtime_error("no value " + std::string(name));
    return *v;
}

TEST(RegFile, ReadsEveryDataForm) {
    const auto root = treeOf(v5(R"([HKEY_CURRENT_USER\Soft\Key]
"Text"="a \"quoted\" C:\\path"
@="default"
"Dw"=dword:0000001e
"Short"=dword:A
"Bin"=hex:00,ff,7F
"Empty"=hex:
"Qword"=hex(b):01,00,00,00,00,00,00,00
"Odd"=hex(12345678):aa
"Expand"=hex(2):25,00,41,00,25,00,00,00
"Multi"=hex(7):61,00,00,00,62,00,00,00,00,00
)"));
    EXPECT_EQ(valueAt(root, "Soft\\Key", "Text"),
              (RegValue{"Text", kRegSz, sz("a \"quoted\" C:\\path")}));
    EXPECT_EQ(valueAt(root, "Soft\\Key", "").data, sz("default"));
    EXPECT_EQ(valueAt(root, "Soft\\Key", "Dw"),
              (RegValue{"Dw", kRegDword, std::string("\x1e\0\0\0", 4)}));
    EXPECT_EQ(valueAt(root, "Soft\\Key", "Short").data, std::string("\x0a\0\0\0", 4));
    EXPECT_EQ(valueAt(root, "Soft\\Key", "Bin"),
              (RegValue{"Bin", kRegBinary, std::string("\x00\xff\x7f", 3)}));
    EXPECT_EQ(valueAt(root, "Soft\\Key", "Empty"), (RegValue{"Empty", kRegBinary, ""}));
    EXPECT_EQ(valueAt(root, "Soft\\Key", "Qword").type, kRegQword);
    EXPECT_EQ(valueAt(root, "Soft\\Key", "Odd").type, 0x12345678u);
    // Version 5 gives string types' hex data as stored, in UTF-16.
    EXPECT_EQ(valueAt(root, "Soft\\Key", "Expand"), (RegValue{"Expand", kRegExpandSz, sz("%A%")}));
    EXPECT_EQ(valueAt(root, "Soft\\Key", "Multi").data, sz(std::string("a\0b\0", 4)));
    // Values keep the order of the file.
    const auto key = findKey(root, "Soft\\Key");
    EXPECT_EQ(key->values().front().name, "Text");
    EXPECT_EQ(key->values().back().name, "Multi");
}

TEST(RegFile, DataPrefixesInAnyLetterCase) {
    const auto root =
        treeOf(v5("[HKEY_CURRENT_USER\\K]\r\n\"v\"=DWORD:00000001\r\n\"w\"=Hex:01,02\r\n"));
    EXPECT_EQ(valueAt(root, "K", "v"), (RegValue{"v", kRegDword, std::string("\x01\0\0\0", 4)}));
    EXPECT_EQ(valueAt(root, "K", "w"), (RegValue{"w", kRegBinary, "\x01\x02"}));
}

TEST(RegFile, Regedit4GivesStringHexAsEightBitText) {
    const auto root = treeOf("REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"E\"=hex(2):25,e9,25,00\n");
    EXPECT_EQ(valueAt(root, "K", "E").data, sz("%\u00e9%"));
}

TEST(RegFile, ContinuationLinesCommentsAndEveryLineEnd) {
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        const std::string text = "Windows Registry Editor Version 5.00" + eol + eol +
                                 "; a comment" + eol + "[HKEY_CURRENT_USER\\K]" + eol +
                                 "\"B\"=hex:01,02,\\" + eol + "   03,04,\\" + eol + "; between" +
                                 eol + "\t05" + eol + "this line is not ours and is ignored" + eol +
                                 "\"After\"=dword:00000001 ; trailing comment" + eol;
        const auto root = treeOf(text);
        EXPECT_EQ(valueAt(root, "K", "B").data, "\x01\x02\x03\x04\x05")
            << testing::PrintToString(eol);
        EXPECT_EQ(valueAt(root, "K", "After").data, std::string("\x01\0\0\0", 4));
    }
}

TEST(RegFile, TextBeyondLatin1IsKeptWhateverTheFileEncoding) {
    // Names in UTF-8, string data in UTF-16, from a UTF-16 export and from a UTF-8 file alike;
    // two names of the same length stay two keys. An 8-bit file is Latin-1.
    const std::string text = v5(
        "[HKEY_CURRENT_USER\\\u0418\u0432\u0430\u043d]\r\n\"\u540d\u524d\"=\"\u65e5\u672c \u20ac "
        "\U0001F600\"\r\n[HKEY_CURRENT_USER\\\u041f\u0435\u0442\u0440]\r\n\"caf\u00e9\"="
        "\"\u00e9\"\r\n");
    for (const std::string& file : {encodeUtf16(text), encodeUtf8(text)}) {
        const auto root = treeOf(file);
        EXPECT_EQ(root->subkeyNames(), (std::vector<std::string>{"\u0418\u0432\u0430\u043d",
                                                                 "\u041f\u0435\u0442\u0440"}));
        EXPECT_EQ(valueAt(root, "\u0418\u0432\u0430\u043d", "\u540d\u524d").data,
                  sz("\u65e5\u672c \u20ac \U0001F600"));
        EXPECT_EQ(valueAt(root, "\u041f\u0435\u0442\u0440", "CAF\u00c9").data, sz("\u00e9"));
    }
    const auto latin1 = treeOf(v5("[HKEY_CURRENT_USER\\K\xe9]\r\n\"N\"=\"caf\xe9\"\r\n"));
    EXPECT_EQ(valueAt(latin1, "k\u00c9", "n").data, sz("caf\u00e9"));
}

TEST(RegFile, DeletionsAndOtherRootsWhenMerged) {
    auto root = treeOf(v5(R"([HKEY_CURRENT_USER\Keep]
"a"="1"
"b"="2"
[HKEY_CURRENT_USER\Gone\Deep]
"x"="1"
)"));
    RegFile merge = parseRegFile(v5(R"([-HKEY_CURRENT_USER\Gone]
"ignored"="under a deleted key"
[hkey_current_user\KEEP]
"a"=-
"c"=dword:00000003
[HKEY_LOCAL_MACHINE\Software\Elsewhere]
"m"="machine"
[-HKEY_LOCAL_MACHINE\Keep]
)"));
    ASSERT_EQ(merge.keys.size(), 4u);
    EXPECT_FALSE(merge.keys[2].isCurrentUser());
    EXPECT_TRUE(applyRegFile(std::move(merge), root));
    EXPECT_EQ(findKey(root, "Gone"), nullptr);
    EXPECT_EQ(findKey(root, "Software"), nullptr);
    const auto keep = findKey(root, "Keep");
    ASSERT_NE(keep, nullptr);
    ASSERT_EQ(keep->values().size(), 2u);
    EXPECT_EQ(keep->values()[0].name, "b");
    EXPECT_EQ(keep->values()[1].name, "c");
    EXPECT_EQ(root->subkeyNames(), std::vector<std::string>{"Keep"});
}

TEST(RegFile, DamagedLinesAreReportedWithTheirNumber) {
    struct Case {
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {.text = "", .error = "line 1: the file is empty"},
        {.text = "REGEDIT5\n", .error = "line 1: not a registry file"},
        {.text = v5("[HKEY_CURRENT_USER\\K\n"), .error = "line 3: the key line has no closing ]"},
        {.text = v5("[HKEY_CURRENT_USER\\A\\\\B]\n"),
         .error = "line 3: the key path has an empty key name"},
        {.text = v5("[HKEY_CURRENT_USER\\" + std::string(256, 'k') + "]\n"),
         .error = "line 3: a key name is longer than 255 characters"},
        {.text = v5("[K]\n\"v\"=\"open\n"), .error = "line 4: unterminated string"},
        {.text = v5("[K]\n\"v=\"x\"\n"), .error = "line 4: the value name is not followed by ="},
        {.text = v5("[K]\n\"open\n"), .error = "line 4: unterminated value name"},
        {.text = v5("[K]\n\"v\"\n"), .error = "line 4: the value name is not followed by ="},
        {.text = v5("[K]\n\"v\"=\n"), .error = "line 4: the value has no data"},
        {.text = v5("[K]\n\"v\"=\"x\" junk\n"),
         .error = "line 4: unexpected text after the closing quote"},
        {.text = v5("[K]\n\"v\"=dword:\n"), .error = "line 4: dword: takes 1 to 8 hex digits"},
        {.text = v5("[K]\n\"v\"=dword:123456789\n"),
         .error = "line 4: dword: takes 1 to 8 hex digits"},
        {.text = v5("[K]\n\"v\"=dword:12g\n"), .error = "line 4: unexpected text after the dword"},
        {.text = v5("[K]\n\"v\"=hex:00,100\n"), .error = "line 4: hex byte 100 is over ff"},
        {.text = v5("[K]\n\"v\"=hex:00,\\\n  zz\n"), .error = "line 5: \"zz\" is not a hex byte"},
        {.text = v5("[K]\n\"v\"=hex:00,,01\n"),
         .error = "line 4: a hex byte is missing between commas"},
        {.text = v5("[K]\n\"v\"=hex(x):00\n"),
         .error = "line 4: hex(N): needs 1 to 8 hex digits for the type"},
        {.text = v5("[K]\n\"v\"=text\n"), .error = "line 4: unknown kind of data"},
        {.text = v5("[K]\n\"v\"=-x\n"), .error = "line 4: unexpected text after -"},
        // Characters, not bytes: 128 two-byte letters are a name, 256 are too long.
        {.text = encodeUtf8(v5("[HKEY_CURRENT_USER\\" + times("\u044f", 128) + "]\n")),
         .error = "no error"},
        {.text = encodeUtf8(v5("[HKEY_CURRENT_USER\\" + times("\u044f", 256) + "]\n")),
         .error = "line 3: a key name is longer than 255 characters"},
        {.text = "\xef\xbb\xbf" + v5("[K]\n\"v\"=\"caf\xe9\"\n"),
         .error = "line 4: the text is not valid UTF-8, though the file begins with the UTF-8 "
                  "byte-order mark"},
        {.text = v5(std::string("[K]\n\"v\"=\"a\0b\"\n", 13)),
         .error = "line 4: the line contains a NUL character"},
    };
    for (const auto& c : cases) {
        const std::string error = errorOf(c.text);
        EXPECT_EQ(error.substr(0, c.error.size()), c.error) << testing::PrintToString(c.text);
    }
}

TEST(RegFile, HostileFilesGiveAClearErrorNeverACrash) {
    // A UTF-16 export cut off in the middle of a character, and one cut inside a string.
    const std::string whole = encodeUtf16(v5("[HKEY_CURRENT_USER\\K]\r\n\"v\"=\"text\"\r\n"));
    EXPECT_EQ(errorOf(whole.substr(0, whole.size() - 1)),
              "line 5: the file ends in the middle of a UTF-16 character");
    EXPECT_EQ(errorOf(whole.substr(0, whole.size() - 10)), "line 4: unterminated string");
    // Cut inside a continued hex list: what was there is read.
    const auto cut = treeOf(v5("[HKEY_CURRENT_USER\\K]\n\"b\"=hex:01,02,\\"));
    EXPECT_EQ(valueAt(cut, "K", "b").data, "\x01\x02");

    // 100,000-character lines of each kind.
    const std::string longName(100000, 'n');
    EXPECT_EQ(errorOf(v5("[HKEY_CURRENT_USER\\" + longName + "]\n")),
              "line 3: a key name is longer than 255 characters");
    EXPECT_EQ(errorOf(v5("[K]\n\"" + longName + "\"=\"x\"\n")),
              "line 4: the value name is longer than 16383 characters");
    const auto big =
        treeOf(v5("[HKEY_CURRENT_USER\\K]\n\"v\"=\"" + std::string(100000, 'x') + "\"\n"));
    EXPECT_EQ(valueAt(big, "K", "v").data.size(), 200002u);
    std::string hexLine = "\"h\"=hex:";
    for (int i = 0; i < 33333; ++i) hexLine += "ab,";
    EXPECT_EQ(
        valueAt(treeOf(v5("[HKEY_CURRENT_USER\\K]\n" + hexLine + "\n")), "K", "h").data.size(),
        33333u);
    EXPECT_EQ(errorOf(v5("[HKEY_CURRENT_USER\\K]\n\"v\"=\"" + std::string(100000, '\\'))),
              "line 4: unterminated string");

    // Key paths of 512 levels are the registry's limit; 600 are refused.
    std::string path512, path600;
    for (int i = 0; i < 600; ++i) (i < 512 ? path512 : path600) += "\\k";
    path600 = path512 + path600;
    const auto deep = treeOf(v5("[HKEY_CURRENT_USER" + path512 + "]\n\"v\"=\"deep\"\n"));
    EXPECT_EQ(valueAt(deep, path512, "v").data, sz("deep"));
    EXPECT_EQ(errorOf(v5("[HKEY_CURRENT_USER" + path600 + "]\n")),
              "line 3: the key path is deeper than 512 levels");

    // NUL bytes: in 8-bit files and as UTF-16 characters; in lines that are not ours they do no
    // harm.
    EXPECT_EQ(errorOf(v5(std::string("[HKEY_CURRENT_USER\\K\0]\n", 24))),
              "line 3: the line contains a NUL character");
    EXPECT_EQ(errorOf(encodeUtf16(v5(std::string("[K]\n\"v\"=hex:00,\\\n 0\0\n", 21)))),
              "line 5: the line contains a NUL character");
    EXPECT_EQ(errorOf(v5(std::string("; \0\0\0\n[K]\n", 11))), "no error");
    EXPECT_EQ(errorOf(std::string(1000, '\0')),
              "line 1: not a registry file: the first line must be "
              "\"Windows Registry Editor Version 5.00\" or \"REGEDIT4\"");
}

TEST(RegFile, ManyValuesRemovedFromOneKeyKeepTheOthersInOrder) {
    // Removals must not cost a pass over the key each, or such a file would hang the reading.
    std::string text = v5("[HKEY_CURRENT_USER\\K]\n");
    constexpr int kValues = 40000;
    for (int i = 0; i < kValues; ++i)
        text.append("\"v").append(std::to_string(i)).append("\"=dword:1\n");
    for (int i = 0; i < kValues; i += 2)
        text.append("\"V").append(std::to_string(i)).append("\"=-\n");
    text.append("\"v0\"=\"again\"\n");
    const auto root = treeOf(text);
    const auto& values = findKey(root, "K")->values();
    ASSERT_EQ(values.size(), kValues / 2 + 1u);
    EXPECT_EQ(values[0].name, "v1");
    EXPECT_EQ(values[kValues / 2 - 1].name, std::string("v").append(std::to_string(kValues - 1)));
    EXPECT_EQ(values.back().name, "v0");  // created anew, so last
    EXPECT_EQ(findKey(root, "K")->value("V3")->name, "v3");
    EXPECT_EQ(findKey(root, "K")->value("v2"), nullptr);
}

TEST(RegFile, WritesTheExportLayout) {
    auto root = std::make_shared<RegKey>(std::string());
    auto key = createKey(root, "Soft\\K");
    key->setValue("", kRegSz, sz("def"));
    key->setValue("Quote \"\\", kRegSz, sz("C:\\x \"y\""));
    key->setValue("D", kRegDword, std::string("\xef\xbe\xad\xde", 4));
    key->setValue("B", kRegBinary, std::string(60, '\xab'));
    key->setValue("Q", kRegQword, std::string(8, '\x01'));
    key->setValue("X", kRegExpandSz, sz("%A%"));
    key->setValue("NoZero", kRegSz, std::string("a\0b\0", 4));
    key->setValue("CR", kRegSz, sz("a\rb"));
    createKey(root, "Soft\\K\\Child")->setValue("\u540d", kRegSz, sz("\u65e5\u672c"));
    const std::string text = formatRegFile(*root, RegFileEncoding::Utf8);
    const std::string ab25 = [] {
        std::string s;
        for (int i = 0; i < 25; ++i) s += "ab,";
        return s;
    }();
    const std::string expected =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Soft]\r\n\r\n"
        "[HKEY_CURRENT_USER\\Soft\\K]\r\n"
        "@=\"def\"\r\n"
        "\"Quote \\\"\\\\\"=\"C:\\\\x \\\"y\\\"\"\r\n"
        "\"D\"=dword:deadbeef\r\n"
        "\"B\"=hex:" +
        ab25.substr(0, 3 * 23) +
        "\\\r\n"
        "  " +
        ab25 +
        "\\\r\n"
        "  " +
        ab25.substr(0, 3 * 11) +
        "ab\r\n"
        "\"Q\"=hex(b):01,01,01,01,01,01,01,01\r\n"
        "\"X\"=hex(2):25,00,41,00,25,00,00,00\r\n"
        "\"NoZero\"=hex(1):61,00,62,00\r\n"
        "\"CR\"=hex(1):61,00,0d,00,62,00,00,00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Soft\\K\\Child]\r\n"
        "\"\u540d\"=\"\u65e5\u672c\"\r\n\r\n";
    EXPECT_EQ(text, encodeUtf8(expected));
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_LE(end - start, 80u);
        start = end + 2;
    }
    EXPECT_EQ(formatRegFile(*root), encodeUtf16(expected));
}

// The runs of hex bytes from..from+count-1, each followed by a comma.
std::string hexRun(int from, int count) {
    std::string s;
    char buf[8];
    for (int b = from; b < from + count; ++b) {
        std::snprintf(buf, sizeof buf, "%02x,", b);
        s += buf;
    }
    return s;
}

TEST(RegFile, HexLinesFillUpToEightyCharacters) {
    // A line takes a byte when the byte and what must follow it (",\" unless it is the last)
    // still fit in 80 characters: 25 bytes after "@=hex:" make one line of exactly 80, and a
    // broken line may be 80 long with its "\".
    auto root = std::make_shared<RegKey>(std::string());
    auto key = createKey(root, "K");
    std::string bytes;
    for (char b = 0; b < 25; ++b) bytes.push_back(b);
    key->setValue("", kRegBinary, bytes);
    bytes.clear();
    for (char b = 0x30; b < 0x30 + 30; ++b) bytes.push_back(b);
    key->setValue("abcdef", kRegBinary, bytes);
    std::string single = "@=hex:" + hexRun(0, 25);
    single.pop_back();
    std::string tail = "  " + hexRun(0x30 + 22, 8);
    tail.pop_back();
    const std::string broken = "\"abcdef\"=hex:" + hexRun(0x30, 22) + "\\";
    ASSERT_EQ(single.size(), 80u);
    ASSERT_EQ(broken.size(), 80u);
    EXPECT_EQ(formatRegFile(*root, RegFileEncoding::Utf8),
              encodeUtf8("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n" +
                         single + "\r\n" + broken + "\r\n" + tail + "\r\n\r\n"));
}

TEST(RegFile, EveryValueAndNameReadsBackIdentically) {
    auto root = std::make_shared<RegKey>(std::string());
    root->setValue("at root", kRegDword, std::string("\1\0\0\0", 4));
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    auto key = createKey(root, "Mixed Case\\{GUID-1}\\-");
    for (std::uint32_t type : {0u, 1u, 2u, 3u, 4u, 7u, 11u, 0xffffffffu}) {
        const std::string suffix = std::to_string(type);
        key->setValue(std::string("t").append(suffix), type, all);
        key->setValue(std::string("short").append(suffix), type, "\x05");
        key->setValue(std::string("none").append(suffix), type, "");
    }
    key->setValue("Odd ] [ name = \"\\", kRegSz, sz("plain"));
    key->setValue("", kRegBinary, "default");
    // Beyond Latin-1, a character beyond 16 bits, and lone surrogates, which a UTF-16 name may
    // hold: in a name, in a quoted string and in hex data.
    const std::string lone = "\xed\xa0\x80";  // U+D800
    key->setValue("\u540d\u524d \U0001F600" + lone, kRegSz, sz("\u65e5\u672c\U0001F600" + lone));
    key->setValue("odd surrogate", kRegSz, std::string("\x00\xdc\x00\xd8\0\0", 6));
    createKey(root, "Mixed Case\\]bracket[\\\u00e9t\u00e9\\\u0418\u0432\u0430\u043d" + lone);
    createKey(root, "zz\\" + std::string(255, 'L'));
    createKey(root, "zz\\" + times("\u044f", 255));
    for (const auto encoding : {RegFileEncoding::Utf16, RegFileEncoding::Utf8}) {
        const auto back = treeOf(formatRegFile(*root, encoding));
        EXPECT_EQ(treeDifference(*root, *back), "");
        EXPECT_EQ(formatRegFile(*back, encoding), formatRegFile(*root, encoding));
    }
}

}  // namespace
}  // namespace plevo
