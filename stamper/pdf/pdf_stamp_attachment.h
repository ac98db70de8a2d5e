#pragma once

#include "stamper/pdf/pdf_stamp_reading.h"
#include "stamper/pdf/pdf_stamping.h"

#include <qpdf/QPDF.hh>

#include <vector>

namespace vermil::pdf {

// The MIME type of an attached stamp object.
inline constexpr const char* stampObjectMimeType = "application/x-vermil-stamp";

// A PDF carrying more stamps than this is not read for its stamps.
inline constexpr std::size_t maxAttachedStamps = 10'000;

// Attaches the seal's stamp object to the document as an embedded file that also
// records where the seal went; numbered after the stamps already attached.
void attachStamp(QPDF& document, const PdfSeal& seal, const PdfPlacement& at);

// The stamps attached with attachStamp, in the order they were made; other
// attachments are passed over. Throws PdfStampFailure (Damaged) for an attached
// stamp that is larger than a stamp object can be, or for too many stamps.
std::vector<PdfStampFound> attachedStamps(QPDF& document);

} // namespace vermil::pdf
