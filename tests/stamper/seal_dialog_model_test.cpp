// The seal dialog without its window: start-up, the checks of a selected seal,
// OK and Cancel, on seals written by the suite's own seal writer, with exact
// message texts and the exact bytes of every file OK writes.
#include "stamper/sealdialog/seal_dialog_model.h"
#include "tests/stamper/stamping_folder.h"

#include "common/platform_identity.h"
#include "common/tag_text.h"
#include "sealfiles/seal_definition.h"
#include "stamplog/stamp_log.h"
#include "tests/support/recording_choosers.h"

#include <QDataStream>
#include <QSettings>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace vermil;
using vermil::test::readFile;
using vermil::test::SealDialogUnderTest;
using vermil::test::sjis;
using vermil::test::StampingFolder;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

using Outcome = SealDialogModel::Outcome;

const std::string keiri = sjis("経理部長");
const std::string soumu = sjis("総務課長");

void addTwoSeals(const StampingFolder& folder) {
    folder.addSeal(keiri, "KEIRI");
    folder.addSeal(soumu, "SOUMU", sjis("総務課"), sjis("鈴木"), "NN.0M.0D");
}

class SealDialog : public ::testing::Test {
protected:
    void SetUp() override { addTwoSeals(folder); }
    StampingFolder folder;
};

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A profile store that keeps every map it saves, so a test sees how many saves a
// write took and what each one left on disk.
std::vector<QSettings::SettingsMap>& profileSaves() {
    static std::vector<QSettings::SettingsMap> saves;
    return saves;
}

bool readCountedProfile(QIODevice& device, QSettings::SettingsMap& map) {
    QDataStream in(&device);
    in >> map;
    return in.status() == QDataStream::Ok;
}

bool writeCountedProfile(QIODevice& device, const QSettings::SettingsMap& map) {
    profileSaves().push_back(map);
    QDataStream out(&device);
    out << map;
    return out.status() == QDataStream::Ok;
}

const QString indexHashError =
    QStringLiteral("Error 428: Vermil Hash Error.\nインデックスファイルが"
                   "旧バージョンか、あるいは改ざんされている可能性があります。");

} // namespace

TEST_F(SealDialog, StartUpListsTheSealsInIndexOrderAndFormsTheDateTexts) {
    folder.addSeal("ABC", "X");
    for (const char* language : {"Japanese", "English"}) {
        SealDialogUnderTest t(folder, folder.inputs(language));
        t.model.start();
        EXPECT_EQ(t.model.sealNames(), (std::vector<std::string>{keiri, soumu, "ABC"}));
        EXPECT_FALSE(t.model.selectedRow());
        EXPECT_EQ(t.model.sealName(), "");
        EXPECT_TRUE(t.model.okEnabled());
        EXPECT_TRUE(t.prompter.messages.isEmpty());
        EXPECT_EQ(t.model.approvalDate(), std::string(language) == "Japanese"
                                              ? sjis("2012年3月7日(水) 9時5分")
                                              : "Mar 7 2012(Wed) 9:5");
    }
    EXPECT_EQ(&SealDialogUnderTest(folder, folder.inputs("Japanese")).model.texts(),
              &SealDialogTexts::of(Language::Japanese));
    EXPECT_EQ(&SealDialogUnderTest(folder, folder.inputs("")).model.texts(),
              &SealDialogTexts::of(Language::English));
}

