#include "manager/import/csv_import.h"

#include "sealfiles/seal_verification.h"

#include "common/ini/ini_store.h"
#include "common/keyed_hash.h"
#include "tests/support/child_process.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace vermil;
using vermil::test::dataFile;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

const QString completed = QStringLiteral("インポート処理が完了しました。\n登録数：%1");
const QString upperCased =
    QStringLiteral("\nパスワードの英小文字を大文字にして登録しました（%1件）。"
                   "パスワード欄では英字が大文字で入力されるためです。");

struct ImportFixture {
    TempDir dir;
    std::filesystem::path folder = dir / "vrdata";
    std::filesystem::path indexFile = folder / "index.dat";
    RecordingPrompter prompter;

    ImportResult run(const std::filesystem::path& csv) {
        CsvImport csvImport(SealIndex(indexFile.string()), prompter);
        return csvImport.run(csv);
    }
    std::string value(std::string_view section, std::string_view key) const {
        return readIniValue(indexFile, section, key).value_or("<missing>");
    }
    // Nothing at all was written: no folder, no index, no seal file.
    bool untouched() const { return !std::filesystem::exists(folder); }
};

std::string row(const std::string& name) {
    return name + ",PW,UP,U2,DOWN,osprf_vrm_default.xml,19,19,YYYY.MM.DD\r\n";
}

} // namespace

TEST(CsvImport, RowsNamingAMissingProfileAreRegisteredAndNamed) {
    ImportFixture f;
    std::filesystem::create_directories(f.folder);
    writeFile(f.folder / "round.xml", "<Profile></Profile>");
    writeFile(f.dir / "seals.csv", sjis("経理,PW,UP,U2,DOWN,round.xml,19,19,YYYY.MM.DD\r\n"
                                        "総務,PW,UP,U2,DOWN,square.xml,19,19,YYYY.MM.DD\r\n") +
                                       row("A") +
                                       sjis("人事,PW,UP,U2,DOWN,角印.xml,19,19,YYYY.MM.DD\r\n"));
    const ImportResult result = f.run(f.dir / "seals.csv");
    EXPECT_EQ(result.status, ImportStatus::Completed);
    EXPECT_EQ(result.imported, 4);
    EXPECT_EQ(f.prompter.messages,
              QStringList{completed.arg(4) +
                          QStringLiteral("\nプロファイルが日付印フォルダーにない日付印を登録しまし"
                                         "た：2行目 総務 (square.xml)、4行目 人事 (角印.xml)")});
    const SealIndex index(f.indexFile.string());
    EXPECT_EQ(index.names().size(), 4u);
    EXPECT_TRUE(verifySeal(index, sjis("総務")).passed());
}

TEST(CsvImport, ImportsJapaneseRowsIntoANewFolder) {
    ImportFixture f;
    const ImportResult result = f.run(dataFile("manager/JapaneseSeals.csv"));
    EXPECT_EQ(result.status, ImportStatus::Completed);
    EXPECT_EQ(result.imported, 3);
    EXPECT_EQ(result.passwordsUpperCased, 1);
    EXPECT_EQ(f.prompter.messages, QStringList{completed.arg(3) + upperCased.arg(1)});

    const SealIndex index(f.indexFile.string());
    EXPECT_EQ(index.names(),
              (std::vector<std::string>{sjis("経理部長"), sjis("表示係"), sjis("ポスト")}));
    for (const auto& name : index.names())
        EXPECT_TRUE(verifySeal(index, name).passed()) << name;
    // Passwords are stored as a password box types them: capitals, blanks kept.
    EXPECT_EQ(f.value(sjis("表示係"), "Password2"), hash6("LOWER PW", "VRMMGR"));
    const SealFileContent seal = verifySeal(index, sjis("表示係")).content;
    EXPECT_EQ(seal.up2, " ");
    EXPECT_EQ(seal.down, sjis("鈴木 一郎"));
    EXPECT_EQ(seal.sizeX, "21");
    EXPECT_EQ(seal.format, "NN.MM.DD");
    // The new folder got the default profile, and the seals its fonts.
    EXPECT_TRUE(std::filesystem::exists(f.folder / "osprf_vrm_default.xml"));
    EXPECT_EQ(seal.fonts.low1.bold, "1");
    EXPECT_EQ(verifySeal(index, sjis("経理部長")).content.fonts, seal.fonts);
}

