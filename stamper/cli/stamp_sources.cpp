#include "stamp_sources.h"

#include "stamp_file_reading.h"
#include "stamp_verb_texts.h"

#include "common/files/regular_file.h"
#include "stamper/document/native_data.h"
#include "stamper/document/native_data_archive.h"
#include "stamper/pdf/pdf_stamping.h"

#include <cstdio>
#include <ostream>

namespace vermil::cli {
namespace {

constexpr std::size_t pdfHeaderWindow = 1024;

// The file's first bytes: enough to tell a PDF from native data. Empty when it
// cannot be opened; the reader that follows says why.
std::string headOf(const std::filesystem::path& file) {
    std::error_code error;
    std::optional<RegularFile> opened = RegularFile::open(file, maxStampPdfBytes, error);
    if (!opened)
        return {};
    std::string head(pdfHeaderWindow, '\0');
    const long got = opened->read(head.data(), head.size());
    head.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return head;
}

std::optional<std::vector<FoundStamp>> stampsOfPdf(const std::filesystem::path& file,
                                                   std::string bytes, std::ostream& err) {
    auto read = readPdfStampsFromBytes(std::move(bytes));
    if (const auto* problem = std::get_if<PdfProblem>(&read)) {
        err << "vermilin: " << pdfProblemMessage(*problem, file.string(), Language::English)
            << "\n";
        return std::nullopt;
    }
    std::vector<FoundStamp> stamps;
    auto& found = std::get<std::vector<PdfStampFound>>(read);
    for (std::size_t i = 0; i < found.size(); ++i) {
        FoundStamp stamp;
        try {
            readNativeData(found[i].nativeData, stamp.stamp);
        } catch (const NativeDataError& e) {
            stamp.stamp = StampRecord{};
            stamp.damage = stampverbtexts::pdfStampInvalid(i + 1, file.string(), e.what());
        }
        found[i].nativeData.clear();
        stamp.inPdf = std::move(found[i]);
        stamps.push_back(std::move(stamp));
    }
    return stamps;
}

std::string mm(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

} // namespace

std::optional<std::vector<FoundStamp>> readStamps(const std::filesystem::path& file,
                                                  std::ostream& err) {
    // Native data that happens to begin like a PDF is still a stamp object: only
    // a file that is not one is read as a PDF.
    if (looksLikePdf(headOf(file))) {
        // Read once, whichever it turns out to be.
        std::error_code error;
        std::optional<std::string> bytes = readRegularFile(file, maxStampPdfBytes, error);
        if (!bytes) {
            PdfProblem problem = error == FileKindError::TooLarge
                                     ? pdfProblem(PdfRefusal::TooLarge)
                                     : pdfProblem(PdfRefusal::Unreadable, error.message());
            err << "vermilin: " << pdfProblemMessage(problem, file.string(), Language::English)
                << "\n";
            return std::nullopt;
        }
        if (bytes->size() <= maxNativeDataBytes) {
            try {
                return std::vector<FoundStamp>{
                    FoundStamp{readNativeData(*bytes), std::nullopt, {}}};
            } catch (const NativeDataError&) {
            }
        }
        return stampsOfPdf(file, std::move(*bytes), err);
    }
    std::optional<StampRecord> stamp = readStampFile(file, err);
    if (!stamp)
        return std::nullopt;
    return std::vector<FoundStamp>{FoundStamp{std::move(*stamp), std::nullopt, {}}};
}

std::string pdfStampHeading(std::size_t number, std::size_t count, const PdfStampFound& where,
                            Language language) {
    const std::string n = std::to_string(number) + "/" + std::to_string(count);
    return stampverbtexts::pdfStampHeading(language, {n, std::to_string(where.page), mm(where.xMm),
                                                      mm(where.yMm), where.attachmentName});
}

} // namespace vermil::cli
