// Readers open regular files only: a FIFO would block them, a device never ends.
#include "common/files/regular_file.h"
#include "common/ini/ini_store.h"
#include "common/tag_text.h"
#include "tests/support/child_process.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vermil;
using vermil::test::finishesInChild;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

struct SpecialFiles {
    TempDir dir;
    std::filesystem::path fifo = dir / "fifo";
    std::filesystem::path folder = dir / "folder";
    std::filesystem::path large = dir / "large.ini";

    SpecialFiles() {
        ::mkfifo(fifo.c_str(), 0600);
        std::filesystem::create_directories(folder);
        writeFile(large, "[MAIN]\r\nLang=Japanese\r\n");
        std::filesystem::resize_file(large, 23 + maxIniFileBytes); // sparse: quick to make
    }
};

} // namespace

TEST(SpecialFiles, ReadersRefuseThemWithoutBlocking) {
    SpecialFiles f;
    struct Case {
        std::filesystem::path path;
        std::error_code expected;
    } cases[] = {
        {f.fifo, FileKindError::Fifo},
        {f.folder, FileKindError::Directory},
        {"/dev/zero", FileKindError::Device},
        {f.large, FileKindError::TooLarge},
        {f.dir / "missing", std::make_error_code(std::errc::no_such_file_or_directory)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(regularFileProblem(c.path, maxIniFileBytes), c.expected) << c.path;
        // Each reader in a child, so that a reader that blocks fails the test instead
        // of stopping it.
        const auto result = finishesInChild([&c] {
            std::error_code error;
            const bool refused = !readRegularFile(c.path, maxIniFileBytes, error) &&
                                 error == c.expected && !readIniValue(c.path, "MAIN", "Lang") &&
                                 readIniFile(c.path).content().empty();
            return refused ? 0 : 1;
        });
        EXPECT_EQ(result, std::optional<int>(0)) << c.path;
        if (c.path != f.large) {
            const auto loaded = finishesInChild([&c] { return loadTagFile(c.path) ? 1 : 0; });
            EXPECT_EQ(loaded, std::optional<int>(0)) << c.path;
        }
    }
}

TEST(SpecialFiles, WritersRefuseToReplaceThem) {
    SpecialFiles f;
    for (const auto& path : {f.fifo, f.folder, f.large}) {
        const auto result = finishesInChild([&path] {
            const IniWriteOutcome outcome = writeIniStrings(path, {{"MAIN", "Lang", "English"}});
            return outcome.status == IniWriteOutcome::Status::Failed &&
                           outcome.error.category() == fileKindCategory()
                       ? 0
                       : 1;
        });
        EXPECT_EQ(result, std::optional<int>(0)) << path;
    }
    struct stat st {};
    ASSERT_EQ(::stat(f.fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)); // still the FIFO, not replaced by a file
    EXPECT_EQ(std::filesystem::file_size(f.large), 23 + maxIniFileBytes);
}