TEST(CsvImport, RefusesABadFileBeforeWritingAnything) {
    struct Case {
        const char* fixture;
        QString messageStart;
    } cases[] = {
        {"BrokenDoubleComma.csv",
         QStringLiteral("Error356: CSVファイルに連続した区切り文字(カンマ)があります。\n"
                        "d区切り文字の間にスペースを入れてください。")},
        {"BrokenUnsafeName.csv", QStringLiteral("CSVファイル ")},
        {"BrokenFieldCount.csv", QStringLiteral("CSVファイル ")},
        {"BrokenTagInValue.csv", QStringLiteral("CSVファイル ")},
    };
    for (const auto& c : cases) {
        ImportFixture f;
        const ImportResult result = f.run(dataFile(std::string("manager/") + c.fixture));
        EXPECT_EQ(result.status, ImportStatus::Stopped) << c.fixture;
        EXPECT_EQ(result.imported, 0);
        ASSERT_EQ(f.prompter.messages.size(), 1) << c.fixture;
        EXPECT_TRUE(f.prompter.messages[0].startsWith(c.messageStart)) << c.fixture;
        EXPECT_TRUE(f.untouched()) << c.fixture;
    }
}

TEST(CsvImport, RefusalsNameTheLineAndTheProblem) {
    ImportFixture f;
    f.run(dataFile("manager/BrokenUnsafeName.csv"));
    ASSERT_EQ(f.prompter.messages.size(), 1);
    const QString& message = f.prompter.messages[0];
    EXPECT_TRUE(message.contains(QStringLiteral("の2行目"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("../escape")));

    ImportFixture tag;
    tag.run(dataFile("manager/BrokenTagInValue.csv"));
    EXPECT_TRUE(tag.prompter.messages[0].contains(QStringLiteral("\"</Up1\"")))
        << tag.prompter.messages[0].toStdString();

    ImportFixture fields;
    fields.run(dataFile("manager/BrokenFieldCount.csv"));
    EXPECT_TRUE(fields.prompter.messages[0].contains(QStringLiteral("の2行目の項目数が8です")))
        << fields.prompter.messages[0].toStdString();

    // A line the Windows program would have split into extra rows.
    ImportFixture longLine;
    writeFile(longLine.dir / "long.csv",
              row("ok") + "long,PW," + std::string(1100, 'u') + ",U2,DOWN,p.xml,19,19,F\r\n");
    EXPECT_EQ(longLine.run(longLine.dir / "long.csv").status, ImportStatus::Stopped);
    EXPECT_TRUE(
        longLine.prompter.messages[0].contains(QStringLiteral("の2行目が1022バイトを越えています")))
        << longLine.prompter.messages[0].toStdString();
    EXPECT_TRUE(longLine.untouched());

    // Twenty fields are fine (the rest are not used); twenty-one are not.
    ImportFixture wide;
    const std::string nine = "w,PW,UP,U2,DOWN,p.xml,19,19,F";
    writeFile(wide.dir / "20.csv", nine + ",a,b,c,d,e,f,g,h,i,j,k\r\n");
    EXPECT_EQ(wide.run(wide.dir / "20.csv").status, ImportStatus::Completed);
    writeFile(wide.dir / "21.csv", "x" + nine + ",a,b,c,d,e,f,g,h,i,j,k,l\r\n");
    EXPECT_EQ(wide.run(wide.dir / "21.csv").status, ImportStatus::Stopped);
    EXPECT_EQ(SealIndex(wide.indexFile.string()).count(), 1);
}

TEST(CsvImport, RowsMustFitTheIndex) {
    ImportFixture f;
    std::filesystem::create_directories(f.folder);
    writeFile(f.indexFile, "[MAIN_VRM]\r\nNumber=95\r\n");
    std::string six;
    for (int i = 0; i < 6; ++i)
        six += row("seal" + std::to_string(i));
    writeFile(f.dir / "six.csv", six);
    const std::string before = readFile(f.indexFile);
    EXPECT_EQ(f.run(f.dir / "six.csv").status, ImportStatus::Stopped);
    EXPECT_EQ(f.prompter.messages,
              QStringList{QStringLiteral(
                  "Error351: 最大登録数100を越える可能性があります。読み込み処理を中止します。")});
    EXPECT_EQ(readFile(f.indexFile), before);

    writeFile(f.dir / "five.csv", six.substr(six.find("seal1")));
    f.prompter.messages.clear();
    EXPECT_EQ(f.run(f.dir / "five.csv").imported, 5);
    EXPECT_EQ(f.value("MAIN_VRM", "Number"), "100");
    EXPECT_EQ(f.prompter.messages, QStringList{completed.arg(5)});
}

TEST(CsvImport, ALimitReachedWhileImportingSaysHowManyRowsWereRegistered) {
    // Another program registers seals while the rows are written, until the index
    // is full: pass 1 found room, pass 2 runs out of it.
    struct Case {
        const char* what;
        int registered; // before the import
        int rows;
        int othersAfter; // rows written when the other program fills the index
    } const cases[] = {
        {"after some rows", 90, 10, 7},
        {"before the first row", 97, 3, 0},
    };
    for (const Case& c : cases) {
        ImportFixture f;
        std::filesystem::create_directories(f.folder);
        writeFile(f.indexFile, "[MAIN_VRM]\r\nNumber=" + std::to_string(c.registered) + "\r\n");
        std::string csv;
        for (int i = 0; i < c.rows; ++i)
            csv += row("row" + std::to_string(i));
        writeFile(f.dir / "in.csv", csv);
        CsvImport csvImport(SealIndex(f.indexFile.string()), f.prompter);
        csvImport.setProgress([&](int done, int) {
            const SealIndex other(f.indexFile.string());
            for (int i = 0; done == c.othersAfter && other.hasRoomFor(1); ++i) {
                SealRecord seal;
                seal.name = "other" + std::to_string(i);
                seal.password = "PW";
                EXPECT_EQ(writeSeal(other, seal, SealEntryKind::New).status,
                          SealWriteStatus::Written);
            }
            return true;
        });
        const ImportResult result = csvImport.run(f.dir / "in.csv");
        EXPECT_EQ(result.status, ImportStatus::Stopped) << c.what;
        EXPECT_EQ(result.imported, c.othersAfter) << c.what;
        EXPECT_EQ(f.prompter.messages,
                  QStringList{QStringLiteral("Error351: 最大登録数100を越える可能性があります。"
                                             "読み込み処理を中止します。\n登録数：%1")
                                  .arg(c.othersAfter)})
            << c.what;
        EXPECT_EQ(f.value("MAIN_VRM", "Number"), "100") << c.what;
    }
}

TEST(CsvImport, ADuplicateNameStopsAfterTheRowsBeforeIt) {
    ImportFixture f;
    const ImportResult result = f.run(dataFile("manager/DuplicateName.csv"));
    EXPECT_EQ(result.status, ImportStatus::Stopped);
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(f.prompter.messages,
              QStringList{
                  QStringLiteral("Error353: 日付印名  twice  が重複しました。処理を中止します。")});
    EXPECT_EQ(SealIndex(f.indexFile.string()).names(),
              (std::vector<std::string>{"first", "twice"}));
    EXPECT_EQ(f.value("twice", "Password2"), hash6("PW", "VRMMGR")); // the first one stays
    EXPECT_FALSE(std::filesystem::exists(f.folder / "never.vrm"));
}

TEST(CsvImport, ShortLinesAreNotRows) {
    ImportFixture f;
    const ImportResult result = f.run(dataFile("manager/ShortLinesOnly.csv"));
    EXPECT_EQ(result.status, ImportStatus::Completed);
    EXPECT_EQ(result.imported, 0);
    EXPECT_EQ(f.prompter.messages, QStringList{completed.arg(0)});
}

TEST(CsvImport, FileAndWriteFailuresHaveTheirMessages) {
    ImportFixture f;
    EXPECT_EQ(f.run({}).status, ImportStatus::Stopped);
    EXPECT_EQ(f.run(f.dir / "missing.csv").status, ImportStatus::FileUnreadable);
    EXPECT_EQ(
        f.prompter.messages,
        (QStringList{
            QStringLiteral("入力ファイル名(CSV)が設定されていません\n設定してください。\n"),
            QStringLiteral("Error352: ファイルエラー:CSVファイルが開けない可能性があります。")}));

    // The seal file's place is taken by a folder.
    ImportFixture blocked;
    std::filesystem::create_directories(blocked.folder / "b.vrm");
    writeFile(blocked.dir / "in.csv", row("a") + row("b") + row("c"));
    const ImportResult sealFailed = blocked.run(blocked.dir / "in.csv");
    EXPECT_EQ(sealFailed.status, ImportStatus::Stopped);
    EXPECT_EQ(sealFailed.imported, 1);
    EXPECT_EQ(
        blocked.prompter.messages,
        QStringList{QStringLiteral("Error357: Vermilファイル ") +
                    QString::fromStdString(blocked.folder.string()) +
                    QStringLiteral("/b.vrm への書き込みに失敗しました。\nVermilデータフォルダー"
                                   "(vrdata)のアクセス権限を確認してください。\nIs a directory")});

    // The index cannot be written.
    ImportFixture noIndex;
    std::filesystem::create_directories(noIndex.indexFile);
    writeFile(noIndex.dir / "in.csv", row("a"));
    EXPECT_EQ(noIndex.run(noIndex.dir / "in.csv").status, ImportStatus::Stopped);
    EXPECT_EQ(noIndex.prompter.messages,
              QStringList{QStringLiteral("Error 359: インデックスファイル ") +
                          QString::fromStdString(noIndex.indexFile.string()) +
                          QStringLiteral(" への書き込みに失敗しました。\nインデックスファイルの"
                                         "アクセス権限を確認してください。\n"
                                         "フォルダーであり、ファイルではありません。")});
}

TEST(CsvImport, ProgressCanCancel) {
    ImportFixture f;
    writeFile(f.dir / "in.csv", row("a") + row("b") + row("c"));
    CsvImport csvImport(SealIndex(f.indexFile.string()), f.prompter);
    std::vector<std::pair<int, int>> calls;
    csvImport.setProgress([&calls](int done, int total) {
        calls.emplace_back(done, total);
        return done < 2;
    });
    const ImportResult result = csvImport.run(f.dir / "in.csv");
    EXPECT_EQ(result.status, ImportStatus::Cancelled);
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}}));
    EXPECT_EQ(SealIndex(f.indexFile.string()).count(), 2);
}

