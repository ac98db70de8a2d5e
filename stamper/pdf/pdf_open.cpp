#include "stamper/pdf/pdf_open.h"

#include "stamper/pdf/pdf_problem_texts.h"
#include "stamper/pdf/pdf_signature.h"
#include "stamper/pdf/pdf_stamp_reading.h"
#include "stamper/pdf/pdf_stamping.h"

#include "common/files/regular_file.h"

#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <exception>

namespace vermil::pdf {
namespace {

// qpdf names the object and offset where reading failed: enough for a bug report,
// and the file name is already in our own message.
std::string reasonOf(const std::exception& e) {
    return e.what();
}

// qpdf repairs a page tree that points to missing objects with empty pages: no
// reader shows such a page, and no seal can go on it.
std::optional<PdfProblem> pageTreeProblem(QPDF& document) {
    const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
    if (pages.empty())
        return pdfProblem(PdfRefusal::Damaged, std::string(PdfDamageCaptions::noPages.english));
    for (std::size_t i = 0; i < pages.size(); ++i) {
        QPDFObjectHandle page = pages[i].getObjectHandle();
        if (!page.isDictionary() || !QPDFPageObjectHelper(page).getMediaBox().isRectangle())
            return pdfProblem(
                PdfRefusal::Damaged,
                fillPlaceholders(PdfDamageCaptions::pageMissing.english, {std::to_string(i + 1)}));
    }
    return std::nullopt;
}

} // namespace

std::variant<std::string, PdfProblem> readPdfFile(const std::filesystem::path& file) {
    std::error_code error;
    std::optional<std::string> bytes = readRegularFile(file, maxStampPdfBytes, error);
    if (bytes)
        return std::move(*bytes);
    if (error == FileKindError::TooLarge)
        return pdfProblem(PdfRefusal::TooLarge);
    return pdfProblem(PdfRefusal::Unreadable, error.message());
}

std::variant<OpenedPdf, PdfProblem> openPdf(std::string bytes, Signatures signatures) {
    if (!looksLikePdf(std::string_view(bytes).substr(0, 1024)))
        return pdfProblem(PdfRefusal::NotPdf);
    OpenedPdf pdf{std::make_unique<std::string>(std::move(bytes)), std::make_unique<QPDF>()};
    try {
        pdf.document->setSuppressWarnings(true);
        pdf.document->processMemoryFile("input", pdf.bytes->data(), pdf.bytes->size());
        if (pdf.document->isEncrypted())
            return pdfProblem(PdfRefusal::Encrypted);
        // Walks the page tree: a file whose pages cannot be found is damaged, and
        // found now rather than after the seal dialog.
        if (auto problem = pageTreeProblem(*pdf.document))
            return std::move(*problem);
        if (signatures == Signatures::Refuse && hasDigitalSignature(*pdf.document))
            return pdfProblem(PdfRefusal::Signed);
    } catch (const QPDFExc& e) {
        if (e.getErrorCode() == qpdf_e_password)
            return pdfProblem(PdfRefusal::Encrypted);
        return pdfProblem(PdfRefusal::Damaged, reasonOf(e));
    } catch (const std::exception& e) {
        return pdfProblem(PdfRefusal::Damaged, reasonOf(e));
    }
    return pdf;
}

} // namespace vermil::pdf
