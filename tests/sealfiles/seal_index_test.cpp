#include "sealfiles/seal_file.h"
#include "sealfiles/seal_index.h"
#include "sealfiles/seal_writer.h"

#include "common/files/regular_file.h"
#include "common/ini/ini_store.h"
#include "common/keyed_hash.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vermil;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

struct IndexFixture {
    TempDir dir;
    std::filesystem::path file = dir / "vrdata" / "index.dat";
    SealIndex index{file.string()};

    std::string value(std::string_view section, std::string_view key) const {
        return readIniValue(file, section, key).value_or("<missing>");
    }
    SealWriteResult add(const std::string& name, const std::string& password = "PW") const {
        SealRecord seal;
        seal.name = name;
        seal.password = password;
        seal.definition.up1 = "UP " + name;
        seal.definition.down = "DOWN " + name;
        return writeSeal(index, seal, SealEntryKind::New);
    }
};

} // namespace

TEST(SealIndex, ANewEntryWritesItsKeysInOrder) {
    IndexFixture f;
    EXPECT_EQ(f.index.count(), 0); // no file yet
    EXPECT_TRUE(f.index.names().empty());
    const SealWriteResult written = f.add("first", "SECRET");
    ASSERT_EQ(written.status, SealWriteStatus::Written);

    const std::string text = readFile(f.file);
    const std::string order[] = {"[META_VRM]",
                                 "Version=5.6.4",
                                 "[MAIN_VRM]",
                                 "Number=1",
                                 "Vermil0000=first",
                                 "[first]",
                                 "Data=<Vrmfile>first.vrm</Vrmfile>",
                                 "Password2=",
                                 "Hash="};
    std::size_t at = 0;
    for (const auto& piece : order) {
        const std::size_t found = text.find(piece, at);
        ASSERT_NE(found, std::string::npos) << piece << " after " << at << " in\n" << text;
        at = found + piece.size();
    }
    const std::string code = hash6("SECRET", "VRMMGR");
    EXPECT_EQ(f.value("first", "Password2"), code);
    EXPECT_EQ(f.value("first", "Hash"),
              hash6(readFile(f.dir / "vrdata" / "first.vrm") + code, "VRM77G"));
}

TEST(SealIndex, DeleteRenumbersAndKeepsTheRest) {
    IndexFixture f;
    for (const char* name : {"one", "two", "three"})
        ASSERT_EQ(f.add(name).status, SealWriteStatus::Written);
    const std::string sectionOfTwo = f.value("two", "Hash");
    ASSERT_TRUE(f.index.remove(1));

    EXPECT_EQ(f.value("MAIN_VRM", "Number"), "2");
    EXPECT_EQ(f.value("MAIN_VRM", "Vermil0000"), "one");
    EXPECT_EQ(f.value("MAIN_VRM", "Vermil0001"), "three");
    EXPECT_EQ(f.value("MAIN_VRM", "Vermil0002"), "three"); // stale, past the count
    EXPECT_EQ(f.value("two", "Data"), "<Vrmfile>two.vrm</Vrmfile>");
    EXPECT_EQ(f.value("two", "Hash"), sectionOfTwo);
    EXPECT_TRUE(std::filesystem::exists(f.dir / "vrdata" / "two.vrm"));
    EXPECT_EQ(f.index.names(), (std::vector<std::string>{"one", "three"}));
    EXPECT_FALSE(f.index.contains("two"));
    EXPECT_FALSE(f.index.remove(2));
}

TEST(SealIndex, DeletingTheSealAListShowedNeverTakesAnotherOne) {
    // The manager showed one, two, three; another program deleted "one" meanwhile,
    // so "two" now stands at position 0 and position 1 holds "three".
    IndexFixture f;
    for (const char* name : {"one", "two", "three"})
        ASSERT_EQ(f.add(name).status, SealWriteStatus::Written);
    ASSERT_TRUE(f.index.remove(0));
    std::error_code error;
    EXPECT_EQ(f.index.remove(1, "two", error), SealIndex::RemoveOutcome::Removed);
    EXPECT_EQ(f.index.names(), (std::vector<std::string>{"three"}));

    const std::string before = readFile(f.dir / "vrdata" / "index.dat");
    EXPECT_EQ(f.index.remove(0, "two", error), SealIndex::RemoveOutcome::NotListed);
    EXPECT_EQ(f.index.remove(0, "THREE", error), SealIndex::RemoveOutcome::NotListed);
    EXPECT_EQ(readFile(f.dir / "vrdata" / "index.dat"), before);
    EXPECT_EQ(f.index.remove(0, "three", error), SealIndex::RemoveOutcome::Removed);
    EXPECT_TRUE(f.index.names().empty());
}

