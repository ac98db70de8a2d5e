// Reads arbitrary bytes as a PDF: the stamps attached to it, and the same PDF
// opened for stamping, its pages measured and, when a seal fits on the first,
// stamped. The new stamp must read back from the stamped copy.
#include "stamper/document/native_data.h"
#include "stamper/pdf/pdf_stamp_reading.h"
#include "stamper/pdf/pdf_stamping.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace vermil;

// Enough pages to walk odd page trees, few enough to keep each run short.
constexpr int pagesLooked = 64;

// A 10 x 10 mm seal picture: one page, a red square.
const std::string sealPicture = "%PDF-1.4\n"
                                "1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
                                "2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >> endobj\n"
                                "3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 28.35 28.35]"
                                " /Resources << >> /Contents 4 0 R >> endobj\n"
                                "4 0 obj << /Length 30 >> stream\n"
                                "1 0 0 rg 0 0 28.35 28.35 re f\n"
                                "endstream endobj\n"
                                "trailer << /Root 1 0 R >>\n%%EOF\n";

// True when the stamps already attached read (or there are none).
bool readStamps(std::string bytes) {
    auto read = readPdfStampsFromBytes(std::move(bytes));
    if (auto* problem = std::get_if<PdfProblem>(&read))
        return problem->refusal == PdfRefusal::NoStamps;
    for (const PdfStampFound& stamp : std::get<std::vector<PdfStampFound>>(read)) {
        try {
            (void)readNativeData(stamp.nativeData);
        } catch (const NativeDataError&) {
        }
    }
    return true;
}

// An attached stamp that cannot be read keeps the stamped copy's stamps from
// being read too: the new one must come back only where the old ones did.
void stampFirstPage(std::string bytes, bool stampsReadable) {
    auto opened = PdfToStamp::fromBytes(std::move(bytes));
    auto* pdf = std::get_if<PdfToStamp>(&opened);
    if (!pdf)
        return;
    for (int page = 1; page <= pdf->pageCount() && page <= pagesLooked; ++page)
        (void)pdf->pageSize(page);
    const PdfPlacement at{1, 1, 1};
    if (pdf->placementProblem(at, 10, 10))
        return;
    PdfSeal seal{sealPicture, 10, 10, "stamp object", "seal.vrs"};
    std::string stamped;
    try {
        stamped = pdf->stamp(seal, at);
    } catch (const PdfStampFailure&) {
        return;
    }
    if (!stampsReadable)
        return;
    auto again = readPdfStampsFromBytes(stamped);
    auto* stamps = std::get_if<std::vector<PdfStampFound>>(&again);
    const auto isNew = [&](const PdfStampFound& s) {
        return s.page == 1 && s.nativeData == seal.nativeData;
    };
    if (!stamps || std::none_of(stamps->begin(), stamps->end(), isNew))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const bool stampsReadable = readStamps(bytes);
    stampFirstPage(bytes, stampsReadable);
    return 0;
}
