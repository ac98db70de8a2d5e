#pragma once

// Shows the pictures to programs other than Qt, as other applications would see them:
// rsvg-convert (librsvg2-bin) for SVG, pdftoppm and pdfinfo (poppler-utils) and qpdf
// for PDF. They are dependencies of the build (scripts/install-deps.sh): a missing one
// fails the test, naming its package, rather than skipping what it checks.

#include "tests/support/test_environment.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vermil::test {

struct ToolRun {
    bool ran = false; // false when the program is missing or did not finish
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline ToolRun runTool(const QString& program, const char* package, const QStringList& arguments) {
    ToolRun run;
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        ADD_FAILURE() << program.toStdString() << " is not installed: install the package "
                      << package << " (scripts/install-deps.sh installs it)";
        return run;
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return run;
    }
    run.ran = true;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

inline QString pathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// The SVG document drawn by rsvg-convert at `dpi`, on transparency; null on failure.
inline QImage rsvgImage(const QByteArray& svg, int dpi) {
    TempDir folder;
    writeFile(folder / "picture.svg", svg.toStdString());
    const QString resolution = QString::number(dpi);
    const ToolRun run =
        runTool("rsvg-convert", "librsvg2-bin",
                {"-d", resolution, "-p", resolution, "-o", pathText(folder / "picture.png"),
                 pathText(folder / "picture.svg")});
    if (!run.ran || run.exitCode != 0) {
        ADD_FAILURE() << "rsvg-convert: " << run.err;
        return {};
    }
    return QImage(pathText(folder / "picture.png")).convertToFormat(QImage::Format_ARGB32);
}

// An opaque picture of `ink` on white as coverage: `ink` with the alpha that mixes it
// onto white as the pixel shows, read on the channel where ink and white differ most.
inline QImage inkOnWhiteAsCoverage(const QImage& opaque, const QColor& ink) {
    const int inkChannel[] = {ink.red(), ink.green(), ink.blue()};
    const int channel = static_cast<int>(std::min_element(inkChannel, inkChannel + 3) - inkChannel);
    const double range = 255 - inkChannel[channel];
    QImage coverage(opaque.size(), QImage::Format_ARGB32);
    for (int y = 0; y < opaque.height(); ++y) {
        for (int x = 0; x < opaque.width(); ++x) {
            const QRgb pixel = opaque.pixel(x, y);
            const int shown[] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
            const int alpha = std::clamp(
                static_cast<int>(std::lround((255 - shown[channel]) * 255 / range)), 0, 255);
            coverage.setPixel(x, y, qRgba(ink.red(), ink.green(), ink.blue(), alpha));
        }
    }
    return coverage;
}

// The one page of the PDF drawn by pdftoppm at `dpi` (on white, so given back as the
// coverage of `ink`); null on failure.
inline QImage popplerImage(const QByteArray& pdf, int dpi, const QColor& ink) {
    TempDir folder;
    writeFile(folder / "picture.pdf", pdf.toStdString());
    const ToolRun run = runTool("pdftoppm", "poppler-utils",
                                {"-r", QString::number(dpi), "-png", "-singlefile",
                                 pathText(folder / "picture.pdf"), pathText(folder / "page")});
    if (!run.ran || run.exitCode != 0) {
        ADD_FAILURE() << "pdftoppm: " << run.err;
        return {};
    }
    return inkOnWhiteAsCoverage(QImage(pathText(folder / "page.png")), ink);
}

} // namespace vermil::test