TEST_F(SealDialog, PickingASealTakesItsRememberedFieldsAndItsSealFile) {
    writeFile(folder.settingsFile,
              sjis("[総務課長]\r\nDocumentNo=S-9\r\nItem=至急\r\nName=鈴木一郎\r\n"
                   "NameIn=旧\r\nSection=総務\r\nSectionIn=旧課\r\n"));
    writeIniString(folder.colourFile, soumu, "Color", "255");
    SealDialogUnderTest t(folder, folder.inputs());
    t.model.start();
    ASSERT_TRUE(t.model.selectSeal(1));
    EXPECT_EQ(t.model.sealName(), soumu);
    EXPECT_EQ(t.model.documentNumber(), "S-9");
    EXPECT_EQ(t.model.comment(), sjis("至急"));
    EXPECT_EQ(t.model.name(), sjis("鈴木一郎"));
    EXPECT_EQ(t.model.section(), sjis("総務"));
    // The seal's texts come from its file, not from what was remembered.
    EXPECT_EQ(t.model.upperText1(), sjis("総務課"));
    EXPECT_EQ(t.model.lowerText(), sjis("鈴木"));
    EXPECT_EQ(t.model.colour(), 255u);
    EXPECT_EQ(t.model.sealDateText(), "24.03.07"); // NN.0M.0D of 7 March 2012
    EXPECT_EQ(t.model.profileName(), "osprf_vrm_default.xml");
    const SealDialogOutputs out = t.model.outputs();
    EXPECT_EQ(out.sealFileText, readFile(folder.sealFile(soumu)));
    EXPECT_EQ(out.password2, hash6("SOUMU", "VRMMGR"));
    EXPECT_EQ(out.sizeX, "19");
    EXPECT_FALSE(out.profileText.empty());
    EXPECT_TRUE(t.prompter.messages.isEmpty());

    // A seal without remembered fields or colour: empty fields, the default colour.
    ASSERT_TRUE(t.model.selectSeal(0));
    EXPECT_EQ(t.model.documentNumber(), "");
    EXPECT_EQ(t.model.name(), "");
    EXPECT_EQ(t.model.colour(), 77055u);
    EXPECT_EQ(t.model.sealDateText(), "'12. 3. 7");
}

TEST_F(SealDialog, APresetDocumentNumberStandsForEverySealUntilTheFirstOk) {
    writeFile(folder.settingsFile, sjis("[Common]\r\nDocumentNo=PRESET-1\r\n"
                                        "[経理部長]\r\nDocumentNo=K-1\r\n"
                                        "[総務課長]\r\nDocumentNo=S-1\r\n"));
    {
        SealDialogUnderTest t(folder, folder.inputs());
        t.model.start();
        EXPECT_EQ(t.model.documentNumber(), "PRESET-1");
        for (std::size_t row : {0u, 1u, 0u}) {
            ASSERT_TRUE(t.model.selectSeal(row));
            EXPECT_EQ(t.model.documentNumber(), "PRESET-1") << row;
        }
        t.model.setPassword("KEIRI");
        ASSERT_EQ(t.okAndKeep(), Outcome::Accepted);
    }
    EXPECT_EQ(readIniValue(folder.settingsFile, "Common", "DocumentNo"), "");
    SealDialogUnderTest next(folder, folder.inputs());
    next.model.start();
    EXPECT_EQ(next.model.documentNumber(), "");
    ASSERT_TRUE(next.model.selectSeal(1));
    EXPECT_EQ(next.model.documentNumber(), "S-1");
    ASSERT_TRUE(next.model.selectSeal(0));
    EXPECT_EQ(next.model.documentNumber(), "PRESET-1"); // what the first OK remembered
}

