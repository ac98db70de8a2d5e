#pragma once

#include "common/language.h"

#include <QString>

#include <system_error>

namespace vermil {

// The line a write failure message adds after the system's own text, naming the
// real cause: a full disk in words, any other reason as the system says it.
// Empty when there is no reason to give.
QString writeFailureCause(const std::error_code& error, Language language = Language::Japanese);

// The system's message, and on a line of its own what really went wrong (nothing
// added when there is no reason to give).
QString withWriteFailureCause(const QString& message, const std::error_code& error,
                              Language language = Language::Japanese);

} // namespace vermil
