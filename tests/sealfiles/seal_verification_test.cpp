#include "sealfiles/seal_verification.h"
#include "sealfiles/seal_writer.h"

#include "common/ini/ini_store.h"
#include "common/keyed_hash.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace vermil;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

// One registered seal "seal" with password "PW", ready to be tampered with.
struct RegisteredSeal {
    TempDir dir;
    std::filesystem::path indexFile = dir / "index.dat";
    std::filesystem::path sealFile = dir / "seal.vrm";
    SealIndex index{indexFile.string()};

    RegisteredSeal() {
        SealRecord seal;
        seal.name = "seal";
        seal.password = "PW";
        seal.definition.up1 = sjis("経理部");
        seal.definition.down = sjis("山田");
        EXPECT_EQ(writeSeal(index, seal, SealEntryKind::New).status, SealWriteStatus::Written);
    }
    void setKey(std::string_view key, std::string_view value) const {
        ASSERT_TRUE(writeIniString(indexFile, "seal", key, value));
    }
    // Rewrites the seal file and makes the index code match it again.
    void replaceSealFile(const std::string& text) const {
        writeFile(sealFile, text);
        setKey("Hash", hash6(text + hash6("PW", "VRMMGR"), "VRM77G"));
    }
};

} // namespace

TEST(SealVerification, AWrittenSealPasses) {
    RegisteredSeal s;
    const SealVerification v = verifySeal(s.index, "seal");
    EXPECT_TRUE(v.passed());
    EXPECT_TRUE(v.message().isEmpty());
    EXPECT_EQ(v.content.up1, sjis("経理部"));
    EXPECT_EQ(v.sealText, readFile(s.sealFile));
}

TEST(SealVerification, TellsWhichCheckFailed) {
    struct Case {
        const char* what;
        std::function<void(const RegisteredSeal&)> tamper;
        SealCheck failed;
    } cases[] = {
        {"no entry", [](const RegisteredSeal& s) { s.setKey("Data", ""); }, SealCheck::DataEmpty},
        {"older entry", [](const RegisteredSeal& s) { s.setKey("Data", "seal.vrm"); },
         SealCheck::NoSealFileNamed},
        {"seal file gone", [](const RegisteredSeal& s) { std::filesystem::remove(s.sealFile); },
         SealCheck::SealFileUnreadable},
        {"short code", [](const RegisteredSeal& s) { s.setKey("Password2", "ABCDE"); },
         SealCheck::PasswordCodeLength},
        {"long code", [](const RegisteredSeal& s) { s.setKey("Password2", "ABCDEFG"); },
         SealCheck::PasswordCodeLength},
        {"one byte of Password2",
         [](const RegisteredSeal& s) {
             std::string code = hash6("PW", "VRMMGR");
             code[5] = code[5] == 'A' ? 'B' : 'A';
             s.setKey("Password2", code);
         },
         SealCheck::IndexHashMismatch},
        {"one byte of the seal file",
         [](const RegisteredSeal& s) {
             std::string text = readFile(s.sealFile);
             text[text.find("<X>19") + 4] = '8';
             writeFile(s.sealFile, text);
         },
         SealCheck::IndexHashMismatch},
        {"a line break added",
         [](const RegisteredSeal& s) { writeFile(s.sealFile, readFile(s.sealFile) + "\r\n"); },
         SealCheck::Passed}, // readers join lines: the text read back is the same
        {"older seal file",
         [](const RegisteredSeal& s) { s.replaceSealFile("<Profile>p.xml</Profile>"); },
         SealCheck::NoVermilElement},
        {"texts changed, both codes of the index kept consistent",
         [](const RegisteredSeal& s) {
             std::string text = readFile(s.sealFile);
             text.replace(text.find(sjis("山田")), sjis("山田").size(), sjis("田中"));
             s.replaceSealFile(text);
         },
         SealCheck::SealHashMismatch},
    };
    for (const auto& c : cases) {
        RegisteredSeal s;
        c.tamper(s);
        EXPECT_EQ(verifySeal(s.index, "seal").failed, c.failed) << c.what;
    }
}

TEST(SealVerification, MessagesAreTheSealDialogs) {
    SealVerification v;
    v.sealName = sjis("総務");
    v.sealFilePath = sjis("/data/vrdata/総務.vrm");
    const std::pair<SealCheck, QString> expected[] = {
        {SealCheck::DataEmpty,
         QStringLiteral("Error 431 : Dataが空です。\nインデックスファイルが異常です。")},
        {SealCheck::NoSealFileNamed,
         QStringLiteral("Warning 429 : Vermilファイルの指定がありません。IndexFile が旧バージョン"
                        "です。\nVermil管理ツールを用いて再登録してください。")},
        {SealCheck::SealFileUnreadable,
         QStringLiteral("Error 430 : Vermilファイル /data/vrdata/総務.vrm が開けません。")},
        {SealCheck::PasswordCodeLength,
         QStringLiteral("Error 435 : Indexファイルからの押印パスワード読み込みに失敗しました。")},
        {SealCheck::IndexHashMismatch,
         QStringLiteral("Error 428: Vermil Hash Error.\nインデックスファイルが旧バージョンか、"
                        "あるいは改ざんされている可能性があります。")},
        {SealCheck::NoVermilElement,
         QStringLiteral("Warning 426: インデックス 総務 が旧バージョンです。")},
        {SealCheck::SealHashMismatch, QStringLiteral("Error   424: Vermil Data Hash Error")},
    };
    for (const auto& [check, text] : expected) {
        v.failed = check;
        EXPECT_EQ(v.message(), text);
    }
}

TEST(SealVerification, ASealFileOverTheReadersLimitIsRefusedAsUnreadable) {
    RegisteredSeal s;
    const std::string registered = readFile(s.sealFile);
    const auto paddedUp2 = [&registered](std::size_t bytes) {
        std::string text = registered;
        text.insert(text.find("</Up2>"), std::string(bytes, 'x'));
        return text;
    };
    // Readers take 1023 bytes. One byte more, with an index code that matches the
    // cut form, must not pass as that cut form: Error 430, as for a file that
    // cannot be opened.
    const std::string over = paddedUp2(maxSealTextBytes + 1 - registered.size());
    writeFile(s.sealFile, over);
    s.setKey("Hash", hash6(over.substr(0, maxSealTextBytes) + hash6("PW", "VRMMGR"), "VRM77G"));
    const SealVerification v = verifySeal(s.index, "seal");
    EXPECT_EQ(v.failed, SealCheck::SealFileUnreadable);
    EXPECT_EQ(v.message(), QStringLiteral("Error 430 : Vermilファイル ") +
                               QString::fromStdString(v.sealFilePath) +
                               QStringLiteral(" が開けません。"));

    // Exactly at the limit, a line end after it, the text is read whole (and its
    // padded Up2 no longer matches the seal's own code).
    const std::string atLimit = paddedUp2(maxSealTextBytes - registered.size());
    s.replaceSealFile(atLimit);
    writeFile(s.sealFile, atLimit + "\r\n");
    EXPECT_EQ(verifySeal(s.index, "seal").failed, SealCheck::SealHashMismatch);
}
