#pragma once

#include "seal_definition.h"
#include "seal_index.h"

#include "common/suite_version.h"

#include <QString>

#include <string>
#include <string_view>

namespace vermil {

// One seal as the register, edit and import write it.
struct SealRecord {
    std::string name;
    std::string password;
    SealDefinition definition;
};

enum class SealEntryKind { New, Existing };

enum class SealWriteStatus {
    Written,
    Refused,        // nothing written: see refusal
    SealFileFailed, // the seal file (or its folder) could not be written; index untouched
    IndexFailed,    // the seal file is written, an index write failed
};

struct SealWriteResult {
    SealWriteStatus status = SealWriteStatus::Refused;
    QString refusal;
    std::string sealFilePath; // CP932
    std::string sealText;
};

// "Error 320: ..." — the index is full.
QString capacityExceededMessage();

// Writes one seal: the checks that keep every stored file readable (a safe name,
// values that read back whole, room in the index for a new seal) before anything
// is written, then the seal folder (created with the default profile when it is
// new), the seal file, and its index entry. The callers add their own messages.
SealWriteResult writeSeal(const SealIndex& index, const SealRecord& seal, SealEntryKind kind,
                          std::string_view versionText = indexVersionText);

} // namespace vermil
