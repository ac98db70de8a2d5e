#include "stamper/pdf/pdf_stamping.h"

#include "stamper/document/native_data_archive.h"
#include "stamper/pdf/pdf_open.h"
#include "stamper/pdf/pdf_page_geometry.h"
#include "stamper/pdf/pdf_problem_texts.h"
#include "stamper/pdf/pdf_stamp_attachment.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <QByteArray>

#include <algorithm>
#include <exception>

namespace vermil {

using pdf::OpenedPdf;

struct PdfToStamp::Document {
    OpenedPdf input;
    std::vector<QPDFPageObjectHelper> pages;
    // The seals' own documents: qpdf copies their streams from them when it writes.
    std::vector<OpenedPdf> seals;
    // A stamp that failed half-way left the document changed: no second try on it.
    bool spoilt = false;
};

namespace {

// Six decimals of a user-space unit: far below a device pixel.
std::string number(double value) {
    std::string text = QByteArray::number(value, 'f', 6).toStdString();
    return text == "-0.000000" ? "0" : text;
}

std::string placementContent(const QPDFObjectHandle::Matrix& m, const std::string& name) {
    return "\nQ\nq\n" + number(m.a) + " " + number(m.b) + " " + number(m.c) + " " + number(m.d) +
           " " + number(m.e) + " " + number(m.f) + " cm\n" + name + " Do\nQ\n";
}

PdfProblem pageOutOfRange(int page, int pageCount) {
    PdfProblem problem = pdfProblem(PdfRefusal::PageOutOfRange);
    problem.page = page;
    problem.pageCount = pageCount;
    return problem;
}

// The page's own resources and their XObject dictionary, copied first where they
// are inherited or shared with other pages, so that the seal lands on this page only.
QPDFObjectHandle resourcesForSeal(QPDFPageObjectHelper& page) {
    QPDFObjectHandle resources = page.getAttribute("/Resources", true);
    if (!resources.isDictionary()) {
        resources = QPDFObjectHandle::newDictionary();
        page.getObjectHandle().replaceKey("/Resources", resources);
    }
    QPDFObjectHandle xobjects = resources.getKey("/XObject");
    if (!xobjects.isDictionary())
        xobjects = QPDFObjectHandle::newDictionary();
    else if (xobjects.isIndirect())
        xobjects = xobjects.shallowCopy();
    resources.replaceKey("/XObject", xobjects);
    return resources;
}

// The seal's one page as a form XObject of `document`.
QPDFObjectHandle sealForm(QPDF& document, OpenedPdf& seal) {
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(*seal.document).getAllPages();
    if (pages.size() != 1)
        throw PdfStampFailure{pdfProblem(
            PdfRefusal::Damaged, std::string(PdfDamageCaptions::sealPictureNotOnePage.english))};
    return document.copyForeignObject(pages.front().getFormXObjectForPage(false));
}

std::string written(QPDF& document) {
    QPDFWriter writer(document);
    writer.setOutputMemory();
    writer.write();
    const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(bytes->getBuffer()), bytes->getSize());
}

// The stamped copy opens with all its pages and lists its stamps, the new one
// among them; else it is refused as damaged.
void requireReadable(const std::string& stamped, const PdfSeal& seal, int pageCount) {
    std::variant<OpenedPdf, PdfProblem> reopened = pdf::openPdf(stamped, pdf::Signatures::Accept);
    bool whole = false;
    if (auto* copy = std::get_if<OpenedPdf>(&reopened)) {
        whole = static_cast<int>(QPDFPageDocumentHelper(*copy->document).getAllPages().size()) ==
                pageCount;
        try {
            const std::vector<PdfStampFound> stamps = pdf::attachedStamps(*copy->document);
            whole = whole && std::any_of(stamps.begin(), stamps.end(), [&](const auto& found) {
                        return found.nativeData == seal.nativeData;
                    });
        } catch (const PdfStampFailure&) {
            whole = false;
        }
    }
    if (!whole)
        throw PdfStampFailure{pdfProblem(PdfRefusal::Damaged,
                                         std::string(PdfDamageCaptions::copyNotReadBack.english))};
}

} // namespace

PdfToStamp::PdfToStamp(std::unique_ptr<Document> document) : document_(std::move(document)) {}
PdfToStamp::PdfToStamp(PdfToStamp&&) noexcept = default;
PdfToStamp& PdfToStamp::operator=(PdfToStamp&&) noexcept = default;
PdfToStamp::~PdfToStamp() = default;

std::variant<PdfToStamp, PdfProblem> PdfToStamp::open(const std::filesystem::path& file) {
    std::variant<std::string, PdfProblem> bytes = pdf::readPdfFile(file);
    if (auto* problem = std::get_if<PdfProblem>(&bytes))
        return std::move(*problem);
    return fromBytes(std::move(std::get<std::string>(bytes)));
}

