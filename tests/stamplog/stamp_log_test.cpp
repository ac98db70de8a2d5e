#include "stamplog/stamp_log.h"

#include "tests/stamper/sample_stamp_log_entry.h"
#include "tests/support/child_process.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/small_filesystem.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

using namespace vermil;
using vermil::test::ChildProcess;
using vermil::test::readFile;
using vermil::test::sampleStampLogEntry;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

StampLogTarget targetIn(const TempDir& dir, std::string_view name = "hanko.log") {
    StampLogTarget target;
    target.path = (dir / name).string();
    return target;
}

const QString warning433 =
    QStringLiteral("Warning 433 : ログファイル名が設定されていませんので、ログは出力しません。");
const QString error434 =
    QStringLiteral("Error434 : can't open logfile. ログを出力できませんでした。\n"
                   "ログファイル出力先のフォルダが存在しない可能性があります。");

} // namespace

// Expected bytes and codes come from an independent implementation
// (tests/data/logcheck/logcodes.py).
TEST(StampLog, LineBytesWithEitherSeparator) {
    const std::string fields = "2012/03/07|09:05|" + sjis("山田") + "|" + sjis("総務部") + "|" +
                               sjis("確認済み") + "|yamada|PC01|";
    StampLogEntry entry = sampleStampLogEntry();
    EXPECT_EQ(stampLogLine(entry, 0), "A-001|" + fields + "1UWYZGLZ|\r\n");

    std::string commaFields = fields;
    std::replace(commaFields.begin(), commaFields.end(), '|', ',');
    EXPECT_EQ(stampLogLine(entry, 1), "A-001," + commaFields + "1UWYZGLZ,\r\n");
    EXPECT_EQ(stampLogLine(entry, -3), stampLogLine(entry, 1)); // any non-zero is the comma

    // An empty document number leaves the line starting with its separator.
    entry.documentNumber.clear();
    EXPECT_EQ(stampLogLine(entry, 0), "|" + fields + "1CEXZWXV|\r\n");
}

TEST(StampLog, OnlyTheFirstCommentLineIsLogged) {
    const std::string expected = stampLogLine(sampleStampLogEntry(), 0);
    for (std::string tail : {"\r\n二行目", "\n二行目\n三行目", "\r\n"}) {
        StampLogEntry entry = sampleStampLogEntry();
        entry.comment += sjis(tail);
        EXPECT_EQ(stampLogLine(entry, 0), expected) << tail;
    }
    EXPECT_EQ(firstCommentLine("\r\nrest"), "");
    EXPECT_EQ(firstCommentLine("a\rb"), "a\rb"); // a lone CR is not a line end
}

TEST(StampLog, SeparatorsInsideFieldsBecomeFullWidth) {
    struct Case {
        std::string field;
        std::string logged;
    } cases[] = {
        {"a,b|c\td", "a" + sjis("，") + "b" + sjis("｜") + "c d"},
        {sjis("ポ−"), sjis("ポ−")}, // trail byte 0x7C is part of the character
        {"x\ny\rz", "x y z"},
        {"ab\x83", "ab "},   // dangling lead byte would swallow the separator
        {"\x83\n", "\x83 "}, // a line feed never hides behind a lead byte
        {std::string(5000, 'L'), std::string(5000, 'L')}, // long fields are not cut
    };
    for (const auto& c : cases)
        EXPECT_EQ(logFieldText(c.field), c.logged) << c.field;

    StampLogEntry entry = sampleStampLogEntry();
    entry.documentNumber.clear();
    entry.name = sjis("ポ田");
    entry.section = sjis("総務,部|課");
    entry.comment = "a\tb c";
    EXPECT_EQ(stampLogLine(entry, 0), "|2012/03/07|09:05|" + sjis("ポ田") + "|" +
                                          sjis("総務，部｜課") +
                                          "|a b c|yamada|PC01|1Y24YYDQ|\r\n");
}

