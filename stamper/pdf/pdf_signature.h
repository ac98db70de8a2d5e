#pragma once

#include <qpdf/QPDF.hh>

namespace vermil::pdf {

// True when the document carries a digital signature: a signature field with a
// value, the form's "signatures exist" flag, or a permissions dictionary (a
// certifying signature). Any rewrite of such a file breaks the signature.
bool hasDigitalSignature(QPDF& document);

} // namespace vermil::pdf
