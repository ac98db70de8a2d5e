// Runs vrmgr's verbs in-process in a fresh home, as the program runs them, and
// checks what they leave on disk with the check-code routines alone, not with the
// seal library that wrote it.
#include "common/cp932.h"
#include "common/ini/ini_store.h"
#include "common/keyed_hash.h"
#include "common/tag_text.h"
#include "manager/cli/verbs.h"
#include "tests/support/test_environment.h"
#include "tests/support/verb_home.h"
#include "tests/support/verb_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sys/stat.h>

using namespace vermil;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::writeFile;

namespace {

// What vrmgr printed, as text.
struct VrmgrRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class FreshHome {
public:
    // In the home, or in `workingFolder` for this run only.
    VrmgrRun vrmgr(const std::vector<std::string>& arguments,
                   const std::filesystem::path& workingFolder = {}) {
        if (!workingFolder.empty())
            std::filesystem::current_path(workingFolder);
        const test::VerbRun run = test::runVerb(vrmgrVerbs(), arguments);
        std::filesystem::current_path(home_.path());
        return {run.exitCode, QString::fromStdString(run.out), QString::fromStdString(run.err)};
    }

    std::filesystem::path path(std::string_view name) const { return home_ / name; }
    std::filesystem::path sealFolder() const { return home_ / "Documents" / "vrdata"; }

private:
    test::VerbHome home_;
};

struct CsvSeal {
    std::string name, password, up1, up2, down;
};

const CsvSeal seals[] = {
    {"経理部長", "SECRET", "経理部", "本社", "山田"},
    {"表示係", "lower", "総務課", " ", "鈴木"}, // an empty field cannot be written
    {"ポスト", "7", "人事", "東京", "佐藤 花子"},
};

std::string csvText() {
    std::string text;
    for (const auto& s : seals) {
        text += s.name + "," + s.password + "," + s.up1 + "," + s.up2 + "," + s.down +
                ",osprf_vrm_default.xml,19,19,'YY.MM.DD\r\n";
    }
    return sjis(text);
}

// Both codes of one seal, recomputed from the bytes on disk.
void expectCodesMatchTheFiles(const std::filesystem::path& folder, const CsvSeal& seal) {
    const std::filesystem::path index = folder / "index.dat";
    const std::string section = sjis(seal.name);
    const std::string sealFile = readFile(folder / (seal.name + ".vrm"));
    ASSERT_FALSE(sealFile.empty()) << seal.name;
    EXPECT_EQ(sealFile.find('\n'), std::string::npos);

    // The import stores a password's letters in capitals, as the password box types them.
    std::string typed = seal.password;
    std::transform(typed.begin(), typed.end(), typed.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::string password2 = readIniValue(index, section, "Password2").value_or("");
    EXPECT_EQ(password2, hash6(typed, "VRMMGR")) << seal.name;
    EXPECT_EQ(readIniValue(index, section, "Hash").value_or(""),
              hash6(sealFile + password2, "VRM77G"))
        << seal.name;
    const std::string vermil = tagText(sealFile, "Vermil");
    EXPECT_EQ(tagText(vermil, "Up1"), sjis(seal.up1));
    EXPECT_EQ(tagText(vermil, "Up2"), sjis(seal.up2));
    EXPECT_EQ(tagText(vermil, "Down"), sjis(seal.down));
    EXPECT_EQ(tagText(sealFile, "Hash"),
              hash8(tagText(vermil, "Up1") + tagText(vermil, "Up2") + tagText(vermil, "Down"),
                    "MIRTHFUL"))
        << seal.name;
}

} // namespace

TEST(VrmgrCommandLine, ImportListAndVerifyInAFreshHome) {
    FreshHome home;
    writeFile(home.path("seals.csv"), csvText());

    const VrmgrRun imported = home.vrmgr({"--import", "seals.csv"});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.err, QStringLiteral("インポート処理が完了しました。\n登録数：3\n"
                                           "パスワードの英小文字を大文字にして登録しました（1件）。"
                                           "パスワード欄では英字が大文字で入力されるためです。\n"));

