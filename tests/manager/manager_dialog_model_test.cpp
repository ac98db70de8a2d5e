#include "manager/manager_dialog_model.h"
#include "manager/manager_dialog_texts.h"
#include "manager/sealform/seal_form_texts.h"
#include "tests/manager/manager_fixture.h"

#include "render/date_formatting.h"
#include "sealfiles/layout_profile.h"
#include "sealfiles/seal_verification.h"

#include "common/colour_file.h"
#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/tag_text.h"
#include "tests/support/small_filesystem.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

using namespace vermil;
using vermil::test::ManagerFixture;
using vermil::test::registerSeal;
using vermil::test::registerSeals;
using vermil::test::sampleSeal;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::testHome;

namespace {

QString qtext(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// The model of a manager started in the fixture's hanko folder.
struct StartedManager {
    explicit StartedManager(ManagerFixture& f) : model(f.prompter, f.hankoFolder) {
        model.start(f.chooser);
    }
    ManagerDialogModel model;
};

} // namespace

TEST(ManagerDialogModel, FirstStartAsksForTheDefaultIndexAndRegisterStillWorks) {
    // The hanko folder is the documents folder of a home without settings or index.
    const std::string hankoFolder = findHankoFolder(nullptr);
    ASSERT_EQ(hankoFolder, (testHome() / "Documents").string());
    std::filesystem::remove(testHome() / "Documents/hanko.ini");
    std::filesystem::remove_all(testHome() / "Documents/vrdata");
    RecordingPrompter prompter;
    RecordingFileChooser chooser;
    ManagerDialogModel model(prompter, hankoFolder);
    model.start(chooser);

    const std::filesystem::path indexFile = testHome() / "Documents/vrdata/index.dat";
    EXPECT_EQ(
        prompter.questions,
        QStringList{QStringLiteral("WARNING 345: インデックスファイル ") + qtext(indexFile) +
                    QStringLiteral(" が存在しません。\nインデックスファイル設定を行いますか？")});
    // No keeps the path and chooses nothing.
    EXPECT_TRUE(chooser.asked.empty());
    EXPECT_EQ(model.indexPath(), indexFile.string());
    EXPECT_TRUE(model.names().empty());
    EXPECT_FALSE(model.hasSelection());
    EXPECT_FALSE(std::filesystem::exists(testHome() / "Documents/hanko.ini"));

    auto registration = model.registerModel();
    registration->setName(QStringLiteral("経理部長"));
    registration->setPassword(QStringLiteral("KEIRI"));
    registration->setUp1(QStringLiteral("経理部"));
    registration->setDown(QStringLiteral("山田"));
    EXPECT_EQ(registration->accept(), SealFormOutcome::Ok);
    model.registered(*registration);
    EXPECT_EQ(model.names(), std::vector<std::string>{sjis("経理部長")});
    EXPECT_EQ(model.selectedRow(), 0);
    EXPECT_EQ(model.shown().down, sjis("山田"));
    EXPECT_TRUE(verifySeal(model.index(), sjis("経理部長")).passed());
}

TEST(ManagerDialogModel, YesToWarning345OpensTheIndexChoice) {
    ManagerFixture f;
    TempDir other;
    const std::filesystem::path otherIndex = other / "seals/index.dat";
    registerSeals(SealIndex(otherIndex.string()), 2);
    f.prompter.answers = {true};
    f.chooser.answers = {qtext(otherIndex)};
    StartedManager m(f);
    ASSERT_EQ(f.chooser.asked.size(), 1u);
    EXPECT_EQ(m.model.indexPath(), otherIndex.string());
    EXPECT_EQ(m.model.names().size(), 2u);
    EXPECT_EQ(f.setting("MAIN", "VermilDataFile"), otherIndex.string());
}

TEST(ManagerDialogModel, TheFirstIndexChoiceOpensInTheSealFolderOfTheHankoFolder) {
    const std::string hankoFolder = findHankoFolder(nullptr);
    std::filesystem::remove(testHome() / "Documents/hanko.ini");
    std::filesystem::remove_all(testHome() / "Documents/vrdata");
    RecordingPrompter prompter;
    prompter.answers = {true};
    RecordingFileChooser chooser;
    ManagerDialogModel model(prompter, hankoFolder);
    model.start(chooser);

    const std::filesystem::path sealFolder = testHome() / "Documents/vrdata";
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].initialName, qtext(sealFolder / "index.dat"));
    EXPECT_EQ(chooser.asked[0].folder, qtext(sealFolder));
    EXPECT_TRUE(std::filesystem::is_directory(sealFolder));
    // Cancel keeps the default path and stores nothing.
    EXPECT_EQ(model.indexPath(), (sealFolder / "index.dat").string());
    EXPECT_FALSE(std::filesystem::exists(testHome() / "Documents/hanko.ini"));
}

