#pragma once

#include "common/texts_table.h"

#include <string>
#include <string_view>
#include <system_error>

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
    /* %1 the longest line in bytes */                                                             \
    TEXT(inputLineTooLong,                                                                         \
         Caption::same("a line of standard input is longer than %1 bytes; it is not read"))        \
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
         Caption::same("the stamp is in %1, but its picture was not put in place: %2; nothing "    \
                       "was logged or remembered"))                                                \
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
    TEXT(stampFileInvalid, Caption::same("vermilin: %1 is not valid stamp data: %2"))              \
    /* %1 the stamp's number, %2 the PDF, %3 the reason */                                         \
    TEXT(pdfStampInvalid, Caption::same("vermilin: stamp %1 in %2 is not valid stamp data: %3"))   \
    /* --render --number: %1 the file, %2 its stamps, %3 the number asked for */                   \
    TEXT(noSuchStamp, Caption::same("%1 holds %2 stamps; there is no stamp %3"))                   \
    TEXT(noSuchStampOfOne, Caption::same("%1 holds %2 stamp; there is no stamp %3"))               \
    /* --info on a stamped PDF: %1 the stamp's number/count, %2 the page, %3 and %4 the            \
       position in millimetres, %5 the attachment's name */                                        \
    TEXT(pdfStampHeading,                                                                          \
         {.japanese = "押印 %1: %2 ページ、左から %3 mm、上から %4 mm (%5)",                       \
          .english = "Stamp %1: page %2, %3 mm from the left, %4 mm from the top (%5)"})

struct StampVerbTexts {
    VERMIL_TEXTS_MEMBERS(StampVerbTexts, VERMIL_STAMP_VERB_TEXTS)
};

// What vermilin's --help says of its verbs and options (the option and value names
// themselves are syntax and stay in the verb table). English only, as the command
// line speaks English; the verb table is built from the constants at compile time.
#define VERMIL_VERMILIN_HELP_TEXTS(TEXT, OPTIONAL_TEXT)                                            \
    TEXT(windowVerb, Caption::same("open the stamping program's window with a new stamp"))         \
    TEXT(embeddingVerb,                                                                            \
         Caption::same(                                                                            \
             "open the stamp object kept in FILE (a new one when FILE is missing or empty);\n"     \
             "FILE and its pictures FILE.svg and FILE.png are written after each stamp"))          \
    TEXT(automationVerb,                                                                           \
         Caption::same("start without a window and end (no automation server on Linux)"))          \
    TEXT(regserverVerb, Caption::same("register the program for stamp object files (*.vrs): a "    \
                                      "desktop entry and a MIME type"))                            \
    TEXT(unregserverVerb, Caption::same("remove that registration"))                               \
    TEXT(                                                                                          \
        infoVerb,                                                                                  \
        Caption::same("print who stamped, when, and with which fields; for a stamped PDF, every\n" \
                      "stamp in it with its page and position"))                                   \
    TEXT(renderVerb,                                                                               \
         Caption::same(                                                                            \
             "draw the stamp's picture (PNG at 600 dpi unless --dpi says otherwise); also\n"       \
             "one of the stamps of a stamped PDF"))                                                \
    TEXT(stampVerb,                                                                                \
         Caption::same(                                                                            \
             "stamp without a window: the seal's checks and password, then the stamp object\n"     \
             "in STAMPFILE (created when missing), its picture with --picture, the stamp log\n"    \
             "line and the remembered fields. The texts (UTF-8) replace the remembered ones.\n"    \
             "The password is never an argument: --password-stdin, else $VERMIL_PASSWORD,\n"       \
             "else the remembered one. A failed check or password writes nothing."))               \
    TEXT(stampPdfVerb,                                                                             \
         Caption::same(                                                                            \
             "stamp a copy of a PDF: the whole stamp as --stamp makes it, the seal drawn on\n"     \
             "the page as vector art and the stamp object attached to the copy. IN.pdf is\n"       \
             "never changed. Refused with exit 2, writing nothing: not a PDF, damaged,\n"          \
             "encrypted, digitally signed, no such page, the seal not wholly on the page."))       \
    TEXT(changePasswordVerb,                                                                       \
         Caption::same(                                                                            \
             "change a seal's password: the old password, the new one and the new one again\n"     \
             "as three lines of standard input"))                                                  \
    TEXT(numberOption,                                                                             \
         Caption::same("from a stamped PDF: the stamp numbered N by --info (default 1)"))          \
    TEXT(pictureOption, Caption::same("also write the stamp's picture"))                           \
    TEXT(outPdfOption, Caption::same("the stamped copy (never the input itself)"))                 \
    TEXT(atOption,                                                                                 \
         Caption::same("the seal's top-left corner, in mm from the page's top-left corner"))       \
    TEXT(pageOption, Caption::same("the page to stamp (default 1)"))                               \
    TEXT(sealOption,                                                                               \
         Caption::same("the seal to use, by its exact name (default: the one used last)"))         \
    TEXT(passwordStdinOption,                                                                      \
         Caption::same("read the seal password from the first line of standard input"))            \
    TEXT(savePasswordOption, Caption::same("remember the password for the next stamp"))            \
    TEXT(noSavePasswordOption, Caption::same("forget a remembered password"))                      \
    TEXT(exitStatus,                                                                               \
         Caption::same("Exit status: 0 done, 1 a check or a password failed (nothing was "         \
                       "written),\n2 usage or file error.\n"))

struct VermilinHelpTexts {
    VERMIL_TEXTS_MEMBERS(VermilinHelpTexts, VERMIL_VERMILIN_HELP_TEXTS)
};

struct VermilinHelpCaptions {
    VERMIL_TEXTS_CAPTIONS(VERMIL_VERMILIN_HELP_TEXTS)
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
inline std::string inputLineTooLong(std::size_t bytes) {
    return text(&StampVerbTexts::inputLineTooLong, {std::to_string(bytes)});
}
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
// Why a file was not written, in the verbs' English: the system's reason when there is one.
inline std::string notWrittenReason(std::error_code error) {
    return error ? error.message() : cannotReplace;
}
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
inline std::string pdfStampInvalid(std::size_t number, std::string_view file,
                                   std::string_view reason) {
    return text(&StampVerbTexts::pdfStampInvalid, {std::to_string(number), file, reason});
}
inline std::string noSuchStamp(std::string_view file, std::size_t count, int number) {
    return text(count == 1 ? &StampVerbTexts::noSuchStampOfOne : &StampVerbTexts::noSuchStamp,
                {file, std::to_string(count), std::to_string(number)});
}
inline std::string pdfStampHeading(Language language,
                                   std::initializer_list<std::string_view> parts) {
    return fillPlaceholders((StampVerbTexts::of(language).pdfStampHeading).toStdString(), parts);
}

} // namespace cli::stampverbtexts

} // namespace vermil
