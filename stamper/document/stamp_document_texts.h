#pragma once

#include "common/texts_table.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace vermil {

// The stamp document room's texts: why stamp data or a stamp object file cannot be
// read or written (English only, the same in both sets: they reach a person in a
// verb's message or on stderr), and the names a desktop shows for stamp object
// files.
#define VERMIL_STAMP_DOCUMENT_TEXTS(TEXT, OPTIONAL_TEXT)                                           \
    /* native data: %1 its bytes, %2 the limit */                                                  \
    TEXT(dataTooLarge, Caption::same("the data has %1 bytes, more than the limit of %2"))          \
    /* %1 the bytes left over */                                                                   \
    TEXT(bytesAfterLastItem, Caption::same("%1 bytes follow the last item of the stamp"))          \
    /* one item: %1 its name below */                                                              \
    TEXT(item, Caption::same("the %1"))                                                            \
    /* %1 the item, %2 its bytes or characters, %3 the limit */                                    \
    TEXT(itemTooLarge, Caption::same("%1 has %2 bytes, more than the limit of %3"))                \
    TEXT(itemDeclaresTooMany, Caption::same("%1 declares %2 bytes, more than the limit of %3"))    \
    TEXT(itemDeclaresTooManyWide,                                                                  \
         Caption::same("%1 declares %2 wide characters, more than the limit of %3"))               \
    TEXT(itemMarkedWideTwice, Caption::same("%1 is marked wide twice"))                            \
    TEXT(itemNotCp932, Caption::same("%1 holds a character without a Shift-JIS form"))             \
    /* %1 the item, %2 the limit */                                                                \
    TEXT(itemLongerThanLimit, Caption::same("%1 is longer than the limit of %2 bytes"))            \
    /* %1 the item, %2 the bytes it needs, %3 the bytes that follow */                             \
    TEXT(itemCutShort, Caption::same("%1 needs %2 bytes, but only %3 follow"))                     \
    TEXT(approverName, Caption::same("approver name"))                                             \
    TEXT(section, Caption::same("section"))                                                        \
    TEXT(approvalDate, Caption::same("approval date"))                                             \
    TEXT(comment, Caption::same("comment"))                                                        \
    TEXT(lowerText, Caption::same("lower text"))                                                   \
    TEXT(upperTexts, Caption::same("upper texts"))                                                 \
    TEXT(sealDateText, Caption::same("seal date text"))                                            \
    TEXT(documentNumber, Caption::same("document number"))                                         \
    TEXT(stampTypeCode, Caption::same("stamp type code"))                                          \
    TEXT(sealFileText, Caption::same("seal file text"))                                            \
    TEXT(fontText, Caption::same("font text"))                                                     \
    TEXT(informationText, Caption::same("information text"))                                       \
    TEXT(profileText, Caption::same("profile text"))                                               \
    /* a stamp object file */                                                                      \
    TEXT(notRegularFile, Caption::same("not a regular file"))                                      \
    /* %1 the file's bytes, %2 the limit */                                                        \
    TEXT(fileTooLarge,                                                                             \
         Caption::same("the file has %1 bytes, more than the limit of %2 for stamp data"))         \
    TEXT(readError, Caption::same("read error"))                                                   \
    TEXT(fileChanged, Caption::same("the file changed while it was read"))                         \
    /* %1 the file, %2 the reason */                                                               \
    TEXT(cannotReadFile, Caption::same("cannot read %1: %2"))                                      \
    TEXT(notStampData, Caption::same("%1 is not valid stamp data: %2"))                            \
    TEXT(cannotWriteFileBecause, Caption::same("cannot write %1: %2"))                             \
    /* %1 the file */                                                                              \
    TEXT(cannotWriteFile, Caption::same("cannot write %1"))                                        \
    /* %1 the file, %2 the system's reason */                                                      \
    TEXT(cannotRemoveFile, Caption::same("cannot remove %1: %2"))                                  \
    /* the registration: the type name a desktop shows for the program */                          \
    TEXT(registryTypeName,                                                                         \
         {.japanese = "Ombrel Sarne 日付印Vermil", .english = "Ombrel Sarne Vermil"})              \
    TEXT(desktopComment, Caption::same("Date seal (hanko) stamp object"))                          \
    /* what a desktop shows as the type of a *.vrs file; the English form is the recorded type     \
       name */                                                                                     \
    TEXT(fileTypeComment, {.japanese = "日付印Vermil", .english = "Vermil Document"})

struct StampDocumentTexts {
    VERMIL_TEXTS_MEMBERS(StampDocumentTexts, VERMIL_STAMP_DOCUMENT_TEXTS)
};

// The same rows as constants, for texts that travel as UTF-8 bytes.
struct StampDocumentCaptions {
    VERMIL_TEXTS_CAPTIONS(VERMIL_STAMP_DOCUMENT_TEXTS)
};

// An English-only text of the room with its places filled, UTF-8.
inline std::string stampDocumentText(const Caption& caption,
                                     std::initializer_list<std::string_view> values = {}) {
    return fillPlaceholders(caption.english, values);
}

} // namespace vermil
