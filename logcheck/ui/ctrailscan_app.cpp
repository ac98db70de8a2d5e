#include "ctrailscan_app.h"

#include "ctrailscan_dlg.h"

#include <QFile>

namespace vermil {

CtrailscanApp::CtrailscanApp(int& argc, char** argv) : application_(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("trailscan"));
    QApplication::setOrganizationName(QStringLiteral("Ombrel"));
}

int CtrailscanApp::run(const std::optional<std::string>& logPath) {
    CtrailscanDlg dialog;
    if (logPath)
        dialog.model().setLogPath(QFile::decodeName(QByteArray::fromStdString(*logPath)));
    dialog.exec();
    return 0;
}

} // namespace vermil
