// The command-line runner of the three programs, on a table of its own: how
// arguments reach a verb, every usage error, and the help built from the table.
#include "common/cli/verb_help.h"
#include "common/cli/verb_runner.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vermil::cli;

namespace {

// Prints what it was called with, so a test sees what the runner handed over.
ExitStatus echo(const VerbCall& call) {
    call.out() << call.verb().name << ":";
    for (const std::string& operand : call.operands())
        call.out() << " " << operand;
    for (const char* option : {"--out", "--dpi", "--quiet", "--index"})
        if (const auto value = call.value(option))
            call.out() << " " << option << "=" << *value;
    return ExitStatus::Done;
}

ExitStatus drawAt(const VerbCall& call) {
    const auto dpi = call.wholeNumber("--dpi", 600, 72, 2400);
    if (!dpi)
        return ExitStatus::UsageOrFileError;
    call.out() << "dpi " << *dpi;
    return ExitStatus::Done;
}

ExitStatus findFault(const VerbCall&) {
    return ExitStatus::Fault;
}

// Reads what it was given on its input, as --password-stdin does.
ExitStatus readLine(const VerbCall& call) {
    std::string line;
    std::getline(call.in(), line);
    call.out() << "read " << line;
    return ExitStatus::Done;
}

constexpr Option indexOption[] = {{"--index", "PATH", "the index of this run"}};
constexpr Option drawOptions[] = {{"--out", "FILE", "", true}, {"--dpi", "N", ""}};
constexpr Option checkOptions[] = {{"--quiet", "", "print the totals only"},
                                   {"--index", "PATH", "the index of this run"}};

constexpr Verb verbs[] = {
    {"--list", "", "print the names", echo, indexOption},
    {"--draw", "STAMP", "draw a stamp\nsecond line of the summary", echo, drawOptions,
     VerbApplication::Gui},
    {"--check", "LOG [MORE...]", "check logs", echo, checkOptions},
    {"--dpi-only", "", "the dpi", drawAt, drawOptions},
    {"--fault", "", "find a fault", findFault},
};
constexpr VerbTable table{"prog", verbs, "About this program.\n", "Exit status: 0, 1, 2.\n"};

constexpr Verb windowVerbs[] = {
    {"", "[FILE]", "open the window", nullptr, {}, VerbApplication::Widgets},
    {"--list", "", "print the names", echo},
};
constexpr VerbTable windowTable{"win", windowVerbs};

constexpr Verb readingVerbs[] = {
    {"--read", "", "read one line", readLine},
    {"--list", "", "print the names", echo},
};
constexpr VerbTable readingTable{"reader", readingVerbs};

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const VerbTable& t, const std::vector<std::string>& arguments,
            const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runVerbs(t, arguments, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(VerbRunner, ArgumentsReachTheVerbInAnyOrder) {
    struct Case {
        std::vector<std::string> arguments;
        std::string out;
    } const cases[] = {
        {{"--list"}, "--list:"},
        {{"--index", "/x/index.dat", "--list"}, "--list: --index=/x/index.dat"},
        {{"--list", "--index", "a", "--index", "b"}, "--list: --index=b"}, // the last one counts
        {{"--draw", "s.bin", "--out", "a.png", "--dpi", "300"},
         "--draw: s.bin --out=a.png --dpi=300"},
        {{"--out", "a.png", "s.bin", "--draw"}, "--draw: s.bin --out=a.png"},
        {{"--draw", "s.bin", "--out", "--list"},
         "--draw: s.bin --out=--list"}, // a value is a value
        {{"--check", "a.log", "--quiet", "b.log", "c.log"}, "--check: a.log b.log c.log --quiet="},
        {{"--check", "--", "--list", "-"}, "--check: --list -"},
        {{"--list", "--list"}, "--list:"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(table, c.arguments);
        EXPECT_EQ(r.status, 0) << c.out << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
    EXPECT_EQ(run(table, {"--fault"}).status, exitCode(ExitStatus::Fault));
}

TEST(VerbRunner, UsageErrorsNameTheProblemAndShowTheHelp) {
    struct Case {
        std::vector<std::string> arguments;
        std::string problem; // empty: the help alone
    } const cases[] = {
        {{}, ""},
        {{"a.log"}, "prog: no verb given\n\n"},
        {{"--bogus"}, "prog: unknown verb or option --bogus\n\n"},
        {{"--list", "--draw"},
         "prog: only one of --list, --draw, --check, --dpi-only, --fault: "
         "--draw\n\n"},
        {{"--draw", "s.bin", "--out"}, "prog: --out needs a value\n\n"},
        {{"--draw", "s.bin"}, "prog: --draw needs --out FILE\n\n"},
        {{"--draw", "--out", "a.png"}, "prog: --draw takes STAMP\n\n"},
        {{"--draw", "a", "b", "--out", "a.png"}, "prog: --draw takes STAMP\n\n"},
        {{"--list", "extra"}, "prog: --list takes no arguments\n\n"},
        {{"--check"}, "prog: --check takes LOG [MORE...]\n\n"},
        {{"--list", "--quiet"}, "prog: --list does not take --quiet\n\n"},
    };
    const std::string help = helpText(table);
    for (const Case& c : cases) {
        const Outcome r = run(table, c.arguments);
        EXPECT_EQ(r.status, 2) << c.problem;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.problem + help);
    }
}

TEST(VerbRunner, WholeNumberOptionsAreCheckedInOnePlace) {
    EXPECT_EQ(run(table, {"--dpi-only", "--out", "x"}).out, "dpi 600");
    EXPECT_EQ(run(table, {"--dpi-only", "--out", "x", "--dpi", "72"}).out, "dpi 72");
    for (const char* wrong : {"71", "2401", "300x", "", "-5", " 300"}) {
        const Outcome r = run(table, {"--dpi-only", "--out", "x", "--dpi", wrong});
        EXPECT_EQ(r.status, 2) << wrong;
        EXPECT_EQ(r.err, std::string("prog: --dpi takes a whole number from 72 to 2400, not ") +
                             wrong + "\n");
    }
}

TEST(VerbRunner, HelpAnywhereWinsAndGoesToOut) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--help"}, {"-h"}, {"--bogus", "--help"}, {"--list", "-h"}}) {
        const Outcome r = run(table, arguments);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, helpText(table));
        EXPECT_EQ(r.err, "");
    }
    // After "--" it is an operand.
    EXPECT_EQ(run(table, {"--check", "--", "--help"}).out, "--check: --help");
}

