#include "common/ini/ini_store.h"
#include "common/ini/ini_syntax.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vermil;
using vermil::test::dataFile;
using vermil::test::readFile;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {
// Every byte of `before` and `after` outside one differing span; the span itself.
std::pair<std::string, std::string> differingSpan(const std::string& before,
                                                  const std::string& after) {
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {before.substr(head, before.size() - head - tail),
            after.substr(head, after.size() - head - tail)};
}
} // namespace

TEST(IniStore, ReadsAMessyFileLikeThePrivateProfileCalls) {
    const auto file = dataFile("ini/MessyHanko.ini");
    struct Case {
        std::string section, key, expected;
    } cases[] = {
        {"MAIN", "Lang", "Japanese"},
        {"main", "LANG", "Japanese"},         // ASCII case folded
        {"MAIN", "LogFormat", "1"},           // first section of the name wins
        {"MAIN", "HankoLogFile", ""},         // present but empty
        {"VERMILIN", "ListBox", "keiri = 2"}, // blanks around "=" trimmed, inner kept
        {"VERMILIN", "Quoted", " padded "},   // one pair of quotes removed
        {"VERMILIN", "Single", "x"},
        {"VERMILIN", "Half", "\"open"},
        {"\x83\x41", "Color", "255"},   // ア
        {"\x83\x61", "Color", "65280"}, // ヂ: second byte 0x61 is not 'A' folded
        {"a\x81\x5D"
         "b",
         "Color", "1"},             // ‐ ends in 0x5D, not a bracket
        {"\x81\x5B", "Color", "7"}, // ー ends in 0x5B
    };
    for (const auto& c : cases)
        EXPECT_EQ(readIniValue(file, c.section, c.key).value_or("<missing>"), c.expected)
            << c.section << "/" << c.key;
    EXPECT_FALSE(readIniValue(file, "MAIN", "Commented").has_value());
    EXPECT_FALSE(readIniValue(file, "NOWHERE", "Lang").has_value());
    EXPECT_FALSE(readIniValue(file, "\x83\x81", "Color").has_value()); // メ is not ア
}

TEST(IniStore, DefaultsBufferCutsAndIntegers) {
    TempDir dir;
    const auto file = dir / "s.ini";
    writeFile(file, "[S]\r\nLong=abcdef\r\nNum=12abc\r\nWord=abc\r\nNeg= -5\r\nEmpty=\r\n");
    EXPECT_EQ(readIniString(file, "S", "Long", "d", 4), "abc");
    EXPECT_EQ(readIniString(file, "S", "Long", "d", 7), "abcdef");
    EXPECT_EQ(readIniString(file, "S", "Missing", "default", 100), "default");
    EXPECT_EQ(readIniString(dir / "none.ini", "S", "Long", "d", 100), "d");
    EXPECT_EQ(readIniInt(file, "S", "Num", 9), 12);
    EXPECT_EQ(readIniInt(file, "S", "Word", 9), 0);
    EXPECT_EQ(readIniInt(file, "S", "Neg", 9), -5);
    EXPECT_EQ(readIniInt(file, "S", "Empty", 9), 9);
    EXPECT_EQ(readIniInt(file, "S", "Missing", 9), 9);
}

TEST(IniStore, OneWriteChangesExactlyOneValue) {
    TempDir dir;
    const auto file = dir / "hanko.ini";
    const std::string original = readFile(dataFile("ini/MessyHanko.ini"));
    writeFile(file, original);

    ASSERT_TRUE(writeIniString(file, "vermilin", "LISTBOX", "\x95\x5C"));
    const std::string after = readFile(file);
    const auto [was, now] = differingSpan(original, after);
    EXPECT_EQ(was, "keiri = 2");
    EXPECT_EQ(now, "\x95\x5C");
    EXPECT_EQ(readIniValue(file, "VERMILIN", "ListBox").value(), "\x95\x5C");
}