TEST_F(SealDialog, TheLastSealIsPreselectedByTheMendedRule) {
    StampingFolder names;
    names.addSeal(sjis("経理部長代理"), "A");
    names.addSeal(keiri, "B");
    names.addSeal("abcd", "C");
    names.addSeal("ABC", "D");
    struct Case {
        std::string lastSeal;
        std::optional<std::size_t> row;
        std::string sealName;
    } const cases[] = {
        {keiri, 1, keiri}, // the exact entry, though a longer one comes first
        {"abc", 3, "ABC"}, // a case variant before an entry that only begins with it
        {sjis("経理"), 0, sjis("経理部長代理")}, // a prefix: the first in index order
        {"xyz", std::nullopt, ""},               // no match clears the name
    };
    for (const Case& c : cases) {
        SealDialogInputs in = names.inputs();
        in.lastSeal = c.lastSeal;
        SealDialogUnderTest t(names, in);
        t.model.start();
        EXPECT_EQ(t.model.selectedRow(), c.row) << cp932ToUtf8(c.lastSeal);
        EXPECT_EQ(t.model.sealName(), c.sealName) << cp932ToUtf8(c.lastSeal);
        EXPECT_TRUE(t.model.okEnabled());
        EXPECT_TRUE(t.prompter.messages.isEmpty());
        if (c.row) {
            EXPECT_EQ(t.model.upperText1(), sjis("経理部")); // the selection ran
        }
    }
}

TEST(SealDialogChecks, EachFailedCheckShowsItsMessageAndDisablesOkUntilAGoodSeal) {
    using Tamper = std::function<void(const StampingFolder&, const std::string& sealText)>;
    const auto cannotOpen = [](const StampingFolder& f) {
        return q("Error 430 : Vermilファイル ") + fromCp932(f.index.sealFolder() + keiri) +
               q(".vrm が開けません。");
    };
    struct Case {
        const char* what;
        Tamper tamper;
        QString message; // empty: Error 430 for the seal's path
    } const cases[] = {
        {"no Data", [](auto& f, auto&) { f.setIndexKey(keiri, "Data", ""); },
         q("Error 431 : Dataが空です。\nインデックスファイルが異常です。")},
        {"older index entry", [](auto& f, auto&) { f.setIndexKey(keiri, "Data", "x.vrm"); },
         q("Warning 429 : Vermilファイルの指定がありません。IndexFile が旧バージョンです。\n"
           "Vermil管理ツールを用いて再登録してください。")},
        {"seal file gone", [](auto& f, auto&) { std::filesystem::remove(f.sealFile(keiri)); }, {}},
        {"seal file over the readers' limit, its index code over the whole text",
         [](auto& f, const std::string& text) {
             std::string longer = text;
             longer.insert(longer.find("</Up2>"), std::string(maxSealTextBytes, 'x'));
             f.replaceSealText(keiri, "KEIRI", longer);
         },
         {}},
        {"5-byte Password2", [](auto& f, auto&) { f.setIndexKey(keiri, "Password2", "ABCDE"); },
         q("Error 435 : Indexファイルからの押印パスワード読み込みに失敗しました。")},
        {"7-byte Password2", [](auto& f, auto&) { f.setIndexKey(keiri, "Password2", "ABCDEFG"); },
         q("Error 435 : Indexファイルからの押印パスワード読み込みに失敗しました。")},
        {"one byte of the seal file changed",
         [](auto& f, const std::string& text) {
             std::string changed = text;
             changed[changed.find("<X>19") + 4] = '8';
             writeFile(f.sealFile(keiri), changed);
         },
         indexHashError},
        {"Up1 and the seal file's Hash changed consistently",
         [](auto& f, const std::string& text) {
             std::string changed = text;
             const std::string up1 = sjis("経理部");
             changed.replace(changed.find(up1), up1.size(), sjis("営業部"));
             const std::string oldHash = tagText(text, "Hash");
             changed.replace(changed.find(oldHash), oldHash.size(),
                             sealTextHash(sjis("営業部"), "", sjis("山田")));
             writeFile(f.sealFile(keiri), changed);
         },
         indexHashError},
        {"older seal file",
         [](auto& f, auto&) { f.replaceSealText(keiri, "KEIRI", "<Profile>p.xml</Profile>"); },
         q("Warning 426: インデックス 経理部長 が旧バージョンです。")},
        {"seal texts changed, the index code kept consistent",
         [](auto& f, const std::string& text) {
             std::string changed = text;
             changed.replace(changed.find(sjis("山田")), sjis("山田").size(), sjis("田中"));
             f.replaceSealText(keiri, "KEIRI", changed);
         },
         q("Error   424: Vermil Data Hash Error")},
    };
    for (const Case& c : cases) {
        StampingFolder folder;
        addTwoSeals(folder);
        c.tamper(folder, readFile(folder.sealFile(keiri)));
        SealDialogUnderTest t(folder, folder.inputs());
        t.model.start();
        ASSERT_TRUE(t.model.selectSeal(1)) << c.what;
        EXPECT_FALSE(t.model.selectSeal(0)) << c.what;
        const QString expected = c.message.isEmpty() ? cannotOpen(folder) : c.message;
        EXPECT_EQ(t.prompter.messages, QStringList{expected}) << c.what;
        EXPECT_FALSE(t.model.okEnabled()) << c.what;
        t.model.setPassword("KEIRI");
        EXPECT_EQ(t.model.accept(), Outcome::SealNotChecked) << c.what;
        EXPECT_EQ(t.prompter.messages.size(), 1) << c.what; // a disabled OK says nothing
        EXPECT_TRUE(t.model.selectSeal(1)) << c.what;
        EXPECT_TRUE(t.model.okEnabled()) << c.what;
        EXPECT_EQ(folder.settings(), "") << c.what;
        EXPECT_EQ(folder.colours(), "") << c.what;
        EXPECT_EQ(folder.log(), "") << c.what;
    }
}

