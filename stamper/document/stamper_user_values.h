#pragma once

#include <QString>

namespace vermil {

class UserProfile;

// The stamping program's values in the user's section of its profile.
namespace stamperuserkeys {
inline const QString autoStamp = QStringLiteral("AutoStamp");
inline const QString clipboard = QStringLiteral("Clipboard");
inline const QString rememberPassword = QStringLiteral("cpw");
} // namespace stamperuserkeys

struct StamperUserValues {
    bool rememberPassword = false;
    int autoStamp = 0; // 0 off, 1 or 2 the automatic modes
    bool clipboard = false;
};

// The automatic stamping mode a stored text means: "1" and "2" are the modes,
// anything else is off.
int autoStampModeOf(const QString& stored);

// A switch is on only when it is stored as "1".
bool userSwitchOf(const QString& stored);

// The values as they are stored now; a missing key is off.
StamperUserValues readStamperUserValues(const UserProfile& profile);

} // namespace vermil
