// The README as a new user follows it: every command of its ```sh blocks runs
// on a demo folder and ends as documented, --help of each program describes the
// verbs and options the README uses, and the files and programs it names exist.
#include "common/user_profile.h"
#include "tests/support/program_run.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>

using vermil::test::ProgramRun;
using vermil::test::readFile;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

const std::filesystem::path sourceDir = VERMIL_SOURCE_DIR;
const std::filesystem::path buildDir = VERMIL_BUILD_DIR;

const std::map<std::string, QString> programs = {
    {"vrmgr", QStringLiteral(VRMGR_PROGRAM)},
    {"vermilin", QStringLiteral(VERMILIN_PROGRAM)},
    {"trailscan", QStringLiteral(TRAILSCAN_PROGRAM)},
};

// The files the README's commands name, as the demo folder holds them.
const std::map<std::string, std::filesystem::path> demoFiles = {
    {"seals.csv", sourceDir / "data/demo/demo_seals.csv"},
    {"STAMPFILE", sourceDir / "tests/data/stamper/SealStamp.bin"},
    {"hanko.log", sourceDir / "tests/data/logcheck/IndependentClean.log"},
    {"passwords.txt", sourceDir / "tests/data/stamper/DemoPasswordChange.txt"},
    {"request.pdf", sourceDir / "tests/data/stamper/ApprovalRequest.pdf"},
};

// One command line: "NAME=value" words before the program set its environment,
// and "< FILE" gives it a file as standard input, as the shell does.
struct Command {
    std::string line;
    std::vector<std::string> words;
    QStringList environment;
    std::string input; // a file of demoFiles
};

std::string readme() {
    return readFile(sourceDir / "README.md");
}

// The commands of the ```sh blocks, without their comments.
std::vector<Command> readmeCommands() {
    std::vector<Command> commands;
    std::istringstream text(readme());
    std::string line;
    bool inBlock = false;
    while (std::getline(text, line)) {
        if (line.starts_with("```")) {
            inBlock = !inBlock && line == "```sh";
            continue;
        }
        if (!inBlock)
            continue;
        const std::size_t comment = line.find(" #");
        line = line.substr(0, line.starts_with('#') ? 0 : comment);
        std::istringstream words(line);
        Command command{line, {}, {}, {}};
        for (std::string word; words >> word;) {
            if (command.words.empty() && std::regex_match(word, std::regex("[A-Z_]+=.*")))
                command.environment << QString::fromStdString(word);
            else if (word == "<")
                words >> command.input;
            else
                command.words.push_back(word);
        }
        if (!command.words.empty())
            commands.push_back(command);
    }
    return commands;
}

bool isProgram(const Command& command) {
    return programs.contains(command.words.front());
}

// A command without a verb opens the program's window.
bool opensWindow(const Command& command) {
    return std::none_of(command.words.begin() + 1, command.words.end(),
                        [](const std::string& word) { return word.starts_with('-'); });
}

// An absolute path of the README lies inside the demo home.
QStringList demoArguments(const Command& command, const std::filesystem::path& home) {
    QStringList arguments;
    for (auto word = command.words.begin() + 1; word != command.words.end(); ++word)
        arguments << QString::fromStdString(word->starts_with('/') ? (home.string() + *word)
                                                                   : *word);
    return arguments;
}

class DemoFolder {
public:
    DemoFolder() {
        for (const auto& [name, source] : demoFiles)
            writeFile(work() / name, readFile(source));
    }
    ProgramRun run(const std::string& program, const QStringList& arguments,
                   const QStringList& environment = {}, const std::string& input = {}) const {
        return vermil::test::runProgram(programs.at(program), home_.path(), arguments, work(),
                                        environment, input);
    }
    ProgramRun run(const Command& command, const QStringList& arguments) const {
        return run(command.words.front(), arguments, command.environment,
                   command.input.empty() ? std::string() : readFile(work() / command.input));
    }
    const std::filesystem::path& home() const { return home_.path(); }
    std::filesystem::path work() const { return home_ / "work"; }

private:
    TempDir home_;
};

} // namespace