TEST(VerbRunner, HelpListsEveryVerbAndOption) {
    EXPECT_EQ(helpText(table), "Usage: prog VERB [ARGUMENTS]\n"
                               "\n"
                               "About this program.\n"
                               "\n"
                               "Verbs:\n"
                               "  --list [--index PATH]\n"
                               "      print the names\n"
                               "  --draw STAMP --out FILE [--dpi N]\n"
                               "      draw a stamp\n"
                               "      second line of the summary\n"
                               "  --check LOG [MORE...] [--quiet] [--index PATH]\n"
                               "      check logs\n"
                               "  --dpi-only --out FILE [--dpi N]\n"
                               "      the dpi\n"
                               "  --fault\n"
                               "      find a fault\n"
                               "  --help, -h\n"
                               "      print this text\n"
                               "\n"
                               "Options:\n"
                               "  --index PATH\n"
                               "      the index of this run\n"
                               "  --quiet\n"
                               "      print the totals only\n"
                               "\n"
                               "Exit status: 0, 1, 2.\n");
    EXPECT_EQ(helpText(windowTable), "Usage: win [FILE]\n"
                                     "       win VERB [ARGUMENTS]\n"
                                     "\n"
                                     "Verbs:\n"
                                     "  win [FILE]\n"
                                     "      open the window\n"
                                     "  --list\n"
                                     "      print the names\n"
                                     "  --help, -h\n"
                                     "      print this text\n");
}

TEST(VerbRunner, WithoutAVerbTheWindowRowIsChosen) {
    std::istringstream in;
    std::ostringstream out, err;
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {"a.log"}, {"--", "-odd name"}}) {
        const VerbChoice choice = chooseVerb(windowTable, arguments, in, out, err);
        ASSERT_TRUE(choice.call.has_value());
        EXPECT_EQ(choice.call->verb().name, "");
        EXPECT_EQ(choice.call->verb().application, VerbApplication::Widgets);
        EXPECT_EQ(choice.call->operands().size(), arguments.empty() ? 0u : 1u);
    }
    const VerbChoice draw = chooseVerb(table, {"--draw", "s", "--out", "o"}, in, out, err);
    ASSERT_TRUE(draw.call.has_value());
    EXPECT_EQ(draw.call->verb().application, VerbApplication::Gui);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "");

    const Outcome twoFiles = run(windowTable, {"a.log", "b.log"});
    EXPECT_EQ(twoFiles.status, 2);
    EXPECT_EQ(twoFiles.err, "win: too many arguments: b.log\n\n" + helpText(windowTable));
    EXPECT_EQ(run(windowTable, {"--list", "a.log"}).status, 2);
}

