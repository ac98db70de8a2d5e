#include "common/interaction/chooser_folder.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vermil;
using vermil::test::TempDir;
using vermil::test::testHome;
using vermil::test::writeFile;

TEST(ChooserFolder, TheValuesFolderThenTheHankoFolderThenTheDocumentsFolder) {
    TempDir dir;
    std::filesystem::create_directories(dir / "hanko/vrdata");
    std::filesystem::create_directories(dir / "documents");
    writeFile(dir / "hanko/vrdata/index.dat", "");
    const auto q = [&](const char* name) {
        return name ? QString::fromStdString((dir / name).string()) : QString();
    };
    struct Case {
        QString current;
        QString hanko;
        QString documents;
        QString expected;
    };
    const Case cases[] = {
        // an existing file, and a file yet to be made, in a folder that is there
        {q("hanko/vrdata/index.dat"), q("hanko"), q("documents"), q("hanko/vrdata")},
        {q("hanko/vrdata/new.dat"), q("hanko"), q("documents"), q("hanko/vrdata")},
        // a folder that is not there, no value, a bare name, a pattern
        {q("hanko/missing/index.dat"), q("hanko"), q("documents"), q("hanko")},
        {QString(), q("hanko"), q("documents"), q("hanko")},
        {QStringLiteral("hanko.log"), q("hanko"), q("documents"), q("hanko")},
        {QStringLiteral("*.xml"), q("hanko"), q("documents"), q("hanko")},
        // no hanko folder on this machine
        {q("missing/a.csv"), q("missing"), q("documents"), q("documents")},
        {QString(), QString(), q("documents"), q("documents")},
        // nothing is there
        {q("missing/a.csv"), q("missing"), q("missing too"), QString()},
        // the value's folder is a file
        {q("hanko/vrdata/index.dat/x"), q("hanko"), q("documents"), q("hanko")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chooserFolder(c.current, c.hanko, c.documents), c.expected)
            << c.current.toStdString();
}

TEST(ChooserFolder, WithoutAHankoFolderItIsTheUsersDocumentsFolder) {
    const std::filesystem::path documents = testHome() / "Documents";
    std::filesystem::create_directories(documents);
    EXPECT_EQ(chooserFolder(QStringLiteral("/no/such/folder/hanko.log")),
              QString::fromStdString(documents.string()));
    // A hanko folder given is taken before the documents folder.
    TempDir other;
    EXPECT_EQ(chooserFolder(QString(), other.path().string()),
              QString::fromStdString(other.path().string()));
}
