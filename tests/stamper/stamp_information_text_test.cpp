#include "stamper/document/stamp_information_text.h"
#include "stamper/document/stamp_record.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::sjis;

namespace {
StampRecord stamped() {
    StampRecord s;
    s.documentNumber = "A-0042";
    s.approvalDate = "Mar 7 2012(Wed) 9:5";
    s.approverName = sjis("山田太郎");
    s.section = sjis("経理部");
    s.comment = sjis("至急\r\n確認済み");
    s.recordedVersion = "Ver5.6.3";
    s.computerName = "KEIRI-PC01";
    s.windowsUser = "yamada";
    return s;
}

StampRecord empty() {
    StampRecord s;
    s.recordedVersion.clear();
    return s;
}
} // namespace

TEST(StampInformationText, EnglishLabelsForEveryLanguageButJapanese) {
    const std::string expected = sjis("Document No : A-0042\r\n"
                                      "Date : Mar 7 2012(Wed) 9:5\r\n"
                                      "Name : 山田太郎\r\n"
                                      "Section : 経理部\r\n"
                                      "Comment : 至急\r\n確認済み\r\n"
                                      "Stamp Version :Ver5.6.3\r\n"
                                      "ComputerName : KEIRI-PC01\r\n"
                                      "Windows UserID : yamada\r\n");
    for (const char* language : {"English", "", "japanese", "Japanese "})
        EXPECT_EQ(stampInformationText(stamped(), language), expected) << language;
}

TEST(StampInformationText, JapaneseLabels) {
    EXPECT_EQ(stampInformationText(stamped(), "Japanese"),
              sjis("文書番号 : A-0042\r\n"
                   "承認日 : Mar 7 2012(Wed) 9:5\r\n"
                   "承認者 : 山田太郎\r\n"
                   "承認者の所属 : 経理部\r\n"
                   "コメント : 至急\r\n確認済み\r\n"
                   "押印に使われたバージョン :Ver5.6.3\r\n"
                   "押印に使われたコンピュータ :KEIRI-PC01\r\n"
                   "押印時のWindows ユーザID : yamada\r\n"));
}

TEST(StampInformationText, EmptyValuesStillGiveEightLabelledLines) {
    EXPECT_EQ(stampInformationText(empty(), "English"),
              "Document No : \r\nDate : \r\nName : \r\nSection : \r\nComment : \r\n"
              "Stamp Version :\r\nComputerName : \r\nWindows UserID : \r\n");
    EXPECT_EQ(stampInformationText(empty(), "Japanese"),
              sjis("文書番号 : \r\n承認日 : \r\n承認者 : \r\n承認者の所属 : \r\nコメント : \r\n"
                   "押印に使われたバージョン :\r\n押印に使われたコンピュータ :\r\n"
                   "押印時のWindows ユーザID : \r\n"));
}
