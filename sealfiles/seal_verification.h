#pragma once

#include "seal_definition.h"
#include "seal_index.h"

#include <QString>

#include <string>
#include <string_view>

namespace vermil {

// The checks a seal passes before anyone may stamp with it, in the order they run.
enum class SealCheck {
    Passed,
    DataEmpty,          // Error 431
    NoSealFileNamed,    // Warning 429: an older index entry
    SealFileUnreadable, // Error 430
    PasswordCodeLength, // Error 435: Password2 is not six bytes
    IndexHashMismatch,  // Error 428: seal file text or Password2 changed
    NoVermilElement,    // Warning 426: an older seal file
    SealHashMismatch,   // Error   424: seal texts changed
};

// What the verification read, up to the first check that failed.
struct SealVerification {
    SealCheck failed = SealCheck::Passed;
    std::string sealName;
    std::string sealFilePath; // CP932
    SealIndexEntry entry;
    std::string sealText;    // the seal file as read back
    SealFileContent content; // valid when the checks reached the seal file's fields

    bool passed() const { return failed == SealCheck::Passed; }
    // The seal dialog's message for the failed check; empty when all passed.
    QString message() const;
};

// Reads the seal's index entry and seal file and checks both codes against the
// bytes on disk. Every program that lets a seal be used shares this one check.
SealVerification verifySeal(const SealIndex& index, std::string_view sealName);

} // namespace vermil
