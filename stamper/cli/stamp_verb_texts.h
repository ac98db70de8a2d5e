#pragma once

#include "common/texts_table.h"

#include <string>
#include <string_view>

namespace vermil {

// The messages of vermilin's verbs: English only, the same in both sets, as the
// command line speaks English; each follows the program's name ("vermilin: ...").
// The seal dialog's own messages come through the prompter in the language of
// the settings.
#define VERMIL_STAMP_VERB_TEXTS(TEXT, OPTIONAL_TEXT)                                               \
    /* %1 what is refused */                                                                       \
    TEXT(noShiftJisForm,                                                                           \
         Caption::same("%1 has a character without a Shift-JIS form; it cannot be stored"))        \
    TEXT(thePassword, Caption::same("the password"))                                               \
    TEXT(saveFlagsExcludeEachOther,                                                                \
         Caption::same("--save-password and --no-save-password exclude each other"))               \
    TEXT(dpiNeedsPicture, Caption::same("--dpi goes with --picture"))                              \
    /* %1 the file */                                                                              \
    TEXT(noSuchFolder, Caption::same("cannot write %1: its folder does not exist"))                \
    /* %1 the file, %2 what it is instead ("a FIFO, not a regular file") */                        \
    TEXT(notAFileToWrite, Caption::same("cannot write %1: it is %2"))                              \
    /* %1 the index, %2 the seal */                                                                \
    TEXT(sealNotListed, Caption::same("the seal index %1 lists no seal named %2"))                 \
    TEXT(noPasswordGiven,                                                                          \
         Caption::same(                                                                            \
             "no password was given: pass it with --password-stdin or in VERMIL_PASSWORD"))        \
    /* %1 the file, %2 the reason */                                                               \
    TEXT(stampNotWritten,                                                                          \
         Caption::same("cannot write the stamp to %1: %2; nothing was logged or remembered"))      \
    /* %1 the stamp file, %2 the reason */                                                         \
    TEXT(pictureNotWritten,                                                                        \
         Caption::same("the stamp is in %1, but its picture was not written: %2; nothing was "     \
                       "logged or remembered"))                                                    \
    TEXT(cannotReplace, Caption::same("the file could not be replaced"))                           \
    /* --stamp-pdf */                                                                              \
    TEXT(badPosition,                                                                              \
         Caption::same("--at takes the seal's position as X,Y in millimetres from the top-left "   \
                       "corner of the page, for example --at 150,20"))                             \
    TEXT(outIsIn,                                                                                  \
         Caption::same(                                                                            \
             "--out names the input PDF itself; the input is never changed: name another file"))   \
    /* %1 the file, %2 the reason */                                                               \
    TEXT(                                                                                          \
        pdfNotWritten,                                                                             \
        Caption::same("cannot write the stamped PDF to %1: %2; nothing was logged or remembered")) \
    /* reading a stamp object file: %1 the file, %2 the reason */                                  \
    TEXT(stampFileUnreadable, Caption::same("vermilin: cannot read %1: %2"))                       \
    TEXT(stampFileInvalid, Caption::same("vermilin: %1 is not valid stamp data: %2"))

struct StampVerbTexts {
    VERMIL_TEXTS_MEMBERS(StampVerbTexts, VERMIL_STAMP_VERB_TEXTS)
};

// The verbs' messages, UTF-8, with their places filled.
namespace cli::stampverbtexts {

inline std::string text(QString StampVerbTexts::*member,
                        std::initializer_list<std::string_view> values = {}) {
    return fillPlaceholders((StampVerbTexts::of(Language::English).*member).toStdString(), values);
}

inline std::string noShiftJisForm(std::string_view what) {
    return text(&StampVerbTexts::noShiftJisForm, {what});
}
inline const std::string thePassword = text(&StampVerbTexts::thePassword);
inline const std::string saveFlagsExcludeEachOther =
    text(&StampVerbTexts::saveFlagsExcludeEachOther);
inline const std::string dpiNeedsPicture = text(&StampVerbTexts::dpiNeedsPicture);
inline std::string noSuchFolder(std::string_view file) {
    return text(&StampVerbTexts::noSuchFolder, {file});
}
inline std::string notAFileToWrite(std::string_view file, std::string_view kind) {
    return text(&StampVerbTexts::notAFileToWrite, {file, kind});
}
inline std::string sealNotListed(std::string_view sealUtf8, std::string_view indexUtf8) {
    return text(&StampVerbTexts::sealNotListed, {indexUtf8, sealUtf8});
}
inline const std::string noPasswordGiven = text(&StampVerbTexts::noPasswordGiven);
inline std::string stampNotWritten(std::string_view file, std::string_view reason) {
    return text(&StampVerbTexts::stampNotWritten, {file, reason});
}
inline std::string pictureNotWritten(std::string_view stampFile, std::string_view reason) {
    return text(&StampVerbTexts::pictureNotWritten, {stampFile, reason});
}
inline const std::string cannotReplace = text(&StampVerbTexts::cannotReplace);
inline const std::string badPosition = text(&StampVerbTexts::badPosition);
inline const std::string outIsIn = text(&StampVerbTexts::outIsIn);
inline std::string pdfNotWritten(std::string_view file, std::string_view reason) {
    return text(&StampVerbTexts::pdfNotWritten, {file, reason});
}
inline std::string stampFileUnreadable(std::string_view file, std::string_view reason) {
    return text(&StampVerbTexts::stampFileUnreadable, {file, reason});
}
inline std::string stampFileInvalid(std::string_view file, std::string_view reason) {
    return text(&StampVerbTexts::stampFileInvalid, {file, reason});
}

} // namespace cli::stampverbtexts

} // namespace vermil
