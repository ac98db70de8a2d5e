#include "stamper/pdf/stamped_pdf_saving.h"

#include "common/files/atomic_file.h"
#include "common/files/write_failure.h"
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
    return choice;
}

} // namespace

std::optional<std::filesystem::path> saveStampedPdf(std::string_view bytes,
                                                    const std::filesystem::path& input,
                                                    Language language, Prompter& prompter,
                                                    FileChooser& chooser) {
    const PdfStampViewTexts& texts = PdfStampViewTexts::of(language);
    const FileChoice choice = saveChoice(input, texts, language);
    for (;;) {
        const std::optional<QString> chosen = chooser.chooseFile(choice);
        if (!chosen) {
            if (prompter.askYesNo(texts.discardStampedPdf, MessageIcon::Warning))
                return std::nullopt;
            continue;
        }
        const std::filesystem::path file(chosen->toStdString());
        std::error_code error;
        if (writeFileAtomically(file, bytes, error))
            return file;
        prompter.showMessage(texts.cannotWrite(*chosen, writeFailureCause(error)),
                             MessageIcon::Error);
    }
}

} // namespace vermil