TEST(ManagerDialogModel, AnIndexChoiceFromAFolderThatIsGoneOpensInTheHankoFolder) {
    ManagerFixture f;
    const std::filesystem::path gone = f.dir / "gone/index.dat";
    writeIniString(f.settingsFile, "MAIN", "VermilDataFile", gone.string());
    StartedManager m(f);
    ASSERT_TRUE(f.chooser.asked.empty());
    m.model.chooseIndexFile(f.chooser);
    ASSERT_EQ(f.chooser.asked.size(), 1u);
    EXPECT_EQ(f.chooser.asked[0].initialName, qtext(gone));
    EXPECT_EQ(f.chooser.asked[0].folder, QString::fromStdString(f.hankoFolder));
    // Only the default seal folder is made.
    EXPECT_FALSE(std::filesystem::exists(f.dir / "gone"));
}

TEST(ManagerDialogModel, CaptionsAreJapaneseOnlyForJapanese) {
    struct Case {
        std::optional<std::string> stored;
        Language language;
        QString add;
        QString registerName;
    } cases[] = {
        {std::nullopt, Language::English, QStringLiteral("Add"), QStringLiteral("Vermil Name")},
        {"", Language::English, QStringLiteral("Add"), QStringLiteral("Vermil Name")},
        {"English", Language::English, QStringLiteral("Add"), QStringLiteral("Vermil Name")},
        {"japanese", Language::English, QStringLiteral("Add"), QStringLiteral("Vermil Name")},
        {"Deutsch", Language::English, QStringLiteral("Add"), QStringLiteral("Vermil Name")},
        {"Japanese", Language::Japanese, QStringLiteral("追加"), QStringLiteral("Vermil名")},
    };
    for (const Case& c : cases) {
        ManagerFixture f;
        registerSeals(f.index(), 1);
        if (c.stored) {
            ASSERT_TRUE(writeIniString(f.settingsFile, "MAIN", "Lang", *c.stored));
        }
        StartedManager m(f);
        const std::string label = c.stored.value_or("<missing>");
        EXPECT_EQ(m.model.language(), c.language) << label;
        EXPECT_EQ(ManagerDialogTexts::of(m.model.language()).add, c.add) << label;
        EXPECT_EQ(SealFormTexts::registerTexts(m.model.language()).nameGroup, c.registerName)
            << label;
        // The title and the messages have one form only.
        EXPECT_EQ(ManagerDialogTexts::of(m.model.language()).windowTitle,
                  QStringLiteral("Vermil Manager Ver5. 6. 4"));
        EXPECT_TRUE(f.prompter.messages.isEmpty()) << label;
    }
}

TEST(ManagerDialogModel, AMissingSealFileWarnsAndShowsTheOlderKeys) {
    ManagerFixture f;
    registerSeal(f.index(), sampleSeal(sjis("旧印"), sjis("新上段"), sjis("新下段")));
    registerSeal(f.index(), sampleSeal("Bare"));
    registerSeal(f.index(), sampleSeal("Legacy"));
    ASSERT_TRUE(
        writeIniString(f.indexFile, sjis("旧印"), "Section",
                       sjis("<Up1><Text>旧上段</Text></Up1><Up2><Text>旧上２</Text></Up2>")));
    ASSERT_TRUE(writeIniString(f.indexFile, sjis("旧印"), "Name", sjis("旧下段")));
    ASSERT_TRUE(writeIniString(f.indexFile, "Legacy", "Data", "older entry"));
    ASSERT_TRUE(writeIniString(f.settingsFile, "VERMILIN", "SizeX", "21"));
    // File names on disk are UTF-8.
    std::filesystem::remove(f.sealFolder / "旧印.vrm");
    std::filesystem::remove(f.sealFolder / "Bare.vrm");
    StartedManager m(f);

    m.model.selectRow(0);
    const QString path = qtext(f.sealFolder) + QStringLiteral("/旧印.vrm");
    EXPECT_EQ(f.prompter.messages, QStringList{QStringLiteral("Warning 341 : Vermilファイル ") +
                                               path + QStringLiteral(" が開けません。")});
    const ShownSeal& old = m.model.shown();
    EXPECT_EQ(old.up1, sjis("旧上段"));
    EXPECT_EQ(old.up2, sjis("旧上２"));
    EXPECT_EQ(old.down, sjis("旧下段"));
    EXPECT_EQ(old.sizeX, "21"); // hanko.ini's SizeX for a seal without a file
    EXPECT_EQ(old.sizeY, "19");
    EXPECT_EQ(old.dateFormat, "YYYY.MM.DD");
    EXPECT_EQ(old.profile, "osprf_vrm_default.xml");
    EXPECT_TRUE(old.sealText.empty());

    // Without the older keys the texts are empty, the lower text "?".
    m.model.selectRow(1);
    EXPECT_EQ(f.prompter.messages.size(), 2);
    EXPECT_EQ(m.model.shown().up1, "");
    EXPECT_EQ(m.model.shown().down, "?");

    m.model.selectRow(2);
    EXPECT_EQ(f.prompter.messages.last(),
              QStringLiteral("Warning 340 : Vermilファイルの指定がありません。"
                             "IndexFile が旧バージョンです。"));
    EXPECT_EQ(m.model.shown().down, "?");
}