TEST(CsvImport, NamesThatDifferOnlyInLetterCaseAreRefusedBeforeAnyWrite) {
    // Both in the file: the message names both rows.
    ImportFixture f;
    writeFile(f.dir / "in.csv", row("Abc") + row("other") + row("aBC"));
    const ImportResult inFile = f.run(f.dir / "in.csv");
    EXPECT_EQ(inFile.status, ImportStatus::Stopped);
    EXPECT_EQ(
        f.prompter.messages,
        QStringList{QStringLiteral("CSVファイル ") +
                    QString::fromStdString((f.dir / "in.csv").string()) +
                    QStringLiteral(" の3行目: 日付印名 aBC は1行目の日付印名 Abc と英字の大"
                                   "文字・小文字だけが違います。読み込み処理を中止します。")});
    EXPECT_TRUE(f.untouched());

    // One registered already: its codes are not overwritten.
    ImportFixture g;
    writeFile(g.dir / "first.csv", row("Abc"));
    ASSERT_EQ(g.run(g.dir / "first.csv").status, ImportStatus::Completed);
    const std::string before = readFile(g.indexFile);
    writeFile(g.dir / "second.csv", row("new") + row("ABC"));
    g.prompter.messages.clear();
    EXPECT_EQ(g.run(g.dir / "second.csv").status, ImportStatus::Stopped);
    ASSERT_EQ(g.prompter.messages.size(), 1);
    EXPECT_TRUE(g.prompter.messages[0].endsWith(
        QStringLiteral(" の2行目: 日付印名 ABC は登録済みの日付印名 Abc と英字の大文字・小文字だけ"
                       "が違います。読み込み処理を中止します。")))
        << g.prompter.messages[0].toStdString();
    EXPECT_EQ(readFile(g.indexFile), before);
    EXPECT_TRUE(verifySeal(SealIndex(g.indexFile.string()), "Abc").passed());
}

