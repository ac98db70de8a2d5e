#include "ctrailscan_app.h"

#include "ctrailscan_dlg.h"

#include <QFile>
#include <QFileInfo>

namespace vermil {

CtrailscanApp::CtrailscanApp(int& argc, char** argv) : application_(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("trailscan"));
    QApplication::setOrganizationName(QStringLiteral("Ombrel"));
}

int CtrailscanApp::run(const std::optional<std::string>& logPath) {
    CtrailscanDlg dialog;
    // A path from the command line is made absolute: it is stored for the next start.
    if (logPath)
        dialog.model().setLogPath(
            QFileInfo(QFile::decodeName(QByteArray::fromStdString(*logPath))).absoluteFilePath());
    dialog.exec();
    return 0;
}

} // namespace vermil
