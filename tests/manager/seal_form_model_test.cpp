#include "manager/manager_dialog_model.h"
#include "manager/sealform/edit_seal_model.h"
#include "manager/sealform/register_seal_model.h"
#include "tests/manager/manager_fixture.h"

#include "sealfiles/seal_definition.h"
#include "sealfiles/seal_file.h"
#include "sealfiles/seal_verification.h"

#include "common/cp932.h"
#include "common/keyed_hash.h"
#include "manager/import/csv_import.h"
#include "sealfiles/seal_name.h"
#include "tests/support/small_filesystem.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

using namespace vermil;
using vermil::test::ManagerFixture;
using vermil::test::readFile;
using vermil::test::registerSeal;
using vermil::test::registerSeals;
using vermil::test::sampleSeal;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

struct RegisterFixture : ManagerFixture {
    RegisterSealModel model{prompter, HankoSettings(settingsFile), index(), "5.6.4"};

    void fill(const QString& name, const QString& password, const QString& up1,
              const QString& down) {
        model.setName(name);
        model.setPassword(password);
        model.setUp1(up1);
        model.setDown(down);
    }
};

// The edit dialog's model over the seal as the main dialog shows it.
std::unique_ptr<EditSealModel> editOf(ManagerFixture& f, std::string_view name) {
    ManagerDialogModel main(f.prompter, f.hankoFolder);
    main.useIndex(f.indexFile.string());
    EXPECT_TRUE(main.selectName(name));
    return main.editModel();
}

} // namespace

TEST(RegisterSealModel, OpensWithTheRememberedValues) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> settings;
        QString format, sizeX, sizeY, up1, up2;
    } cases[] = {
        {{}, "'YY.MM.DD", "19", "19", "", ""},
        // A list entry is chosen when it begins with the stored text.
        {{{"DateFormat", "YYYY"}, {"SizeX", "2"}, {"SizeY", "30"}},
         "YYYY.MM.DD",
         "20",
         "30",
         "",
         ""},
        // A value that no entry begins with is offered and kept.
        {{{"DateFormat", "NONE"}, {"SizeX", "40"}}, "NONE", "40", "19", "", ""},
        {{{"Up1", sjis("経理部")}, {"Up2", sjis("本社")}},
         "'YY.MM.DD",
         "19",
         "19",
         "経理部",
         "本社"},
    };
    for (const Case& c : cases) {
        ManagerFixture f;
        for (const auto& [key, value] : c.settings)
            ASSERT_TRUE(writeIniString(
                f.settingsFile, key.starts_with("Up") ? "VERMILMGR" : "VERMILIN", key, value));
        const RegisterSealModel model(f.prompter, HankoSettings(f.settingsFile), f.index(),
                                      "5.6.4");
        EXPECT_EQ(model.dateFormats().selectedText(), c.format);
        EXPECT_EQ(model.sizesX().selectedText(), c.sizeX);
        EXPECT_EQ(model.sizesY().selectedText(), c.sizeY);
        EXPECT_EQ(model.up1(), c.up1);
        EXPECT_EQ(model.up2(), c.up2);
        EXPECT_TRUE(model.name().isEmpty());
        EXPECT_TRUE(model.password().isEmpty());
        EXPECT_EQ(model.profile(), QStringLiteral("osprf_vrm_default.xml"));
        EXPECT_TRUE(model.nameEditable());
    }
    // The lists of the dialog, in their order.
    const RegisterFixture f;
    EXPECT_EQ(f.model.dateFormats().entries.size(), 15);
    EXPECT_EQ(f.model.dateFormats().entries.front(), QStringLiteral("'YY.0M.0D"));
    EXPECT_EQ(f.model.dateFormats().entries.back(), QStringLiteral("EMPTY"));
    EXPECT_EQ(f.model.sizesX().entries.size(), 26);
    EXPECT_EQ(f.model.sizesX().entries.front(), QStringLiteral("5"));
}

