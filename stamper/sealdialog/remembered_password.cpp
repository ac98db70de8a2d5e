#include "stamper/sealdialog/remembered_password.h"

#include "common/keyed_hash.h"
#include "common/user_profile.h"

namespace vermil::rememberedpassword {

std::optional<std::string> readFrom(const UserProfile& profile) {
    const QString kept = profile.userValue(codeKey, QString());
    if (kept.isEmpty())
        return std::nullopt;
    return decodePairs(kept.toStdString());
}

} // namespace vermil::rememberedpassword