TEST(IniStore, NewKeysAndSectionsKeepTheRestOfTheFile) {
    TempDir dir;
    const auto file = dir / "hanko.ini";
    const std::string original = readFile(dataFile("ini/MessyHanko.ini"));
    writeFile(file, original);

    ASSERT_TRUE(writeIniString(file, "Common", "DocumentNo", "A-1"));
    ASSERT_TRUE(writeIniString(file, "\x83\x41", "Item", "x"));
    const std::string after = readFile(file);
    EXPECT_EQ(readIniValue(file, "Common", "DocumentNo").value(), "A-1");
    EXPECT_EQ(readIniValue(file, "\x83\x41", "Item").value(), "x");
    EXPECT_EQ(readIniValue(file, "\x83\x41", "Color").value(), "255");
    EXPECT_EQ(readIniValue(file, "\x83\x61", "Item").value_or("<missing>"), "<missing>");
    // Only insertions: removing them gives back the original bytes.
    std::string stripped = after;
    for (const std::string line : {"Item=x\r\n", "[Common]\r\nDocumentNo=A-1\r\n"})
        stripped.erase(stripped.find(line), line.size());
    EXPECT_EQ(stripped, original);
}

TEST(IniStore, CreatesFileWithWindowsLineEnds) {
    TempDir dir;
    const auto file = dir / "index.dat";
    ASSERT_TRUE(writeIniString(file, "MAIN_VRM", "Number", "1"));
    ASSERT_TRUE(writeIniString(file, "MAIN_VRM", "Vermil0000", "abc"));
    EXPECT_EQ(readFile(file), "[MAIN_VRM]\r\nNumber=1\r\nVermil0000=abc\r\n");
    EXPECT_FALSE(writeIniString(dir / "missing" / "index.dat", "S", "K", "v"));
    EXPECT_FALSE(writeIniString(file, "S", "K", "two\nlines"));
}

TEST(IniStore, ValuesRoundTripByteForByte) {
    TempDir dir;
    const auto file = dir / "index.dat";
    const std::string values[] = {" lead", "trail ", " both ", "\"quoted\"", "'single'",
                                  "\"",    "a=b;c",  "",       "\t",         "\x83\x7C|\x95\x5C"};
    for (const auto& value : values) {
        ASSERT_TRUE(writeIniString(file, "seal", "Hash", value));
        EXPECT_EQ(readIniValue(file, "seal", "Hash").value(), value) << "[" << value << "]";
    }
}

TEST(IniStore, NamesThatWouldReadAsOthersAreNotWritten) {
    // A name that ends in a lead byte would swallow the "]" or "=" after it.
    struct Case {
        const char* what;
        std::string_view section, key;
    } const cases[] = {
        {"a section ending in a lead byte", "MAI\x97", "Color"},
        {"a section of one lead byte", "\x83", "Color"},
        {"a key ending in a lead byte", "seal", "Hash\x88"},
        {"a section with a closing bracket", "a]b", "Color"},
        {"a key with an equals sign", "seal", "a=b"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(iniReplace("[seal]\r\nHash=1\r\n", c.section, c.key, "1")) << c.what;
        TempDir dir;
        EXPECT_FALSE(writeIniString(dir / "hanko.ini", c.section, c.key, "1")) << c.what;
    }
    // A whole double-byte character at the end is a name like any other.
    TempDir dir;
    ASSERT_TRUE(writeIniString(dir / "hanko.ini", "\x88\xf3", "Hash\x83\x5D", "1"));
    EXPECT_EQ(readIniValue(dir / "hanko.ini", "\x88\xf3", "Hash\x83\x5D").value_or(""), "1");
}

TEST(IniStore, WriteKeepsPermissions) {
    TempDir dir;
    const auto file = dir / "hanko.ini";
    writeFile(file, "[MAIN]\nLang=English\n");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(writeIniString(file, "MAIN", "Lang", "Japanese"));
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(readFile(file), "[MAIN]\nLang=Japanese\n"); // LF file stays LF
}

TEST(IniStore, TwoProcessesWritingDifferentKeysLoseNothing) {
    TempDir dir;
    const auto file = dir / "index.dat";
    constexpr int rounds = 150;
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = ::fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            const std::string key = "Key" + std::to_string(child);
            bool ok = true;
            for (int i = 1; i <= rounds; ++i)
                ok = writeIniString(file, "SHARED", key, std::to_string(i)) && ok;
            ::_exit(ok ? 0 : 1);
        }
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(readIniValue(file, "SHARED", "Key0").value_or(""), std::to_string(rounds));
    EXPECT_EQ(readIniValue(file, "SHARED", "Key1").value_or(""), std::to_string(rounds));
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename(), "index.dat"); // no temporary file left behind
}

