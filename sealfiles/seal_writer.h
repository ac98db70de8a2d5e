#pragma once

#include "seal_definition.h"
#include "seal_index.h"

#include "common/suite_version.h"

#include <QString>

#include <string>
#include <string_view>
#include <system_error>

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
    Refused,        // nothing written: see reason and refusal
    SealFileFailed, // the seal file (or its folder) could not be written; index untouched
    IndexFailed,    // the index could not be written; it is as it was
};

enum class SealRefusal {
    None,
    UnsafeName,      // the name cannot be a file and section name
    UnsafeValue,     // a value would not read back whole
    IndexFull,       // a new seal, and the index holds 100
    NameTaken,       // a new seal whose name is registered
    NameInOtherCase, // a registered name differs only in letter case
};

struct SealWriteResult {
    SealWriteStatus status = SealWriteStatus::Refused;
    SealRefusal reason = SealRefusal::None;
    QString refusal;
    std::string registeredName; // NameTaken, NameInOtherCase: the name in the index
    std::string sealFilePath;   // CP932
    std::string sealText;
    std::error_code error; // SealFileFailed, IndexFailed: the system's reason, if any
};

// "Error 320: ..." — the index is full.
QString capacityExceededMessage();

// "Warning 308: ..." — the name is registered already.
QString nameTakenMessage(std::string_view name);

// Writes one seal: the checks that keep every stored file readable (a safe name,
// values that read back whole) before anything is written, then the seal folder
// (given the default profile when it lacks one), and under the index's lock the
// checks against the index (room for a new seal, its name not taken, no
// registered name that differs only in letter case), the seal file and the whole
// index entry in one replacement. Leftover temporaries of killed writers in the
// seal folder are removed on the way. The callers add their own messages.
SealWriteResult writeSeal(const SealIndex& index, const SealRecord& seal, SealEntryKind kind,
                          std::string_view versionText = indexVersionText);

} // namespace vermil
