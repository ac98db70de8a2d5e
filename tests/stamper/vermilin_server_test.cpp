// vermilin's server switches, run in-process: registration written and removed
// (checked with desktop-file-validate and xmllint) and -Automation. -Embedding
// opens a window: the program tests run it.
#include "stamper/cli/command_line.h"
#include "stamper/document/server_registration.h"
#include "tests/support/verb_home.h"
#include "tests/support/verb_run.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace vermil;
using namespace vermil::test;

namespace {

VerbRun runVermilin(const std::vector<std::string>& arguments) {
    return runVerb(cli::vermilinVerbs(), arguments);
}

// The exit status of a checking tool, with its output for the failure message.
std::pair<int, std::string> check(const QString& tool, const std::filesystem::path& file,
                                  QStringList arguments = {}) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    arguments << QString::fromStdString(file.string());
    process.start(tool, arguments);
    if (!process.waitForFinished(60000))
        return {-1, "did not finish"};
    return {process.exitCode(), process.readAll().toStdString()};
}

} // namespace

TEST(VermilinServer, RegserverWritesAValidEntryAndTypeThatUnregserverRemoves) {
    VerbHome home;
    writeFile(home / "Documents/hanko.ini", "[MAIN]\r\nLang=Japanese\r\n");
    const std::filesystem::path data = home / ".local/share";
    const VerbRun registered = runVermilin({"-Regserver"});
    ASSERT_EQ(registered.exitCode, 0) << registered.err;
    const std::filesystem::path entry = desktopEntryPath(data);
    const std::filesystem::path package = mimePackagePath(data);
    EXPECT_EQ(registered.out, entry.string() + "\n" + package.string() + "\n");

    const std::string text = readFile(entry);
    for (const char* line :
         {"Name=Ombrel Sarne 日付印Vermil\n", "Exec=vermilin -Embedding %f\n",
          "MimeType=application/x-vermil-stamp;\n",
          "X-Vermil-ClassId={36593300-C9D9-101C-A998-FE1AF6F9D52A}\n",
          "X-Vermil-ProgId=Vermil.Document\n", "X-Vermil-TypeName=Vermil Document\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_NE(readFile(package).find("<glob pattern=\"*.vrs\"/>"), std::string::npos);

    const auto [desktopStatus, desktopOutput] =
        check(QStringLiteral("desktop-file-validate"), entry);
    EXPECT_EQ(desktopStatus, 0) << desktopOutput;
    EXPECT_EQ(desktopOutput, "");
    const auto [xmlStatus, xmlOutput] = check(QStringLiteral("xmllint"), package, {"--noout"});
    EXPECT_EQ(xmlStatus, 0) << xmlOutput;

    // Written again only when different: a registration that is in place stays.
    const auto writtenAt = std::filesystem::last_write_time(entry);
    EXPECT_EQ(runVermilin({"/Regserver"}).exitCode, 0);
    EXPECT_EQ(std::filesystem::last_write_time(entry), writtenAt);
    // The English name when the language is English.
    writeFile(home / "Documents/hanko.ini", "[MAIN]\r\nLang=English\r\n");
    EXPECT_EQ(runVermilin({"-Regserver"}).exitCode, 0);
    EXPECT_NE(readFile(entry).find("Name=Ombrel Sarne Vermil\n"), std::string::npos);

    const VerbRun removed = runVermilin({"-Unregserver"});
    EXPECT_EQ(removed.exitCode, 0) << removed.err;
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_FALSE(std::filesystem::exists(package));
    EXPECT_EQ(runVermilin({"/Unregserver"}).exitCode, 0); // nothing left: no error
}

TEST(VermilinServer, AutomationEndsAtOnceWithoutAWindow) {
    VerbHome home;
    for (const char* spelling : {"-Automation", "/Automation"}) {
        const VerbRun run = runVermilin({spelling});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "");
    }
    // The language was taken at start, as for every start of the program.
    EXPECT_NE(readFile(home / "Documents/hanko.ini").find("Lang="), std::string::npos);
}

TEST(VermilinServer, EmbeddingWithoutAFileIsAWrongUse) {
    VerbHome home;
    const VerbRun noFile = runVermilin({"-Embedding"});
    EXPECT_EQ(noFile.exitCode, 2);
    EXPECT_TRUE(noFile.err.starts_with("vermilin: -Embedding takes FILE\n")) << noFile.err;
}
