#pragma once

// A 50-page A4 document as an office suite writes one: every page full of text
// lines and a ruled table, its streams compressed, one font shared by all pages.
// About 300 KiB, as such a document is without embedded fonts.
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <string>

namespace vermil::bench {

// Words drawn from a fixed sequence, so the text compresses as prose does, not
// as one line repeated.
inline std::string wordsOfLine(unsigned& seed) {
    static const char* const words[] = {"approval", "request", "amount",   "invoice",  "section",
                                        "account",  "budget",  "delivery", "contract", "payment",
                                        "supplier", "date",    "checked",  "total",    "travel",
                                        "expenses", "office",  "meeting",  "project",  "report"};
    std::string line;
    for (int word = 0; word < 11; ++word) {
        seed = seed * 1103515245u + 12345u;
        line += words[(seed >> 16) % 20];
        line += ' ';
        line += std::to_string((seed >> 8) % 100000);
        line += ' ';
    }
    return line;
}

inline std::string pageContent(int page) {
    unsigned seed = static_cast<unsigned>(page) * 7919u;
    std::string content = "BT /F1 9 Tf 12 TL 56 780 Td\n";
    for (int line = 0; line < 60; ++line)
        content += "(" + wordsOfLine(seed) + ") '\n";
    content += "ET\n0.5 w\n";
    for (int row = 0; row < 20; ++row)
        content += "56 " + std::to_string(100 + row * 6) + " m 540 " +
                   std::to_string(100 + row * 6) + " l S\n";
    return content;
}

inline std::string fiftyPagePdf() {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle resources = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> >> >>"));
    QPDFPageDocumentHelper pages(pdf);
    for (int page = 1; page <= 50; ++page) {
        QPDFObjectHandle dict =
            QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 595.276 841.89] >>");
        dict.replaceKey("/Resources", resources);
        dict.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, pageContent(page)));
        pages.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(dict)), false);
    }
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.write();
    auto buffer = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

} // namespace vermil::bench
