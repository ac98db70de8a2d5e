#pragma once

#include "common/language.h"

#include <QString>

namespace vermil {

// Messages of the view's commands and of the embedding, which the system does not
// have (it had no files of its own): one set per language.
struct ViewMessages {
    QString (*cannotWriteObject)(const QString& reason);
    QString (*closeWithoutSaving)(const QString& file);
    QString (*cannotOpenObject)(const QString& reason);
    QString saveCopyTitle;

    static const ViewMessages& of(Language language);
};

namespace viewtexts {
inline const QString objectFilter = QStringLiteral("Vermil Document (*.vrs)");
inline const QString objectSuffix = QStringLiteral("vrs");
} // namespace viewtexts

} // namespace vermil
