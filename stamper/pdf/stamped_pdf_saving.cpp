#include "stamper/pdf/stamped_pdf_saving.h"

#include "common/files/atomic_file.h"
#include "common/files/write_failure.h"
#include "common/interaction/chooser_folder.h"
#include "common/interaction/file_chooser.h"
#include "common/interaction/prompter.h"
#include "stamper/pdf/pdf_seal.h"
#include "stamper/pdf/pdf_stamp_view_texts.h"

namespace vermil {
namespace {

FileChoice saveChoice(const std::filesystem::path& input, const PdfStampViewTexts& texts,
                      Language language) {
    FileChoice choice;
    choice.purpose = FileChoice::Purpose::Save;
    choice.title = texts.saveTitle;
    choice.filter = texts.pdfFilter;
    choice.defaultSuffix = QStringLiteral("pdf");
    choice.initialName = QString::fromStdString(proposedStampedPdfPath(input, language).string());
    choice.folder = chooserFolder(choice.initialName);
    return choice;
}

} // namespace

StampedPdfSaving::StampedPdfSaving(std::string bytes, std::filesystem::path input,
                                   Language language, Prompter& prompter, FileChooser& chooser)
    : bytes_(std::move(bytes)), input_(std::move(input)), language_(language), prompter_(prompter),
      chooser_(chooser) {}

bool StampedPdfSaving::write() {
    const PdfStampViewTexts& texts = PdfStampViewTexts::of(language_);
    const std::optional<QString> chosen = chooser_.chooseFile(saveChoice(input_, texts, language_));
    if (!chosen) {
        cancelled_ = true;
        return false;
    }
    const std::filesystem::path file(chosen->toStdString());
    std::error_code error;
    if (!writeFileAtomically(file, bytes_, error)) {
        prompter_.showMessage(texts.cannotWrite(*chosen, writeFailureCause(error)),
                              MessageIcon::Error);
        return false;
    }
    saved_ = file;
    return true;
}

} // namespace vermil
