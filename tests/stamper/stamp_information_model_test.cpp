// The stamp information dialog's text, from the document, in the language in force.
#include "stamper/view/stamp_information_model.h"
#include "stamper/view/stamp_information_texts.h"
#include "tests/stamper/document_fixture.h"

#include <gtest/gtest.h>

using namespace vermil;
using namespace vermil::test;

TEST(StampInformation, ANeverStampedObjectShowsTheEightLabelsEmpty) {
    DocumentFixture fixture;
    auto document = fixture.open();
    const StampInformationModel model(*document);
    EXPECT_EQ(model.language(), Language::English);
    EXPECT_EQ(model.text(), "Document No : \r\nDate : \r\nName : \r\nSection : \r\nComment : \r\n"
                            "Stamp Version :Ver5.6.4\r\nComputerName : " +
                                QString::fromStdString(document->stamp().computerName) +
                                "\r\nWindows UserID : " +
                                QString::fromStdString(document->stamp().windowsUser) + "\r\n");
    EXPECT_EQ(StampInformationTexts::of(Language::Japanese).windowTitle, "Stamp Information");
    EXPECT_EQ(StampInformationTexts::of(Language::English).close, "Close");
}

TEST(StampInformation, ShowsTheRecordedStampInTheLanguageInForceNow) {
    DocumentFixture fixture("[MAIN]\r\nLang=Japanese\r\n");
    auto document = fixture.open();
    document->loadNativeData(readFile(dataFile("stamper/SealStamp.bin")));
    const StampInformationModel model(*document);
    EXPECT_EQ(model.language(), Language::Japanese);
    EXPECT_EQ(model.text(), QStringLiteral("文書番号 : A-2012-0042\r\n"
                                           "承認日 : 2012年3月7日(水) 9時5分\r\n"
                                           "承認者 : 山田太郎\r\n"
                                           "承認者の所属 : 経理部\r\n"
                                           "コメント : 至急\r\n確認済み\r\n"
                                           "押印に使われたバージョン :Ver5.6.3\r\n"
                                           "押印に使われたコンピュータ :KEIRI-PC01\r\n"
                                           "押印時のWindows ユーザID : yamada\r\n"));
    document->setLanguage("English");
    EXPECT_TRUE(StampInformationModel(*document).text().startsWith("Document No : A-2012-0042"));
}
