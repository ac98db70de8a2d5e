#include "stamper/pdf/pdf_stamp_reading.h"

#include "stamper/pdf/pdf_open.h"
#include "stamper/pdf/pdf_stamp_attachment.h"

#include <exception>

namespace vermil {

bool looksLikePdf(std::string_view head) {
    return head.substr(0, 1024).find("%PDF-") != std::string_view::npos;
}

std::variant<std::vector<PdfStampFound>, PdfProblem>
readPdfStamps(const std::filesystem::path& file) {
    std::variant<std::string, PdfProblem> bytes = pdf::readPdfFile(file);
    if (auto* problem = std::get_if<PdfProblem>(&bytes))
        return std::move(*problem);
    return readPdfStampsFromBytes(std::move(std::get<std::string>(bytes)));
}

std::variant<std::vector<PdfStampFound>, PdfProblem> readPdfStampsFromBytes(std::string bytes) {
    std::variant<pdf::OpenedPdf, PdfProblem> opened =
        pdf::openPdf(std::move(bytes), pdf::Signatures::Accept);
    if (auto* problem = std::get_if<PdfProblem>(&opened))
        return std::move(*problem);
    std::vector<PdfStampFound> stamps;
    try {
        stamps = pdf::attachedStamps(*std::get<pdf::OpenedPdf>(opened).document);
    } catch (const PdfStampFailure& failure) {
        return failure.problem;
    } catch (const std::exception& e) {
        return pdfProblem(PdfRefusal::Damaged, e.what());
    }
    if (stamps.empty())
        return pdfProblem(PdfRefusal::NoStamps);
    return stamps;
}

} // namespace vermil
