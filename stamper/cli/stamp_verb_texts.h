#pragma once

#include <string>
#include <string_view>

// The messages of the --stamp and --change-password verbs (English, UTF-8); each
// follows the program's name ("vermilin: ..."). The seal dialog's own messages
// come through the prompter in the language of the settings.
namespace vermil::cli::stampverbtexts {

inline std::string noShiftJisForm(std::string_view what) {
    return std::string(what) + " has a character without a Shift-JIS form; it cannot be stored";
}
inline constexpr std::string_view thePassword = "the password";
inline constexpr std::string_view saveFlagsExcludeEachOther =
    "--save-password and --no-save-password exclude each other";
inline constexpr std::string_view dpiNeedsPicture = "--dpi goes with --picture";
inline std::string noSuchFolder(std::string_view file) {
    return "cannot write " + std::string(file) + ": its folder does not exist";
}
inline std::string notAFileToWrite(std::string_view file, std::string_view kind) {
    return "cannot write " + std::string(file) + ": it is " + std::string(kind);
}
inline std::string sealNotListed(std::string_view sealUtf8, std::string_view indexUtf8) {
    return "the seal index " + std::string(indexUtf8) + " lists no seal named " +
           std::string(sealUtf8);
}
inline constexpr std::string_view noPasswordGiven =
    "no password was given: pass it with --password-stdin or in VERMIL_PASSWORD";
inline std::string stampNotWritten(std::string_view file, std::string_view reason) {
    return "cannot write the stamp to " + std::string(file) + ": " + std::string(reason) +
           "; nothing was logged or remembered";
}
inline std::string pictureNotWritten(std::string_view stampFile, std::string_view reason) {
    return "the stamp is in " + std::string(stampFile) +
           ", but its picture was not written: " + std::string(reason) +
           "; nothing was logged or remembered";
}
inline constexpr std::string_view cannotReplace = "the file could not be replaced";

// --stamp-pdf
inline constexpr std::string_view badPosition =
    "--at takes the seal's position as X,Y in millimetres from the top-left corner of the "
    "page, for example --at 150,20";
inline constexpr std::string_view outIsIn =
    "--out names the input PDF itself; the input is never changed: name another file";
inline std::string pdfNotWritten(std::string_view file, std::string_view reason) {
    return "cannot write the stamped PDF to " + std::string(file) + ": " + std::string(reason) +
           "; nothing was logged or remembered";
}

} // namespace vermil::cli::stampverbtexts
