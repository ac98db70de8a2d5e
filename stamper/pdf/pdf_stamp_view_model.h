#pragma once

#include "common/language.h"
#include "common/user_profile.h"
#include "stamper/pdf/pdf_stamping.h"
#include "stamper/pdf/pdf_view_geometry.h"
#include "stamper/pdf/pdf_view_zoom.h"
#include "stamper/stamping/stamp_transaction.h"

#include <QString>

#include <filesystem>
#include <optional>

namespace vermil {

class CVermilinDoc;
class FileChooser;
class Prompter;
class StampTaker;
struct PdfStampViewTexts;

// The page view of "Stamp PDF" without its widgets: the PDF shown, its page and
// zoom, where the seal goes under the pointer and whether it fits there (as the
// stamping library decides it, rotated pages and crop boxes included), and a
// click's whole stamp, one stamping transaction: the seal dialog, the seal into
// the PDF, the save dialog, and only once the stamped copy is written the log
// line and the remembered fields; then the stamped file is shown in place of the
// one before.
//
//     PdfStampViewModel model(document, prompter, taker);
//     if (model.chooseAndOpen(chooser)) { ... show the view: placeAt(pointer, chooser) ... }
class PdfStampViewModel {
public:
    enum class Placed {
        Refused,    // the seal would stick out there: nothing happened
        Cancelled,  // the seal dialog was cancelled
        DoesNotFit, // the seal chosen is too large for that place: it waits for another click
        Saved,      // the stamped PDF was written, then logged, and is shown now
        Discarded,  // the save dialog was cancelled: nothing stamped, the PDF before shows again
        Failed,     // the seal could not be put into the PDF or the copy not written; a
                    // message said why: nothing stamped or logged
    };

    struct Outline {
        QRectF pixels; // the seal's box on the page image
        bool fits = false;
    };

    PdfStampViewModel(CVermilinDoc& document, Prompter& prompter, StampTaker& taker);
    ~PdfStampViewModel();

    Language language() const;
    const PdfStampViewTexts& texts() const;

    // Asks for a PDF and opens it; false after Cancel or a refusal (its message shown).
    bool chooseAndOpen(FileChooser& chooser);
    bool open(const std::filesystem::path& file);
    bool isOpen() const { return pdf_.has_value(); }
    // The PDF shown: the one opened, then each stamped copy saved.
    const std::filesystem::path& file() const { return file_; }
    // The PDF opened: every save dialog proposes its stamped name beside it.
    const std::filesystem::path& input() const { return input_; }
    QString windowTitle() const;

    int pageCount() const;
    int page() const { return page_; }
    PdfPageSize pageSize() const;
    void setPage(int page);
    bool canGoBack() const { return page_ > 1; }
    bool canGoForward() const { return page_ < pageCount(); }
    void previousPage() { setPage(page_ - 1); }
    void nextPage() { setPage(page_ + 1); }
    QString pageLabel() const;

    const PdfViewZoom& zoom() const { return zoom_; }
    void zoomIn() { zoom_.zoomIn(); }
    void zoomOut() { zoom_.zoomOut(); }
    void setZoom(double factor) { zoom_.set(factor); }
    void fitTo(QSizeF viewport) { zoom_.fit(viewport); }
    // The page image's size at the zoom.
    QSize pagePixels() const;

    // The seal that the next click places: the one stamped and waiting for its
    // place, else the one the seal dialog selects first.
    SealSizeMm sealSize() const;
    bool hasPendingSeal() const { return pending_.has_value(); }
    // The seal centred under the pointer (pixels on the page image).
    PdfPlacement placementAt(QPointF pointer) const;
    Outline outlineAt(QPointF pointer) const;
    QString hintAt(QPointF pointer) const;

    // A click at the pointer.
    Placed placeAt(QPointF pointer, FileChooser& saveChooser);
    // Before the view closes: a seal chosen but not placed (nothing stamped yet)
    // is dropped only when the user says so.
    bool mayClose();

private:
    bool fits(const PdfPlacement& at, const SealSizeMm& seal) const;
    bool takeSeal();
    void dropStamp();
    Placed stampAndSave(const PdfPlacement& at, FileChooser& saveChooser);
    bool reopen(const std::filesystem::path& file);
    void showProblem(const PdfProblem& problem, const std::filesystem::path& file);

    CVermilinDoc& document_;
    Prompter& prompter_;
    StampTaker& taker_;
    UserProfile profile_;
    StampTransaction stamping_;
    std::filesystem::path input_;
    std::filesystem::path file_;
    std::optional<PdfToStamp> pdf_;
    int page_ = 1;
    PdfViewZoom zoom_;
    SealSizeMm preselected_;
    std::optional<PdfSeal> pending_;
};

} // namespace vermil
