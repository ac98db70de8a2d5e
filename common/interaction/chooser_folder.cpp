#include "common/interaction/chooser_folder.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace vermil {
namespace {

bool isFolder(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

QString chooserFolder(const QString& currentValue, const QString& hankoFolder,
                      const QString& documentsFolder) {
    const QFileInfo current(currentValue);
    if (!currentValue.isEmpty() && current.isAbsolute() && isFolder(current.absolutePath()))
        return current.absolutePath();
    if (isFolder(hankoFolder))
        return hankoFolder;
    if (isFolder(documentsFolder))
        return documentsFolder;
    return {};
}

QString chooserFolder(const QString& currentValue, std::string_view hankoFolder) {
    const auto documents = locateDocumentsFolder(FolderUse::ReadOnly);
    const std::string hanko =
        hankoFolder.empty() ? chooseHankoFolder(documents, nullptr) : std::string(hankoFolder);
    return chooserFolder(currentValue, fromCp932(hanko),
                         QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

} // namespace vermil
