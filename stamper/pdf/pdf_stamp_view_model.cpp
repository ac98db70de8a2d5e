#include "stamper/pdf/pdf_stamp_view_model.h"

#include "common/interaction/chooser_folder.h"
#include "common/interaction/file_chooser.h"
#include "common/interaction/prompter.h"
#include "stamper/document/native_data_archive.h"
#include "stamper/document/stamp_document.h"
#include "stamper/pdf/pdf_seal.h"
#include "stamper/pdf/pdf_stamp_view_texts.h"
#include "stamper/pdf/preselected_seal_size.h"
#include "stamper/pdf/stamped_pdf_saving.h"

#include <algorithm>

namespace vermil {

PdfStampViewModel::PdfStampViewModel(CVermilinDoc& document, Prompter& prompter, StampTaker& taker)
    : document_(document), prompter_(prompter), taker_(taker),
      profile_(QString::fromLatin1(stamperProfileTitle)), stamping_(document, prompter, profile_),
      preselected_(preselectedSealSize(document)) {}

PdfStampViewModel::~PdfStampViewModel() = default;

Language PdfStampViewModel::language() const {
    return languageOf(document_.language());
}

const PdfStampViewTexts& PdfStampViewModel::texts() const {
    return PdfStampViewTexts::of(language());
}

bool PdfStampViewModel::chooseAndOpen(FileChooser& chooser) {
    FileChoice choice;
    choice.title = texts().openTitle;
    choice.filter = texts().pdfFilter;
    choice.defaultSuffix = QStringLiteral("pdf");
    choice.mustExist = true;
    // The next PDF is likely beside the last one.
    choice.folder = chooserFolder(QString::fromStdString(input_.string()), document_.hankoFolder());
    const std::optional<QString> chosen = chooser.chooseFile(choice);
    return chosen && open(std::filesystem::path(chosen->toStdString()));
}

bool PdfStampViewModel::open(const std::filesystem::path& file) {
    page_ = 1;
    dropStamp();
    if (!reopen(file))
        return false;
    input_ = file;
    return true;
}

// The page and zoom stay, so the stamped page shows where the user left it. A
// file that cannot be opened leaves no PDF shown: the one in memory may differ from it.
bool PdfStampViewModel::reopen(const std::filesystem::path& file) {
    std::variant<PdfToStamp, PdfProblem> opened = PdfToStamp::open(file);
    if (const auto* problem = std::get_if<PdfProblem>(&opened)) {
        pdf_.reset();
        showProblem(*problem, file);
        return false;
    }
    pdf_.emplace(std::move(std::get<PdfToStamp>(opened)));
    file_ = file;
    setPage(page_);
    return true;
}

void PdfStampViewModel::showProblem(const PdfProblem& problem, const std::filesystem::path& file) {
    prompter_.showMessage(
        QString::fromStdString(pdfProblemMessage(problem, file.string(), language())),
        MessageIcon::Error);
}

QString PdfStampViewModel::windowTitle() const {
    return texts().windowTitle.arg(QString::fromStdString(file_.filename().string()));
}

int PdfStampViewModel::pageCount() const {
    return pdf_ ? pdf_->pageCount() : 0;
}

PdfPageSize PdfStampViewModel::pageSize() const {
    return pdf_ ? pdf_->pageSize(page_) : PdfPageSize{};
}

void PdfStampViewModel::setPage(int page) {
    page_ = std::clamp(page, 1, std::max(1, pageCount()));
    zoom_.showPage(pageSize());
}

QString PdfStampViewModel::pageLabel() const {
    return texts().pageOf(page_, pageCount());
}

QSize PdfStampViewModel::pagePixels() const {
    return vermil::pagePixels(pageSize(), zoom_.pixelsPerMm());
}

SealSizeMm PdfStampViewModel::sealSize() const {
    return pending_ ? SealSizeMm{pending_->widthMm, pending_->heightMm} : preselected_;
}

PdfPlacement PdfStampViewModel::placementAt(QPointF pointer) const {
    return placementUnder(pointer, page_, zoom_.pixelsPerMm(), sealSize());
}

bool PdfStampViewModel::fits(const PdfPlacement& at, const SealSizeMm& seal) const {
    return pdf_ && !pdf_->placementProblem(at, seal.widthMm, seal.heightMm);
}

PdfStampViewModel::Outline PdfStampViewModel::outlineAt(QPointF pointer) const {
    const PdfPlacement at = placementAt(pointer);
    return {sealPixels(at, zoom_.pixelsPerMm(), sealSize()), fits(at, sealSize())};
}

QString PdfStampViewModel::hintAt(QPointF pointer) const {
    if (!outlineAt(pointer).fits)
        return texts().outsideHint;
    return pending_ ? texts().pendingHint : texts().placeHint;
}

PdfStampViewModel::Placed PdfStampViewModel::placeAt(QPointF pointer, FileChooser& saveChooser) {
    if (!fits(placementAt(pointer), sealSize()))
        return Placed::Refused;
    if (!pending_) {
        if (!stamping_.take(taker_))
            return Placed::Cancelled;
        preselected_ = preselectedSealSize(document_);
        if (!takeSeal()) {
            dropStamp();
            return Placed::Failed;
        }
        // The seal chosen may be larger than the outline was.
        if (!fits(placementAt(pointer), sealSize())) {
            prompter_.showMessage(texts().sealDoesNotFit(pending_->widthMm, pending_->heightMm),
                                  MessageIcon::Warning);
            return Placed::DoesNotFit;
        }
    }
    return stampAndSave(placementAt(pointer), saveChooser);
}

// The document holds the stamp just taken.
bool PdfStampViewModel::takeSeal() {
    try {
        pending_ = pdfSealOf(document_);
        return true;
    } catch (const NativeDataError& error) {
        prompter_.showMessage(texts().cannotMakeSeal(QString::fromUtf8(error.what())),
                              MessageIcon::Error);
    } catch (const PdfStampFailure& failure) {
        prompter_.showMessage(texts().cannotMakeSeal(QString::fromStdString(
                                  pdfProblemMessage(failure.problem, file_.string(), language()))),
                              MessageIcon::Error);
    }
    return false;
}

PdfStampViewModel::Placed PdfStampViewModel::stampAndSave(const PdfPlacement& at,
                                                          FileChooser& saveChooser) {
    std::string stamped;
    try {
        stamped = pdf_->stamp(*pending_, at);
    } catch (const PdfStampFailure& failure) {
        dropStamp();
        showProblem(failure.problem, file_);
        reopen(file_); // the document in memory may hold part of the seal
        return Placed::Failed;
    }
    pending_.reset();
    StampedPdfSaving saving(std::move(stamped), input_, language(), prompter_, saveChooser);
    const bool made = stamping_.complete(saving) == StampTransaction::Outcome::Made;
    if (!made)
        preselected_ = preselectedSealSize(document_);
    // In memory the document holds the seal now: the view goes on from the file.
    reopen(saving.saved().value_or(file_));
    if (made)
        return Placed::Saved;
    return saving.cancelled() ? Placed::Discarded : Placed::Failed;
}

// Nothing of the stamp taken stays: the seal used last is the one before.
void PdfStampViewModel::dropStamp() {
    pending_.reset();
    stamping_.abandon();
    preselected_ = preselectedSealSize(document_);
}

bool PdfStampViewModel::mayClose() {
    if (!pending_)
        return true;
    if (!prompter_.askYesNo(texts().discardPendingSeal, MessageIcon::Warning))
        return false;
    dropStamp();
    return true;
}

} // namespace vermil