    const VrmgrRun listed = home.vrmgr({"--list"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out, QStringLiteral("経理部長\n表示係\nポスト\n"));

    const VrmgrRun verified = home.vrmgr({"--verify"});
    EXPECT_EQ(verified.exitCode, 0);
    EXPECT_EQ(verified.out, QStringLiteral("経理部長: OK\n表示係: OK\nポスト: OK\n"));

    for (const auto& seal : seals)
        expectCodesMatchTheFiles(home.sealFolder(), seal);
    EXPECT_TRUE(std::filesystem::exists(home.sealFolder() / "osprf_vrm_default.xml"));
}

TEST(VrmgrCommandLine, VerifyNamesTheCheckThatFailed) {
    FreshHome home;
    writeFile(home.path("seals.csv"), csvText());
    ASSERT_EQ(home.vrmgr({"--import", "seals.csv"}).exitCode, 0);

    const std::filesystem::path sealFile = home.sealFolder() / "表示係.vrm";
    std::string text = readFile(sealFile);
    text[text.find("<X>19") + 4] = '8';
    writeFile(sealFile, text);
    std::filesystem::remove(home.sealFolder() / "ポスト.vrm");

    const VrmgrRun verified = home.vrmgr({"--verify"});
    EXPECT_EQ(verified.exitCode, 1);
    const QString folder = QString::fromStdString(home.sealFolder().string());
    EXPECT_EQ(verified.out,
              QStringLiteral("経理部長: OK\n"
                             "表示係: NG Error 428: Vermil Hash Error. インデックスファイルが旧バー"
                             "ジョンか、あるいは改ざんされている可能性があります。\n"
                             "ポスト: NG Error 430 : Vermilファイル ") +
                  folder + QStringLiteral("/ポスト.vrm が開けません。\n"));
}

TEST(VrmgrCommandLine, AMissingProfileIsNamedByImportAndVerify) {
    FreshHome home;
    writeFile(home.path("seals.csv"),
              sjis("経理部長,PW,経理部,本社,山田,osprf_vrm_default.xml,19,19,'YY.MM.DD\r\n"
                   "総務,PW,総務課,本社,鈴木,round.xml,19,19,'YY.MM.DD\r\n"));
    const VrmgrRun imported = home.vrmgr({"--import", "seals.csv"});
    EXPECT_EQ(imported.exitCode, 0);
    EXPECT_EQ(imported.err, QStringLiteral("インポート処理が完了しました。\n登録数：2\n"
                                           "プロファイルが日付印フォルダーにない日付印を登録しまし"
                                           "た：2行目 総務 (round.xml)\n"));

    const VrmgrRun verified = home.vrmgr({"--verify"});
    EXPECT_EQ(verified.exitCode, 1);
    const QString folder = QString::fromStdString(home.sealFolder().string());
    EXPECT_EQ(verified.out, QStringLiteral("経理部長: OK\n総務: NG the layout profile ") + folder +
                                QStringLiteral("/round.xml is missing: the seal would be stamped "
                                               "with the built-in layout\n"));

    // The profile put in place: the seal is whole.
    writeFile(home.sealFolder() / "round.xml", "<Profile></Profile>");
    const VrmgrRun again = home.vrmgr({"--verify"});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, QStringLiteral("経理部長: OK\n総務: OK\n"));
}

