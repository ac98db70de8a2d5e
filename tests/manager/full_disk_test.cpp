// Imports onto a file system that fills up: a tmpfs of a few pages in a private
// mount namespace (tests/support/small_filesystem.h).
#include "manager/import/csv_import.h"

#include "sealfiles/default_profile.h"
#include "sealfiles/seal_verification.h"

#include "tests/support/recording_prompter.h"
#include "tests/support/small_filesystem.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <map>
#include <sstream>

using namespace vermil;
using vermil::test::fillUp;
using vermil::test::inSmallFilesystem;
using vermil::test::readFile;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

constexpr std::size_t smallFilesystemBytes = 64 * 1024;
const QString fullDisk = QStringLiteral("ディスクの空き容量が不足しています。");

std::string rows(const std::string& prefix, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += prefix + std::to_string(i) + ",PW,UP,U2,DOWN,osprf_vrm_default.xml,19,19,F\r\n";
    return text;
}

// Takes every free byte of the file system that holds `folder`.
// What a scenario saw, as lines "key=value" (line breaks of values as "|").
class Report {
public:
    void add(const std::string& key, const QString& value) {
        text_ += key + "=" + value.toStdString() + "\n";
    }
    void add(const std::string& key, long long value) { add(key, QString::number(value)); }
    void addImport(const std::string& key, const ImportResult& result,
                   const RecordingPrompter& prompter) {
        add(key + ".status", static_cast<int>(result.status));
        add(key + ".imported", result.imported);
        add(key + ".message", prompter.messages.join(QStringLiteral("#")).replace('\n', '|'));
    }
    // Whole seals only: Number is the list, and every listed seal verifies.
    void addIndex(const std::string& key, const SealIndex& index) {
        int verified = 0;
        for (const std::string& name : index.names())
            verified += verifySeal(index, name).passed() ? 1 : 0;
        add(key + ".number", index.count());
        add(key + ".listed", static_cast<long long>(index.names().size()));
        add(key + ".verified", verified);
    }
    const std::string& text() const { return text_; }

    static std::map<std::string, std::string> parse(const std::string& text) {
        std::map<std::string, std::string> values;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            const std::size_t eq = line.find('=');
            if (eq != std::string::npos)
                values[line.substr(0, eq)] = line.substr(eq + 1);
        }
        return values;
    }

private:
    std::string text_;
};

std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

TEST(FullDisk, AnImportThatRunsOutOfSpaceKeepsWholeSealsAndSaysWhy) {
    TempDir outside;
    writeFile(outside / "seals.csv", rows("seal", 100));
    const auto report =
        inSmallFilesystem(smallFilesystemBytes, [&](const std::filesystem::path& root) {
            Report r;
            const SealIndex index((root / "vrdata" / "index.dat").string());
            RecordingPrompter prompter;
            r.addImport("import", CsvImport(index, prompter).run(outside / "seals.csv"), prompter);
            r.addIndex("after", index);

            // With the disk full to the last byte, a password change and a delete fail
            // whole: nothing of them reaches the index.
            fillUp(root, "filler");
            const std::string before = readFile(index.nativeFile());
            const std::string first = index.names().empty() ? "" : index.names().front();
            const std::string text = readFile(root / "vrdata" / (first + ".vrm"));
            r.add("password.written", index.writePassword(first, "NEW", text) ? 1 : 0);
            r.add("remove.written", index.remove(0) ? 1 : 0);
            r.add("unchanged", readFile(index.nativeFile()) == before ? 1 : 0);
            r.addIndex("full", index);
            return r.text();
        });
    if (!report)
        GTEST_SKIP() << "this machine mounts no private tmpfs";
    auto values = Report::parse(*report);
    ASSERT_EQ(values.count("import.status"), 1u) << *report;
    EXPECT_EQ(values["import.status"], std::to_string(static_cast<int>(ImportStatus::Stopped)));
    const int imported = std::stoi(values["import.imported"]);
    EXPECT_GT(imported, 0);
    EXPECT_LT(imported, 100);
    // The system's message stays; a last line names the real cause.
    const std::string& message = values["import.message"];
    EXPECT_TRUE(message.starts_with(utf8(QStringLiteral("Error357: Vermilファイル "))) ||
                message.starts_with(utf8(QStringLiteral("Error 359: インデックスファイル "))))
        << message;
    EXPECT_TRUE(message.ends_with(utf8(QStringLiteral("を確認してください。|") + fullDisk)))
        << message;
    EXPECT_EQ(values["after.number"], std::to_string(imported));
    EXPECT_EQ(values["after.listed"], std::to_string(imported));
    EXPECT_EQ(values["after.verified"], std::to_string(imported));
    EXPECT_EQ(values["password.written"], "0");
    EXPECT_EQ(values["remove.written"], "0");
    EXPECT_EQ(values["unchanged"], "1");
    EXPECT_EQ(values["full.verified"], std::to_string(imported));
}

TEST(FullDisk, TheDefaultProfileComesWithTheFirstSealAfterAFailedFirstImport) {
    TempDir outside;
    writeFile(outside / "seals.csv", rows("seal", 3));
    const auto report =
        inSmallFilesystem(smallFilesystemBytes, [&](const std::filesystem::path& root) {
            Report r;
            const SealIndex index((root / "vrdata" / "index.dat").string());
            fillUp(root, "filler");
            RecordingPrompter first;
            r.addImport("first", CsvImport(index, first).run(outside / "seals.csv"), first);
            std::filesystem::remove(root / "filler");
            RecordingPrompter second;
            r.addImport("second", CsvImport(index, second).run(outside / "seals.csv"), second);
            r.addIndex("index", index);
            r.add("profile", readFile(root / "vrdata" / "osprf_vrm_default.xml") ==
                                     std::string(defaultProfileBytes())
                                 ? 1
                                 : 0);
            return r.text();
        });
    if (!report)
        GTEST_SKIP() << "this machine mounts no private tmpfs";
    auto values = Report::parse(*report);
    EXPECT_EQ(values["first.imported"], "0") << *report;
    EXPECT_TRUE(values["first.message"].ends_with("|" + utf8(fullDisk))) << *report;
    EXPECT_EQ(values["second.status"], std::to_string(static_cast<int>(ImportStatus::Completed)));
    EXPECT_EQ(values["index.verified"], "3");
    EXPECT_EQ(values["profile"], "1");
}