std::variant<PdfToStamp, PdfProblem> PdfToStamp::fromBytes(std::string bytes) {
    std::variant<OpenedPdf, PdfProblem> opened =
        pdf::openPdf(std::move(bytes), pdf::Signatures::Refuse);
    if (auto* problem = std::get_if<PdfProblem>(&opened))
        return std::move(*problem);
    auto document = std::make_unique<Document>();
    document->input = std::move(std::get<OpenedPdf>(opened));
    try {
        document->pages = QPDFPageDocumentHelper(*document->input.document).getAllPages();
    } catch (const std::exception& e) {
        return pdfProblem(PdfRefusal::Damaged, e.what());
    }
    return PdfToStamp(std::move(document));
}

int PdfToStamp::pageCount() const {
    return static_cast<int>(document_->pages.size());
}

PdfPageSize PdfToStamp::pageSize(int page) const {
    if (page < 1 || page > pageCount())
        return {};
    return pdf::pageGeometry(document_->pages[static_cast<std::size_t>(page - 1)]).size();
}

std::optional<PdfProblem> PdfToStamp::placementProblem(const PdfPlacement& at, double sealWidthMm,
                                                       double sealHeightMm) const {
    if (at.page < 1 || at.page > pageCount())
        return pageOutOfRange(at.page, pageCount());
    const PdfPageSize size = pageSize(at.page);
    if (pdf::sealFits(size, at.xMm, at.yMm, sealWidthMm, sealHeightMm))
        return std::nullopt;
    PdfProblem problem = pdfProblem(PdfRefusal::OutsidePage);
    problem.page = at.page;
    problem.pageCount = pageCount();
    problem.pageWidthMm = size.widthMm;
    problem.pageHeightMm = size.heightMm;
    problem.sealWidthMm = sealWidthMm;
    problem.sealHeightMm = sealHeightMm;
    return problem;
}

std::string PdfToStamp::stamp(const PdfSeal& seal, const PdfPlacement& at) {
    if (auto problem = placementProblem(at, seal.widthMm, seal.heightMm))
        throw PdfStampFailure{std::move(*problem)};
    if (document_->spoilt)
        throw PdfStampFailure{pdfProblem(
            PdfRefusal::Damaged, std::string(PdfDamageCaptions::earlierStampFailed.english))};
    // What could not be read back is not written.
    if (seal.nativeData.size() > maxNativeDataBytes)
        throw PdfStampFailure{pdfProblem(
            PdfRefusal::Damaged, std::string(PdfDamageCaptions::stampObjectTooLarge.english))};
    std::variant<OpenedPdf, PdfProblem> sealPdf =
        pdf::openPdf(seal.picturePdf, pdf::Signatures::Accept);
    if (std::holds_alternative<PdfProblem>(sealPdf))
        throw PdfStampFailure{pdfProblem(
            PdfRefusal::Damaged, std::string(PdfDamageCaptions::sealPictureUnreadable.english))};
    try {
        QPDF& document = *document_->input.document;
        document_->seals.push_back(std::move(std::get<OpenedPdf>(sealPdf)));
        QPDFObjectHandle form = sealForm(document, document_->seals.back());

        QPDFPageObjectHelper& page = document_->pages[static_cast<std::size_t>(at.page - 1)];
        const pdf::PageGeometry geometry = pdf::pageGeometry(page);
        QPDFObjectHandle resources = resourcesForSeal(page);
        int suffix = 1;
        const std::string name = resources.getUniqueResourceName("/VermilSeal", suffix);
        resources.getKey("/XObject").replaceKey(name, form);

        const QPDFObjectHandle::Matrix matrix =
            pdf::sealPlacementMatrix(geometry, form.getKey("/BBox").getArrayAsRectangle(), at.xMm,
                                     at.yMm, seal.widthMm, seal.heightMm);
        // The page's own drawing in q ... Q: whatever state it leaves behind (a
        // transformation, a clip, a colour) never reaches the seal.
        page.addPageContents(QPDFObjectHandle::newStream(&document, "q\n"), true);
        page.addPageContents(QPDFObjectHandle::newStream(&document, placementContent(matrix, name)),
                             false);
        pdf::attachStamp(document, seal, at);
        std::string stamped = written(document);
        // qpdf writes a sound file from a sound one; from one it had to repair it
        // can write one that no reader takes. Such a copy is checked before anyone
        // relies on it.
        if (document.anyWarnings())
            requireReadable(stamped, seal, pageCount());
        return stamped;
    } catch (const PdfStampFailure&) {
        document_->spoilt = true;
        throw;
    } catch (const std::exception& e) {
        document_->spoilt = true;
        throw PdfStampFailure{pdfProblem(PdfRefusal::Damaged, e.what())};
    }
}

} // namespace vermil
