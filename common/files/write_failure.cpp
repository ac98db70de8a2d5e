#include "common/files/write_failure.h"

#include "common/files/regular_file.h"
#include "common/files/write_failure_texts.h"

namespace vermil {

QString writeFailureCause(const std::error_code& error, Language language) {
    if (!error)
        return {};
    const WriteFailureTexts& texts = WriteFailureTexts::of(language);
    if (error == std::errc::no_space_on_device)
        return texts.diskFull;
    if (error == FileKindError::Directory)
        return texts.directory;
    if (error == FileKindError::Fifo)
        return texts.fifo;
    if (error == FileKindError::Device)
        return texts.device;
    if (isNotRegularFile(error))
        return texts.otherKind;
    return QString::fromStdString(error.message());
}

QString withWriteFailureCause(const QString& message, const std::error_code& error,
                              Language language) {
    const QString cause = writeFailureCause(error, language);
    return cause.isEmpty() ? message : message + QLatin1Char('\n') + cause;
}

} // namespace vermil