TEST(ManagerDialogModel, ChoosingAnotherIndexSwitchesListFolderAndSettingAtOnce) {
    ManagerFixture f;
    registerSeals(f.index(), 2);
    TempDir other;
    const std::filesystem::path otherIndex = other / "branch/index.dat";
    registerSeal(SealIndex(otherIndex.string()), sampleSeal("Z", sjis("支店")));
    StartedManager m(f);
    // An index that exists is stored back at start.
    EXPECT_EQ(f.setting("MAIN", "VermilDataFile"), f.indexFile.string());
    m.model.selectRow(1);

    f.chooser.answers = {std::nullopt, qtext(otherIndex)};
    EXPECT_FALSE(m.model.chooseIndexFile(f.chooser));
    EXPECT_EQ(m.model.names().size(), 2u);
    EXPECT_TRUE(m.model.chooseIndexFile(f.chooser));

    const FileChoice& asked = f.chooser.asked.back();
    EXPECT_EQ(asked.title, QStringLiteral("Vermil Index File"));
    EXPECT_EQ(asked.filter, QStringLiteral("index File(*.dat);;全てのファイル(*.*)"));
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("dat"));
    EXPECT_EQ(asked.initialName, qtext(f.indexFile));
    EXPECT_EQ(asked.purpose, FileChoice::Purpose::Open);
    EXPECT_FALSE(asked.mustExist);

    EXPECT_EQ(m.model.names(), std::vector<std::string>{"Z"});
    EXPECT_EQ(m.model.sealFolder(), (other / "branch").string() + "/");
    EXPECT_EQ(f.setting("MAIN", "VermilDataFile"), otherIndex.string());
    EXPECT_FALSE(m.model.hasSelection());
    m.model.selectRow(0);
    EXPECT_EQ(m.model.shown().up1, sjis("支店"));
    EXPECT_TRUE(f.prompter.messages.isEmpty());
}

TEST(ManagerDialogModel, AReloadKeepsTheSelectionByNameAndReadsItsSealAgain) {
    ManagerFixture f;
    registerSeals(f.index(), 3);
    StartedManager m(f);
    m.model.selectRow(2);
    ASSERT_EQ(m.model.shown().up1, "UP3");

    // Another program takes S1 off the list and edits S3.
    ASSERT_EQ(f.index().remove(0, "S1"), SealIndex::RemoveOutcome::Removed);
    SealRecord edited = sampleSeal("S3", "NEW");
    ASSERT_EQ(writeSeal(f.index(), edited, SealEntryKind::Existing).status,
              SealWriteStatus::Written);
    m.model.reload();
    EXPECT_EQ(m.model.names(), (std::vector<std::string>{"S2", "S3"}));
    EXPECT_EQ(m.model.selectedRow(), 1);
    EXPECT_EQ(m.model.shown().name, "S3");
    EXPECT_EQ(m.model.shown().up1, "NEW");

    // Its seal file gone: the fields follow without a warning over the window.
    std::filesystem::remove(f.sealFolder / "S3.vrm");
    m.model.reload();
    EXPECT_EQ(m.model.selectedRow(), 1);
    EXPECT_TRUE(m.model.shown().sealText.empty());
    EXPECT_TRUE(f.prompter.messages.isEmpty());

    // A seal taken off the list is no longer selected.
    ASSERT_EQ(f.index().remove(1, "S3"), SealIndex::RemoveOutcome::Removed);
    m.model.reload();
    EXPECT_EQ(m.model.names(), std::vector<std::string>{"S2"});
    EXPECT_FALSE(m.model.hasSelection());
    EXPECT_TRUE(m.model.shown().name.empty());
}

