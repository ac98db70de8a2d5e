// The reports for scripts: the NG lines only with their numbers, and JSON Lines
// read back by a real JSON parser.
#include "logcheck/check_command.h"

#include "common/cp932.h"
#include "common/keyed_hash.h"
#include "tests/logcheck/generated_log.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace vermil;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

struct CommandResult {
    cli::ExitStatus status;
    std::string out;
    QStringList messages;
};

CommandResult runCommand(const std::filesystem::path& log, bool ngOnly, ReportFormat format,
                         std::size_t blockBytes = logBlockBytes) {
    std::ostringstream out;
    RecordingPrompter prompter;
    CheckRequest request;
    request.logPath = log;
    request.ngOnly = ngOnly;
    request.format = format;
    request.tuning.blockBytes = blockBytes;
    // A thread per byte proves nothing more than one.
    request.tuning.workers = blockBytes < 8 ? 1 : 0;
    const cli::ExitStatus status = runCheckCommand(request, out, prompter);
    return {status, out.str(), prompter.messages};
}

// A stamp line as the stamping program writes it (pipes, CR LF), and the same
// line with its code altered.
struct StampLine {
    std::string good;    // with CR LF
    std::string text;    // without the line end
    std::string code;    // its check code
    std::string altered; // the code's first letter changed, with CR LF
};

StampLine stampLine(const std::string& documentNumber) {
    const std::string fields[] = {documentNumber, "2012/03/07",     "09:05",  sjis("山田"),
                                  sjis("総務部"), sjis("確認済み"), "yamada", "PC01"};
    std::string body;
    StampLine line;
    for (const std::string& field : fields) {
        body += field;
        line.good += field + "|";
    }
    line.good += hash8(body, hashkeys::logLineCode) + "|\r\n";
    line.text = line.good.substr(0, line.good.size() - 2);
    line.code = line.text.substr(line.text.size() - 9, 8);
    line.altered = line.good;
    char& first = line.altered[line.altered.size() - 11];
    first = first == 'A' ? 'B' : 'A';
    return line;
}

std::vector<QJsonObject> jsonLines(const std::string& out) {
    std::vector<QJsonObject> objects;
    EXPECT_TRUE(out.ends_with('\n'));
    std::size_t start = 0;
    while (start < out.size()) {
        const std::size_t end = out.find('\n', start);
        const QByteArray line = QByteArray::fromStdString(out.substr(start, end - start));
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError)
            << error.errorString().toStdString() << " in " << line.toStdString();
        EXPECT_TRUE(document.isObject()) << line.toStdString();
        objects.push_back(document.object());
        start = end + 1;
    }
    return objects;
}

QString utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TEST(CheckReportFormats, NgOnlyGivesTheNgLinesWithTheirNumbersAtStartMiddleAndEnd) {
    TempDir dir;
    std::vector<StampLine> lines;
    for (int i = 1; i <= 7; ++i)
        lines.push_back(stampLine("A-" + std::to_string(i)));
    // NG: the first line, the fourth, and the last one (which lacks its line feed).
    const std::string log = lines[0].altered + lines[1].good + lines[2].good + lines[3].altered +
                            lines[4].good + lines[5].good +
                            lines[6].altered.substr(0, lines[6].altered.size() - 2);
    writeFile(dir / "hanko.log", log);
    auto reported = [&](int number, const StampLine& line) {
        std::string text = line.text;
        text[text.size() - 9] = line.altered[line.altered.size() - 11];
        return std::to_string(number) + ": " + cp932ToUtf8(text) + "\n  " + line.code + "  NG\n";
    };
    const std::string expected =
        reported(1, lines[0]) + reported(4, lines[3]) + reported(7, lines[6]) +
        "Total: 7  OK: 4  NG: 3  Bytes: " + std::to_string(log.size()) + "\n";
    // Numbers stay right across blocks of every size.
    for (std::size_t blockBytes : {std::size_t(1), std::size_t(100), logBlockBytes}) {
        const CommandResult result =
            runCommand(dir / "hanko.log", true, ReportFormat::Text, blockBytes);
        EXPECT_EQ(result.out, expected) << blockBytes;
        EXPECT_EQ(result.status, cli::ExitStatus::Fault);
        EXPECT_TRUE(result.messages.isEmpty());
    }

    writeFile(dir / "clean.log", lines[1].good + lines[2].good);
    const CommandResult clean = runCommand(dir / "clean.log", true, ReportFormat::Text);
    EXPECT_EQ(clean.out,
              "Total: 2  OK: 2  NG: 0  Bytes: " + std::to_string(2 * lines[1].good.size()) + "\n");
    EXPECT_EQ(clean.status, cli::ExitStatus::Done);
}

