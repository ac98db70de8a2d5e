#include "common/files/file_message_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(FileMessageTexts, VERMIL_FILE_MESSAGE_TEXTS)

} // namespace vermil
