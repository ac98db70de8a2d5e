#include "common/files/write_failure.h"

namespace vermil {

QString writeFailureCause(const std::error_code& error) {
    if (!error)
        return {};
    if (error == std::errc::no_space_on_device)
        return QStringLiteral("ディスクの空き容量が不足しています。");
    return QString::fromStdString(error.message());
}

} // namespace vermil