TEST_F(SealDialog, AnUnreadableProfileWarnsAndLeavesOkEnabled) {
    // The profile the seal names is missing: Warning 425, and the selection goes on.
    std::string text = readFile(folder.sealFile(keiri));
    text.replace(text.find("osprf_vrm_default.xml"), 21, "missing.xml");
    folder.replaceSealText(keiri, "KEIRI", text);
    SealDialogUnderTest t(folder, folder.inputs());
    t.model.start();
    EXPECT_TRUE(t.model.selectSeal(0));
    EXPECT_EQ(t.prompter.messages,
              QStringList{q("Warning 425 : can't open the profile ") +
                          fromCp932(folder.index.sealFolder()) + q("missing.xml .")});
    EXPECT_TRUE(t.model.okEnabled());
    EXPECT_EQ(t.model.sealDateText(), "'12. 3. 7");
    EXPECT_EQ(t.model.outputs().profileText, ""); // none read before in this dialog
    t.model.setPassword("KEIRI");
    EXPECT_EQ(t.model.accept(), Outcome::Accepted);
}

TEST_F(SealDialog, FontsComeFromTheSealFileElseFromTheProfile) {
    // Written by the seal writer: the file names its fonts.
    SealDefinition withFonts;
    withFonts.up1 = sjis("経理部");
    withFonts.down = sjis("山田");
    withFonts.fonts.up1 = {sjis("ＭＳ 明朝"), "0", "12"};
    const std::string fileFonts = buildSealText(withFonts);
    folder.replaceSealText(keiri, "KEIRI", fileFonts);
    // An older seal file without a Font block: the fonts of its profile.
    std::string noFonts = fileFonts.substr(0, fileFonts.find("<Font>"));
    folder.replaceSealText(soumu, "SOUMU", noFonts);
    // A profile of its own with other fonts than the default one's.
    writeFile(nativePath(folder.index.sealFolder()) / "own.xml",
              "<Profile><Up1><Font><Name>P1</Name><B>1</B><Size>9</Size></Font></Up1>"
              "<Low1><Font><Name>P4</Name><B>0</B><Size>20</Size></Font></Low1></Profile>");

    SealDialogUnderTest t(folder, folder.inputs());
    t.model.start();
    ASSERT_TRUE(t.model.selectSeal(0));
    EXPECT_EQ(t.model.outputs().fonts.up1, (SealFont{sjis("ＭＳ 明朝"), "0", "12"}));
    EXPECT_EQ(t.model.outputs().fonts.low1, withFonts.fonts.low1);

    ASSERT_TRUE(t.model.selectSeal(1));
    const SealFonts profileFonts = t.model.outputs().fonts;
    EXPECT_EQ(profileFonts.up1, (SealFont{sjis("ＭＳ Ｐゴシック"), "1", "14"})); // default profile
    EXPECT_EQ(profileFonts.low1, (SealFont{sjis("ＭＳ Ｐゴシック"), "1", "18"}));

    // Warning 425 on a seal without fonts: those of the profile read before.
    std::string ownProfile = noFonts;
    ownProfile.replace(ownProfile.find("osprf_vrm_default.xml"), 21, "gone.xml");
    folder.replaceSealText(soumu, "SOUMU", ownProfile);
    ASSERT_TRUE(t.model.selectSeal(1));
    EXPECT_EQ(t.model.outputs().fonts, profileFonts);
    EXPECT_TRUE(t.model.okEnabled());

    std::string own = noFonts;
    own.replace(own.find("osprf_vrm_default.xml"), 21, "own.xml");
    folder.replaceSealText(soumu, "SOUMU", own);
    ASSERT_TRUE(t.model.selectSeal(1));
    EXPECT_EQ(t.model.outputs().fonts.up1, (SealFont{"P1", "1", "9"}));
    EXPECT_EQ(t.model.outputs().fonts.low1, (SealFont{"P4", "0", "20"}));
    EXPECT_EQ(t.model.outputs().fonts.up2, (SealFont{}));
}

