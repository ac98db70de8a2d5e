#pragma once

// Small PDFs written as text, with a correct cross-reference table, for the tests
// of the PDF page view: pages of any size, turned by /Rotate, with a crop box.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace vermil::test {

inline constexpr double pointsPerMm = 72.0 / 25.4;

struct TinyPage {
    double widthMm = 210;
    double heightMm = 297;
    int rotate = 0;
    // x0 y0 x1 y1 in millimetres of the media box
    std::optional<std::vector<double>> cropMm;
};

inline std::string pdfNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

// A grey band across the top of each page and its page number, so a rendered
// page shows which way up it stands.
inline std::string tinyPdf(const std::vector<TinyPage>& pages) {
    std::vector<std::string> objects;
    std::string kids;
    for (std::size_t i = 0; i < pages.size(); ++i)
        kids += std::to_string(3 + 2 * i) + " 0 R ";
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " +
                      std::to_string(pages.size()) + " >>");
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const TinyPage& page = pages[i];
        const double w = page.widthMm * pointsPerMm;
        const double h = page.heightMm * pointsPerMm;
        std::string dict = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + pdfNumber(w) + " " +
                           pdfNumber(h) + "] /Contents " + std::to_string(4 + 2 * i) +
                           " 0 R /Resources << /Font << /F1 << /Type /Font /Subtype /Type1 "
                           "/BaseFont /Helvetica >> >> >>";
        if (page.rotate != 0)
            dict += " /Rotate " + std::to_string(page.rotate);
        if (page.cropMm) {
            dict += " /CropBox [";
            for (double mm : *page.cropMm)
                dict += pdfNumber(mm * pointsPerMm) + " ";
            dict += "]";
        }
        objects.push_back(dict + " >>");
        const std::string content = "0.85 g 0 " + pdfNumber(h - 30) + " " + pdfNumber(w) +
                                    " 30 re f 0 g BT /F1 24 Tf 40 " + pdfNumber(h - 80) +
                                    " Td (Page " + std::to_string(i + 1) + ") Tj ET\n";
        objects.push_back("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" +
                          content + "endstream");
    }
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        char line[24];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
        pdf += line;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

} // namespace vermil::test
