#include "stamper/stamping/stamp_transaction_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(StampTransactionTexts, VERMIL_STAMP_TRANSACTION_TEXTS)

} // namespace vermil