TEST(RegisterSealModel, ChecksTheFieldsInOrderBeforeWritingAnything) {
    struct Case {
        QString name, password, up1, down, message;
    } cases[] = {
        {"", "", "", "", "Error300 : Vermil名が設定されていません。"},
        {"   ", "PW", "U", "D", "Error300 : Vermil名が設定されていません。"},
        {"　 　", "PW", "U", "D", "Error300 : Vermil名が設定されていません。"},
        {"\t　", "PW", "U", "D", "Error300 : Vermil名が設定されていません。"},
        {"印", "", "", "", "Error301:パスワードが設定されていません。\n"},
        {"印", "PW", "", "", "Error302:上段が設定されていません。\n"},
        {"印", "PW", "U", "", "Error303:下段が設定されていません。\n"},
        {"印", "PW", "U😀", "D", "文字「😀」は Shift-JIS (CP932) で表せないため登録できません。"},
    };
    for (const Case& c : cases) {
        RegisterFixture f;
        f.fill(c.name, c.password, c.up1, c.down);
        EXPECT_NE(f.model.validate(), SealFormOutcome::Ok);
        EXPECT_NE(f.model.accept(), SealFormOutcome::Ok);
        EXPECT_EQ(f.prompter.messages, QStringList{c.message}) << c.name.toStdString();
        EXPECT_FALSE(std::filesystem::exists(f.sealFolder));
        EXPECT_FALSE(std::filesystem::exists(f.settingsFile));
    }
}

TEST(RegisterSealModel, TrimsBlanksFromBothEndsOfTheName) {
    EXPECT_EQ(trimSealName(sjis(" \t　経理　 ")), sjis("経理"));
    EXPECT_EQ(trimSealName(sjis("経 理")), sjis("経 理"));
    // 0x81 0x81 is one character ("＝"); the 0x40 after it is "@", not half of a blank.
    EXPECT_EQ(trimSealName("A\x81\x81\x40"), "A\x81\x81\x40");
    EXPECT_EQ(trimSealName("\x81\x40\x81\x40"), "");

    RegisterFixture f;
    f.fill(QStringLiteral("経理　"), QStringLiteral("PW"), QStringLiteral("経理部"),
           QStringLiteral("山田"));
    ASSERT_EQ(f.model.accept(), SealFormOutcome::Ok);
    EXPECT_EQ(f.prompter.messages, QStringList{QStringLiteral("登録しました。")});
    EXPECT_EQ(f.model.registeredName(), sjis("経理"));
    EXPECT_EQ(f.index().names(), std::vector<std::string>{sjis("経理")});
    // File names on disk are UTF-8.
    EXPECT_TRUE(std::filesystem::exists(f.sealFolder / "経理.vrm"));
    EXPECT_FALSE(std::filesystem::exists(f.sealFolder / "経理　.vrm"));
    EXPECT_TRUE(verifySeal(f.index(), sjis("経理")).passed());
}

TEST(RegisterSealModel, RefusesTheHundredAndFirstSealAfterTheFieldChecks) {
    ManagerFixture f;
    registerSeals(f.index(), 100);
    const std::string before = readFile(f.indexFile);
    RegisterSealModel model(f.prompter, HankoSettings(f.settingsFile), f.index(), "5.6.4");
    model.setName(QStringLiteral("S100"));
    model.setPassword(QStringLiteral("PW"));
    model.setUp1(QStringLiteral("UP"));
    EXPECT_EQ(model.accept(), SealFormOutcome::DownEmpty);
    model.setDown(QStringLiteral("DOWN"));
    // A registered name comes before the count.
    EXPECT_EQ(model.accept(), SealFormOutcome::NameTaken);
    model.setName(QStringLiteral("New"));
    EXPECT_EQ(model.accept(), SealFormOutcome::IndexFull);
    EXPECT_EQ(
        f.prompter.messages,
        (QStringList{QStringLiteral("Error303:下段が設定されていません。\n"),
                     QStringLiteral("Warning 308: 日付印名 S100 は登録済みです。"
                                    "日付印名を変えてください。"),
                     QStringLiteral("Error 320: 最大登録数100を越えます。処理を中止します。")}));
    EXPECT_EQ(readFile(f.indexFile), before);
    EXPECT_FALSE(std::filesystem::exists(f.sealFolder / "New.vrm"));
}

TEST(RegisterSealModel, StoresALowerCasePasswordInCapitals) {
    RegisterFixture f;
    f.fill(QStringLiteral("Keiri"), QStringLiteral("keiri01"), QStringLiteral("UP"),
           QStringLiteral("DOWN"));
    EXPECT_EQ(f.model.password(), QStringLiteral("KEIRI01"));
    ASSERT_EQ(f.model.accept(), SealFormOutcome::Ok);
    EXPECT_EQ(f.indexValue("Keiri", "Password2"), hash6("KEIRI01", "VRMMGR"));
    EXPECT_TRUE(verifySeal(f.index(), "Keiri").passed());
}

