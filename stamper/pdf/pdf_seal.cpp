#include "stamper/pdf/pdf_seal.h"

#include "common/cp932.h"
#include "render/picture_size.h"
#include "render/stamp_picture.h"
#include "stamper/document/stamp_document.h"
#include "stamper/pdf/pdf_problem_texts.h"
#include "stamper/pdf/pdf_stamp_view_texts.h"

#include <ctime>

namespace vermil {
namespace {

// Characters that no file name may hold on one of the systems a PDF travels to.
bool unsafeInFileName(char c) {
    return static_cast<unsigned char>(c) < 0x20 ||
           std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

std::string fileNamePart(const std::string& utf8) {
    std::string part;
    for (const char c : utf8)
        part += unsafeInFileName(c) ? '_' : c;
    return part.empty() ? std::string("seal") : part;
}

std::string localTimeText(std::chrono::system_clock::time_point at) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(at);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace

PdfSeal pdfSealOf(CVermilinDoc& document, std::chrono::system_clock::time_point stampedAt) {
    const StampRecord& stamp = document.stamp();
    std::string sizeError;
    const std::optional<SealSize> size = readSealSize(stamp.sizeX, stamp.sizeY, sizeError);
    if (!size)
        throw PdfStampFailure{pdfProblem(PdfRefusal::Damaged, sizeError)};
    const QByteArray picture = containerPicturePdf(stamp.drawing, *size);
    if (picture.isEmpty())
        throw PdfStampFailure{pdfProblem(
            PdfRefusal::Damaged, std::string(PdfDamageCaptions::sealPictureNotMade.english))};

    PdfSeal seal;
    seal.picturePdf = picture.toStdString();
    seal.widthMm = size->widthMm;
    seal.heightMm = size->heightMm;
    seal.nativeData = document.saveNativeData();
    seal.attachmentName =
        fileNamePart(cp932ToUtf8(document.lastSeal())) + "-" + localTimeText(stampedAt) + ".vrs";
    return seal;
}

std::filesystem::path proposedStampedPdfPath(const std::filesystem::path& input,
                                             Language language) {
    const std::string_view suffix = StampedCopyCaptions::nameSuffix.utf8(language);
    std::filesystem::path proposed = input;
    proposed.replace_filename(input.stem().string() + std::string(suffix) + ".pdf");
    return proposed;
}

} // namespace vermil
