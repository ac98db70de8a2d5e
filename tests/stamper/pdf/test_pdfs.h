#pragma once

// Small PDFs made in the tests with qpdf: pages of given sizes, rotations and crop
// boxes, each with a line of text in a standard font, so that pdftotext can tell
// whether stamping kept the text.
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vermil::test {

inline constexpr double a4WidthPt = 595.276;
inline constexpr double a4HeightPt = 841.89;

struct TestPage {
    std::array<double, 4> mediaBox{0, 0, a4WidthPt, a4HeightPt};
    std::optional<std::array<double, 4>> cropBox;
    int rotate = 0;
    std::string text = "Approval request";
};

// What a test PDF has besides its pages.
enum class TestPdfKind {
    Plain,
    InheritedResources, // the font resources on the page tree's root instead of each page
    SharedResources,    // every page draws with one resource dictionary object
    Signed,             // a filled signature field, as a signing program leaves it
    Encrypted,          // encrypted with an empty user password (AES-256)
};

inline TestPage rotatedPage(int degrees) {
    TestPage page;
    page.rotate = degrees;
    return page;
}

// A US Letter page whose crop box starts away from the origin, optionally turned.
inline TestPage croppedPage(int degrees = 0) {
    TestPage page;
    page.mediaBox = {0, 0, 612, 792};
    page.cropBox = std::array<double, 4>{50, 60, 400, 500}; // 123.5 x 155.2 mm
    page.rotate = degrees;
    return page;
}

namespace testpdf {

inline QPDFObjectHandle box(QPDF&, const std::array<double, 4>& b) {
    std::vector<QPDFObjectHandle> items;
    for (const double v : b)
        items.push_back(QPDFObjectHandle::newReal(v, 3));
    return QPDFObjectHandle::newArray(items);
}

inline QPDFObjectHandle fontResources(QPDF& pdf) {
    QPDFObjectHandle font = QPDFObjectHandle::parse(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
    fonts.replaceKey("/F1", pdf.makeIndirectObject(font));
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/Font", fonts);
    return resources;
}

// The text near the crop box's top-left corner, and a black frame around it: ink
// that is not red.
inline std::string contentOf(const TestPage& page) {
    const auto& b = page.cropBox ? *page.cropBox : page.mediaBox;
    const std::string x = std::to_string(b[0] + 40), y = std::to_string(b[3] - 60);
    return "0 g BT /F1 14 Tf " + x + " " + y + " Td (" + page.text + ") Tj ET\n" + "0 G 1 w " +
           std::to_string(b[0] + 30) + " " + std::to_string(b[3] - 75) + " 250 40 re S\n";
}

} // namespace testpdf

inline std::string makeTestPdf(const std::vector<TestPage>& pages,
                               TestPdfKind kind = TestPdfKind::Plain) {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFPageDocumentHelper pagesHelper(pdf);
    QPDFObjectHandle shared = pdf.makeIndirectObject(testpdf::fontResources(pdf));
    for (const TestPage& page : pages) {
        QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
        dict.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
        dict.replaceKey("/MediaBox", testpdf::box(pdf, page.mediaBox));
        if (page.cropBox)
            dict.replaceKey("/CropBox", testpdf::box(pdf, *page.cropBox));
        if (page.rotate != 0)
            dict.replaceKey("/Rotate", QPDFObjectHandle::newInteger(page.rotate));
        dict.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, testpdf::contentOf(page)));
        dict.replaceKey("/Resources", kind == TestPdfKind::SharedResources
                                          ? shared
                                          : testpdf::fontResources(pdf));
        pagesHelper.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(dict)), false);
    }
    if (kind == TestPdfKind::InheritedResources) {
        // Moved up after the pages were added: the page tree's root holds them.
        pdf.getRoot().getKey("/Pages").replaceKey("/Resources", shared);
        for (QPDFPageObjectHelper& page : pagesHelper.getAllPages())
            page.getObjectHandle().removeKey("/Resources");
    }
    if (kind == TestPdfKind::Signed) {
        QPDFObjectHandle field = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /FT /Sig /T (Signature1) /Type /Annot /Subtype /Widget /Rect [0 0 0 0] "
            "/V << /Type /Sig /Filter /Adobe.PPKLite /SubFilter /adbe.pkcs7.detached "
            "/Contents <00> /ByteRange [0 0 0 0] >> >>"));
        QPDFObjectHandle form = QPDFObjectHandle::newDictionary();
        form.replaceKey("/Fields",
                        QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{field}));
        form.replaceKey("/SigFlags", QPDFObjectHandle::newInteger(3));
        pdf.getRoot().replaceKey("/AcroForm", form);
    }
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setStaticID(true);
    if (kind == TestPdfKind::Encrypted)
        writer.setR6EncryptionParameters("", "owner", true, true, true, true, true, true,
                                         qpdf_r3p_full, true);
    writer.write();
    auto buffer = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

} // namespace vermil::test
