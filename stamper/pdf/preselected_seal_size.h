#pragma once

#include "stamper/pdf/pdf_view_geometry.h"

namespace vermil {

class CVermilinDoc;

// The size of the seal the seal dialog will select first: the seal used last as
// the index lists it (seal_preselection), from its seal file. When no listed seal
// matches or its file gives no size, the size of the document's stamp.
SealSizeMm preselectedSealSize(const CVermilinDoc& document);

} // namespace vermil
