// Qt's own texts follow the program's language: Japanese while it is Japanese,
// in the windows already open too, and English again once it changes back.
#include "widgets/qt_translation.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace vermil;

// Texts print as text when an expectation fails.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

TEST(QtTranslation, QtsOwnButtonsAndFileChooserFollowTheLanguage) {
    if (!QFile::exists(QtTranslation::japaneseFile()))
        GTEST_SKIP() << "Qt's Japanese is not installed: "
                     << QtTranslation::japaneseFile().toStdString();
    QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No);
    QFileDialog chooser;
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    // The windows already open hear of the change on a posted event.
    const auto shown = [&buttons, &chooser] {
        QCoreApplication::sendPostedEvents();
        return QStringList{buttons.button(QDialogButtonBox::Yes)->text(),
                           buttons.button(QDialogButtonBox::No)->text(),
                           chooser.labelText(QFileDialog::FileName),
                           chooser.labelText(QFileDialog::FileType)};
    };
    const QStringList english = shown();
    EXPECT_EQ(english, QStringList({"&Yes", "&No", "File &name:", "Files of type:"}));

    QtTranslation translation;
    ASSERT_TRUE(translation.follow(Language::Japanese));
    EXPECT_EQ(shown(),
              QStringList({"はい(&Y)", "いいえ(&N)", "ファイル名(&N):", "ファイルの種類:"}));
    EXPECT_TRUE(translation.follow(Language::Japanese));
    const QDialogButtonBox madeNow(QDialogButtonBox::Cancel);
    EXPECT_EQ(madeNow.button(QDialogButtonBox::Cancel)->text(), "キャンセル");

    EXPECT_TRUE(translation.follow(Language::English));
    EXPECT_EQ(shown(), english);
}
