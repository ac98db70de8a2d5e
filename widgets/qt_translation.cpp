#include "widgets/qt_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace vermil {

QString QtTranslation::japaneseFile() {
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        .filePath(QStringLiteral("qtbase_ja.qm"));
}

bool QtTranslation::follow(Language language) {
    if (language != Language::Japanese) {
        if (installed_)
            QCoreApplication::removeTranslator(&japanese_);
        installed_ = false;
        return true;
    }
    if (installed_)
        return true;
    if (japanese_.isEmpty() && !japanese_.load(japaneseFile()))
        return false;
    installed_ = QCoreApplication::installTranslator(&japanese_);
    return installed_;
}

} // namespace vermil