TEST(CsvImport, RefusesProfilesSizesAndNamesThatWouldBreakASeal) {
    const std::string good = "ok,PW,UP,U2,DOWN,osprf_vrm_default.xml,19,19,F\r\n";
    struct Case {
        std::string line;
        QString named; // what the message quotes
    } cases[] = {
        {"p,PW,UP,U2,DOWN,../../../../etc/passwd,19,19,F",
         QStringLiteral("../../../../etc/passwd")},
        {"p,PW,UP,U2,DOWN,sub/p.xml,19,19,F", QStringLiteral("sub/p.xml")},
        {"p,PW,UP,U2,DOWN,..,19,19,F", QStringLiteral("\"..\"")},
        {"p,PW,UP,U2,DOWN,p.xml,-5,19,F", QStringLiteral("X \"-5\"")},
        {"p,PW,UP,U2,DOWN,p.xml,19,99999999999999,F", QStringLiteral("Y \"99999999999999\"")},
        {"p,PW,UP,U2,DOWN,p.xml,0,19,F", QStringLiteral("X \"0\"")},
        {"p,PW,UP,U2,DOWN,p.xml,1001,19,F", QStringLiteral("X \"1001\"")},
        {"CON,PW,UP,U2,DOWN,p.xml,19,19,F", QStringLiteral("日付印名 CON")},
        {"nul,PW,UP,U2,DOWN,p.xml,19,19,F", QStringLiteral("日付印名 nul")},
        {"Aux.csv,PW,UP,U2,DOWN,p.xml,19,19,F", QStringLiteral("日付印名 Aux.csv")},
        {"COM1,PW,UP,U2,DOWN,p.xml,19,19,F", QStringLiteral("日付印名 COM1")},
    };
    for (const Case& c : cases) {
        ImportFixture f;
        writeFile(f.dir / "in.csv", good + c.line + "\r\n");
        EXPECT_EQ(f.run(f.dir / "in.csv").status, ImportStatus::Stopped) << c.line;
        ASSERT_EQ(f.prompter.messages.size(), 1) << c.line;
        const QString& message = f.prompter.messages[0];
        EXPECT_TRUE(message.contains(QStringLiteral(" の2行目: "))) << message.toStdString();
        EXPECT_TRUE(message.contains(c.named)) << message.toStdString();
        EXPECT_TRUE(f.untouched()) << c.line;
    }
    // The edges of the range are sizes.
    ImportFixture edges;
    writeFile(edges.dir / "in.csv", "e,PW,UP,U2,DOWN,p.xml,1,1000,F\r\n");
    EXPECT_EQ(edges.run(edges.dir / "in.csv").status, ImportStatus::Completed);
}