TEST(CheckReportFormats, JsonLinesReadBackWithEveryLineAndTheSummary) {
    TempDir dir;
    const StampLine good = stampLine("A-001");
    const StampLine other = stampLine("B-002");
    // Bytes that are no CP932 character: a lone 0xFF, a lead byte with a trail
    // that does not pair (0x85 0x40), a lead byte at the end of the line.
    const std::string broken = "BAD\xFF|\x85\x40|\x82";
    // Quotes, a backslash, a control character and a tab inside the line.
    const std::string quoted = "say \"hi\"\\now\x01|x\ty|Q";
    const std::string log =
        good.good + other.altered + broken + "\r\n" + quoted + "\r\n" + "\r\n" + good.good;
    writeFile(dir / "hanko.log", log);

    for (std::size_t blockBytes : {std::size_t(7), logBlockBytes}) {
        const CommandResult result =
            runCommand(dir / "hanko.log", false, ReportFormat::Json, blockBytes);
        EXPECT_EQ(result.status, cli::ExitStatus::Fault);
        EXPECT_TRUE(result.messages.isEmpty());
        const std::vector<QJsonObject> objects = jsonLines(result.out);
        ASSERT_EQ(objects.size(), 7u) << result.out;

        const QJsonObject& first = objects[0];
        EXPECT_EQ(first.value("line").toInteger(), 1);
        EXPECT_EQ(first.value("text").toString(), utf8(cp932ToUtf8(good.text)));
        EXPECT_EQ(first.value("fields").toArray(),
                  (QJsonArray{"A-001", "2012/03/07", "09:05", "山田", "総務部", "確認済み",
                              "yamada", "PC01", utf8(good.code)}));
        EXPECT_EQ(first.value("stored_code").toString(), utf8(good.code));
        EXPECT_EQ(first.value("computed_code").toString(), utf8(good.code));
        EXPECT_EQ(first.value("verdict").toString(), "OK");
        EXPECT_FALSE(first.contains("text_hex"));

        const QJsonObject& altered = objects[1];
        EXPECT_EQ(altered.value("line").toInteger(), 2);
        EXPECT_EQ(altered.value("computed_code").toString(), utf8(other.code));
        EXPECT_NE(altered.value("stored_code").toString(), utf8(other.code));
        EXPECT_EQ(altered.value("verdict").toString(), "NG");

        // Not a byte lost: each is shown as \xNN, and the bytes are there in hex.
        const QJsonObject& bad = objects[2];
        EXPECT_EQ(bad.value("line").toInteger(), 3);
        EXPECT_EQ(bad.value("text").toString(), QStringLiteral("BAD\\xff|\\x85@|\\x82"));
        EXPECT_EQ(bad.value("fields").toArray(), (QJsonArray{"BAD\\xff", "\\x85@", "\\x82"}));
        EXPECT_EQ(bad.value("stored_code").toString(), QStringLiteral("\\x82"));
        EXPECT_EQ(bad.value("text_hex").toString(), QStringLiteral("424144ff7c85407c82"));
        EXPECT_EQ(bad.value("verdict").toString(), "NG");

        const QJsonObject& escaped = objects[3];
        EXPECT_EQ(escaped.value("text").toString(), utf8(quoted));
        EXPECT_EQ(escaped.value("fields").toArray(),
                  (QJsonArray{utf8("say \"hi\"\\now\x01"), "x", "y", "Q"}));
        EXPECT_FALSE(escaped.contains("text_hex"));

        const QJsonObject& empty = objects[4];
        EXPECT_EQ(empty.value("text").toString(), QString());
        EXPECT_EQ(empty.value("fields").toArray(), QJsonArray());
        EXPECT_EQ(empty.value("stored_code").toString(), QString());
        EXPECT_EQ(empty.value("computed_code").toString(), "QUAVERLY");
        EXPECT_EQ(objects[5].value("line").toInteger(), 6);
        EXPECT_EQ(objects[5].value("verdict").toString(), "OK");

        const QJsonObject& summary = objects[6];
        EXPECT_EQ(summary.value("total").toInteger(), 6);
        EXPECT_EQ(summary.value("ok").toInteger(), 2);
        EXPECT_EQ(summary.value("ng").toInteger(), 4);
        EXPECT_EQ(summary.value("path").toString(),
                  QString::fromStdString((dir / "hanko.log").string()));
        EXPECT_EQ(summary.value("bytes").toInteger(), static_cast<qint64>(log.size()));
    }

    const CommandResult ngOnly = runCommand(dir / "hanko.log", true, ReportFormat::Json);
    const std::vector<QJsonObject> objects = jsonLines(ngOnly.out);
    ASSERT_EQ(objects.size(), 5u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(objects[i].value("line").toInteger(), (std::array{2, 3, 4, 5})[i]);
    EXPECT_EQ(objects[4].value("ng").toInteger(), 4);
}

TEST(CheckReportFormats, JsonOfAMultiMegabyteLogHasAnObjectPerLine) {
    TempDir dir;
    const test::GeneratedLog log = test::generateLog(3u << 20, 1000);
    writeFile(dir / "big.log", log.bytes);
    const CommandResult result = runCommand(dir / "big.log", false, ReportFormat::Json);
    const std::vector<QJsonObject> objects = jsonLines(result.out);
    ASSERT_EQ(objects.size(), log.lines + 1);
    std::size_t ng = 0;
    for (std::size_t i = 0; i < log.lines; ++i) {
        ASSERT_EQ(objects[i].value("line").toInteger(), static_cast<qint64>(i + 1));
        ng += objects[i].value("verdict").toString() == "NG";
    }
    EXPECT_EQ(ng, log.ng);
    EXPECT_EQ(objects.back().value("bytes").toInteger(), static_cast<qint64>(log.bytes.size()));
}

TEST(CheckReportFormats, BytesIsTheLogsSizeWhenALineIsOverTheLimit) {
    TempDir dir;
    const StampLine good = stampLine("A-001");
    // Only the first bytes of such a line are checked, but every byte is counted.
    const std::string tooLong(3 * maxLogLineBytes, 'x');
    struct Case {
        const char* what;
        std::string log;
        CheckCounts counts;
    } const cases[] = {
        {"the last line, without a line feed", good.good + tooLong, {2, 1, 1}},
        {"the last line, with its line feed", good.good + tooLong + "\r\n", {2, 1, 1}},
        {"a line before the last", good.good + tooLong + "\n" + good.good, {3, 2, 1}},
    };
    for (const Case& c : cases) {
        writeFile(dir / "hanko.log", c.log);
        const std::string size = std::to_string(c.log.size());

        const CommandResult text = runCommand(dir / "hanko.log", false, ReportFormat::Text);
        const std::string totals =
            "Total: " + std::to_string(c.counts.total) + "  OK: " + std::to_string(c.counts.ok) +
            "  NG: " + std::to_string(c.counts.ng) + "  Bytes: " + size + "\n";
        EXPECT_TRUE(text.out.ends_with("\n" + totals))
            << c.what << ": "
            << text.out.substr(text.out.size() - std::min<std::size_t>(80, text.out.size()));

        const CommandResult json = runCommand(dir / "hanko.log", false, ReportFormat::Json);
        const std::vector<QJsonObject> objects = jsonLines(json.out);
        ASSERT_EQ(objects.size(), c.counts.total + 1) << c.what;
        EXPECT_EQ(objects.back().value("ng").toInteger(), static_cast<qint64>(c.counts.ng))
            << c.what;
        EXPECT_EQ(objects.back().value("bytes").toInteger(), static_cast<qint64>(c.log.size()))
            << c.what;
    }
}