TEST(RegisterSealModel, WritesTheSealAndRemembersItsValues) {
    RegisterFixture f;
    f.fill(QStringLiteral("経理部長"), QStringLiteral("PW"), QStringLiteral("経理部"),
           QStringLiteral("山田"));
    f.model.setUp2(QStringLiteral("本社"));
    f.model.selectDateFormat(static_cast<int>(f.model.dateFormats().entries.indexOf("NN.0M.0D")));
    f.model.selectSizeX(static_cast<int>(f.model.sizesX().entries.indexOf("21")));
    f.model.selectSizeY(static_cast<int>(f.model.sizesY().entries.indexOf("18")));
    ASSERT_EQ(f.model.accept(), SealFormOutcome::Ok);

    SealDefinition expected;
    expected.up1 = sjis("経理部");
    expected.up2 = sjis("本社");
    expected.down = sjis("山田");
    expected.format = "NN.0M.0D";
    expected.sizeX = "21";
    expected.sizeY = "18";
    // A new seal folder gets the default profile, and the seal its fonts.
    expected.fonts = f.model.fonts();
    EXPECT_NE(expected.fonts, defaultSealFonts());
    const std::string text = readFile(f.sealFolder / "経理部長.vrm");
    EXPECT_EQ(text, buildSealText(expected));
    EXPECT_EQ(f.indexValue(sjis("経理部長"), "Hash"),
              hash6(text + hash6("PW", "VRMMGR"), "VRM77G"));
    EXPECT_EQ(f.indexValue("META_VRM", "Version"), "5.6.4");

    EXPECT_EQ(f.setting("VERMILIN", "DateFormat"), "NN.0M.0D");
    EXPECT_EQ(f.setting("VERMILIN", "SizeX"), "21");
    EXPECT_EQ(f.setting("VERMILIN", "SizeY"), "18");
    EXPECT_EQ(f.setting("VERMILMGR", "Up1"), sjis("経理部"));
    EXPECT_EQ(f.setting("VERMILMGR", "Up2"), sjis("本社"));
}

TEST(RegisterSealModel, ASealFileThatCannotBeWrittenLeavesTheIndexAlone) {
    RegisterFixture f;
    // A file where the seal folder should be.
    writeFile(f.sealFolder, "not a folder");
    f.fill(QStringLiteral("A"), QStringLiteral("PW"), QStringLiteral("UP"), QStringLiteral("DOWN"));
    EXPECT_EQ(f.model.accept(), SealFormOutcome::SealFileFailed);
    ASSERT_EQ(f.prompter.messages.size(), 1);
    EXPECT_TRUE(f.prompter.messages[0].startsWith(
        QStringLiteral("Error307: Vermilファイル(.vrm)への書き込みに失敗しました。\n"
                       "Vermilデータフォルダー(vrdata)のアクセス権限を確認してください。")));
    EXPECT_FALSE(std::filesystem::exists(f.settingsFile));
}

TEST(RegisterSealModel, TheProfileChooserKeepsTheFileNameAndItsFonts) {
    RegisterFixture f;
    writeFile(f.sealFolder / "round.xml",
              "<Profile><Up1><Font><Name>IPAMincho</Name><B>1</B><Size>16</Size></Font></Up1>"
              "</Profile>");
    f.chooser.answers = {QString::fromStdString((f.dir / "elsewhere/round.xml").string())};
    EXPECT_TRUE(f.model.browseProfile(f.chooser));
    const FileChoice& asked = f.chooser.asked.at(0);
    EXPECT_EQ(asked.title, QStringLiteral("日付印Vermilプロファイル選択"));
    EXPECT_EQ(asked.filter, QStringLiteral("Data File(*.xml)"));
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("xml"));
    EXPECT_EQ(asked.initialName, QStringLiteral("*.xml"));
    EXPECT_EQ(asked.folder.toStdString(), f.sealFolder.string());
    EXPECT_EQ(f.model.profile(), QStringLiteral("round.xml"));
    // Until the detail dialog sets them, the fonts are the chosen profile's.
    EXPECT_EQ(f.model.fonts().up1, (SealFont{"IPAMincho", "1", "16"}));
    EXPECT_EQ(f.model.fonts().low1.name, sjis("ＭＳ Ｐゴシック"));
}

