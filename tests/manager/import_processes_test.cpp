// Real processes on one seal folder: an import killed at random moments, and
// imports running side by side. What is left must always be whole seals.
#include "manager/import/csv_import.h"

#include "sealfiles/seal_verification.h"

#include "common/files/stale_temporaries.h"
#include "tests/support/child_process.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <set>

using namespace vermil;
using vermil::test::ChildProcess;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

// The folders of these tests lie on a RAM file system when there is one: what is
// tested is renames and locks, not how fast a disk syncs.
class RamDir {
public:
    RamDir() {
        std::string name = "/dev/shm/vermil-test-XXXXXX";
        if (std::filesystem::is_directory("/dev/shm") && ::mkdtemp(name.data()))
            path_ = name;
        else
            path_ = fallback_.path();
    }
    ~RamDir() {
        std::error_code ec;
        if (path_ != fallback_.path())
            std::filesystem::remove_all(path_, ec);
    }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    TempDir fallback_;
    std::filesystem::path path_;
};

std::string rows(const std::string& prefix, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += prefix + std::to_string(i) + ",PW" + std::to_string(i) +
                ",UP,U2,DOWN,osprf_vrm_default.xml,19,19,YYYY.MM.DD\r\n";
    return text;
}

ImportResult importCsv(const std::filesystem::path& index, const std::filesystem::path& csv,
                       RecordingPrompter& prompter) {
    CsvImport model(SealIndex(index.string()), prompter);
    return model.run(csv);
}

int importInChild(const std::filesystem::path& index, const std::filesystem::path& csv) {
    RecordingPrompter prompter;
    return importCsv(index, csv, prompter).status == ImportStatus::Completed ? 0 : 1;
}

// Every listed seal is whole: listed once, with a section and a seal file whose
// codes verify; Number is the length of the list.
void expectOnlyWholeSeals(const SealIndex& index) {
    const std::vector<std::string> names = index.names();
    EXPECT_EQ(index.count(), static_cast<int>(names.size()));
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    for (const std::string& name : names) {
        const SealVerification verification = verifySeal(index, name);
        EXPECT_TRUE(verification.passed()) << name << ": " << verification.message().toStdString();
    }
}

std::vector<std::string> temporariesIn(const std::filesystem::path& folder) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (isTemporaryName(entry.path().filename().string()))
            found.push_back(entry.path().filename().string());
    return found;
}

SealRecord sealNamed(const std::string& name) {
    SealRecord seal;
    seal.name = name;
    seal.password = "PW";
    seal.definition.up1 = "UP";
    seal.definition.down = "DOWN";
    return seal;
}

// Two children that start their work at the same moment.
class StartingLine {
public:
    StartingLine() {
        if (::pipe(fds_) != 0)
            fds_[0] = fds_[1] = -1;
    }
    ~StartingLine() {
        ::close(fds_[0]);
        ::close(fds_[1]);
    }
    void waitForStart() const {
        char byte;
        while (::read(fds_[0], &byte, 1) < 0 && errno == EINTR) {
        }
    }
    void start(int runners) const {
        for (int i = 0; i < runners; ++i)
            EXPECT_EQ(::write(fds_[1], "g", 1), 1);
    }

private:
    int fds_[2];
};

} // namespace

