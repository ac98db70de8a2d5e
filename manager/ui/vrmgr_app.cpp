#include "vrmgr_app.h"

#include "manager/ui/manager_dialog.h"
#include "manager_icon.h"
#include "manager_windows.h"

#include "manager/manager_dialog_model.h"
#include "render/seal_font_check.h"
#include "render/seal_fonts.h"
#include "widgets/dialog_file_chooser.h"
#include "widgets/dialog_font_chooser.h"
#include "widgets/message_box_prompter.h"

#include <QTimer>

#include "common/hanko_folders.h"
#include "common/user_profile.h"

namespace vermil {

VrmgrApp::VrmgrApp(int& argc, char** argv) : application_(argc, argv) {
    QApplication::setApplicationName(QString::fromLatin1(managerProfileTitle));
    QApplication::setOrganizationName(QStringLiteral("Ombrel"));
    QApplication::setWindowIcon(managerIcon());
    installSealFontSubstitutions();
}

int VrmgrApp::run() {
    // Message boxes and choosers open over the dialog that is active at the time:
    // the main dialog, or the dialog it opened.
    MessageBoxPrompter prompter(QString::fromLatin1(managerProfileTitle));
    DialogFileChooser fileChooser;
    DialogFontChooser fontChooser;
    // The manager finds its hanko folder without a message.
    ManagerDialogModel model(prompter, findHankoFolder(nullptr));
    model.start(fileChooser);
    qtTranslation_.follow(model.language());
    DialogWindows windows(fileChooser, fontChooser);
    CVrmgrDlg dialog(model, windows, fileChooser);
    QObject::connect(&dialog, &CVrmgrDlg::languageChanged, &dialog,
                     [this](Language language) { qtTranslation_.follow(language); });
    windows.setParentWidget(&dialog);
    // Once the window is up: the manager's messages are Japanese.
    QTimer::singleShot(0, &dialog, [&prompter] {
        warnOfMissingSealFonts(prompter, Language::Japanese, installedSealFontAvailability());
    });
    dialog.exec();
    return 0;
}

} // namespace vermil