TEST(ManagerDialogModel, SelectingASealWhoseProfileIsMissingWarns) {
    ManagerFixture f;
    registerSeal(f.index(), sampleSeal("A"));
    SealRecord round = sampleSeal("B");
    round.definition.profile = "round.xml";
    registerSeal(f.index(), round);
    StartedManager m(f);
    m.model.selectRow(0);
    EXPECT_TRUE(f.prompter.messages.isEmpty());
    m.model.selectRow(1);
    EXPECT_EQ(f.prompter.messages,
              QStringList{QStringLiteral("プロファイル ") + qtext(f.sealFolder / "round.xml") +
                          QStringLiteral(" がありません。この日付印は組み込みのレイアウトで押印"
                                         "されます。")});
    // The seal is shown all the same.
    EXPECT_EQ(m.model.shown().profile, "round.xml");
    EXPECT_EQ(m.model.shown().up1, "UP");
}

TEST(ManagerDialogModel, DeleteAsksThenTakesTheSealOffTheList) {
    ManagerFixture f;
    registerSeals(f.index(), 3);
    StartedManager m(f);

    EXPECT_EQ(m.model.deleteSelected(), ManagerDialogModel::DeleteOutcome::NoSelection);
    EXPECT_EQ(f.prompter.messages.last(), QStringLiteral("削除する日付印名が選択されていません。"));
    EXPECT_EQ(m.model.editModel(), nullptr);
    EXPECT_EQ(f.prompter.messages.last(), QStringLiteral("日付印が選択されていません。"));
    EXPECT_TRUE(f.prompter.questions.isEmpty());

    m.model.selectRow(1);
    f.prompter.answers = {false, true};
    EXPECT_EQ(m.model.deleteSelected(), ManagerDialogModel::DeleteOutcome::Declined);
    EXPECT_EQ(f.indexValue("MAIN_VRM", "Number"), "3");
    EXPECT_EQ(m.model.deleteSelected(), ManagerDialogModel::DeleteOutcome::Deleted);
    EXPECT_EQ(f.prompter.questions,
              QStringList(2, QStringLiteral("本当に削除してよろしいですか？")));

    EXPECT_EQ(f.indexValue("MAIN_VRM", "Number"), "2");
    EXPECT_EQ(f.indexValue("MAIN_VRM", "Vermil0000"), "S1");
    EXPECT_EQ(f.indexValue("MAIN_VRM", "Vermil0001"), "S3");
    EXPECT_EQ(f.indexValue("MAIN_VRM", "Vermil0002"), "S3"); // stale, past Number
    EXPECT_NE(f.indexValue("S2", "Hash"), "<missing>");      // the section stays
    EXPECT_TRUE(std::filesystem::exists(f.sealFolder / "S2.vrm"));
    EXPECT_EQ(m.model.names(), (std::vector<std::string>{"S1", "S3"}));
    EXPECT_FALSE(m.model.hasSelection());
    EXPECT_TRUE(m.model.shown().name.empty());
    EXPECT_TRUE(m.model.shown().up1.empty());
}

TEST(ManagerDialogModel, TheCommandLineDeleteNeedsARegisteredName) {
    ManagerFixture f;
    registerSeals(f.index(), 2);
    ManagerDialogModel model(f.prompter, f.hankoFolder);
    model.useIndex(f.indexFile.string());
    EXPECT_EQ(model.deleteSeal("s1"), ManagerDialogModel::DeleteOutcome::NotRegistered);
    EXPECT_EQ(f.prompter.messages,
              QStringList{QStringLiteral("日付印名 s1 は登録されていません。")});
    EXPECT_EQ(model.deleteSeal("S1"), ManagerDialogModel::DeleteOutcome::Deleted);
    EXPECT_TRUE(f.prompter.questions.isEmpty());
    EXPECT_EQ(SealIndex(f.indexFile.string()).names(), std::vector<std::string>{"S2"});
    // The command line stores nothing in hanko.ini.
    EXPECT_FALSE(std::filesystem::exists(f.settingsFile));
}

