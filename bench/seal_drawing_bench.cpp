// Time to draw one seal: to a 300 x 300 image (a paint of the seal window) and to
// the container's SVG picture. Run without a display; fonts are loaded before timing.
#include "common/cp932.h"
#include "render/seal_fonts.h"
#include "render/seal_painter.h"
#include "render/stamp_picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

vermil::SealDrawingInput realSeal() {
    vermil::SealDrawingInput input;
    input.upperText1 = vermil::cp932Literal("経理部");
    input.sealDateText = vermil::cp932Literal("'24.05.17");
    input.lowerText = vermil::cp932Literal("山田");
    return input;
}

void drawSealTo300Image(benchmark::State& state) {
    const vermil::SealDrawingInput seal = realSeal();
    QImage image(300, 300, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        vermil::SealDrawingInput input = seal;
        QPainter painter(&image);
        vermil::paintSealOnScreen(painter, image.size(), input);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(drawSealTo300Image)->Unit(benchmark::kMicrosecond);

void produceContainerSvg(benchmark::State& state) {
    const vermil::SealDrawingInput seal = realSeal();
    for (auto _ : state) {
        const QByteArray svg = vermil::containerPictureSvg(seal, {16, 16});
        benchmark::DoNotOptimize(svg.constData());
    }
}
BENCHMARK(produceContainerSvg)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    vermil::installSealFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
