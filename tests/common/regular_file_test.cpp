// The one owner of an open file: what the INI store and the log reader rely on.
#include "common/files/regular_file.h"
#include "tests/support/child_process.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <sys/file.h>

using namespace vermil;
using vermil::test::TempDir;
using vermil::test::writeFile;

TEST(RegularFile, UpdateAndCreateNewMakeAMissingFileAndReadNever) {
    TempDir dir;
    const auto file = dir / "hanko.ini";
    std::error_code error;
    EXPECT_FALSE(RegularFile::open(file, 100, error));
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
    EXPECT_FALSE(std::filesystem::exists(file));

    auto made = RegularFile::open(file, 100, error, FileAccess::Update);
    ASSERT_TRUE(made) << error.message();
    EXPECT_TRUE(made->created());
    EXPECT_TRUE(std::filesystem::is_regular_file(file));
    auto again = RegularFile::open(file, 100, error, FileAccess::Update);
    ASSERT_TRUE(again);
    EXPECT_FALSE(again->created());
    // A directory is refused for update as for reading.
    EXPECT_FALSE(RegularFile::open(dir.path(), 100, error, FileAccess::Update));
    EXPECT_TRUE(isNotRegularFile(error));

    // A new file is never one that is there already.
    EXPECT_FALSE(RegularFile::open(file, 0, error, FileAccess::CreateNew));
    EXPECT_EQ(error, std::errc::file_exists);
    auto fresh = RegularFile::open(dir / "new.tmp", 0, error, FileAccess::CreateNew);
    ASSERT_TRUE(fresh) << error.message();
    EXPECT_TRUE(fresh->created());
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "new.tmp"));
}

TEST(RegularFile, TheSizeIsTakenAtOpenAndTheLimitHoldsWhileReading) {
    TempDir dir;
    const auto file = dir / "hanko.log";
    writeFile(file, "0123456789");
    std::error_code error;
    auto opened = RegularFile::open(file, 15, error);
    ASSERT_TRUE(opened);
    writeFile(file, "0123456789ABCDEFGHIJ"); // grows past the limit after the open
    EXPECT_EQ(opened->sizeAtOpen(), 10u);
    EXPECT_FALSE(opened->readAll(error));
    EXPECT_EQ(error, FileKindError::TooLarge);
    EXPECT_FALSE(isNotRegularFile(error));

    auto whole = RegularFile::open(file, 20, error);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->readAll(error), "0123456789ABCDEFGHIJ");
}

TEST(RegularFile, TheLockExcludesOthersAndAReplacedFileIsTold) {
    TempDir dir;
    const auto file = dir / "hanko.ini";
    writeFile(file, "[MAIN]\r\n");
    std::error_code error;
    auto held = RegularFile::open(file, 100, error, FileAccess::Update);
    ASSERT_TRUE(held);
    ASSERT_FALSE(held->lockExclusively());
    const auto other = vermil::test::finishesInChild([&file] {
        std::error_code childError;
        auto mine = RegularFile::open(file, 100, childError, FileAccess::Update);
        return mine && ::flock(mine->descriptor(), LOCK_EX | LOCK_NB) != 0 ? 0 : 1;
    });
    EXPECT_EQ(other, std::optional<int>(0));

    EXPECT_TRUE(held->isStillAt(file));
    writeFile(dir / "new.ini", "[MAIN]\r\n");
    std::filesystem::rename(dir / "new.ini", file);
    EXPECT_FALSE(held->isStillAt(file));
}
