#pragma once

#include <string>

namespace vermil {

// Who and where a stamp is made: the login name of the process owner and the
// host name, each at most 255 bytes, as recorded in stamps and log lines.
std::string userName();
std::string computerName();

} // namespace vermil
