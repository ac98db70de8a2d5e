#pragma once

#include "common/language.h"

#include <QString>

namespace vermil {

// Messages of the view's commands and of the embedding, which the system does not
// have (it had no files of its own): one set per language.
struct StampViewTexts {
    QString (*cannotWriteObject)(const QString& reason);
    QString (*objectNotStamped)(const QString& reason); // a stamp's write failed
    QString (*closeWithoutSaving)(const QString& file);
    QString (*cannotOpenObject)(const QString& reason);
    QString saveCopyTitle;

    static const StampViewTexts& of(Language language);
};

namespace stampviewtexts {
inline const QString objectFilter = QStringLiteral("Vermil Document (*.vrs)");
inline const QString objectSuffix = QStringLiteral("vrs");
} // namespace stampviewtexts

} // namespace vermil