TEST(VerbRunner, TheVerbReadsTheInputItIsGiven) {
    const Outcome read = run(readingTable, {"--read"}, "first line\nsecond line\n");
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.out, "read first line");
    // A verb that does not read leaves its input alone.
    std::istringstream in("untouched\n");
    std::ostringstream out, err;
    EXPECT_EQ(runVerbs(readingTable, {"--list"}, in, out, err), 0);
    EXPECT_EQ(in.tellg(), 0);
}

namespace {

constexpr std::string_view embeddingAliases[] = {"/Embedding"};
constexpr std::string_view registerAliases[] = {"/Regserver"};
constexpr Verb switchVerbs[] = {
    {"", "", "open the window", nullptr, {}, VerbApplication::Widgets},
    {"-Embedding",
     "FILE",
     "open an object",
     nullptr,
     {},
     VerbApplication::Widgets,
     embeddingAliases},
    {"-Regserver", "", "register", echo, {}, VerbApplication::Core, registerAliases},
    {"--list", "", "print the names", echo},
};
constexpr VerbTable switchTable{"srv", switchVerbs};

} // namespace

TEST(VerbRunner, WindowsStyleSwitchesCallTheirVerb) {
    std::istringstream in;
    std::ostringstream out, err;
    for (const char* spelling : {"-Embedding", "/Embedding"}) {
        const VerbChoice choice = chooseVerb(switchTable, {spelling, "obj.vrs"}, in, out, err);
        ASSERT_TRUE(choice.call.has_value()) << spelling;
        EXPECT_EQ(choice.call->verb().name, "-Embedding");
        EXPECT_EQ(choice.call->operands(), std::vector<std::string>{"obj.vrs"});
    }
    // The file may come first, and the same verb may be named in both spellings.
    const VerbChoice both =
        chooseVerb(switchTable, {"obj.vrs", "/Embedding", "-Embedding"}, in, out, err);
    ASSERT_TRUE(both.call.has_value());
    EXPECT_EQ(both.call->verb().name, "-Embedding");
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "");

    EXPECT_EQ(run(switchTable, {"/Regserver"}).out, "-Regserver:");
    EXPECT_EQ(run(switchTable, {"-Regserver"}).out, "-Regserver:");

    struct Case {
        std::vector<std::string> arguments;
        std::string problem;
    } const wrong[] = {
        {{"/Embedding"}, "srv: -Embedding takes FILE\n\n"},
        {{"/Embedding", "a", "b"}, "srv: -Embedding takes FILE\n\n"},
        {{"/Regserver", "/Embedding", "a"},
         "srv: only one of -Embedding, -Regserver, --list: /Embedding\n\n"},
        {{"/regserver"}, "srv: too many arguments: /regserver\n\n"}, // exact spelling only
        {{"-embedding", "a"}, "srv: unknown verb or option -embedding\n\n"},
    };
    for (const Case& c : wrong) {
        const Outcome r = run(switchTable, c.arguments);
        EXPECT_EQ(r.status, 2) << c.problem;
        EXPECT_EQ(r.err, c.problem + helpText(switchTable));
    }
}

TEST(VerbRunner, HelpNamesTheOtherSpellings) {
    EXPECT_EQ(helpText(switchTable), "Usage: srv\n"
                                     "       srv VERB [ARGUMENTS]\n"
                                     "\n"
                                     "Verbs:\n"
                                     "  srv\n"
                                     "      open the window\n"
                                     "  -Embedding FILE\n"
                                     "      also /Embedding\n"
                                     "      open an object\n"
                                     "  -Regserver\n"
                                     "      also /Regserver\n"
                                     "      register\n"
                                     "  --list\n"
                                     "      print the names\n"
                                     "  --help, -h\n"
                                     "      print this text\n");
}