TEST_F(SealDialog, AWrongPasswordKeepsTheDialogOpenInBothLanguages) {
    const std::pair<const char*, QString> languages[] = {
        {"Japanese", q("Error 1315: パスワードが一致しません。")},
        {"English", q("Error 1315: Password is incorrect.")},
    };
    for (const auto& [language, message] : languages) {
        SealDialogUnderTest t(folder, folder.inputs(language));
        t.model.start();
        ASSERT_TRUE(t.model.selectSeal(0));
        t.model.setPassword("keiri"); // a box turns it into capitals; a model takes it as is
        EXPECT_EQ(t.model.accept(), Outcome::WrongPassword);
        EXPECT_EQ(t.prompter.messages, QStringList{message});
        EXPECT_EQ(t.model.password(), "keiri");
        EXPECT_TRUE(t.model.okEnabled());
        t.model.setPassword("KEIRI");
        EXPECT_EQ(t.model.accept(), Outcome::Accepted);
    }
}

TEST_F(SealDialog, OkWithoutASealAsksForOneInBothLanguages) {
    const std::pair<const char*, QString> languages[] = {
        {"Japanese", q("印名が選択されていません。\n")},
        {"English", q("Vermil name has not been selected.\n")},
    };
    for (const auto& [language, message] : languages) {
        SealDialogUnderTest t(folder, folder.inputs(language));
        t.model.start();
        EXPECT_EQ(t.model.accept(), Outcome::NoSealSelected);
        EXPECT_EQ(t.prompter.messages, QStringList{message});
    }
    EXPECT_EQ(folder.settings(), "");
    EXPECT_EQ(folder.log(), "");
}

