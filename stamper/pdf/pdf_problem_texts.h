#pragma once

#include "common/texts_table.h"

namespace vermil {

// Why a PDF cannot be stamped or its stamps read, one or two sentences in each
// language: %1 is the file, unless said otherwise.
#define VERMIL_PDF_PROBLEM_TEXTS(TEXT, OPTIONAL_TEXT)                                                                             \
    /* %2 the system's reason */                                                                                                  \
    TEXT(unreadable, {.japanese = "%1 を読めません: %2", .english = "cannot read %1: %2"})                                        \
    TEXT(tooLarge, {.japanese = "%1 は 1 GiB を超えるため読みません。",                                                           \
                    .english = "%1 is larger than 1 GiB; it is not read"})                                                        \
    TEXT(notPdf,                                                                                                                  \
         {.japanese = "%1 は PDF ファイルではありません。", .english = "%1 is not a PDF file"})                                   \
    /* %2 qpdf's reason */                                                                                                        \
    TEXT(damaged, {.japanese = "%1 は壊れていて修復できません（%2）。",                                                           \
                   .english = "%1 is damaged and cannot be repaired (%2)"})                                                       \
    TEXT(encrypted,                                                                                                               \
         {.japanese = "%1 は暗号化されています。パスワードや暗号化を外してから押印してください。",                                \
          .english = "%1 is encrypted; remove its password or encryption, then stamp it"})                                        \
    TEXT(signedPdf,                                                                                                               \
         {.japanese = "%1 には電子署名があります。押印するとファイルが書き換えられ署名が無効に" \
                      "なるため、押印しません。",                                                                                 \
          .english = "%1 carries a digital signature; stamping rewrites the file and would "                                      \
                     "break the signature, so it is not stamped"})                                                                \
    /* %2 the page count, %3 the page asked for */                                                                                \
    TEXT(pageOutOfRange, {.japanese = "%1 は %2 ページです。%3 ページはありません。",                                             \
                          .english = "%1 has %2 pages; there is no page %3"})                                                     \
    TEXT(pageOutOfRangeOfOne, {.japanese = "%1 は %2 ページです。%3 ページはありません。",                                        \
                               .english = "%1 has %2 page; there is no page %3"})                                                 \
    /* %1 the seal's size, %2 the page, %3 the file, %4 the page's size */                                                        \
    TEXT(outsidePage,                                                                                                             \
         {.japanese = "印影（%1）がその位置では %3 の %2 ページ（%4）からはみ出します。"                \
                      "印影全体がページ内に収まる位置を選んでください。",                                                         \
          .english = "the seal (%1) does not fit on page %2 of %3 (%4) at that position: it "                                     \
                     "must lie wholly on the page"})                                                                              \
    TEXT(noStamps, {.japanese = "%1 には押印がありません。", .english = "%1 carries no stamp"})                                   \
    /* %1 x %2 in millimetres */                                                                                                  \
    TEXT(size, Caption::same("%1 x %2 mm"))

// What is damaged in a PDF that cannot be stamped or read, in English only: the
// detail in damaged's brackets, as qpdf's own reasons are.
#define VERMIL_PDF_DAMAGE_TEXTS(TEXT, OPTIONAL_TEXT)                                               \
    TEXT(noPages, Caption::same("it has no pages"))                                                \
    /* %1 the page */                                                                              \
    TEXT(pageMissing, Caption::same("page %1 is missing"))                                         \
    TEXT(tooManyAttachedStamps, Caption::same("it has too many attached stamps"))                  \
    TEXT(attachedStampTooLarge, Caption::same("an attached stamp is too large"))                   \
    TEXT(attachedStampUndecodable, Caption::same("an attached stamp cannot be decoded"))           \
    TEXT(copyNotReadBack, Caption::same("its stamped copy would not read back whole"))             \
    TEXT(earlierStampFailed, Caption::same("an earlier stamp on it failed"))                       \
    TEXT(stampObjectTooLarge, Caption::same("the stamp object is too large"))                      \
    TEXT(sealPictureNotMade, Caption::same("the seal's picture could not be made"))                \
    TEXT(sealPictureNotOnePage, Caption::same("the seal's picture is not a one-page PDF"))         \
    TEXT(sealPictureUnreadable, Caption::same("the seal's picture cannot be read"))

struct PdfProblemTexts {
    VERMIL_TEXTS_MEMBERS(PdfProblemTexts, VERMIL_PDF_PROBLEM_TEXTS)
};

struct PdfDamageTexts {
    VERMIL_TEXTS_MEMBERS(PdfDamageTexts, VERMIL_PDF_DAMAGE_TEXTS)
};

// The same rows as constants: a detail travels inside a PdfProblem as UTF-8.
struct PdfDamageCaptions {
    VERMIL_TEXTS_CAPTIONS(VERMIL_PDF_DAMAGE_TEXTS)
};

} // namespace vermil