TEST(EditSealModel, ANewPasswordChangesTheCodesAndNotTheSealFile) {
    ManagerFixture f;
    SealRecord seal = sampleSeal(sjis("経理"), sjis("経理部"), sjis("山田"), sjis("本社"));
    seal.definition.sizeX = "40";                         // beyond the dialog's list
    seal.definition.fonts.up1 = {"IPAMincho", "2", "17"}; // an odd bold flag
    registerSeal(f.index(), seal);
    const std::filesystem::path sealFile = f.sealFolder / "経理.vrm";
    const std::string fileBefore = readFile(sealFile);
    const std::string password2 = f.indexValue(sjis("経理"), "Password2");
    const std::string hash = f.indexValue(sjis("経理"), "Hash");

    auto edit = editOf(f, sjis("経理"));
    ASSERT_TRUE(edit);
    EXPECT_FALSE(edit->nameEditable());
    EXPECT_EQ(edit->name(), QStringLiteral("経理"));
    EXPECT_TRUE(edit->password().isEmpty()); // never prefilled
    EXPECT_EQ(edit->up2(), QStringLiteral("本社"));
    EXPECT_EQ(edit->sizesX().selectedText(), QStringLiteral("40"));
    EXPECT_EQ(edit->dateFormats().selectedText(), QStringLiteral("YYYY.MM.DD"));
    EXPECT_EQ(edit->fonts().up1, (SealFont{"IPAMincho", "2", "17"}));

    EXPECT_EQ(edit->accept(), SealFormOutcome::PasswordEmpty);
    EXPECT_EQ(f.prompter.messages.last(),
              QStringLiteral("Error311: パスワードが設定されていません。\n"));
    edit->setPassword(QStringLiteral("new1"));
    EXPECT_EQ(edit->accept(), SealFormOutcome::Ok);
    EXPECT_EQ(f.prompter.messages.last(), QStringLiteral("修正しました。"));

    EXPECT_EQ(readFile(sealFile), fileBefore);
    EXPECT_EQ(f.indexValue(sjis("経理"), "Password2"), hash6("NEW1", "VRMMGR"));
    EXPECT_NE(f.indexValue(sjis("経理"), "Password2"), password2);
    EXPECT_NE(f.indexValue(sjis("経理"), "Hash"), hash);
    EXPECT_EQ(f.indexValue("MAIN_VRM", "Number"), "1");
    EXPECT_TRUE(verifySeal(f.index(), sjis("経理")).passed());
    // The edit dialog writes nothing to hanko.ini.
    EXPECT_FALSE(std::filesystem::exists(f.settingsFile));
}

TEST(EditSealModel, ChecksWithItsOwnCodes) {
    struct Case {
        QString up1, down, message;
    } cases[] = {
        {"", "D", "Error312: 上段が設定されていません。\n"},
        {"U", "", "Error313: 下段が設定されていません。\n"},
    };
    for (const Case& c : cases) {
        ManagerFixture f;
        registerSeal(f.index(), sampleSeal("A"));
        auto edit = editOf(f, "A");
        edit->setPassword(QStringLiteral("PW"));
        edit->setUp1(c.up1);
        edit->setDown(c.down);
        EXPECT_NE(edit->accept(), SealFormOutcome::Ok);
        EXPECT_EQ(f.prompter.messages, QStringList{c.message});
    }
}

TEST(EditSealModel, ASealFileThatCannotBeReplacedSaysError317) {
    ManagerFixture f;
    registerSeal(f.index(), sampleSeal("A"));
    auto edit = editOf(f, "A");
    const std::string indexBefore = readFile(f.indexFile);
    // A folder where the seal file was: it cannot be replaced.
    std::filesystem::remove(f.sealFolder / "A.vrm");
    std::filesystem::create_directory(f.sealFolder / "A.vrm");
    edit->setPassword(QStringLiteral("PW"));
    EXPECT_EQ(edit->accept(), SealFormOutcome::SealFileFailed);
    ASSERT_EQ(f.prompter.messages.size(), 1);
    EXPECT_TRUE(f.prompter.messages[0].startsWith(
        QStringLiteral("Error317: Vermilファイル(.vrm)への書き込みに失敗しました。\n"
                       "Vermilデータフォルダー(vrdata)のアクセス権限を確認してください。")))
        << f.prompter.messages[0].toStdString();
    EXPECT_EQ(readFile(f.indexFile), indexBefore);
}

TEST(EditSealModel, ASealFileWithoutFontsTakesItsProfilesFonts) {
    ManagerFixture f;
    registerSeal(f.index(), sampleSeal("A"));
    writeFile(f.sealFolder / "round.xml",
              "<Profile><Date><Font><Name>IPAGothic</Name><B>0</B><Size>11</Size></Font></Date>"
              "</Profile>");
    // An older seal file: no Font block.
    const std::string text = "<Vermil><Up1>UP</Up1><Up2></Up2><Down>DOWN</Down></Vermil>"
                             "<Profile>round.xml</Profile>";
    writeFile(f.sealFolder / "A.vrm", text);
    auto edit = editOf(f, "A");
    EXPECT_EQ(edit->fonts().date, (SealFont{"IPAGothic", "0", "11"}));
    EXPECT_EQ(edit->fonts().up1.name, sjis("ＭＳ Ｐゴシック"));
}

