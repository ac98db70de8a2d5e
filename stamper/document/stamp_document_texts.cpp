#include "stamper/document/stamp_document_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(StampDocumentTexts, VERMIL_STAMP_DOCUMENT_TEXTS)

} // namespace vermil