// OK writes nothing: the accepted stamp is logged and remembered only once the
// stamp is written (by the stamping transaction).
TEST_F(SealDialog, OkWritesNothingThenTheAcceptedStampLogsAndRemembersEveryFieldInOrder) {
    writeFile(folder.settingsFile, "[Common]\r\nDocumentNo=\r\n");
    SealDialogInputs in = folder.inputs();
    in.lastSeal = keiri;
    SealDialogUnderTest t(folder, in);
    t.model.start();
    t.model.setDocumentNumber("A-2012-0042");
    t.model.setName(sjis("山田太郎"));
    t.model.setSection(sjis("経理部"));
    t.model.setComment(sjis("至急\n確認済み"));
    t.model.setSealDateText("'12. 3. 8");
    t.model.setPassword("KEIRI");
    t.model.setColour(0x00FF0000);
    EXPECT_EQ(t.model.accept(), Outcome::Accepted);
    EXPECT_TRUE(t.prompter.messages.isEmpty());
    EXPECT_EQ(folder.log(), "");
    EXPECT_EQ(folder.settings(), "[Common]\r\nDocumentNo=\r\n");
    EXPECT_EQ(folder.colours(), "");
    EXPECT_EQ(t.profile.userValue("cpw", "unset"), "unset");

    t.keep();
    EXPECT_TRUE(t.prompter.messages.isEmpty());
    EXPECT_EQ(folder.log(), sjis("A-2012-0042|2012/03/07|09:05|山田太郎|経理部|至急|yamada|"
                                 "KEIRI-PC01|") +
                                stampLogCheckCode(stampLogFields(
                                    {"A-2012-0042", "2012/03/07", "09:05", sjis("山田太郎"),
                                     sjis("経理部"), sjis("至急"), "yamada", "KEIRI-PC01"})) +
                                "|\r\n");
    EXPECT_EQ(folder.settings(), sjis("[Common]\r\nDocumentNo=\r\n"
                                      "[経理部長]\r\n"
                                      "Date=2012年3月7日(水) 9時5分\r\n"
                                      "DateIn='12. 3. 8\r\n"
                                      "Item=至急\r\n"
                                      "Name=山田太郎\r\n"
                                      "NameIn=山田\r\n"
                                      "Section=経理部\r\n"
                                      "SectionIn=経理部\r\n"
                                      "DocumentNo=A-2012-0042\r\n"
                                      "[VERMILIN]\r\nListBox=経理部長\r\n"));
    EXPECT_EQ(folder.colours(), sjis("[経理部長]\r\nColor=16711680\r\n"));
    // The document takes the whole comment.
    EXPECT_EQ(t.model.outputs().comment, sjis("至急\r\n確認済み"));
    EXPECT_EQ(t.profile.userValue("drowssap", "unset"), "");
    EXPECT_EQ(t.profile.userValue("cpw", "unset"), "0");
}

TEST_F(SealDialog, SavePasswordKeepsItsCodeAndTheNextDialogTakesItBack) {
    {
        SealDialogUnderTest t(folder, folder.inputs());
        t.model.start();
        ASSERT_TRUE(t.model.selectSeal(0));
        t.model.setPassword("KEIRI");
        t.model.setSavePassword(true);
        ASSERT_EQ(t.okAndKeep(), Outcome::Accepted);
        EXPECT_EQ(t.profile.userValue("drowssap", ""),
                  QString::fromStdString(encodePairs("KEIRI")));
        EXPECT_EQ(t.profile.userValue("cpw", ""), "1");
    }
    SealDialogInputs in = folder.inputs();
    in.rememberPassword = true;
    {
        SealDialogUnderTest t(folder, in);
        t.model.start();
        EXPECT_TRUE(t.model.savePassword());
        EXPECT_EQ(t.model.password(), "KEIRI");
        EXPECT_TRUE(t.prompter.messages.isEmpty());
        // Unticked, the next OK forgets it.
        ASSERT_TRUE(t.model.selectSeal(0));
        t.model.setSavePassword(false);
        ASSERT_EQ(t.okAndKeep(), Outcome::Accepted);
        EXPECT_EQ(t.profile.userValue("drowssap", "unset"), "");
        EXPECT_EQ(t.profile.userValue("cpw", ""), "0");
    }
    SealDialogUnderTest t(folder, in);
    t.model.start();
    EXPECT_EQ(t.prompter.messages, QStringList{q("Warning 432: can't find kept password.")});
    EXPECT_EQ(t.model.password(), "");
    EXPECT_TRUE(t.model.savePassword());
}

