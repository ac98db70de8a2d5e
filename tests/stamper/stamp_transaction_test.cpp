// The stamping transaction with a scripted seal dialog and an output that looks
// at the stamp log and the settings while it writes: the order of the steps, and
// what a failed or unfinished stamp leaves behind (nothing).
#include "stamper/stamping/stamp_transaction.h"

#include "stamper/stamping/stamp_output.h"
#include "tests/stamper/document_fixture.h"
#include "tests/stamper/scripted_stamp.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vermil;
using namespace vermil::test;

namespace {

// Writes nothing; records what the log and the settings held when it was asked to.
class WatchingOutput : public StampOutput {
public:
    WatchingOutput(const CVermilinDoc& document, const DocumentFixture& fixture)
        : document_(document), fixture_(fixture) {}
    bool write() override {
        const std::filesystem::path log = nativePath(document_.logFilePath());
        logsSeen.push_back(std::filesystem::exists(log) ? readFile(log) : "");
        settingsSeen.push_back(readFile(fixture_.ini()));
        lowerTextsSeen.push_back(document_.stamp().drawing.lowerText);
        if (settingsBecomeFifo) {
            std::filesystem::remove(fixture_.ini());
            ::mkfifo(fixture_.ini().c_str(), 0644);
        }
        return writes;
    }
    bool writes = true;
    bool settingsBecomeFifo = false; // then no remembered field can be written
    std::vector<std::string> logsSeen;
    std::vector<std::string> settingsSeen;
    std::vector<std::string> lowerTextsSeen;

private:
    const CVermilinDoc& document_;
    const DocumentFixture& fixture_;
};

class StampTransactionTest : public ::testing::Test {
protected:
    StampTransactionTest() : document(fixture.open()), output(*document, fixture) {
        document->setLastSeal("before");
        document->stamp().drawing.lowerText = "old";
        taker.answer = keiriStamp();
    }
    std::string log() const {
        const std::filesystem::path file = nativePath(document->logFilePath());
        return std::filesystem::exists(file) ? readFile(file) : "";
    }
    void expectUntouched(const std::string& settings) const {
        EXPECT_EQ(log(), "");
        EXPECT_EQ(readFile(fixture.ini()), settings);
        EXPECT_EQ(document->lastSeal(), "before");
        EXPECT_EQ(document->stamp().drawing.lowerText, "old");
    }

    DocumentFixture fixture;
    std::unique_ptr<CVermilinDoc> document;
    RecordingPrompter prompter;
    UserProfile profile{QString::fromLatin1(stamperProfileTitle)};
    ScriptedStampTaker taker;
    WatchingOutput output;
};

} // namespace

TEST_F(StampTransactionTest, TheOutputIsWrittenBeforeTheLogLineAndTheRememberedFields) {
    const std::string settings = readFile(fixture.ini());
    StampTransaction stamping(*document, prompter, profile);
    EXPECT_EQ(stamping.run(taker, output), StampTransaction::Outcome::Made);
    // The output wrote the new stamp while the log and the settings were as before.
    EXPECT_EQ(output.lowerTextsSeen, std::vector<std::string>{sjis("山田")});
    EXPECT_EQ(output.logsSeen, std::vector<std::string>{""});
    EXPECT_EQ(output.settingsSeen, std::vector<std::string>{settings});
    EXPECT_TRUE(log().starts_with("A-0042|2026/12/10|10:00|")) << log();
    EXPECT_NE(readFile(fixture.ini()).find(sjis("ListBox=経理部長")), std::string::npos);
    EXPECT_EQ(document->lastSeal(), sjis("経理部長"));
    EXPECT_FALSE(stamping.isTaken());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(StampTransactionTest, AStampNotWrittenCancelledOrLeftUnfinishedLeavesNothing) {
    const std::string settings = readFile(fixture.ini());
    {
        SCOPED_TRACE("the output fails");
        output.writes = false;
        StampTransaction stamping(*document, prompter, profile);
        EXPECT_EQ(stamping.run(taker, output), StampTransaction::Outcome::NotWritten);
        EXPECT_EQ(output.lowerTextsSeen, std::vector<std::string>{sjis("山田")});
        expectUntouched(settings);
    }
    {
        SCOPED_TRACE("the seal dialog is cancelled");
        taker.answer.reset();
        StampTransaction stamping(*document, prompter, profile);
        EXPECT_EQ(stamping.run(taker, output), StampTransaction::Outcome::NotTaken);
        EXPECT_EQ(output.lowerTextsSeen.size(), 1u); // never asked to write
        expectUntouched(settings);
    }
    {
        SCOPED_TRACE("taken, then the transaction ends unfinished");
        taker.answer = keiriStamp();
        StampTransaction stamping(*document, prompter, profile);
        ASSERT_TRUE(stamping.take(taker));
        EXPECT_EQ(document->lastSeal(), sjis("経理部長")); // the place to write it from
    }
    expectUntouched(settings);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

// Remembered fields that cannot be written do not undo a stamp that is written
// and logged, but the user learns that the next stamp will not offer them.
TEST_F(StampTransactionTest, FieldsThatCannotBeRememberedAreToldAndTheStampStays) {
    output.settingsBecomeFifo = true;
    StampTransaction stamping(*document, prompter, profile);
    EXPECT_EQ(stamping.run(taker, output), StampTransaction::Outcome::Made);
    EXPECT_TRUE(log().starts_with("A-0042|2026/12/10|10:00|")) << log();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages.front().toStdString(),
              "押印は完了しましたが、次回のための入力内容を保存できませんでした。\n"
              "書き込めなかったファイル:\n" +
                  fixture.ini().string())
        << prompter.messages.front().toStdString();
}
