#include "ctrailscan_app.h"

#include "logcheck/ui/checker_dialog.h"

#include "logcheck/checker_dialog_texts.h"
#include "logcheck/checker_language.h"
#include "widgets/dialog_file_chooser.h"
#include "widgets/message_box_prompter.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/user_profile.h"

#include <QFile>
#include <QFileInfo>

namespace vermil {

CtrailscanApp::CtrailscanApp(int& argc, char** argv) : application_(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("trailscan"));
    QApplication::setOrganizationName(QStringLiteral("Ombrel"));
}

int CtrailscanApp::run(const std::optional<std::string>& logPath) {
    // The checker finds its hanko folder without a message, like the manager.
    const std::string hankoFolder = findHankoFolder(nullptr);
    const Language language = checkerLanguage(hankoFolder);
    qtTranslation_.follow(language);

    MessageBoxPrompter prompter(CheckerDialogTexts::of(language).windowTitle);
    DialogFileChooser chooser;
    UserProfile profile(QString::fromLatin1(checkerProfileTitle));
    CheckerDialogModel model(prompter, profile, fromCp932(defaultStampLogPath(hankoFolder)),
                             language);
    // A path from the command line is made absolute: it is stored for the next start.
    if (logPath)
        model.setLogPath(
            QFileInfo(QFile::decodeName(QByteArray::fromStdString(*logPath))).absoluteFilePath());

    CtrailscanDlg dialog(model, chooser, language);
    prompter.setParentWidget(&dialog);
    chooser.setParentWidget(&dialog);
    dialog.exec();
    return 0;
}

} // namespace vermil
