#pragma once

#include "common/texts_table.h"

namespace vermil {

// The captions and messages of the PDF page view, where a seal is placed on a
// page of a PDF: each language has its own.
#define VERMIL_PDF_STAMP_VIEW_TEXTS(TEXT, OPTIONAL_TEXT)                                                                           \
    /* %1 is the PDF's file name */                                                                                                \
    TEXT(windowTitle, {.japanese = "PDFに押印 - %1", .english = "Stamp PDF - %1"})                                                 \
    TEXT(previousPage, {.japanese = "前のページ(&P)", .english = "&Previous Page"})                                                \
    TEXT(nextPage, {.japanese = "次のページ(&N)", .english = "&Next Page"})                                                        \
    TEXT(zoomIn, {.japanese = "拡大(&I)", .english = "Zoom &In"})                                                                  \
    TEXT(zoomOut, {.japanese = "縮小(&O)", .english = "Zoom &Out"})                                                                \
    TEXT(fitPage, {.japanese = "ページ全体(&F)", .english = "&Fit Page"})                                                          \
    TEXT(close, {.japanese = "閉じる(&C)", .english = "&Close"})                                                                   \
    /* the status line while the seal fits under the pointer */                                                                    \
    TEXT(placeHint, {.japanese = "押印する位置をクリックしてください。",                                                           \
                     .english = "Click where the seal goes."})                                                                     \
    /* ... and while it would stick out of the page */                                                                             \
    TEXT(outsideHint, {.japanese = "この位置では印影がページからはみ出します。",                                                   \
                       .english = "The seal would stick out of the page here."})                                                   \
    /* a seal taken in the seal dialog waits for its place */                                                                      \
    TEXT(pendingHint, {.japanese = "押印した印影を置く位置をクリックしてください。",                                               \
                       .english = "Click where the seal you stamped goes."})                                                       \
    TEXT(openTitle, {.japanese = "押印するPDFを開く", .english = "Open the PDF to Stamp"})                                         \
    TEXT(saveTitle, {.japanese = "押印したPDFを保存", .english = "Save the Stamped PDF"})                                          \
    TEXT(pdfFilter, Caption::same("PDF (*.pdf)"))                                                                                  \
    /* %1 the page, %2 the page count */                                                                                           \
    TEXT(pageOfPattern, Caption::same("%1 / %2"))                                                                                  \
    /* %1 x %2 the seal's size in millimetres */                                                                                   \
    TEXT(sealDoesNotFitPattern,                                                                                                    \
         {.japanese = "%1 x %2 mm の印影はその位置ではページからはみ出します。"                              \
                      "置く位置をクリックしてください。",                                                                          \
          .english = "The %1 x %2 mm seal would stick out of the page there. Click where it "                                      \
                     "should go."})                                                                                                \
    /* %1 the reason */                                                                                                            \
    TEXT(cannotMakeSealPattern, {.japanese = "印影をPDFに入れられません。\n%1",                                                    \
                                 .english = "The seal cannot be put into the PDF.\n%1"})                                           \
    /* %1 the file; a cause line, when there is one, goes below */                                                                 \
    TEXT(cannotWritePattern,                                                                                                       \
         {.japanese =                                                                                                              \
              "押印したPDFを %1 に保存できなかったため、押印もログへの記録もされていません。",                                     \
          .english =                                                                                                               \
              "The stamped PDF could not be saved as %1, so nothing was stamped or logged."})                                      \
    /* the view closes with a seal chosen but not placed yet */                                                                    \
    TEXT(discardPendingSeal,                                                                                                       \
         {.japanese =                                                                                                              \
              "選んだ印影はまだPDFに置かれていないため、押印もログへの記録もされていません。" \
              "閉じますか？",                                                                                                      \
          .english = "The seal you chose has not been placed on the PDF, so nothing has been "                                     \
                     "stamped or logged. Close all the same?"})

// The words of a stamped copy: the suffix of the name proposed for it (before
// ".pdf"), and the description of the stamp object attached to it, which a PDF
// reader lists (English only: the attachment is the same for every reader).
#define VERMIL_STAMPED_COPY_TEXTS(TEXT, OPTIONAL_TEXT)                                             \
    TEXT(nameSuffix, {.japanese = "-承認", .english = "-stamped"})                                 \
    /* %1 the page, %2 and %3 the position in millimetres */                                       \
    TEXT(attachmentDescription,                                                                    \
         Caption::same("Vermil stamp, page %1, %2 mm from the left, %3 mm from the top"))

struct StampedCopyTexts {
    VERMIL_TEXTS_MEMBERS(StampedCopyTexts, VERMIL_STAMPED_COPY_TEXTS)
};

struct StampedCopyCaptions {
    VERMIL_TEXTS_CAPTIONS(VERMIL_STAMPED_COPY_TEXTS)
};

struct PdfStampViewTexts {
    VERMIL_TEXTS_MEMBERS(PdfStampViewTexts, VERMIL_PDF_STAMP_VIEW_TEXTS)

    // The patterns above, filled.
    QString pageOf(int page, int count) const;
    QString sealDoesNotFit(double widthMm, double heightMm) const;
    QString cannotMakeSeal(const QString& reason) const;
    QString cannotWrite(const QString& file, const QString& cause) const; // nothing was stamped
};

} // namespace vermil