TEST(VrmgrCommandLine, IndexOptionAndExitCodes) {
    FreshHome home;
    std::filesystem::create_directories(home.path("work"));
    writeFile(home.path("work/seals.csv"), csvText());
    // A relative index path is taken from the working folder.
    const VrmgrRun imported =
        home.vrmgr({"--index", "other/index.dat", "--import", "seals.csv"}, home.path("work"));
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(std::filesystem::exists(home.path("work/other/経理部長.vrm")));
    EXPECT_FALSE(std::filesystem::exists(home.sealFolder()));
    const std::string index = home.path("work/other/index.dat").string();
    EXPECT_EQ(home.vrmgr({"--verify", "--index", index}).exitCode, 0);

    // A stopped import: the names are there already.
    const VrmgrRun again = home.vrmgr({"--index", index, "--import", "work/seals.csv"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.startsWith(QStringLiteral("Error353: 日付印名  経理部長  が重複")));

    const VrmgrRun unreadable = home.vrmgr({"--import", "nothing.csv"});
    EXPECT_EQ(unreadable.exitCode, 2);
    EXPECT_TRUE(unreadable.err.startsWith(QStringLiteral("Error352:")));

    const VrmgrRun noIndex = home.vrmgr({"--show", "経理部長"});
    EXPECT_EQ(noIndex.exitCode, 2);
    EXPECT_TRUE(noIndex.err.startsWith(QStringLiteral("WARNING 345: インデックスファイル ")));

    const VrmgrRun help = home.vrmgr({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* verb : {"--import", "--list", "--verify", "--show", "--delete", "--index"})
        EXPECT_TRUE(help.out.contains(QLatin1String(verb))) << verb;
    EXPECT_EQ(home.vrmgr({"--bogus"}).exitCode, 2);
    EXPECT_EQ(home.vrmgr({"--import"}).exitCode, 2);
}

TEST(VrmgrCommandLine, ListAndVerifyWithoutAnIndexFindNoSeals) {
    FreshHome home;
    const QString defaultIndex = QString::fromStdString((home.sealFolder() / "index.dat").string());
    const QString otherIndex = QString::fromStdString(home.path("none/index.dat").string());
    const struct {
        std::vector<std::string> arguments;
        QString index;
    } cases[] = {
        {{"--list"}, defaultIndex},
        {{"--verify"}, defaultIndex},
        {{"--index", otherIndex.toStdString(), "--list"}, otherIndex},
        {{"--index", otherIndex.toStdString(), "--verify"}, otherIndex},
    };
    for (const auto& c : cases) {
        const VrmgrRun run = home.vrmgr(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << c.arguments.back();
        EXPECT_EQ(run.out, QString()) << c.arguments.back();
        EXPECT_EQ(run.err, QStringLiteral("vrmgr: the seal index ") + c.index +
                               QStringLiteral(" does not exist: no seals are registered\n"))
            << c.arguments.back();
    }
    EXPECT_FALSE(std::filesystem::exists(home.sealFolder()));
}

TEST(VrmgrCommandLine, ShowPrintsTheFieldsOfTheMainDialog) {
    FreshHome home;
    writeFile(home.path("seals.csv"), csvText());
    ASSERT_EQ(home.vrmgr({"--import", "seals.csv"}).exitCode, 0);

    const VrmgrRun shown = home.vrmgr({"--show", "表示係"});
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.out, QStringLiteral("Name: 表示係\nUp2:  \nUp1: 総務課\nDown: 鈴木\n"
                                        "DateFormat: 'YY.MM.DD\nSizeX: 19\nSizeY: 19\n"
                                        "Profile: osprf_vrm_default.xml\n"));
    EXPECT_EQ(shown.err, "");

    // A seal file that is gone: Warning 341, and the fields without it.
    std::filesystem::remove(home.sealFolder() / "ポスト.vrm");
    const VrmgrRun missing = home.vrmgr({"--show", "ポスト"});
    EXPECT_EQ(missing.exitCode, 0);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("Warning 341 : Vermilファイル ")));
    EXPECT_TRUE(missing.out.startsWith(QStringLiteral("Name: ポスト\nUp2: \nUp1: \nDown: ?\n")));

    const VrmgrRun unknown = home.vrmgr({"--show", "経理"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err, QStringLiteral("日付印名 経理 は登録されていません。\n"));
}

TEST(VrmgrCommandLine, DeleteTakesASealOffTheListWithoutAsking) {
    FreshHome home;
    writeFile(home.path("seals.csv"), csvText());
    ASSERT_EQ(home.vrmgr({"--import", "seals.csv"}).exitCode, 0);

    const VrmgrRun deleted = home.vrmgr({"--delete", "表示係"});
    EXPECT_EQ(deleted.exitCode, 0) << deleted.err.toStdString();
    EXPECT_EQ(deleted.err, "");
    EXPECT_EQ(home.vrmgr({"--list"}).out, QStringLiteral("経理部長\nポスト\n"));
    EXPECT_EQ(home.vrmgr({"--verify"}).exitCode, 0);
    // Its section and seal file stay, as the window's delete leaves them.
    EXPECT_TRUE(std::filesystem::exists(home.sealFolder() / "表示係.vrm"));
    const std::filesystem::path index = home.sealFolder() / "index.dat";
    EXPECT_TRUE(readIniValue(index, sjis("表示係"), "Hash").has_value());
    EXPECT_EQ(readIniValue(index, "MAIN_VRM", "Number"), "2");

    const VrmgrRun again = home.vrmgr({"--delete", "表示係"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.err, QStringLiteral("日付印名 表示係 は登録されていません。\n"));
    EXPECT_EQ(home.vrmgr({"--delete"}).exitCode, 2);
    const VrmgrRun otherIndex = home.vrmgr({"--index", "none/index.dat", "--delete", "ポスト"});
    EXPECT_EQ(otherIndex.exitCode, 2);
    EXPECT_TRUE(otherIndex.err.startsWith(QStringLiteral("WARNING 345: ")));
}

TEST(VrmgrCommandLine, SpecialFilesAndUnusableIndexesExitWithTwo) {
    FreshHome home;
    writeFile(home.path("seals.csv"), csvText());
    ::mkfifo(home.path("fifo.csv").c_str(), 0600);
    ::mkfifo(home.path("fifo.dat").c_str(), 0600);
    std::filesystem::create_directories(home.path("folder"));
    writeFile(home.path("large.dat"), "[MAIN_VRM]\r\nNumber=1\r\nVermil0000=a\r\n");
    std::filesystem::resize_file(home.path("large.dat"), 17 * 1024 * 1024);
    auto p = [&home](const char* name) { return home.path(name).string(); };
    struct Case {
        std::vector<std::string> arguments;
        QString message; // what stderr says
    } cases[] = {
        // Only read-only verbs on devices: nothing may ever write there.
        {{"--import", "/dev/zero"},
         QStringLiteral("CSVファイル /dev/zero は通常のファイルではありません。")},
        {{"--import", p("fifo.csv")}, QStringLiteral(" は通常のファイルではありません。")},
        {{"--index", p("folder"), "--list"}, QStringLiteral("a directory, not a regular file")},
        {{"--index", "/dev/null", "--verify"}, QStringLiteral("a device, not a regular file")},
        {{"--index", p("fifo.dat"), "--import", p("seals.csv")},
         QStringLiteral("a FIFO, not a regular file")},
        {{"--index", p("large.dat"), "--list"},
         QStringLiteral("larger than the limit for this file")},
    };
    for (const Case& c : cases) {
        const VrmgrRun run = home.vrmgr(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(c.arguments);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_FALSE(std::filesystem::exists(home.sealFolder()));
    EXPECT_EQ(std::filesystem::file_size(home.path("large.dat")), 17u * 1024 * 1024);
}
