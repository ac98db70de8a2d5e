// The key descriptors of hanko.ini: the table the settings dialogs bind to, and
// the typed accessors over it.
#include "common/hanko_settings.h"
#include "tests/support/test_environment.h"

#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace vermil;
using vermil::test::readFile;
using vermil::test::TempDir;
using vermil::test::writeFile;

TEST(HankoKeys, EachKeyIsListedOnceAndReadsItsDefault) {
    TempDir dir;
    const HankoSettings settings(dir / "hanko.ini");
    std::set<QString> places;
    for (const HankoKey* key : hankokeys::all) {
        // Sections and keys compare without regard to ASCII case.
        const QString place =
            QString::fromLatin1(key->section.data(), static_cast<qsizetype>(key->section.size()))
                .toLower() +
            "/" +
            QString::fromLatin1(key->key.data(), static_cast<qsizetype>(key->key.size())).toLower();
        EXPECT_TRUE(places.insert(place).second) << place.toStdString();
        if (key->kind == HankoValueKind::Number) {
            EXPECT_EQ(key->bufferSize, 0u) << key->key;
            EXPECT_EQ(std::to_string(settings.readNumber(*key)), key->fallback) << key->key;
        } else {
            EXPECT_GT(key->bufferSize, key->fallback.size()) << key->key;
            EXPECT_EQ(settings.read(*key), key->fallback) << key->key;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "hanko.ini"));
}

TEST(HankoKeys, TypedAccessorsGoThroughTheirKey) {
    TempDir dir;
    const HankoSettings settings(dir / "hanko.ini");
    struct Text {
        const HankoKey& key;
        std::function<std::string()> get;
        std::function<bool(std::string_view)> set;
    };
    const Text texts[] = {
        {hankokeys::lang, [&] { return settings.lang(); },
         [&](std::string_view v) { return settings.setLang(v); }},
        {hankokeys::vermilDataFile, [&] { return settings.vermilDataFile(); },
         [&](std::string_view v) { return settings.setVermilDataFile(v); }},
        {hankokeys::hankoLogFile, [&] { return settings.hankoLogFile().value_or("missing"); },
         [&](std::string_view v) { return settings.setHankoLogFile(v); }},
        {hankokeys::listBox, [&] { return settings.listBox(); },
         [&](std::string_view v) { return settings.setListBox(v); }},
        {hankokeys::dateFormat, [&] { return settings.dateFormat(); },
         [&](std::string_view v) { return settings.setDateFormat(v); }},
        {hankokeys::sizeX, [&] { return settings.sizeX(); },
         [&](std::string_view v) { return settings.setSizeX(v); }},
        {hankokeys::sizeY, [&] { return settings.sizeY(); },
         [&](std::string_view v) { return settings.setSizeY(v); }},
        {hankokeys::managerUp1, [&] { return settings.managerUp1(); },
         [&](std::string_view v) { return settings.setManagerUp1(v); }},
        {hankokeys::managerUp2, [&] { return settings.managerUp2(); },
         [&](std::string_view v) { return settings.setManagerUp2(v); }},
        {hankokeys::commonDocumentNo, [&] { return settings.commonDocumentNo(); },
         [&](std::string_view v) { return settings.setCommonDocumentNo(v); }},
    };
    // A value of its own for each key, longer than any buffer: the typed getter
    // cuts it to its key's buffer, and the setter writes where the key says.
    for (const Text& text : texts) {
        const std::string value = std::string(text.key.key) + std::string(300, 'v');
        ASSERT_TRUE(text.set(value)) << text.key.key;
        EXPECT_EQ(text.get(), value.substr(0, text.key.bufferSize - 1)) << text.key.key;
        EXPECT_EQ(settings.read(text.key, 1000), value) << text.key.key;
    }
    ASSERT_TRUE(settings.setLogFormat(7));
    ASSERT_TRUE(settings.setLog(false));
    EXPECT_EQ(settings.readNumber(hankokeys::logFormat), 7);
    EXPECT_EQ(settings.readNumber(hankokeys::log), 0);
    ASSERT_TRUE(settings.write(hankokeys::log, 1));
    EXPECT_EQ(settings.log(), 1);
}

TEST(HankoKeys, NumberKeysReadTheDecimalPrefixAndFallBackWhenEmpty) {
    TempDir dir;
    writeFile(dir / "hanko.ini", "[MAIN]\r\nLogFormat=12abc\r\n[VERMILIN]\r\nLog=\r\n");
    const HankoSettings settings(dir / "hanko.ini");
    EXPECT_EQ(settings.logFormat(), 12);
    EXPECT_EQ(settings.log(), 1);
    EXPECT_EQ(settings.read(hankokeys::logFormat, 100), "12abc");
    ASSERT_TRUE(settings.write(hankokeys::logFormat, -3));
    EXPECT_EQ(readFile(dir / "hanko.ini"), "[MAIN]\r\nLogFormat=-3\r\n[VERMILIN]\r\nLog=\r\n");
}
