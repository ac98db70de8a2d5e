#include "verbs.h"

#include <cstdio>
#include <optional>

namespace vermil {
namespace {

const char* const usageText =
    "Usage: vrmgr [--index PATH] --import CSVFILE | --list | --verify\n"
    "\n"
    "  --import CSVFILE  register one seal per row of a CSV file (Shift-JIS text)\n"
    "  --list            print the registered seals in list order\n"
    "  --verify          check every listed seal against its index entry and seal\n"
    "                    file: one line per seal, NAME: OK or NAME: NG and the reason\n"
    "  --index PATH      the seal index to use for this run (default: MAIN/VermilDataFile\n"
    "                    of hanko.ini in the hanko folder, else vrdata/index.dat there)\n"
    "  --help            print this text\n"
    "\n"
    "Exit status: 0 done, 1 the import stopped or a seal is NG, 2 usage or file error.\n";

enum class Verb { None, Help, Import, List, Verify };

struct Arguments {
    Verb verb = Verb::None;
    QString csvFile;
    QString indexPath;
    QString error;
};

Arguments parse(const QStringList& arguments) {
    Arguments parsed;
    auto setVerb = [&parsed](Verb verb, const QString& name) {
        if (parsed.verb != Verb::None && parsed.verb != verb)
            parsed.error = QStringLiteral("only one of --import, --list, --verify: ") + name;
        parsed.verb = verb;
    };
    for (qsizetype i = 1; i < arguments.size() && parsed.error.isEmpty(); ++i) {
        const QString& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            setVerb(Verb::Help, arg);
        } else if (arg == QLatin1String("--list")) {
            setVerb(Verb::List, arg);
        } else if (arg == QLatin1String("--verify")) {
            setVerb(Verb::Verify, arg);
        } else if (arg == QLatin1String("--import") && hasValue) {
            setVerb(Verb::Import, arg);
            parsed.csvFile = arguments[++i];
        } else if (arg == QLatin1String("--index") && hasValue) {
            parsed.indexPath = arguments[++i];
        } else if (arg == QLatin1String("--import") || arg == QLatin1String("--index")) {
            parsed.error = arg + QStringLiteral(" needs a path");
        } else {
            parsed.error = QStringLiteral("unknown argument ") + arg;
        }
    }
    return parsed;
}

} // namespace

void printLine(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::fprintf(stdout, "%s\n", utf8.constData());
}

void printError(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::fprintf(stderr, "%s\n", utf8.constData());
}

int runCommandLine(const QStringList& arguments) {
    const Arguments args = parse(arguments);
    if (!args.error.isEmpty()) {
        printError(QStringLiteral("vrmgr: ") + args.error);
        std::fputs(usageText, stderr);
        return ExitUsage;
    }
    if (args.verb == Verb::None) {
        std::fputs(usageText, stderr);
        return ExitUsage;
    }
    if (args.verb == Verb::Help) {
        std::fputs(usageText, stdout);
        return ExitOk;
    }
    const auto indexPath = chooseIndexPath(args.indexPath);
    if (!indexPath || !indexIsReadable(*indexPath))
        return ExitUsage;
    switch (args.verb) {
    case Verb::Import:
        return importVerb(*indexPath, args.csvFile);
    case Verb::List:
        return listVerb(*indexPath);
    case Verb::Verify:
        return verifyVerb(*indexPath);
    case Verb::None:
    case Verb::Help:
        break;
    }
    return ExitUsage;
}

} // namespace vermil
