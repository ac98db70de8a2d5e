#include "manager/ui/import_dialog.h"
#include "tests/manager/manager_fixture.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace vermil;
using vermil::test::ManagerFixture;
using vermil::test::writeFile;

namespace {

QString csvOf(const ManagerFixture& f, int rows) {
    std::string text;
    for (int i = 1; i <= rows; ++i)
        text +=
            "Seal" + std::to_string(i) + ",PW,UP,U2,DOWN,osprf_vrm_default.xml,19,19,YYYY.MM.DD\n";
    writeFile(f.dir / "seals.csv", text);
    return QString::fromStdString((f.dir / "seals.csv").string());
}

} // namespace

TEST(CDlgImport, RunShowsProgressAndCancelWhileTheImportRuns) {
    ManagerFixture f;
    ImportDialogModel model(f.prompter, f.index(), "5.6.4");
    CDlgImport dialog(model, f.chooser, Language::Japanese);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Import"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Import File"));
    EXPECT_EQ(dialog.runButton()->text(), QStringLiteral("実行(Run)"));
    EXPECT_EQ(dialog.closeButton()->text(), QStringLiteral("閉じる(Close)"));
    EXPECT_EQ(dialog.browseButton()->text(), QStringLiteral("Ref"));
    EXPECT_FALSE(dialog.progressBar()->isVisible());

    QTest::keyClicks(dialog.pathEdit(), csvOf(f, 30));
    EXPECT_EQ(model.csvPath(), dialog.pathEdit()->text());
    // The index's lock held elsewhere keeps the import at its first seal.
    writeFile(f.indexFile, "");
    const int lock = ::open(f.indexFile.c_str(), O_RDWR);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    QTest::mouseClick(dialog.runButton(), Qt::LeftButton);
    EXPECT_TRUE(model.isImporting());
    EXPECT_TRUE(dialog.progressBar()->isVisible());
    EXPECT_TRUE(dialog.cancelButton()->isVisible());
    EXPECT_FALSE(dialog.runButton()->isEnabled());
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    ::close(lock);
    model.waitForImport();
    EXPECT_EQ(model.state(), ImportDialogModel::State::Cancelled);
    EXPECT_FALSE(dialog.progressBar()->isVisible());
    EXPECT_TRUE(dialog.runButton()->isEnabled());
    EXPECT_TRUE(
        f.prompter.messages.last().startsWith(QStringLiteral("インポート処理を中止しました。")));

    // Run again: the whole file, and the dialog stays open.
    std::filesystem::remove(f.indexFile);
    std::filesystem::remove_all(f.sealFolder);
    QTest::mouseClick(dialog.runButton(), Qt::LeftButton);
    model.waitForImport();
    EXPECT_EQ(model.state(), ImportDialogModel::State::Completed);
    EXPECT_EQ(dialog.progressBar()->value(), 30);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(
        f.prompter.messages.last().startsWith(QStringLiteral("インポート処理が完了しました。")));
    QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(CDlgImport, RefFillsThePath) {
    ManagerFixture f;
    ImportDialogModel model(f.prompter, f.index(), "5.6.4");
    CDlgImport dialog(model, f.chooser, Language::English);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("Cancel"));
    f.chooser.answers = {QStringLiteral("/data/seals.csv")};
    QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.pathEdit()->text(), QStringLiteral("/data/seals.csv"));
    EXPECT_EQ(model.csvPath(), QStringLiteral("/data/seals.csv"));
}
