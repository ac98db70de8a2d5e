#pragma once

#include <QString>

// The user's profile keys of the remembered password: its code, and whether it is kept.
namespace vermil::rememberedpassword {
inline const QString codeKey = QStringLiteral("drowssap");
inline const QString keptKey = QStringLiteral("cpw");
} // namespace vermil::rememberedpassword