TEST(StampLog, AppendsWholeLinesAndNeverTruncates) {
    TempDir dir;
    const auto target = targetIn(dir);
    writeFile(dir / "hanko.log", "earlier line\r\n");
    RecordingPrompter prompter;
    EXPECT_EQ(appendStampLog(sampleStampLogEntry(), target, prompter), StampLogOutcome::Written);
    EXPECT_EQ(appendStampLog(sampleStampLogEntry(), target, prompter), StampLogOutcome::Written);
    const std::string line = stampLogLine(sampleStampLogEntry(), 0);
    EXPECT_EQ(readFile(dir / "hanko.log"), "earlier line\r\n" + line + line);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(StampLog, CreatesAMissingFileButNoFolder) {
    TempDir dir;
    RecordingPrompter prompter;
    EXPECT_EQ(appendStampLog(sampleStampLogEntry(), targetIn(dir, "new.log"), prompter),
              StampLogOutcome::Written);
    EXPECT_EQ(readFile(dir / "new.log"), stampLogLine(sampleStampLogEntry(), 0));

    EXPECT_EQ(appendStampLog(sampleStampLogEntry(), targetIn(dir, "missing/hanko.log"), prompter),
              StampLogOutcome::CannotWrite);
    EXPECT_EQ(prompter.messages, QStringList{error434});
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST(StampLog, EmptyPathWarnsAndWritesNothing) {
    RecordingPrompter prompter;
    StampLogTarget target;
    EXPECT_EQ(appendStampLog(sampleStampLogEntry(), target, prompter), StampLogOutcome::NoPath);
    EXPECT_EQ(prompter.messages, QStringList{warning433});
}

TEST(StampLog, LogOffWritesNothingAndSaysNothing) {
    TempDir dir;
    RecordingPrompter prompter;
    for (std::string path : {std::string(), (dir / "hanko.log").string()}) {
        StampLogTarget target;
        target.enabled = false;
        target.path = path;
        EXPECT_EQ(appendStampLog(sampleStampLogEntry(), target, prompter), StampLogOutcome::Off);
    }
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(dir / "hanko.log"));
}

TEST(StampLog, PathInShiftJisIsOpenedByItsNativeName) {
    TempDir dir;
    RecordingPrompter prompter;
    StampLogTarget target;
    target.path = (dir.path().string() + "/" + sjis("押印記録.log"));
    EXPECT_EQ(appendStampLog(sampleStampLogEntry(), target, prompter), StampLogOutcome::Written);
    EXPECT_TRUE(std::filesystem::exists(dir / "押印記録.log"));
}

// A log another writer or an old crash left without its last line end: the new
// line starts on a line of its own, so it verifies.
TEST(StampLog, ALineAlwaysStartsOnALineOfItsOwn) {
    const std::string line = stampLogLine(sampleStampLogEntry(), 0);
    const struct {
        std::string before;
        std::string after;
    } cases[] = {
        {"cut off", "cut off\r\n" + line},
        {"cut off\r", "cut off\r\n" + line},
        {"whole\n", "whole\n" + line},
        {"", line},
    };
    for (const auto& c : cases) {
        TempDir dir;
        writeFile(dir / "hanko.log", c.before);
        RecordingPrompter prompter;
        EXPECT_EQ(appendStampLog(sampleStampLogEntry(), targetIn(dir), prompter),
                  StampLogOutcome::Written);
        EXPECT_EQ(readFile(dir / "hanko.log"), c.after) << c.before;
    }
}

// A FIFO would block the stamp for ever and a device would swallow the line or
// fail it: neither is a log. Each is refused at once with its cause, nothing opened.
TEST(StampLog, OnlyARegularFileIsALog) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo.log").c_str(), 0644), 0);
    const struct {
        std::string path;
        QString cause;
    } cases[] = {
        {(dir / "fifo.log").string(),
         "FIFO（名前付きパイプ）であり、通常のファイルではありません。"},
        {"/dev/full", "デバイスであり、通常のファイルではありません。"},
    };
    for (const auto& c : cases) {
        ChildProcess stamp([&] {
            ::alarm(10); // a blocked open ends the child, and the test fails
            RecordingPrompter prompter;
            StampLogTarget target;
            target.path = c.path;
            const bool refused = appendStampLog(sampleStampLogEntry(), target, prompter) ==
                                 StampLogOutcome::CannotWrite;
            const QString expected = QStringLiteral("Error434 : can't open logfile. "
                                                    "ログを出力できませんでした。\n") +
                                     c.cause;
            return refused && prompter.messages == QStringList{expected} ? 0 : 1;
        });
        EXPECT_EQ(stamp.wait(), 0) << c.path;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "fifo.log"));
}

// A full disk: the line is whole or absent, never a torn fragment that glues
// the next genuine line to it. The message names the full disk, in the stamp's
// language, not a missing folder.
TEST(StampLog, AFullDiskLeavesNoPartOfTheLine) {
    const std::string line = stampLogLine(sampleStampLogEntry(), 0);
    const auto report = vermil::test::inSmallFilesystem(64 * 1024, [&](const auto& root) {
        // 19 bytes left in the log's last page, then not a byte more on the disk.
        const std::string earlier = std::string(4096 - 19 - 2, 'x') + "\r\n";
        writeFile(root / "hanko.log", earlier);
        vermil::test::fillUp(root);
        StampLogTarget target;
        target.path = (root / "hanko.log").string();
        std::string out;
        for (const Language language : {Language::Japanese, Language::English}) {
            RecordingPrompter prompter;
            const StampLogOutcome outcome =
                appendStampLog(sampleStampLogEntry(), target, prompter, language);
            out += outcome == StampLogOutcome::CannotWrite ? "refused|" : "written|";
            out += prompter.messages.join("/").toStdString() + "|";
            out += readFile(root / "hanko.log") == earlier ? "unchanged|" : "changed|";
        }
        std::filesystem::remove(root / "filler");
        RecordingPrompter prompter;
        appendStampLog(sampleStampLogEntry(), target, prompter);
        out += readFile(root / "hanko.log") == earlier + line ? "then whole" : "then torn";
        return out;
    });
    if (!report)
        GTEST_SKIP() << "no private mount on this machine";
    const std::string cannotOpen = "Error434 : can't open logfile. ログを出力できませんでした。\n";
    EXPECT_EQ(*report, "refused|" + cannotOpen + "ディスクの空き容量が不足しています。|unchanged|" +
                           "refused|" + cannotOpen + "The disk is full.|unchanged|then whole");
}