TEST(SealIndex, RegisterAgainAfterDeleteTakesAFreshListKey) {
    IndexFixture f;
    ASSERT_EQ(f.add("a", "OLD").status, SealWriteStatus::Written);
    ASSERT_EQ(f.add("b").status, SealWriteStatus::Written);
    ASSERT_TRUE(f.index.remove(0));
    ASSERT_EQ(f.add("a", "NEW").status, SealWriteStatus::Written);
    EXPECT_EQ(f.value("MAIN_VRM", "Number"), "2");
    EXPECT_EQ(f.value("MAIN_VRM", "Vermil0000"), "b");
    EXPECT_EQ(f.value("MAIN_VRM", "Vermil0001"), "a");
    EXPECT_EQ(f.value("a", "Password2"), hash6("NEW", "VRMMGR"));
}

TEST(SealIndex, NamesAreComparedByteForByte) {
    IndexFixture f;
    ASSERT_EQ(f.add("abc").status, SealWriteStatus::Written);
    EXPECT_TRUE(f.index.contains("abc"));
    EXPECT_FALSE(f.index.contains("ABC"));
    EXPECT_FALSE(f.index.contains("ab"));
    // One INI section for both: the second would overwrite the first one's codes.
    const std::string before = readFile(f.file);
    const SealWriteResult refused = f.add("ABC");
    EXPECT_EQ(refused.status, SealWriteStatus::Refused);
    EXPECT_EQ(refused.reason, SealRefusal::NameInOtherCase);
    EXPECT_EQ(refused.refusal, QStringLiteral("日付印名 ABC は登録済みの日付印名 abc と英字の大文字"
                                              "・小文字だけが違います。"));
    EXPECT_EQ(readFile(f.file), before);
    EXPECT_EQ(f.index.count(), 1);
}

TEST(SealIndex, CapacityIsOneHundred) {
    IndexFixture f;
    writeFile(f.file, "[MAIN_VRM]\r\nNumber=99\r\n");
    EXPECT_EQ(f.add("last").status, SealWriteStatus::Written);
    EXPECT_EQ(f.value("MAIN_VRM", "Number"), "100");
    EXPECT_EQ(f.value("MAIN_VRM", "Vermil0099"), "last");

    const std::string full = readFile(f.file);
    const SealWriteResult refused = f.add("over");
    EXPECT_EQ(refused.status, SealWriteStatus::Refused);
    EXPECT_EQ(refused.refusal,
              QStringLiteral("Error 320: 最大登録数100を越えます。処理を中止します。"));
    EXPECT_EQ(readFile(f.file), full);
    EXPECT_FALSE(std::filesystem::exists(f.dir / "vrdata" / "over.vrm"));
}

TEST(SealIndex, EditingKeepsTheListAndRewritesTheEntry) {
    IndexFixture f;
    ASSERT_EQ(f.add("seal", "ONE").status, SealWriteStatus::Written);
    SealRecord edited;
    edited.name = "seal";
    edited.password = "TWO";
    edited.definition.up1 = "UP seal";
    edited.definition.down = "DOWN seal";
    const std::string before = readFile(f.dir / "vrdata" / "seal.vrm");
    ASSERT_EQ(writeSeal(f.index, edited, SealEntryKind::Existing).status, SealWriteStatus::Written);
    EXPECT_EQ(f.value("MAIN_VRM", "Number"), "1");
    EXPECT_EQ(f.value("MAIN_VRM", "Vermil0001"), "<missing>");
    EXPECT_EQ(readFile(f.dir / "vrdata" / "seal.vrm"), before); // same values, same text
    const std::string code = hash6("TWO", "VRMMGR");
    EXPECT_EQ(f.value("seal", "Password2"), code);
    EXPECT_EQ(f.value("seal", "Hash"), hash6(before + code, "VRM77G"));
}

TEST(SealIndex, AFailedWriteGivesMinusTwo) {
    TempDir dir;
    // The index lies in a folder that does not exist: no key can be written.
    const SealIndex index((dir / "missing" / "index.dat").string());
    EXPECT_EQ(index.writeEntry(true, "seal", "5.6.4", "PW", "<Vermil></Vermil>"), entryWriteFailed);
    EXPECT_EQ(index.count(), 0);
    // Every writer refuses an unsafe name before writing anything.
    const SealIndex real((dir / "index.dat").string());
    EXPECT_EQ(real.writeEntry(true, "../x", "5.6.4", "PW", "t"), entryWriteFailed);
    EXPECT_FALSE(std::filesystem::exists(dir / "index.dat"));
    EXPECT_FALSE(writeSealFile(dir.path().string() + "/", "../escape", "t"));
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "escape.vrm"));
}

