#include "stamper/document/stamper_user_values.h"

#include "common/user_profile.h"

namespace vermil {

int autoStampModeOf(const QString& stored) {
    return stored == QLatin1String("1") ? 1 : stored == QLatin1String("2") ? 2 : 0;
}

bool userSwitchOf(const QString& stored) {
    return stored == QLatin1String("1");
}

StamperUserValues readStamperUserValues(const UserProfile& profile) {
    const QString off = QStringLiteral("0");
    StamperUserValues values;
    values.rememberPassword =
        userSwitchOf(profile.userValue(stamperuserkeys::rememberPassword, off));
    values.autoStamp = autoStampModeOf(profile.userValue(stamperuserkeys::autoStamp, off));
    values.clipboard = userSwitchOf(profile.userValue(stamperuserkeys::clipboard, off));
    return values;
}

} // namespace vermil
