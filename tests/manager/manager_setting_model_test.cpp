#include "manager/manager_setting_model.h"
#include "tests/manager/manager_fixture.h"

#include "common/language.h"

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::ManagerFixture;
using vermil::test::readFile;

TEST(ManagerSettingModel, OffersBothLanguagesSortedWithTheCurrentOneChosen) {
    struct Case {
        std::string current;
        int row;
        QString label;
    } cases[] = {
        {"Japanese", 1, "言語"},
        {"English", 0, "Language"},
        {"", -1, "Language"},
        {"Deutsch", -1, "Language"},
    };
    for (const Case& c : cases) {
        ManagerFixture f;
        const ManagerSettingModel model(HankoSettings(f.settingsFile), c.current);
        EXPECT_EQ(model.choices(), (QStringList{"English", "Japanese"}));
        EXPECT_EQ(model.selectedRow(), c.row) << c.current;
        EXPECT_EQ(model.labelText(), c.label) << c.current;
    }
}

TEST(ManagerSettingModel, OkStoresTheChoiceAndNothingChosenAsEmpty) {
    ManagerFixture f;
    ManagerSettingModel model(HankoSettings(f.settingsFile), "Japanese");
    model.selectRow(0);
    EXPECT_EQ(model.accept(), "English");
    EXPECT_EQ(f.setting("MAIN", "Lang"), "English");
    model.selectRow(-1);
    EXPECT_EQ(model.accept(), "");
    EXPECT_EQ(f.setting("MAIN", "Lang"), "");
    EXPECT_EQ(languageOf(HankoSettings(f.settingsFile).lang()), Language::English);
}

TEST(ManagerSettingModel, CloseWritesNothing) {
    ManagerFixture f;
    ASSERT_TRUE(writeIniString(f.settingsFile, "MAIN", "Lang", "Japanese"));
    const std::string before = readFile(f.settingsFile);
    {
        ManagerSettingModel model(HankoSettings(f.settingsFile), "Japanese");
        model.selectRow(0); // then Close: accept() is never called
    }
    EXPECT_EQ(readFile(f.settingsFile), before);
}