TEST(ImportProcesses, AnImportKilledAtAnyMomentLeavesOnlyWholeSeals) {
    RamDir dir;
    writeFile(dir / "seals.csv", rows("seal", 100));
    // How long a whole import takes here, so that the kills fall all over it.
    const auto begin = std::chrono::steady_clock::now();
    ChildProcess whole(
        [&dir] { return importInChild(dir / "whole" / "index.dat", dir / "seals.csv"); });
    ASSERT_EQ(whole.wait(), 0);
    const auto duration = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - begin);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> moment(0, duration.count());
    int interrupted = 0;
    for (int round = 0; round < 50; ++round) {
        const auto folder = dir / ("round" + std::to_string(round));
        const auto indexFile = folder / "index.dat";
        ChildProcess child([&] { return importInChild(indexFile, dir / "seals.csv"); });
        ::usleep(static_cast<useconds_t>(moment(random)));
        child.kill();
        if (child.wait() == -1)
            ++interrupted;
        if (!std::filesystem::exists(indexFile))
            continue; // killed before the first seal
        const SealIndex index(indexFile.string());
        expectOnlyWholeSeals(index);
        // The next write sweeps up what the killed writer left behind.
        const bool full = !index.hasRoomFor(1);
        SealRecord next = sealNamed(full ? index.names().front() : "after");
        EXPECT_EQ(
            writeSeal(index, next, full ? SealEntryKind::Existing : SealEntryKind::New).status,
            SealWriteStatus::Written);
        EXPECT_EQ(temporariesIn(folder), std::vector<std::string>()) << "round " << round;
        expectOnlyWholeSeals(index);
    }
    EXPECT_GT(interrupted, 0);
}

TEST(ImportProcesses, TwoImportsAtOnceKeepEverySealAndTheLimit) {
    RamDir dir;
    writeFile(dir / "a.csv", rows("a", 50));
    writeFile(dir / "b.csv", rows("b", 50));
    writeFile(dir / "c.csv", rows("c", 1));
    for (int round = 0; round < 10; ++round) {
        const auto indexFile = dir / ("round" + std::to_string(round)) / "index.dat";
        StartingLine line;
        ChildProcess a([&] {
            line.waitForStart();
            return importInChild(indexFile, dir / "a.csv");
        });
        ChildProcess b([&] {
            line.waitForStart();
            return importInChild(indexFile, dir / "b.csv");
        });
        line.start(2);
        EXPECT_EQ(a.wait(), 0);
        EXPECT_EQ(b.wait(), 0);
        const SealIndex index(indexFile.string());
        EXPECT_EQ(index.names().size(), 100u) << "round " << round;
        expectOnlyWholeSeals(index);

        // A third one over the limit is refused before it writes anything.
        RecordingPrompter prompter;
        const std::string before = test::readFile(indexFile);
        EXPECT_EQ(importCsv(indexFile, dir / "c.csv", prompter).status, ImportStatus::Stopped);
        EXPECT_EQ(prompter.messages,
                  QStringList{QStringLiteral("Error351: 最大登録数100を越える可能性があります。"
                                             "読み込み処理を中止します。")});
        EXPECT_EQ(test::readFile(indexFile), before);
    }
}

TEST(ImportProcesses, AtTheLimitOnlyOneOfTwoImportsGetsIn) {
    RamDir dir;
    writeFile(dir / "base.csv", rows("base", 99));
    RecordingPrompter prompter;
    ASSERT_EQ(importCsv(dir / "base" / "index.dat", dir / "base.csv", prompter).imported, 99);
    writeFile(dir / "x.csv", rows("x", 1));
    writeFile(dir / "y.csv", rows("y", 1));
    for (int round = 0; round < 10; ++round) {
        const auto folder = dir / ("round" + std::to_string(round));
        std::filesystem::copy(dir / "base", folder, std::filesystem::copy_options::recursive);
        const auto indexFile = folder / "index.dat";
        StartingLine line;
        ChildProcess x([&] {
            line.waitForStart();
            return importInChild(indexFile, dir / "x.csv");
        });
        ChildProcess y([&] {
            line.waitForStart();
            return importInChild(indexFile, dir / "y.csv");
        });
        line.start(2);
        const int succeeded = (x.wait() == 0) + (y.wait() == 0);
        EXPECT_EQ(succeeded, 1) << "round " << round;
        const SealIndex index(indexFile.string());
        EXPECT_EQ(index.count(), 100);
        expectOnlyWholeSeals(index);
    }
}