TEST(CsvImport, AFileThatIsNotARegularFileIsRefusedAtOnce) {
    TempDir dir;
    ::mkfifo((dir / "fifo.csv").c_str(), 0600);
    std::filesystem::create_directories(dir / "folder.csv");
    for (const auto& csv :
         {dir / "fifo.csv", dir / "folder.csv", std::filesystem::path("/dev/zero")}) {
        const QString expected =
            QStringLiteral("Error352: ファイルエラー:CSVファイルが開けない可能性があります。\n"
                           "CSVファイル ") +
            QString::fromStdString(csv.string()) +
            QStringLiteral(" は通常のファイルではありません。");
        // In a child: a reader that blocks or reads forever fails instead of hanging the run.
        const auto result = test::finishesInChild([&] {
            ImportFixture f;
            const ImportResult imported = f.run(csv);
            return imported.status == ImportStatus::FileUnreadable &&
                           f.prompter.messages == QStringList{expected} && f.untouched()
                       ? 0
                       : 1;
        });
        EXPECT_EQ(result, std::optional<int>(0)) << csv;
    }
}

TEST(CsvImport, LowerCasePasswordsAreStoredAsThePasswordBoxTypesThem) {
    struct Case {
        const char* password; // UTF-8
        const char* stored;
    } cases[] = {
        {"keiri01", "KEIRI01"},       {"Mixed-Case_9", "MIXED-CASE_9"},
        {"ｋｅｉｒｉ", "ＫＥＩＲＩ"}, // full-width letters have capitals too
        {"ひみつ", "ひみつ"},         {"SECRET", "SECRET"},
    };
    std::string csv;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        csv += "P" + std::to_string(i) + "," + cases[i].password +
               ",UP,U2,DOWN,osprf_vrm_default.xml,19,19,YYYY.MM.DD\r\n";
    ImportFixture f;
    writeFile(f.dir / "passwords.csv", sjis(csv));
    const ImportResult result = f.run(f.dir / "passwords.csv");
    EXPECT_EQ(result.status, ImportStatus::Completed);
    EXPECT_EQ(result.passwordsUpperCased, 3);
    EXPECT_EQ(f.prompter.messages, QStringList{completed.arg(5) + upperCased.arg(3)});
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(f.value("P" + std::to_string(i), "Password2"),
                  hash6(sjis(cases[i].stored), "VRMMGR"))
            << cases[i].password;

    // Without a lower-case letter the completion message is the system's alone.
    ImportFixture upper;
    writeFile(upper.dir / "upper.csv", row("U1"));
    upper.run(upper.dir / "upper.csv");
    EXPECT_EQ(upper.prompter.messages, QStringList{completed.arg(1)});
}