TEST(IniStore, WritesReadBackWhateverLineEndsTheFileHad) {
    // Files as other editors leave them: bare CR, LF, CR LF, mixed, a last line
    // without its line end, a last line ending in a bare CR.
    const std::string files[] = {
        "[MAIN\r",
        "[MAIN]\r",
        "[MAIN]\r\nHash=ABCDEF\r",
        "[MAIN]\nHash=ABCDEF\r",
        "[MAIN]\r\nHash=ABCDEF\r\r\n",
        "[MAIN]\rHash=ABCDEF\n",
        "[OTHER]\r\nHash=ABCDEF\r",
        "[MAIN]\nHash=ABCDEF\r\n[OTHER]\rX=1\r",
        "[OTHER]\nX=1\n[MAIN]\r\nHash=ABCDEF",
        "",
        "\r",
        "\r\n\n\r",
    };
    struct Key {
        std::string section, key;
    };
    const Key probes[] = {
        {"MAIN", "Hash"}, {"MAIN", "Number"}, {"OTHER", "Hash"}, {"OTHER", "X"}, {"NEW", "Key"}};
    TempDir dir;
    const auto file = dir / "index.dat";
    for (const std::string& content : files) {
        for (const Key& written : probes) {
            writeFile(file, content);
            std::vector<std::optional<std::string>> before;
            for (const Key& probe : probes)
                before.push_back(readIniValue(file, probe.section, probe.key));
            ASSERT_TRUE(writeIniString(file, written.section, written.key, " 42 "));
            for (std::size_t i = 0; i < std::size(probes); ++i) {
                const Key& probe = probes[i];
                const auto now = readIniValue(file, probe.section, probe.key);
                if (&probe == &written)
                    EXPECT_EQ(now.value_or("<missing>"), " 42 ")
                        << testing::PrintToString(content) << " " << probe.section;
                else
                    EXPECT_EQ(now, before[i])
                        << testing::PrintToString(content) << " writing " << written.section << "/"
                        << written.key << " changed " << probe.section << "/" << probe.key;
            }
        }
    }
}

TEST(IniStore, SeveralKeysInOneReplacementGiveTheBytesOfOneWriteEach) {
    const std::vector<IniWrite> writes = {
        {"META_VRM", "Version", "5.6.4"},  {"MAIN_VRM", "Number", "1"},
        {"MAIN_VRM", "Vermil0000", "abc"}, {"abc", "Data", "<Vrmfile>abc.vrm</Vrmfile>"},
        {"abc", "Password2", " lead"},     {"vermilin", "LISTBOX", "\x95\x5C"},
        {"abc", "Data", "twice"},
    };
    for (const std::string& start : {readFile(dataFile("ini/MessyHanko.ini")), std::string()}) {
        TempDir dir;
        writeFile(dir / "one.ini", start);
        writeFile(dir / "all.ini", start);
        for (const IniWrite& w : writes)
            ASSERT_TRUE(writeIniString(dir / "one.ini", w.section, w.key, w.value));
        ASSERT_TRUE(writeIniStrings(dir / "all.ini", writes).written());
        EXPECT_EQ(readFile(dir / "all.ini"), readFile(dir / "one.ini"));
        EXPECT_EQ(readIniValue(dir / "all.ini", "ABC", "Data").value_or(""), "twice");

        // One key that cannot be stored: none of them is written.
        std::vector<IniWrite> broken = writes;
        broken.push_back({"abc", "Hash", "two\nlines"});
        writeFile(dir / "broken.ini", start);
        const IniWriteOutcome outcome = writeIniStrings(dir / "broken.ini", broken);
        EXPECT_EQ(outcome.status, IniWriteOutcome::Status::Failed);
        EXPECT_EQ(readFile(dir / "broken.ini"), start);
    }
}

