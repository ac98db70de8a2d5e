// Time from creating the seal dialog over an index of 100 seals to its first
// preview painted, offscreen: the model's start-up (the list, the preselected
// seal's checks, its profile, the date texts) and the preview drawn by the seal
// painter, then the same through the whole window (CShouninDialog shown and
// painted once). Fonts are loaded and the files cached before timing.
#include "common/cp932.h"
#include "common/user_profile.h"
#include "render/seal_fonts.h"
#include "render/seal_painter.h"
#include "sealfiles/seal_writer.h"
#include "stamper/sealdialog/seal_dialog_model.h"
#include "stamper/sealdialog/ui/seal_dialog.h"
#include "tests/support/recording_choosers.h"
#include "tests/support/recording_prompter.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace vermil;

// A hanko folder with 100 seals; the last used one is the 50th.
class HundredSeals {
public:
    HundredSeals() {
        const std::string folder = cp932Path(dir_.path().toStdString()).value();
        inputs_.settingsFilePath = folder + "/hanko.ini";
        inputs_.indexPath = folder + "/vrdata/index.dat";
        inputs_.language = "Japanese";
        inputs_.windowsUser = "yamada";
        inputs_.computerName = "KEIRI-PC01";
        inputs_.logFilePath = folder + "/hanko.log";
        const SealIndex index(inputs_.indexPath);
        for (int i = 0; i < 100; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "seal%03d", i);
            SealRecord seal;
            seal.name = name;
            seal.password = "PW";
            seal.definition.up1 = cp932Literal("経理部");
            seal.definition.down = cp932Literal("山田");
            seal.definition.format = "'YY.MM.DD";
            writeSeal(index, seal, SealEntryKind::New);
        }
        inputs_.lastSeal = "seal050";
    }
    const SealDialogInputs& inputs() const { return inputs_; }
    std::filesystem::path colourFile() const {
        return std::filesystem::path(dir_.path().toStdString()) / "colours.ini";
    }

private:
    QTemporaryDir dir_;
    SealDialogInputs inputs_;
};

const HundredSeals& hundredSeals() {
    static const HundredSeals seals;
    return seals;
}

void modelToFirstPreview(benchmark::State& state) {
    const HundredSeals& seals = hundredSeals();
    QImage image(220, 220, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        RecordingPrompter prompter;
        UserProfile profile(QString::fromLatin1(stamperProfileTitle));
        SealDialogModel model(seals.inputs(), prompter, profile, ColourFile(seals.colourFile()));
        model.start();
        SealDrawingInput preview = model.previewInput();
        image.fill(Qt::white);
        QPainter painter(&image);
        paintSealOnScreen(painter, image.size(), preview);
        painter.end();
        if (!model.okEnabled() || model.sealName() != "seal050")
            state.SkipWithError("the preselected seal did not pass its checks");
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(modelToFirstPreview)->Unit(benchmark::kMillisecond);

void windowToFirstPaint(benchmark::State& state) {
    const HundredSeals& seals = hundredSeals();
    for (auto _ : state) {
        RecordingPrompter prompter;
        RecordingColourChooser colours;
        UserProfile profile(QString::fromLatin1(stamperProfileTitle));
        SealDialogModel model(seals.inputs(), prompter, profile, ColourFile(seals.colourFile()));
        CShouninDialog dialog(model, colours);
        dialog.start();
        const QImage painted = dialog.grab().toImage();
        benchmark::DoNotOptimize(painted.constBits());
    }
}
BENCHMARK(windowToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The per-user profile of a benchmark is its own, never the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    installSealFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
