#include "platform_identity.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace vermil {
namespace {
constexpr std::size_t maxNameBytes = 255;

std::string limited(std::string name) {
    if (name.size() > maxNameBytes)
        name.resize(maxNameBytes);
    return name;
}
} // namespace

std::string userName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return limited(entry->pw_name);
    if (const char* user = std::getenv("USER"))
        return limited(user);
    return {};
}

std::string computerName() {
    char host[maxNameBytes + 1] = {};
    if (::gethostname(host, sizeof host - 1) != 0)
        return {};
    return limited(host);
}

} // namespace vermil