TEST(CsvImport, AControlCharacterInAnyFieldRefusesTheFileBeforeAnyWrite) {
    // A tab is not among them: it separates fields, so no field holds one.
    const std::vector<std::string> fields = {
        "ctl", "PW", "UP",         "U2",    "DOWN", "osprf_vrm_default.xml",
        "19",  "19", "YYYY.MM.DD", "unused"};
    for (std::size_t field = 0; field < fields.size(); ++field) {
        for (const int byte : {0x00, 0x01, 0x0B, 0x0D, 0x1B, 0x1F, 0x7F}) {
            std::vector<std::string> values = fields;
            values[field].insert(1, 1, static_cast<char>(byte));
            std::string line = values[0];
            for (std::size_t i = 1; i < values.size(); ++i)
                line += "," + values[i];
            ImportFixture f;
            writeFile(f.dir / "in.csv", row("ok") + line + "\r\n");
            const std::string what =
                "field " + std::to_string(field + 1) + ", byte " + std::to_string(byte);
            EXPECT_EQ(f.run(f.dir / "in.csv").status, ImportStatus::Stopped) << what;
            EXPECT_EQ(f.prompter.messages,
                      QStringList{QStringLiteral("CSVファイル ") +
                                  QString::fromStdString((f.dir / "in.csv").string()) +
                                  QStringLiteral(" の2行目: %1番目の項目に制御文字 \\x%2 が含まれて"
                                                 "います。読み込み処理を中止します。")
                                      .arg(field + 1)
                                      .arg(byte, 2, 16, QLatin1Char('0'))})
                << what;
            EXPECT_TRUE(f.untouched()) << what;
        }
    }
}
