#pragma once

// A stamped PDF as independent tools see it (poppler-utils and qpdf): the page
// drawn by pdftoppm over its crop box, where its red ink lies, its text, its
// images and what qpdf --check says.
#include "tests/render/independent_renderers.h"

#include <QImage>
#include <QRectF>

#include <optional>
#include <sstream>

namespace vermil::test {

inline constexpr int renderDpi = 200;

inline QImage renderedPage(const std::filesystem::path& pdf, int page, int dpi = renderDpi) {
    TempDir folder;
    const QString number = QString::number(page);
    const ToolRun run = runTool("pdftoppm", "poppler-utils",
                                {"-cropbox", "-r", QString::number(dpi), "-f", number, "-l", number,
                                 "-png", "-singlefile", pathText(pdf), pathText(folder / "page")});
    if (!run.ran || run.exitCode != 0) {
        ADD_FAILURE() << "pdftoppm: " << run.err;
        return {};
    }
    return QImage(pathText(folder / "page.png")).convertToFormat(QImage::Format_RGB32);
}

// Clearly red: the seal's colour and its solid strokes, not black text, not the
// pale edge of anti-aliasing.
inline bool isRed(QRgb pixel) {
    return qRed(pixel) > 180 && qGreen(pixel) < 120 && qBlue(pixel) < 120;
}

// The box around every red pixel, in millimetres from the page's top-left corner.
inline std::optional<QRectF> redInkMm(const QImage& page, int dpi = renderDpi) {
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if (!isRed(line[x]))
                continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return std::nullopt;
    const double mmPerPixel = 25.4 / dpi;
    return QRectF(QPointF(left * mmPerPixel, top * mmPerPixel),
                  QPointF((right + 1) * mmPerPixel, (bottom + 1) * mmPerPixel));
}

inline std::string pdfText(const std::filesystem::path& pdf) {
    const ToolRun run = runTool("pdftotext", "poppler-utils", {pathText(pdf), "-"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.out;
}

inline int pdfPageCount(const std::filesystem::path& pdf) {
    const ToolRun run = runTool("pdfinfo", "poppler-utils", {pathText(pdf)});
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("Pages:", 0) == 0)
            return std::stoi(line.substr(6));
    return -1;
}

// The images pdfimages finds; vector art has none.
inline int pdfImageCount(const std::filesystem::path& pdf) {
    const ToolRun run = runTool("pdfimages", "poppler-utils", {"-list", pathText(pdf)});
    std::istringstream lines(run.out);
    int count = -2; // the two heading lines
    for (std::string line; std::getline(lines, line);)
        ++count;
    return count;
}

inline ToolRun qpdfCheck(const std::filesystem::path& pdf) {
    return runTool("qpdf", "qpdf", {"--check", pathText(pdf)});
}

} // namespace vermil::test
