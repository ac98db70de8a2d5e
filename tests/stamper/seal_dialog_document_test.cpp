// How the seal dialog meets the stamp document: the inputs it takes from the
// document and the outputs the document takes after OK, also for a stamp
// reopened from native data that someone else made.
#include "stamper/sealdialog/seal_dialog_document.h"
#include "tests/stamper/stamping_folder.h"

#include "common/platform_identity.h"
#include "stamper/document/document_start_dialogs.h"
#include "stamper/document/native_data.h"
#include "stamper/document/stamp_document.h"
#include "stamper/document/stamp_information_text.h"
#include "stamper/sealdialog/accepted_stamp.h"

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::StampingFolder;
using vermil::test::writeFile;

namespace {

class NoStartDialogs : public DocumentStartDialogs {
public:
    std::optional<std::string> chooseLanguage() override { return std::nullopt; }
    void editIndexSettings(CVermilinDoc&) override {}
};

const std::string keiri = sjis("経理部長");

// A stamp made by someone else on another computer with another version.
std::string someoneElsesStamp() {
    StampRecord stamp;
    stamp.approverName = sjis("前任者");
    stamp.windowsUser = "suzuki";
    stamp.computerName = "OLD-PC";
    stamp.programVersion = "Ver5.6.3";
    stamp.drawing.upperText1 = sjis("旧部署");
    stamp.shape = 1;
    return writeNativeData(stamp);
}

class SealDialogDocument : public ::testing::Test {
protected:
    SealDialogDocument() {
        folder.addSeal(keiri, "KEIRI");
        writeFile(folder.settingsFile,
                  sjis("[MAIN]\r\nLang=Japanese\r\nLogFormat=1\r\nHankoLogFile=" +
                       cp932ToUtf8(cp932Path(folder.logFile).value()) +
                       "\r\n[VERMILIN]\r\nLog=1\r\nListBox=経理部長\r\n"));
        UserProfile profile(QString::fromLatin1(stamperProfileTitle));
        profile.setUserValue("cpw", "1");
        profile.setUserValue("AutoStamp", "2");
        profile.setUserValue("drowssap", QString::fromStdString(encodePairs("KEIRI")));
    }
    std::optional<std::string> documents() const { return cp932Path(folder.hanko); }

    StampingFolder folder;
    RecordingPrompter prompter;
    NoStartDialogs dialogs;
};

} // namespace

TEST_F(SealDialogDocument, TheInputsAreTheDocumentsSettingsAndWhoWorksNow) {
    CVermilinDoc document(prompter, dialogs, documents());
    document.loadNativeData(someoneElsesStamp());
    const SealDialogInputs in = sealDialogInputsOf(document);
    EXPECT_EQ(in.settingsFilePath, cp932Path(folder.settingsFile).value());
    EXPECT_EQ(in.indexPath, folder.index.path());
    EXPECT_EQ(in.language, "Japanese");
    EXPECT_EQ(in.lastSeal, keiri);
    EXPECT_EQ(in.windowsUser, userName()); // not the reopened stamp's suzuki
    EXPECT_EQ(in.computerName, computerName());
    EXPECT_TRUE(in.logEnabled);
    EXPECT_EQ(in.logFormat, 1);
    EXPECT_EQ(in.logFilePath, cp932Path(folder.logFile).value());
    EXPECT_EQ(in.autoStamp, 2);
    EXPECT_TRUE(in.rememberPassword);

    const PasswordChangeInputs password = passwordChangeInputsOf(document);
    EXPECT_EQ(password.lastSeal, keiri);
    EXPECT_EQ(password.indexPath, folder.index.path());
    EXPECT_EQ(password.language, "Japanese");
}

