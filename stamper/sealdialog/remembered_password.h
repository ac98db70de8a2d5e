#pragma once

#include <QString>

#include <optional>
#include <string>

namespace vermil {
class UserProfile;
} // namespace vermil

// The user's profile keys of the remembered password: its code, and whether it is kept.
namespace vermil::rememberedpassword {
inline const QString codeKey = QStringLiteral("drowssap");
inline const QString keptKey = QStringLiteral("cpw");

// The password the profile keeps, decoded; nullopt when none is kept.
std::optional<std::string> readFrom(const UserProfile& profile);
} // namespace vermil::rememberedpassword
