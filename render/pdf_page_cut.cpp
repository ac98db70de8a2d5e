#include "render/pdf_page_cut.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <memory>
#include <string>

namespace vermil {

namespace {

// Points to a millionth: far below what any device shows, and what qpdf writes.
constexpr int pointDecimals = 6;

std::string number(double value) {
    return QByteArray::number(value, 'f', pointDecimals).toStdString();
}

QPDFObjectHandle pageBox(double width, double height) {
    return QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{
        QPDFObjectHandle::newInteger(0), QPDFObjectHandle::newInteger(0),
        QPDFObjectHandle::newReal(width, pointDecimals),
        QPDFObjectHandle::newReal(height, pointDecimals)});
}

void cutPage(QPDF& document, QPDFPageObjectHelper& page, QSizeF points) {
    const QPDFObjectHandle::Rectangle box = page.getMediaBox().getArrayAsRectangle();
    // The page's top-left corner (llx, ury) goes to (0, height).
    const double shiftX = -box.llx;
    const double shiftY = points.height() - box.ury;
    page.addPageContents(QPDFObjectHandle::newStream(&document, "1 0 0 1 " + number(shiftX) + " " +
                                                                    number(shiftY) + " cm\n"),
                         true);
    page.getObjectHandle().replaceKey("/MediaBox", pageBox(points.width(), points.height()));
}

} // namespace

QByteArray cutPdfPageFromTopLeft(const QByteArray& pdf, QSizeF points) {
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("picture", pdf.constData(), static_cast<size_t>(pdf.size()));
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
        if (pages.size() != 1) {
            return {};
        }
        cutPage(document, pages.front(), points);
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.setDeterministicID(true);
        writer.write();
        const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(bytes->getBuffer()),
                          static_cast<qsizetype>(bytes->getSize()));
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace vermil