TEST(RegisterSealModel, ANameDifferingOnlyInLetterCaseIsRefused) {
    RegisterFixture f;
    registerSeal(f.index(), sampleSeal("Abc"));
    const std::string before = readFile(f.indexFile);
    f.fill(QStringLiteral("abc"), QStringLiteral("PW"), QStringLiteral("UP"),
           QStringLiteral("DOWN"));
    // The exact name is not registered, so the dialog's own checks pass.
    EXPECT_EQ(f.model.validate(), SealFormOutcome::Ok);
    EXPECT_EQ(f.model.accept(), SealFormOutcome::NameInOtherCase);
    EXPECT_EQ(f.prompter.messages, QStringList{caseOnlyDifferenceMessage("abc", "Abc")});
    EXPECT_EQ(readFile(f.indexFile), before);
    EXPECT_FALSE(std::filesystem::exists(f.settingsFile));
    EXPECT_TRUE(verifySeal(f.index(), "Abc").passed());
}

TEST(RegisterSealModel, ImportAndRegisterStoreOneCodeForALowerCasePassword) {
    ManagerFixture f;
    writeFile(f.dir / "one.csv", "Imported,keiri01,UP,U2,DOWN,osprf_vrm_default.xml,19,19,F\r\n");
    CsvImport(f.index(), f.prompter).run(f.dir / "one.csv");
    RegisterSealModel model(f.prompter, HankoSettings(f.settingsFile), f.index(), "5.6.4");
    model.setName(QStringLiteral("Typed"));
    model.setPassword(QStringLiteral("keiri01"));
    model.setUp1(QStringLiteral("UP"));
    model.setDown(QStringLiteral("DOWN"));
    ASSERT_EQ(model.accept(), SealFormOutcome::Ok);
    EXPECT_EQ(f.indexValue("Imported", "Password2"), f.indexValue("Typed", "Password2"));
    EXPECT_EQ(f.indexValue("Typed", "Password2"), hash6("KEIRI01", "VRMMGR"));
}

TEST(RegisterSealModel, AFullDiskIsNamedAfterTheSystemsMessage) {
    const auto report =
        vermil::test::inSmallFilesystem(64 * 1024, [](const std::filesystem::path& folder) {
            RecordingPrompter prompter;
            const SealIndex index((folder / "vrdata/index.dat").string());
            RegisterSealModel first(prompter, HankoSettings(folder / "hanko.ini"), index, "5.6.4");
            first.setName(QStringLiteral("First"));
            first.setPassword(QStringLiteral("PW"));
            first.setUp1(QStringLiteral("UP"));
            first.setDown(QStringLiteral("DOWN"));
            if (first.accept() != SealFormOutcome::Ok)
                return std::string("the first seal was not written");
            vermil::test::fillUp(folder);
            const std::string indexBefore = readFile(folder / "vrdata/index.dat");
            RegisterSealModel second(prompter, HankoSettings(folder / "hanko.ini"), index, "5.6.4");
            second.setName(QStringLiteral("Second"));
            second.setPassword(QStringLiteral("PW"));
            second.setUp1(QStringLiteral("UP"));
            second.setDown(QStringLiteral("DOWN"));
            const SealFormOutcome outcome = second.accept();
            const bool indexKept = readFile(folder / "vrdata/index.dat") == indexBefore;
            return std::to_string(static_cast<int>(outcome)) +
                   (indexKept ? " kept\n" : " changed\n") + prompter.messages.last().toStdString();
        });
    if (!report)
        GTEST_SKIP() << "no private mount on this machine";
    // The seal file or the index entry could not be written; either way the system's
    // message comes first, the real cause on the line after it, and the index is as it was.
    const QString text = QString::fromStdString(*report);
    EXPECT_TRUE(text.contains(QStringLiteral(" kept\n"))) << *report;
    EXPECT_TRUE(text.contains(QStringLiteral("Error307: ")) ||
                text.contains(QStringLiteral("Error 309: ")))
        << *report;
    EXPECT_TRUE(text.endsWith(QStringLiteral("\nディスクの空き容量が不足しています。"))) << *report;
}
