// Stamping page 1 of a 50-page PDF against a plain rewrite of the same file by
// qpdf, the work `qpdf IN.pdf OUT.pdf` does: the stamp should cost little more
// than the rewrite it cannot avoid. The seal's picture is drawn in each stamp.
// With --write-pdf FILE it only writes the document, for bench/stamp_pdf_command.sh.
#include "fifty_page_pdf.h"

#include "common/cp932.h"
#include "render/seal_fonts.h"
#include "render/stamp_picture.h"
#include "stamper/pdf/pdf_stamping.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>

namespace {

const std::string& document() {
    static const std::string pdf = vermil::bench::fiftyPagePdf();
    return pdf;
}

vermil::SealDrawingInput realSeal() {
    vermil::SealDrawingInput input;
    input.upperText1 = vermil::cp932Literal("経理部");
    input.sealDateText = vermil::cp932Literal("'26.12.10");
    input.lowerText = vermil::cp932Literal("山田");
    return input;
}

void plainRewriteByQpdf(benchmark::State& state) {
    for (auto _ : state) {
        QPDF pdf;
        pdf.processMemoryFile("in.pdf", document().data(), document().size());
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.write();
        benchmark::DoNotOptimize(writer.getBufferSharedPointer()->getSize());
    }
    state.SetLabel(std::to_string(document().size() / 1024) + " KiB");
}
BENCHMARK(plainRewriteByQpdf)->Unit(benchmark::kMillisecond);

// The part of a stamp that does not depend on the document: the seal's picture.
void drawSealPicturePdf(benchmark::State& state) {
    const vermil::SealDrawingInput seal = realSeal();
    for (auto _ : state)
        benchmark::DoNotOptimize(vermil::containerPicturePdf(seal, {16, 16}).size());
}
BENCHMARK(drawSealPicturePdf)->Unit(benchmark::kMillisecond);

void stampFirstPage(benchmark::State& state) {
    const vermil::SealDrawingInput seal = realSeal();
    for (auto _ : state) {
        vermil::PdfSeal pdfSeal;
        pdfSeal.picturePdf = vermil::containerPicturePdf(seal, {16, 16}).toStdString();
        pdfSeal.widthMm = pdfSeal.heightMm = 16;
        pdfSeal.nativeData = std::string(2048, 's');
        pdfSeal.attachmentName = "seal-20261210-142000.vrs";
        auto opened = vermil::PdfToStamp::fromBytes(document());
        const std::string stamped =
            std::get<vermil::PdfToStamp>(opened).stamp(pdfSeal, {1, 150, 20});
        benchmark::DoNotOptimize(stamped.size());
    }
}
BENCHMARK(stampFirstPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-pdf") == 0) {
        std::ofstream(argv[2], std::ios::binary) << document();
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    vermil::installSealFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
