#pragma once

namespace vermil {

// Where a stamp goes: a stamp object file and its picture, a stamped copy of a
// PDF, the embedded object's file. Each caller of the stamping transaction
// brings its own.
class StampOutput {
public:
    virtual ~StampOutput() = default;
    // Writes the stamp the document holds now, as a whole or not at all. False
    // after the user was told why and that nothing was stamped.
    virtual bool write() = 0;
};

} // namespace vermil