TEST(ManagerDialogModel, ThePictureFollowsTheSelection) {
    ManagerFixture f;
    SealRecord first = sampleSeal(sjis("経理"), sjis("経理部"), sjis("山田"));
    first.definition.fonts = fontsForNewSeal(f.index().sealFolder(), first.definition.profile);
    first.definition.fonts.up1.size = "15";
    registerSeal(f.index(), first);
    SealRecord second = sampleSeal(sjis("総務"), sjis("総務課"), sjis("鈴木"), sjis("本社"));
    second.definition.format = "'YY.MM.DD";
    registerSeal(f.index(), second);
    ASSERT_TRUE(ColourFile().setColour(sjis("総務"), 0x00AA00));
    StartedManager m(f);
    const StampingTime time = 1333000000; // 2012-03-29

    EXPECT_FALSE(m.model.pictureInput(time));
    m.model.selectRow(0);
    const auto one = m.model.pictureInput(time);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->upperText1, sjis("経理部"));
    EXPECT_EQ(one->lowerText, sjis("山田"));
    EXPECT_EQ(one->sealDateText, FormatSealDate("YYYY.MM.DD", time));
    EXPECT_EQ(one->fontUp.size, "15"); // the seal file's fonts
    EXPECT_EQ(one->colour, static_cast<std::uint32_t>(defaultSealColour));
    const auto profile = loadProfileFile((f.sealFolder / "osprf_vrm_default.xml").string());
    ASSERT_TRUE(profile);
    EXPECT_EQ(one->profileText, tagText(*profile, "Profile"));
    EXPECT_NE(one->profileText, "");

    m.model.selectRow(1);
    const auto two = m.model.pictureInput(time);
    ASSERT_TRUE(two);
    EXPECT_EQ(two->upperText1, sjis("総務課"));
    EXPECT_EQ(two->upperText2, sjis("本社"));
    EXPECT_EQ(two->sealDateText, FormatSealDate("'YY.MM.DD", time));
    EXPECT_EQ(two->colour, 0x00AA00u);
}

TEST(ManagerDialogModel, SettingsOkTakesTheLanguage) {
    ManagerFixture f;
    registerSeals(f.index(), 1);
    StartedManager m(f);
    EXPECT_EQ(m.model.language(), Language::English);
    ManagerSettingModel setting = m.model.settingModel();
    setting.selectRow(static_cast<int>(setting.choices().indexOf(QStringLiteral("Japanese"))));
    m.model.settingChosen(setting.accept());
    EXPECT_EQ(m.model.language(), Language::Japanese);
    EXPECT_EQ(f.setting("MAIN", "Lang"), "Japanese");
}

// The system's message stays whole; a last line names the real cause.
TEST(ManagerDialogModel, AFailedDeleteSaysError329WithItsCauseAndKeepsTheList) {
    const auto report =
        vermil::test::inSmallFilesystem(64 * 1024, [](const std::filesystem::path& folder) {
            const SealIndex index((folder / "vrdata/index.dat").string());
            for (const char* name : {"S1", "S2", "S3"})
                if (writeSeal(index, sampleSeal(name), SealEntryKind::New).status !=
                    SealWriteStatus::Written)
                    return std::string("not registered");
            // Take every free byte, so that the index cannot be replaced.
            vermil::test::fillUp(folder);
            RecordingPrompter prompter;
            RecordingFileChooser chooser;
            ManagerDialogModel model(prompter, folder.string());
            model.start(chooser);
            model.selectRow(1);
            prompter.answers = {true};
            const auto outcome = model.deleteSelected();
            std::string names;
            for (const std::string& name : model.names())
                names += name + " ";
            return std::to_string(static_cast<int>(outcome)) + "|" + names + "|" +
                   std::to_string(index.count()) + "|" + prompter.messages.join("#").toStdString();
        });
    if (!report)
        GTEST_SKIP() << "no private mount on this machine";
    EXPECT_EQ(*report,
              std::to_string(static_cast<int>(ManagerDialogModel::DeleteOutcome::WriteFailed)) +
                  "|S1 S2 S3 |3|"
                  "Error 329: インデックスファイルへの書き込みに失敗しました。\n"
                  "インデックスファイルのアクセス権限を確認してください。\n"
                  "ディスクの空き容量が不足しています。");
}
