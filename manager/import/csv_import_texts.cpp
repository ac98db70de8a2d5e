#include "manager/import/csv_import_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(CsvImportTexts, VERMIL_CSV_IMPORT_TEXTS)

} // namespace vermil
