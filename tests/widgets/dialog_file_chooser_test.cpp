// The file chooser as the windows open it: every column of its list wide enough
// for what it shows, at the size it opens with.
#include "widgets/dialog_file_chooser.h"

#include "tests/support/test_environment.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

// The folder is listed and no column cuts its text short.
bool columnsShowTheirText(const QTreeView& list) {
    if (list.model()->rowCount(list.rootIndex()) == 0)
        return false;
    const QAbstractItemView& view = list; // where the width a column wants is public
    for (int column = 0; column < list.header()->count(); ++column) {
        if (!list.isColumnHidden(column) &&
            list.header()->sectionSize(column) < view.sizeHintForColumn(column))
            return false;
    }
    return true;
}

} // namespace

TEST(DialogFileChooser, OpensWithColumnsWideEnoughForSizesTypesAndDates) {
    TempDir dir;
    writeFile(dir / "sample601.log", std::string(601, 'x'));
    bool looked = false;
    QTimer::singleShot(0, [&looked] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QTreeView*>();
        ASSERT_NE(list, nullptr);
        // The folder is read in the background.
        EXPECT_TRUE(QTest::qWaitFor([list] { return columnsShowTheirText(*list); }));
        looked = true;
        dialog->reject();
    });
    DialogFileChooser chooser;
    FileChoice choice;
    choice.title = QStringLiteral("Open Log File");
    choice.filter = QStringLiteral("LogFile(*.log)");
    choice.folder = QString::fromStdString(dir.path().string());
    EXPECT_EQ(chooser.chooseFile(choice), std::nullopt);
    EXPECT_TRUE(looked);
}