TEST(SealIndex, WriteFailuresAreReportedByStage) {
    IndexFixture f;
    ASSERT_EQ(f.add("ok").status, SealWriteStatus::Written);
    // A folder where the seal file should go: the file cannot replace it.
    std::filesystem::create_directories(f.dir / "vrdata" / "blocked.vrm");
    const std::string before = readFile(f.file);
    EXPECT_EQ(f.add("blocked").status, SealWriteStatus::SealFileFailed);
    EXPECT_EQ(readFile(f.file), before); // the index is not touched

    TempDir other;
    std::filesystem::create_directories(other / "index.dat"); // the index is a folder
    SealRecord seal;
    seal.name = "x";
    seal.definition.up1 = "u";
    seal.definition.down = "d";
    const SealWriteResult result =
        writeSeal(SealIndex((other / "index.dat").string()), seal, SealEntryKind::New);
    EXPECT_EQ(result.status, SealWriteStatus::IndexFailed);
    // The seal file is written under the index's lock: no lock, no seal file.
    EXPECT_FALSE(std::filesystem::exists(other / "x.vrm"));
}

TEST(SealIndex, ReadsOlderEntriesFromTheLegacyKeys) {
    TempDir dir;
    writeFile(dir / "index.dat", sjis("[MAIN_VRM]\r\nNumber=2\r\nVermil0000=旧印\r\n"
                                      "Vermil0001=名無し\r\n[旧印]\r\n"
                                      "Section=<Up1><Text>総務</Text></Up1><Up2><Text>本社</Text>"
                                      "</Up2>\r\nName=山田\r\n[名無し]\r\nData=x\r\n"));
    const SealIndex index((dir / "index.dat").string());
    const SealIndexEntry old = index.readEntry(sjis("旧印"));
    EXPECT_TRUE(old.vrmfile.empty());
    EXPECT_EQ(old.legacyUp1, sjis("総務"));
    EXPECT_EQ(old.legacyUp2, sjis("本社"));
    EXPECT_EQ(old.legacyDown, sjis("山田"));
    EXPECT_EQ(index.readEntry(sjis("名無し")).legacyDown, "?");
    EXPECT_EQ(index.readEntry(sjis("名無し")).data, "x");
}

TEST(SealIndex, AHostileCountListsAtMostOneHundred) {
    TempDir dir;
    writeFile(dir / "index.dat", "[MAIN_VRM]\r\nNumber=2147483647\r\nVermil0000=a\r\n");
    const SealIndex index((dir / "index.dat").string());
    EXPECT_EQ(index.names().size(), 100u);
    EXPECT_EQ(index.names().front(), "a");
    EXPECT_FALSE(index.hasRoomFor(1));

    writeFile(dir / "index.dat", "[MAIN_VRM]\r\nNumber=-5\r\n");
    EXPECT_EQ(index.count(), 0);
    EXPECT_EQ(index.writeEntry(true, "n", "5.6.4", "PW", "t"), entryWritten);
    EXPECT_EQ(readIniValue(dir / "index.dat", "MAIN_VRM", "Vermil0000").value_or(""), "n");
}

TEST(SealIndex, EveryChangeIsOneReplacementWithTheBytesOfOneWriteEach) {
    // The same changes key by key, as the Windows programs make them, into a copy.
    IndexFixture f;
    TempDir keyByKey;
    const auto copy = keyByKey / "index.dat";
    auto keyWrite = [&copy](std::string_view section, std::string_view key,
                            std::string_view value) {
        ASSERT_TRUE(writeIniString(copy, section, key, value));
    };
    const char* names[] = {"one", "two", "three"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(f.add(names[i]).status, SealWriteStatus::Written);
        const std::string text = readFile(f.dir / "vrdata" / (std::string(names[i]) + ".vrm"));
        keyWrite("META_VRM", "Version", "5.6.4");
        keyWrite("MAIN_VRM", "Number", std::to_string(i + 1));
        keyWrite("MAIN_VRM", listKey(i), names[i]);
        keyWrite(names[i], "Data", std::string("<Vrmfile>") + names[i] + ".vrm</Vrmfile>");
        keyWrite(names[i], "Password2", passwordCode("PW"));
        keyWrite(names[i], "Hash", indexHash(text, passwordCode("PW")));
        EXPECT_EQ(readFile(f.file), readFile(copy)) << names[i];
    }
    ASSERT_TRUE(f.index.remove(0));
    keyWrite("MAIN_VRM", "Number", "2");
    keyWrite("MAIN_VRM", "Vermil0000", "two");
    keyWrite("MAIN_VRM", "Vermil0001", "three");
    EXPECT_EQ(readFile(f.file), readFile(copy));

    ASSERT_TRUE(f.index.writePassword("two", "NEW", "text of two"));
    keyWrite("two", "Password2", passwordCode("NEW"));
    keyWrite("two", "Hash", indexHash("text of two", passwordCode("NEW")));
    EXPECT_EQ(readFile(f.file), readFile(copy));
}

