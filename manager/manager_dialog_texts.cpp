#include "manager/manager_dialog_texts.h"

#include "common/cp932.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(ManagerDialogTexts, VERMIL_MANAGER_DIALOG_TEXTS)
VERMIL_DEFINE_TEXTS(VersionBoxTexts, VERMIL_VERSION_BOX_TEXTS)
VERMIL_DEFINE_TEXTS(ManagerMessages, VERMIL_MANAGER_MESSAGES)

namespace managerdialogtexts {

QString indexMissing(std::string_view indexPath) {
    return managerMessages().indexMissing.arg(fromCp932(indexPath));
}

QString sealFileUnreadable(std::string_view sealFilePath) {
    return managerMessages().sealFileUnreadable.arg(fromCp932(sealFilePath));
}

QString indexUnusable(std::string_view indexPath, const QString& reason) {
    return managerMessages().indexUnusable.arg(fromCp932(indexPath), reason);
}

QString notRegistered(std::string_view name) {
    return managerMessages().notRegistered.arg(fromCp932(name));
}

QString profileMissing(std::string_view profilePath) {
    return managerMessages().profileMissing.arg(fromCp932(profilePath));
}

} // namespace managerdialogtexts

} // namespace vermil