TEST(ReadmeCommands, EveryCommandRunsOnTheDemoFolder) {
    const std::vector<Command> commands = readmeCommands();
    ASSERT_FALSE(commands.empty());
    DemoFolder demo;
    // A seal index that a command only reads is registered first.
    for (const Command& command : commands) {
        if (command.words.front() != "vrmgr" ||
            std::count(command.words.begin(), command.words.end(), "--import"))
            continue;
        const QStringList arguments = demoArguments(command, demo.home());
        const qsizetype index = arguments.indexOf("--index");
        if (index < 0 || index + 1 >= arguments.size())
            continue;
        const ProgramRun import =
            demo.run("vrmgr", {"--index", arguments[index + 1], "--import", "seals.csv"});
        ASSERT_EQ(import.exitCode, 0) << import.err;
    }
    int ran = 0;
    for (const Command& command : commands) {
        if (command.words.front() == "make")
            continue; // ReadmeCommands.MakeTargetsExist
        if (command.words.front().starts_with("scripts/")) {
            // The demo's helpers need the folder `make run` prepares: they must exist.
            const std::filesystem::path script = sourceDir / command.words.front();
            EXPECT_TRUE(std::filesystem::exists(script)) << command.line;
            EXPECT_NE(std::filesystem::status(script).permissions() &
                          std::filesystem::perms::owner_exec,
                      std::filesystem::perms::none)
                << command.line;
            continue;
        }
        ASSERT_TRUE(isProgram(command))
            << "the README shows a command of no program: " << command.line;
        const QStringList arguments = demoArguments(command, demo.home());
        if (opensWindow(command)) {
            // Without any display plugin the program gets as far as its window and
            // stops there: it took the command line.
            const ProgramRun run = demo.run(command.words.front(), arguments,
                                            {"QT_QPA_PLATFORM=vermil-readme-no-display"});
            EXPECT_NE(run.err.find("Qt platform plugin"), std::string::npos) << command.line << "\n"
                                                                             << run.err;
            EXPECT_EQ(run.err.find("Usage:"), std::string::npos) << command.line;
        } else {
            const ProgramRun run = demo.run(command, arguments);
            EXPECT_EQ(run.exitCode, 0) << command.line << "\n" << run.err;
        }
        ++ran;
    }
    EXPECT_GE(ran, 3);
}

TEST(ReadmeCommands, HelpDescribesEveryVerbAndOptionTheReadmeUses) {
    std::map<std::string, std::set<std::string>> used;
    for (const Command& command : readmeCommands()) {
        if (!isProgram(command))
            continue;
        auto& words = used[command.words.front()];
        for (const std::string& word : command.words)
            if (word.starts_with('-'))
                words.insert(word);
    }
    EXPECT_EQ(used.size(), programs.size());
    DemoFolder demo;
    for (const auto& [program, words] : used) {
        const ProgramRun help = demo.run(program, {"--help"});
        EXPECT_EQ(help.exitCode, 0) << program;
        EXPECT_EQ(help.err, "") << program;
        for (const std::string& word : words)
            EXPECT_NE(help.out.find(word), std::string::npos) << program << " " << word;
    }
}

TEST(ReadmeCommands, MakeTargetsExist) {
    const std::string makefile = readFile(sourceDir / "Makefile");
    for (const Command& command : readmeCommands()) {
        if (command.words.front() != "make")
            continue;
        for (auto target = command.words.begin() + 1; target != command.words.end(); ++target)
            EXPECT_NE(makefile.find("\n" + *target + ":"), std::string::npos) << *target;
    }
}

TEST(ReadmeCommands, NamedFilesAndProgramsExist) {
    // Paths in backquotes: those in the source tree, and built programs under
    // `build/` (a folder made only by `make run`, such as build/demo, is left out).
    const std::string text = readme();
    const std::regex quoted("`([^`\\s]+)[^`]*`");
    int checked = 0;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), quoted);
         match != std::sregex_iterator(); ++match) {
        const std::filesystem::path path = (*match)[1].str();
        const std::string first = path.begin()->string();
        if (path.is_absolute() || !path.has_parent_path() || first.starts_with('$') ||
            first.starts_with('~'))
            continue;
        if (first == "build") {
            const std::filesystem::path inBuild = path.lexically_relative("build");
            if (inBuild.has_parent_path() &&
                std::filesystem::is_directory(buildDir / inBuild.parent_path())) {
                EXPECT_TRUE(std::filesystem::exists(buildDir / inBuild)) << path;
                ++checked;
            }
        } else if (std::filesystem::is_directory(sourceDir / first)) {
            EXPECT_TRUE(std::filesystem::exists(sourceDir / path)) << path;
            ++checked;
        }
    }
    EXPECT_GE(checked, 3);
}

TEST(ReadmeCommands, PerUserFilesAreWhereTheReadmeSays) {
    const std::string text = readme();
    const std::string pattern = "$XDG_CONFIG_HOME/Ombrel/<program>";
    const std::size_t at = text.find(pattern);
    ASSERT_NE(at, std::string::npos);
    const std::string suffix =
        text.substr(at + pattern.size(), text.find('`', at) - at - pattern.size());
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    for (const char* title :
         {vermil::stamperProfileTitle, vermil::managerProfileTitle, vermil::checkerProfileTitle}) {
        const vermil::UserProfile profile(QString::fromLatin1(title));
        EXPECT_EQ(profile.fileName().toStdString(),
                  config.toStdString() + "/Ombrel/" + title + suffix);
    }
}
