#pragma once

class QLineEdit;

namespace vermil {

// A field that only shows a value: read-only, skipped by Tab, and drawn on the
// window's colour so that it does not look like one to type into.
void makeReadOnlyField(QLineEdit* field);

} // namespace vermil
