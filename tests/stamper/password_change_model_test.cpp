// The password change without its window: the sorted list, the checks of a
// selected seal, every check of OK in order, and the one write of both codes.
#include "stamper/sealdialog/password_change_model.h"
#include "tests/stamper/stamping_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace vermil;
using vermil::test::readFile;
using vermil::test::SealDialogUnderTest;
using vermil::test::sjis;
using vermil::test::StampingFolder;
using vermil::test::writeFile;

namespace {

using Outcome = PasswordChangeModel::Outcome;

const std::string keiri = sjis("経理部長");

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct PasswordChangeUnderTest {
    PasswordChangeUnderTest(const StampingFolder& folder, std::string lastSeal,
                            std::string language = "Japanese")
        : model({std::move(lastSeal), folder.index.path(), std::move(language)}, prompter) {
        model.start();
    }
    void type(std::string old, std::string fresh, std::string again) {
        model.setOldPassword(std::move(old));
        model.setNewPassword(std::move(fresh));
        model.setNewPasswordAgain(std::move(again));
    }
    RecordingPrompter prompter;
    PasswordChangeModel model;
};

class PasswordChange : public ::testing::Test {
protected:
    void SetUp() override {
        folder.addSeal("beta", "B");
        folder.addSeal(keiri, "KEIRI");
        folder.addSeal("Alpha", "A");
    }
    std::string index() const { return readFile(folder.indexFile); }
    StampingFolder folder;
};

// Makes every file written while it lives fail past its first bytes, even for
// root: the index can be read, but no new one written.
class FileWritesFail {
public:
    FileWritesFail() {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileWritesFail() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

} // namespace

TEST_F(PasswordChange, TheListIsSortedAndTheLastSealPreselectedWithoutChecks) {
    folder.setIndexKey("beta", "Data", ""); // broken, but preselection checks nothing
    folder.addSeal("alpha2", "X");
    PasswordChangeUnderTest t(folder, "BETA");
    EXPECT_EQ(t.model.sealNames(), (std::vector<std::string>{"Alpha", "alpha2", "beta", keiri}));
    EXPECT_EQ(t.model.selectedRow(), 2u);
    EXPECT_TRUE(t.model.okEnabled());
    EXPECT_TRUE(t.prompter.messages.isEmpty());

    EXPECT_EQ(PasswordChangeUnderTest(folder, "alpha").model.selectedRow(), 0u);  // case variant
    EXPECT_EQ(PasswordChangeUnderTest(folder, "alpha2").model.selectedRow(), 1u); // exact
    EXPECT_EQ(PasswordChangeUnderTest(folder, "alp").model.selectedRow(), 0u);    // prefix
    EXPECT_FALSE(PasswordChangeUnderTest(folder, "gamma").model.selectedRow());
    EXPECT_EQ(&PasswordChangeUnderTest(folder, "", "English").model.texts(),
              &PasswordChangeTexts::of(Language::English));
}

TEST_F(PasswordChange, SelectingASealChecksItAndSetsOk) {
    struct Case {
        const char* what;
        std::function<void(const StampingFolder&)> tamper;
        QString message;
    } const cases[] = {
        {"no Data", [](auto& f) { f.setIndexKey("beta", "Data", ""); },
         q("Error 1311 : IndexHash error.\nThe format of Index File is old. Plese Update it.")},
        {"older entry", [](auto& f) { f.setIndexKey("beta", "Data", "beta.vrm"); },
         q("Error 1313 : The format of Index File is old. Plese Update it.")},
        {"seal file gone", [](auto& f) { std::filesystem::remove(f.sealFile("beta")); },
         q("Error 1312 : can't open vrm file.")},
        {"seal file changed",
         [](auto& f) { writeFile(f.sealFile("beta"), readFile(f.sealFile("beta")) + "x"); },
         q("Error 1316 : IndexHash error.")},
    };
    for (const Case& c : cases) {
        StampingFolder f;
        f.addSeal("beta", "B");
        f.addSeal("gamma", "G");
        c.tamper(f);
        PasswordChangeUnderTest t(f, "");
        EXPECT_FALSE(t.model.selectSeal(0)) << c.what;
        EXPECT_FALSE(t.model.okEnabled()) << c.what;
        EXPECT_EQ(t.prompter.messages, QStringList{c.message}) << c.what;
        EXPECT_TRUE(t.model.selectSeal(1)) << c.what;
        EXPECT_TRUE(t.model.okEnabled()) << c.what;
    }
}

TEST_F(PasswordChange, OkChecksEverythingInOrderAndWritesNothingWhenOneFails) {
    struct Case {
        const char* what;
        std::string lastSeal;
        std::array<std::string, 3> typed;
        std::function<void(const StampingFolder&)> tamper;
        QString message; // empty: Error 1310 with the seal file's path
    } const cases[] = {
        {"no seal",
         "",
         {"B", "N", "N"},
         {},
         q("Error 1300 : パスワードを変更するVermil名が選択されていません。")},
        {"no old password",
         "beta",
         {"", "N", "N"},
         {},
         q("Error 1301 : 現在のパスワードが入力されていません。")},
        {"no new password",
         "beta",
         {"B", "", "N"},
         {},
         q("Error 1302 : 新しいパスワードが入力されていません。")},
        {"no repeated password",
         "beta",
         {"B", "N", ""},
         {},
         q("Error 1303 : 新しいパスワードが入力されていません。")},
        {"new passwords differ",
         "beta",
         {"B", "N", "M"},
         {},
         q("Error 1304 : ２つの新しいパスワードが一致しません。")},
        {"no Data",
         "beta",
         {"B", "N", "N"},
         [](auto& f) { f.setIndexKey("beta", "Data", ""); },
         q("Error 1307 : Dataが空です。\nインデックスファイルが異常です。")},
        {"older entry",
         "beta",
         {"B", "N", "N"},
         [](auto& f) { f.setIndexKey("beta", "Data", "beta.vrm"); },
         q("Warning 1309 : Vermilファイルの指定がありません。IndexFile が旧バージョンです。\n"
           "Vermil管理ツールを用いて再登録してください。")},
        {"seal file gone",
         "beta",
         {"B", "N", "N"},
         [](auto& f) { std::filesystem::remove(f.sealFile("beta")); },
         {}},
        {"no Hash",
         "beta",
         {"B", "N", "N"},
         [](auto& f) { f.setIndexKey("beta", "Hash", ""); },
         q("Error 1308 : Hash Error\nインデックスファイルが異常です。")},
        {"no Password2",
         "beta",
         {"B", "N", "N"},
         [](auto& f) { f.setIndexKey("beta", "Password2", ""); },
         q("Error 1305 : "
           "現在のパスワード情報を得ることができません。\nインデックスファイルが異常です。")},
        {"wrong old password",
         "beta",
         {"X", "N", "N"},
         {},
         q("Error 1306 : 現在のパスワードが一致しません。")},
        {"seal file changed since registration, old password right",
         "beta",
         {"B", "N", "N"},
         [](auto& f) { writeFile(f.sealFile("beta"), readFile(f.sealFile("beta")) + "x"); },
         q("Error 1309 : Hash Error")},
    };
    for (const Case& c : cases) {
        StampingFolder f;
        f.addSeal("beta", "B");
        if (c.tamper)
            c.tamper(f);
        const std::string before = readFile(f.indexFile);
        PasswordChangeUnderTest t(f, c.lastSeal);
        t.type(c.typed[0], c.typed[1], c.typed[2]);
        EXPECT_EQ(t.model.accept(), Outcome::Refused) << c.what;
        const QString message = !c.message.isEmpty()
                                    ? c.message
                                    : q("Error 1310 : Vermilファイル ") +
                                          fromCp932(f.index.sealFolder() + "beta.vrm") +
                                          q(" が開けません。");
        EXPECT_EQ(t.prompter.messages, QStringList{message}) << c.what;
        EXPECT_EQ(readFile(f.indexFile), before) << c.what;
    }
}

TEST_F(PasswordChange, ANewPasswordWorksInTheSealDialogAndTheOldOneNoLonger) {
    PasswordChangeUnderTest change(folder, keiri);
    change.type("KEIRI", "NEW1", "NEW1");
    EXPECT_EQ(change.model.accept(), Outcome::Changed);
    EXPECT_EQ(change.prompter.messages, QStringList{q("パスワードが変更されました。")});
    const std::string text = readFile(folder.sealFile(keiri));
    const SealIndexEntry entry = folder.index.readEntry(keiri);
    EXPECT_EQ(entry.password2, hash6("NEW1", "VRMMGR"));
    EXPECT_EQ(entry.hash, hash6(text + hash6("NEW1", "VRMMGR"), "VRM77G"));

    SealDialogInputs in = folder.inputs();
    in.lastSeal = keiri;
    SealDialogUnderTest stamp(folder, in);
    stamp.model.start();
    EXPECT_TRUE(stamp.model.okEnabled());
    stamp.model.setPassword("KEIRI");
    EXPECT_EQ(stamp.model.accept(), SealDialogModel::Outcome::WrongPassword);
    EXPECT_EQ(stamp.prompter.messages, QStringList{q("Error 1315: パスワードが一致しません。")});
    stamp.model.setPassword("NEW1");
    EXPECT_EQ(stamp.model.accept(), SealDialogModel::Outcome::Accepted);
}

TEST_F(PasswordChange, TheSamePasswordAgainRewritesTheSameCodes) {
    const SealIndexEntry before = folder.index.readEntry("Alpha");
    PasswordChangeUnderTest t(folder, "Alpha");
    ASSERT_TRUE(t.model.selectSeal(*t.model.selectedRow()));
    t.type("A", "A", "A");
    EXPECT_EQ(t.model.accept(), Outcome::Changed);
    const SealIndexEntry after = folder.index.readEntry("Alpha");
    EXPECT_EQ(after.password2, before.password2);
    EXPECT_EQ(after.hash, before.hash);
}

TEST_F(PasswordChange, AFailedIndexWriteChangesNeitherKey) {
    const std::string before = index();
    PasswordChangeUnderTest t(folder, keiri);
    t.type("KEIRI", "NEW1", "NEW1");
    Outcome outcome;
    {
        const FileWritesFail failing;
        outcome = t.model.accept();
    }
    EXPECT_EQ(outcome, Outcome::Refused);
    EXPECT_EQ(t.prompter.messages,
              QStringList{q("Error 1317 : インデックスファイルへの書き込みに失敗しました。")});
    EXPECT_EQ(index(), before);
    // The seal still stamps with its old password.
    SealDialogInputs in = folder.inputs();
    in.lastSeal = keiri;
    SealDialogUnderTest stamp(folder, in);
    stamp.model.start();
    stamp.model.setPassword("KEIRI");
    EXPECT_EQ(stamp.model.accept(), SealDialogModel::Outcome::Accepted);
}