TEST_F(SealDialogDocument, ANewStampInAReopenedObjectIsInTheNameOfWhoStampsNow) {
    CVermilinDoc document(prompter, dialogs, documents());
    document.loadNativeData(someoneElsesStamp());
    ASSERT_EQ(document.stamp().windowsUser, "suzuki");
    UserProfile profile(QString::fromLatin1(stamperProfileTitle));
    SealDialogModel model(sealDialogInputsOf(document), prompter, profile,
                          ColourFile(folder.colourFile), 0, test::march7th);
    model.start();
    ASSERT_TRUE(model.pressOkAtStart()); // AutoStamp 2 with the remembered password
    model.setComment(sjis("一行目\n二行目"));
    copySealDialogOutputs(model.outputs(), document);
    logAcceptedStamp(model.accepted(), prompter);

    // The log line names who stamps now ...
    const std::string log = readFile(folder.logFile);
    EXPECT_NE(log.find("," + userName() + "," + computerName() + ","), std::string::npos) << log;
    EXPECT_EQ(log.find("suzuki"), std::string::npos);
    // ... and so does the stamp, with this program's version.
    const StampRecord stored = readNativeData(document.saveNativeData());
    EXPECT_EQ(stored.windowsUser, userName());
    EXPECT_EQ(stored.computerName, computerName());
    EXPECT_EQ(stored.recordedVersion, "Ver5.6.4");
    EXPECT_EQ(document.stamp().recordedVersion, "Ver5.6.4");
    const std::string information = stampInformationText(document.stamp(), "English");
    EXPECT_NE(information.find("Windows UserID : " + userName()), std::string::npos);
    EXPECT_EQ(stored.approverName, "");
    EXPECT_EQ(stored.comment, sjis("一行目\r\n二行目"));
}

TEST_F(SealDialogDocument, TheDocumentTakesEveryOutput) {
    CVermilinDoc document(prompter, dialogs, documents());
    document.stamp().shape = 2;
    document.drawingInput().penWidth = 5;
    document.drawingInput().copyToClipboard = true;
    SealDialogOutputs out;
    out.sealName = "seal";
    out.documentNumber = "D-1";
    out.name = "N";
    out.section = "S";
    out.approvalDate = "A";
    out.sealDateText = "'12. 3. 7";
    out.upperText1 = "U1";
    out.upperText2 = "U2";
    out.lowerText = "L";
    out.comment = "C1\r\nC2";
    out.colour = 0x123456;
    out.password2 = "ABCDEF";
    out.sizeX = "21";
    out.sizeY = "18";
    out.sealFileText = "<Vermil>...</Vermil>";
    out.profileText = "<Shape></Shape>";
    out.fonts = {{"F2", "1", "10"}, {"F1", "0", "14"}, {"FD", "1", "16"}, {"FL", "", ""}};
    copySealDialogOutputs(out, document);

    EXPECT_EQ(document.lastSeal(), "seal");
    const StampRecord& s = document.stamp();
    EXPECT_EQ(s.documentNumber, "D-1");
    EXPECT_EQ(s.approverName, "N");
    EXPECT_EQ(s.section, "S");
    EXPECT_EQ(s.approvalDate, "A");
    EXPECT_EQ(s.comment, "C1\r\nC2");
    EXPECT_EQ(s.sealFileText, out.sealFileText);
    EXPECT_EQ(s.sealText, out.sealFileText);
    EXPECT_EQ(s.sizeX, "21");
    EXPECT_EQ(s.sizeY, "18");
    const SealDrawingInput& d = s.drawing;
    EXPECT_EQ(d.upperText1, "U1");
    EXPECT_EQ(d.upperText2, "U2");
    EXPECT_EQ(d.lowerText, "L");
    EXPECT_EQ(d.sealDateText, "'12. 3. 7");
    EXPECT_EQ(d.colour, 0x123456u);
    EXPECT_EQ(d.profileText, "<Shape></Shape>");
    EXPECT_EQ(d.fontUp2.name, "F2");
    EXPECT_EQ(d.fontUp.size, "14");
    EXPECT_EQ(d.fontDate.bold, "1");
    EXPECT_EQ(d.fontLow.name, "FL");
    // What the dialog does not set stays.
    EXPECT_EQ(s.shape, 2);
    EXPECT_EQ(d.penWidth, 5);
    EXPECT_TRUE(d.copyToClipboard);
}