TEST(IniStore, ALockedUpdateReadsChecksAndWritesUnderOneHoldOfTheLock) {
    TempDir dir;
    const auto file = dir / "index.dat";
    writeFile(file, "[MAIN_VRM]\r\nNumber=0\r\n");
    // A plan that declines leaves every byte as it was.
    const std::string before = readFile(file);
    const IniWriteOutcome declined =
        updateIniFile(file, [](const IniSnapshot&) -> std::optional<std::vector<IniWrite>> {
            return std::nullopt;
        });
    EXPECT_EQ(declined.status, IniWriteOutcome::Status::Declined);
    EXPECT_EQ(readFile(file), before);

    // Two processes counting up: without the lock across read and write, counts get lost.
    constexpr int rounds = 100;
    auto countUp = [&file] {
        bool ok = true;
        for (int i = 0; i < rounds; ++i)
            ok = updateIniFile(file,
                               [](const IniSnapshot& index) {
                                   const int n = index.integer("MAIN_VRM", "Number", 0);
                                   return std::optional<std::vector<IniWrite>>(
                                       {{"MAIN_VRM", "Number", std::to_string(n + 1)}});
                               })
                     .written() &&
                 ok;
        return ok ? 0 : 1;
    };
    pid_t children[2];
    for (pid_t& child : children) {
        child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            ::_exit(countUp());
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(readIniInt(file, "MAIN_VRM", "Number", -1), 2 * rounds);
}

TEST(IniStore, AnUpdateThatWritesNothingLeavesNoNewFileBehind) {
    // The file a locked update makes to hold its lock goes again when nothing is
    // written: a refused registration must not leave an empty index that then
    // reads as present.
    TempDir dir;
    const auto declinedFile = dir / "declined.dat";
    const IniWriteOutcome declined =
        updateIniFile(declinedFile, [](const IniSnapshot&) -> std::optional<std::vector<IniWrite>> {
            return std::nullopt;
        });
    EXPECT_EQ(declined.status, IniWriteOutcome::Status::Declined);
    EXPECT_FALSE(std::filesystem::exists(declinedFile));

    const auto refusedFile = dir / "refused.dat";
    EXPECT_FALSE(writeIniStrings(refusedFile, {{"MAIN", "Key", "line\nbreak"}}).written());
    EXPECT_FALSE(std::filesystem::exists(refusedFile));

    const auto writtenFile = dir / "written.dat";
    EXPECT_TRUE(writeIniStrings(writtenFile, {{"MAIN", "Key", "value"}}).written());
    EXPECT_EQ(readIniString(writtenFile, "MAIN", "Key", "", 100), "value");
}

TEST(IniStore, AWriteThroughASymlinkChangesTheSharedFileAndKeepsTheLink) {
    TempDir dir;
    const auto shared = dir / "shared" / "index.dat";
    writeFile(shared, "[MAIN_VRM]\r\nNumber=1\r\n");
    std::filesystem::create_directories(dir / "vrdata");
    std::filesystem::create_directories(dir / "other");
    const auto link = dir / "vrdata" / "index.dat";
    std::filesystem::create_symlink("../shared/index.dat", link); // relative
    const auto chain = dir / "other" / "index.dat";
    std::filesystem::create_symlink(link, chain); // a link to the link
    const auto dangling = dir / "other" / "hanko.ini";
    std::filesystem::create_symlink(dir / "shared" / "hanko.ini", dangling);

    ASSERT_TRUE(writeIniString(link, "MAIN_VRM", "Number", "2"));
    ASSERT_TRUE(writeIniString(chain, "MAIN_VRM", "Vermil0000", "abc"));
    ASSERT_TRUE(writeIniString(dangling, "MAIN", "Lang", "Japanese"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(std::filesystem::is_symlink(chain));
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));
    EXPECT_EQ(readFile(shared), "[MAIN_VRM]\r\nNumber=2\r\nVermil0000=abc\r\n");
    EXPECT_EQ(readFile(dir / "shared" / "hanko.ini"), "[MAIN]\r\nLang=Japanese\r\n");
    for (const char* folder : {"shared", "vrdata", "other"})
        for (const auto& entry : std::filesystem::directory_iterator(dir / folder))
            EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
                << entry.path();
}