// The password's code and its flag go to the profile in one save: a stamp killed
// between two saves would leave cpw=1 without its drowssap (Warning 432 next time).
TEST_F(SealDialog, TheRememberedPasswordAndItsFlagGoToTheProfileInOneSave) {
    static const QSettings::Format counted = QSettings::registerFormat(
        QStringLiteral("counted"), readCountedProfile, writeCountedProfile);
    const QString code = QString::fromStdString(encodePairs("KEIRI"));
    const QString section = QString::fromStdString(userName()) + QLatin1Char('/');
    struct Case {
        bool keptBefore;
        bool save;
        const char* cpw;
        bool codeKept;
    };
    for (const Case& c : {Case{false, true, "1", true}, Case{true, false, "0", false},
                          Case{true, true, "1", true}, Case{false, false, "0", false}}) {
        SCOPED_TRACE(testing::Message() << "kept before " << c.keptBefore << ", save " << c.save);
        TempDir store;
        UserProfile profile(std::make_unique<QSettings>(
            QString::fromStdString((store / "vermilin.counted").string()), counted));
        if (c.keptBefore) {
            ASSERT_TRUE(profile.setUserValues({{"drowssap", code}, {"cpw", "1"}}));
        }
        profileSaves().clear();

        RecordingPrompter prompter;
        SealDialogInputs in = folder.inputs();
        in.rememberPassword = c.keptBefore;
        SealDialogModel model(in, prompter, profile, ColourFile(folder.colourFile), 0,
                              vermil::test::march7th);
        model.start();
        ASSERT_TRUE(model.selectSeal(0));
        model.setPassword("KEIRI");
        model.setSavePassword(c.save);
        ASSERT_EQ(model.accept(), Outcome::Accepted);
        rememberAcceptedStamp(model.accepted(), profile);

        ASSERT_EQ(profileSaves().size(), 1U);
        const QSettings::SettingsMap& saved = profileSaves().front();
        EXPECT_EQ(saved.value(section + "cpw").toString(), QString::fromLatin1(c.cpw));
        EXPECT_EQ(saved.value(section + "drowssap").toString(), c.codeKept ? code : QString());
        EXPECT_TRUE(prompter.messages.isEmpty());
    }
}

TEST_F(SealDialog, AutoStampWithARememberedPasswordStampsWithoutTheUser) {
    SealDialogInputs in = folder.inputs();
    in.lastSeal = soumu;
    in.rememberPassword = true;
    in.autoStamp = 1;
    UserProfile(QString::fromLatin1(stamperProfileTitle))
        .setUserValue("drowssap", QString::fromStdString(encodePairs("SOUMU")));
    {
        SealDialogUnderTest t(folder, in);
        t.model.start();
        EXPECT_TRUE(t.model.pressOkAtStart());
        EXPECT_TRUE(t.prompter.messages.isEmpty());
        EXPECT_EQ(t.model.outputs().sealName, soumu);
        // Accepted, not written: the log line waits for the stamp's output.
        EXPECT_EQ(folder.log(), "");
        EXPECT_EQ(t.model.accepted().logEntry.user, "yamada");
        EXPECT_EQ(t.model.accepted().logEntry.computer, "KEIRI-PC01");
    }
    // Without AutoStamp, or without the remembered password, nothing is pressed.
    for (const auto& [mode, remember] : {std::pair{0, true}, std::pair{1, false}}) {
        SealDialogInputs other = in;
        other.autoStamp = mode;
        other.rememberPassword = remember;
        SealDialogUnderTest t(folder, other);
        t.model.start();
        EXPECT_FALSE(t.model.pressOkAtStart());
    }
    // A seal deleted since: the name is cleared, OK asks for a seal and the dialog waits.
    ASSERT_TRUE(folder.index.remove(1));
    const std::string logBefore = folder.log();
    for (const auto& [language, message] :
         {std::pair{"English", q("Vermil name has not been selected.\n")},
          std::pair{"Japanese", q("印名が選択されていません。\n")}}) {
        in.language = language;
        SealDialogUnderTest t(folder, in);
        t.model.start();
        EXPECT_FALSE(t.model.pressOkAtStart());
        EXPECT_EQ(t.model.sealName(), "");
        EXPECT_EQ(t.prompter.messages, QStringList{message});
    }
    EXPECT_EQ(folder.log(), logBefore);
}

