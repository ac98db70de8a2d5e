#include "common/files/atomic_file.h"
#include "common/files/regular_file.h"
#include "common/files/stale_temporaries.h"
#include "tests/support/child_process.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace vermil;
using vermil::test::ChildProcess;
using vermil::test::readFile;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

std::string temporaryOf(std::string_view file, pid_t writer, int attempt = 0) {
    return "." + std::string(file) + ".tmp" + std::to_string(writer) + "_" +
           std::to_string(attempt);
}

} // namespace

TEST(AtomicFile, TemporariesAreNamedSoThatTheyCanBeToldApart) {
    EXPECT_TRUE(isTemporaryName(".index.dat.tmp123_0", "index.dat"));
    EXPECT_TRUE(isTemporaryName(".index.dat.tmp123_0"));
    EXPECT_TRUE(isTemporaryName(".a.tmp.vrm.tmp9_99", "a.tmp.vrm"));
    EXPECT_FALSE(isTemporaryName(".index.dat.tmp123_0", "seal.vrm"));
    EXPECT_FALSE(isTemporaryName("index.dat.tmp123_0"));
    EXPECT_FALSE(isTemporaryName(".index.dat.tmp_0"));
    EXPECT_FALSE(isTemporaryName(".index.dat.tmp12x_0"));
    EXPECT_FALSE(isTemporaryName(".notes.tmp"));
    EXPECT_EQ(temporaryPath("/x/index.dat", 3).filename().string(),
              temporaryOf("index.dat", ::getpid(), 3));
}

TEST(AtomicFile, LeftoversOfKilledWritersGoWithTheNextWriteLiveOnesStay) {
    TempDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    // A writer that still writes: it holds the lock on its temporary.
    ChildProcess live([&dir, &ready] {
        const std::string name = (dir / temporaryOf("index.dat", ::getpid())).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        ::flock(fd, LOCK_EX);
        const char byte = 1;
        if (::write(ready[1], &byte, 1) != 1)
            return 1;
        ::pause();
        return 0;
    });
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);

    // Writers that were killed: their processes are gone, nobody holds their temporaries.
    std::vector<pid_t> ended;
    for (int i = 0; i < 2; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(0);
        ::waitpid(pid, nullptr, 0);
        ended.push_back(pid);
    }
    const std::string staleIndex = temporaryOf("index.dat", ended[0]);
    const std::string staleSeal = temporaryOf("seal.vrm", ended[1], 4);
    for (const std::string& name : {staleIndex, staleSeal, std::string("notes.txt"),
                                    std::string(".index.dat.tmp"), std::string("index.dat")})
        writeFile(dir / name, "[MAIN_VRM]\r\nNumber=1\r\n");
    std::vector<std::string> liveNames;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().filename().string().starts_with(".index.dat.tmp") &&
            entry.path().filename() != staleIndex && entry.path().filename() != ".index.dat.tmp")
            liveNames.push_back(entry.path().filename().string());
    ASSERT_EQ(liveNames.size(), 1u);

    ASSERT_TRUE(writeFileAtomically(dir / "index.dat", "[MAIN_VRM]\r\nNumber=2\r\n"));
    EXPECT_FALSE(std::filesystem::exists(dir / staleIndex));
    EXPECT_TRUE(std::filesystem::exists(dir / liveNames[0])); // its writer still runs
    EXPECT_TRUE(std::filesystem::exists(dir / staleSeal));    // another file's: not this write's
    EXPECT_TRUE(std::filesystem::exists(dir / "notes.txt"));
    EXPECT_TRUE(std::filesystem::exists(dir / ".index.dat.tmp"));

    // A sweep of the whole folder takes every stale temporary, still not the live one.
    removeStaleTemporaries(dir.path());
    EXPECT_FALSE(std::filesystem::exists(dir / staleSeal));
    EXPECT_TRUE(std::filesystem::exists(dir / liveNames[0]));

    live.kill();
    live.wait();
    ASSERT_TRUE(writeFileAtomically(dir / "index.dat", "[MAIN_VRM]\r\nNumber=3\r\n"));
    EXPECT_FALSE(std::filesystem::exists(dir / liveNames[0]));
    EXPECT_EQ(readFile(dir / "index.dat"), "[MAIN_VRM]\r\nNumber=3\r\n");
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(AtomicFile, ALinkedFileIsReplacedWhereTheLinkPoints) {
    TempDir dir;
    writeFile(dir / "shared" / "seal.vrm", "old");
    std::filesystem::create_directories(dir / "vrdata");
    std::filesystem::create_symlink("../shared/seal.vrm", dir / "vrdata" / "seal.vrm");
    std::error_code error;
    ASSERT_TRUE(writeFileAtomically(dir / "vrdata" / "seal.vrm", "new", error));
    EXPECT_FALSE(error);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "vrdata" / "seal.vrm"));
    EXPECT_EQ(readFile(dir / "shared" / "seal.vrm"), "new");

    // A failure says why.
    std::filesystem::create_directories(dir / "taken.vrm");
    EXPECT_FALSE(writeFileAtomically(dir / "taken.vrm", "x", error));
    EXPECT_EQ(error, std::errc::is_a_directory);
    EXPECT_FALSE(writeFileAtomically(dir / "missing" / "x.vrm", "x", error));
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
}

