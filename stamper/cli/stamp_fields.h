#pragma once

#include "common/cli/verb_call.h"
#include "common/cli/verb_table.h"
#include "stamper/cli/stamp_verb_texts.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace vermil::cli {

// The options --stamp and --stamp-pdf share, as the help lists them: the seal,
// the fields, the password sources. readStampFields and readStampPassword read them.
inline constexpr std::array<Option, 10> stampFieldOptions{{
    {"--seal", "NAME", VermilinHelpCaptions::sealOption.english},
    {"--document-no", "TEXT", ""},
    {"--name", "TEXT", ""},
    {"--section", "TEXT", ""},
    {"--date", "TEXT", ""},
    {"--comment", "TEXT", ""},
    {"--seal-date", "TEXT", ""},
    {"--password-stdin", "", VermilinHelpCaptions::passwordStdinOption.english},
    {"--save-password", "", VermilinHelpCaptions::savePasswordOption.english},
    {"--no-save-password", "", VermilinHelpCaptions::noSavePasswordOption.english},
}};

// What the stamping verbs (--stamp, --stamp-pdf) take over the seal dialog's
// fields, every text in CP932; an absent option leaves the remembered value.
struct StampFields {
    std::optional<std::string> seal;
    std::optional<std::string> documentNumber;
    std::optional<std::string> name;
    std::optional<std::string> section;
    std::optional<std::string> approvalDate;
    std::optional<std::string> comment;
    std::optional<std::string> sealDate;
    std::optional<std::string> password;
    std::optional<bool> savePassword;
};

// The field options and the save-password flags; nullopt after a message.
std::optional<StampFields> readStampFields(const VerbCall& call);

// The password: the first line of standard input with --password-stdin, else
// VERMIL_PASSWORD; left absent for the remembered one. False after a message.
// Read last, once every other check of the command line passed.
bool readStampPassword(const VerbCall& call, StampFields& fields);

// False after a message when the folder that would hold `file` does not exist, or
// when something other than a regular file is at `file` (a device, a FIFO).
bool requireOutputPlace(const VerbCall& call, const std::filesystem::path& file);

} // namespace vermil::cli
