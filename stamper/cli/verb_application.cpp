#include "verb_application.h"

#include <QGuiApplication>

namespace vermil::cli {
namespace {

QtMessageHandler qtMessages = nullptr;

// A verb's stderr carries its own messages. Qt's note that it picked a runtime
// folder itself (a shell without a desktop session has none) says nothing to the
// user of a command line, so it is left out; every other message passes.
void dropRuntimeFolderNote(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (qtMessages)
        qtMessages(type, context, message);
}

} // namespace

std::unique_ptr<QCoreApplication> applicationForVerb(VerbApplication kind, int& argc, char** argv) {
    if (QCoreApplication::instance())
        return nullptr;
    switch (kind) {
    case VerbApplication::Core:
        break;
    case VerbApplication::Gui:
        // A verb draws without a window, so it also runs where there is no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qtMessages = qInstallMessageHandler(dropRuntimeFolderNote);
        return std::make_unique<QGuiApplication>(argc, argv);
    case VerbApplication::Widgets:
        // Only the window rows ask for widgets, and the window makes its own application.
        return nullptr;
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace vermil::cli