TEST(SealIndex, ANameThatDiffersOnlyInLetterCaseIsRefusedByEveryWriter) {
    IndexFixture f;
    ASSERT_EQ(f.add("Abc", "OLD").status, SealWriteStatus::Written);
    const std::string before = readFile(f.file);
    for (const SealEntryKind kind : {SealEntryKind::New, SealEntryKind::Existing}) {
        SealRecord seal;
        seal.name = "aBC";
        seal.password = "NEW";
        seal.definition.up1 = "u";
        seal.definition.down = "d";
        const SealWriteResult result = writeSeal(f.index, seal, kind);
        EXPECT_EQ(result.reason, SealRefusal::NameInOtherCase);
        EXPECT_EQ(result.registeredName, "Abc");
        EXPECT_FALSE(std::filesystem::exists(f.dir / "vrdata" / "aBC.vrm"));
    }
    EXPECT_EQ(f.index.writeEntry(true, "ABC", "5.6.4", "NEW", "t"), entryWriteFailed);
    EXPECT_EQ(readFile(f.file), before);
    EXPECT_EQ(f.value("Abc", "Password2"), passwordCode("OLD"));
    // The seal itself can still be edited, and a new one of its exact name is taken.
    SealRecord same;
    same.name = "Abc";
    same.password = "EDITED";
    same.definition.up1 = "u";
    same.definition.down = "d";
    EXPECT_EQ(writeSeal(f.index, same, SealEntryKind::Existing).status, SealWriteStatus::Written);
    EXPECT_EQ(writeSeal(f.index, same, SealEntryKind::New).reason, SealRefusal::NameTaken);
}

TEST(SealIndex, ALinkedIndexGetsTheSealAndStaysALink) {
    TempDir dir;
    writeFile(dir / "shared" / "index.dat", "[MAIN_VRM]\r\nNumber=0\r\n");
    std::filesystem::create_directories(dir / "vrdata");
    std::filesystem::create_symlink(dir / "shared" / "index.dat", dir / "vrdata" / "index.dat");
    const SealIndex index((dir / "vrdata" / "index.dat").string());
    SealRecord seal;
    seal.name = "linked";
    seal.password = "PW";
    seal.definition.up1 = "u";
    seal.definition.down = "d";
    ASSERT_EQ(writeSeal(index, seal, SealEntryKind::New).status, SealWriteStatus::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "vrdata" / "index.dat"));
    EXPECT_EQ(SealIndex((dir / "shared" / "index.dat").string()).names(),
              std::vector<std::string>{"linked"});
}

TEST(SealIndex, AFolderThatLacksTheDefaultProfileGetsItWithTheNextSeal) {
    IndexFixture f;
    std::filesystem::create_directories(f.dir / "vrdata"); // a first import failed after this
    ASSERT_EQ(f.add("first").status, SealWriteStatus::Written);
    EXPECT_TRUE(std::filesystem::exists(f.dir / "vrdata" / "osprf_vrm_default.xml"));
    std::filesystem::remove(f.dir / "vrdata" / "osprf_vrm_default.xml");
    ASSERT_EQ(f.add("second").status, SealWriteStatus::Written);
    EXPECT_TRUE(std::filesystem::exists(f.dir / "vrdata" / "osprf_vrm_default.xml"));
}

TEST(SealIndex, AFileThatCannotBeAnIndexIsNamed) {
    TempDir dir;
    std::filesystem::create_directories(dir / "folder");
    writeFile(dir / "large.dat", "[MAIN_VRM]\r\n");
    std::filesystem::resize_file(dir / "large.dat", maxIniFileBytes + 1);
    EXPECT_FALSE(SealIndex((dir / "missing.dat").string()).fileProblem());
    EXPECT_EQ(SealIndex((dir / "folder").string()).fileProblem(), FileKindError::Directory);
    EXPECT_EQ(SealIndex((dir / "large.dat").string()).fileProblem(), FileKindError::TooLarge);
    EXPECT_EQ(SealIndex("/dev/null").fileProblem(), FileKindError::Device);
}