TEST_F(SealDialog, AutoStampNeverPressesOkOnASealThatFailedItsChecks) {
    folder.setIndexKey(soumu, "Password2", "ABCDE");
    SealDialogInputs in = folder.inputs();
    in.lastSeal = soumu;
    in.rememberPassword = true;
    in.autoStamp = 2;
    UserProfile(QString::fromLatin1(stamperProfileTitle))
        .setUserValue("drowssap", QString::fromStdString(encodePairs("SOUMU")));
    SealDialogUnderTest t(folder, in);
    t.model.start();
    EXPECT_FALSE(t.model.pressOkAtStart());
    EXPECT_EQ(
        t.prompter.messages,
        QStringList{q("Error 435 : Indexファイルからの押印パスワード読み込みに失敗しました。")});
    EXPECT_EQ(folder.log(), "");
    EXPECT_EQ(folder.settings(), "");
}

TEST_F(SealDialog, CancelAfterAGoodSelectionWritesNothing) {
    writeFile(folder.settingsFile,
              sjis("[Common]\r\nDocumentNo=P-1\r\n[経理部長]\r\nName=山田\r\n"));
    writeIniString(folder.colourFile, keiri, "Color", "255");
    writeFile(folder.logFile, "earlier line\r\n");
    const std::string settings = folder.settings();
    const std::string colours = folder.colours();
    const std::string index = readFile(folder.indexFile);
    const QString profileFile = UserProfile(QString::fromLatin1(stamperProfileTitle)).fileName();
    {
        SealDialogUnderTest t(folder, folder.inputs());
        t.model.start();
        ASSERT_TRUE(t.model.selectSeal(0));
        t.model.setName(sjis("別人"));
        t.model.setPassword("KEIRI");
        t.model.setSavePassword(true);
        RecordingColourChooser chooser;
        chooser.answers = {0x00123456u};
        EXPECT_TRUE(t.model.chooseColour(chooser));
        EXPECT_EQ(chooser.offered, std::vector<std::uint32_t>{255u});
        EXPECT_EQ(chooser.titles, std::vector<QString>{q("印の色")});
        EXPECT_EQ(t.model.previewInput().colour, 0x00123456u);
        // Cancel: the dialog ends without OK.
    }
    EXPECT_EQ(folder.settings(), settings);
    EXPECT_EQ(folder.colours(), colours);
    EXPECT_EQ(folder.log(), "earlier line\r\n");
    EXPECT_EQ(readFile(folder.indexFile), index);
    EXPECT_FALSE(QFile::exists(profileFile));
}

TEST_F(SealDialog, ThePreviewShowsTheSealInItsColour) {
    SealDialogUnderTest t(folder, folder.inputs());
    t.model.start();
    ASSERT_TRUE(t.model.selectSeal(1));
    const SealDrawingInput preview = t.model.previewInput();
    EXPECT_EQ(preview.upperText1, sjis("総務課"));
    EXPECT_EQ(preview.lowerText, sjis("鈴木"));
    EXPECT_EQ(preview.sealDateText, "24.03.07");
    EXPECT_EQ(preview.colour, 77055u);
    EXPECT_EQ(preview.fontUp.name, sjis("ＭＳ Ｐゴシック")); // the fonts the seal file names
    EXPECT_FALSE(preview.profileText.empty());
    t.model.setSealDateText("24.03.08");
    EXPECT_EQ(t.model.previewInput().sealDateText, "24.03.08");
}
