#include "common/files/write_failure.h"

#include "common/files/file_message_texts.h"

namespace vermil {

QString writeFailureCause(const std::error_code& error) {
    if (!error)
        return {};
    if (error == std::errc::no_space_on_device)
        return FileMessageTexts::of(Language::Japanese).diskFull;
    return QString::fromStdString(error.message());
}

} // namespace vermil