// A rename over a device or a FIFO would replace the node itself (as root even
// /dev/full): only regular files are replaced, and nothing is left beside them.
TEST(AtomicFile, ADeviceOrAFifoIsNeverReplaced) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe.svg").c_str(), 0644), 0);
    const bool canMakeDevices =
        ::mknod((dir / "null.pdf").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    struct Case {
        const char* name;
        FileKindError kind;
    };
    std::vector<Case> cases{{"pipe.svg", FileKindError::Fifo}};
    if (canMakeDevices)
        cases.push_back({"null.pdf", FileKindError::Device});
    for (const Case& c : cases) {
        std::error_code error;
        EXPECT_FALSE(writeFileAtomically(dir / c.name, "bytes", error)) << c.name;
        EXPECT_EQ(error, make_error_code(c.kind)) << c.name;
        EXPECT_FALSE(std::filesystem::is_regular_file(dir / c.name)) << c.name;
    }
    // A link to a FIFO is refused like the FIFO.
    std::filesystem::create_symlink("pipe.svg", dir / "link.svg");
    std::error_code error;
    EXPECT_FALSE(writeFileAtomically(dir / "link.svg", "bytes", error));
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "pipe.svg"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              canMakeDevices ? 3 : 2);
}

// A shared seal folder: the index belongs to its keeper's user and the office's
// group. Another member of the group who imports into it must not take the file
// over, or the keeper can no longer write it.
TEST(AtomicFile, OwnerAndGroupOfTheReplacedFileAreKept) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "changing users needs root";
    constexpr uid_t keeper = 4343;
    constexpr gid_t office = 4444;
    constexpr uid_t colleague = 4545;
    TempDir dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    const std::filesystem::path index = dir / "index.dat";
    writeFile(index, "old");
    ASSERT_EQ(::chown(index.c_str(), keeper, office), 0);
    ASSERT_EQ(::chmod(index.c_str(), 0664), 0);

    // Root keeps both.
    ASSERT_TRUE(writeFileAtomically(index, "by root"));
    struct stat after {};
    ASSERT_EQ(::stat(index.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, keeper);
    EXPECT_EQ(after.st_gid, office);
    EXPECT_EQ(after.st_mode & 07777, 0664u);

    // A member of the group may not give the file away, but keeps the group.
    ChildProcess colleagueWrites([&] {
        const gid_t groups[] = {office};
        if (::setgroups(1, groups) != 0 || ::setgid(colleague) != 0 || ::setuid(colleague) != 0)
            return 3;
        return writeFileAtomically(index, "by a colleague") ? 0 : 1;
    });
    ASSERT_EQ(colleagueWrites.wait(), 0);
    ASSERT_EQ(::stat(index.c_str(), &after), 0);
    EXPECT_EQ(readFile(index), "by a colleague");
    EXPECT_EQ(after.st_gid, office);
    EXPECT_EQ(after.st_mode & 07777, 0664u);
}
