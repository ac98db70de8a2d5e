#pragma once

#include "common/language.h"

#include <QString>

namespace vermil {

class CVermilinDoc;

// The stamp information dialog without its widgets: the text of who stamped,
// when, where and with which fields, in the language in force now. It reads the
// document once and changes nothing; what is typed into the box is not kept.
class StampInformationModel {
public:
    explicit StampInformationModel(const CVermilinDoc& document);

    Language language() const { return language_; }
    const QString& text() const { return text_; }

private:
    Language language_;
    QString text_;
};

} // namespace vermil
