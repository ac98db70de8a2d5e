// The log checker's window path without a display: a check driven through
// CheckerDialogModel, as the window runs it, with its time, its peak memory and
// the longest the user-interface thread was kept from drawing.
//   bench_logcheck_window [--dialog] LOGFILE
// --dialog shows the real window (offscreen) and scrolls it while it checks.
// Prints one line: seconds, peak resident MiB, the longest stall of the window's
// thread in ms (and how much of it was its own work, not waiting for a core),
// lines, NG.
#include "logcheck/checker_dialog_model.h"
#include "logcheck/ui/checker_dialog.h"

#include "common/interaction/file_chooser.h"
#include "common/interaction/stderr_prompter.h"
#include "common/user_profile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The benchmark never browses.
class NoChooser : public vermil::FileChooser {
public:
    std::optional<QString> chooseFile(const vermil::FileChoice&) override { return std::nullopt; }
};

// Time the calling thread has run, in ms: what part of a stall was its own work.
double threadCpuMs() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double peakResidentMiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace

int main(int argc, char** argv) {
    const bool dialog = argc == 3 && std::strcmp(argv[1], "--dialog") == 0;
    if (argc != 2 && !dialog) {
        std::fprintf(stderr, "usage: %s [--dialog] LOGFILE\n", argv[0]);
        return 2;
    }
    // The model alone needs no display; the window draws offscreen.
    std::unique_ptr<QCoreApplication> application;
    if (dialog) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    vermil::StderrPrompter prompter;
    vermil::UserProfile profile(QStringLiteral("trailscan-bench"));
    vermil::CheckerDialogModel model(prompter, profile, QString(), vermil::Language::English);
    model.setLogPath(QString::fromLocal8Bit(argv[argc - 1]));

    NoChooser chooser;
    std::unique_ptr<vermil::CtrailscanDlg> window;
    if (dialog) {
        window = std::make_unique<vermil::CtrailscanDlg>(model, chooser, vermil::Language::English);
        window->show();
        QCoreApplication::processEvents();
    }
    const double baseline = peakResidentMiB();

    // A tick every 5 ms: the longest gap between ticks is how long the thread
    // that draws the window was busy elsewhere. The window is scrolled to the
    // end at each tick, as a user following the check would.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    double workInLongestGap = 0; // of the window's thread, in ms
    double cpuAtTick = 0;
    QTimer ticks;
    ticks.setInterval(5);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 gap = sinceTick.restart();
        const double cpu = threadCpuMs();
        if (gap > longestGap) {
            longestGap = gap;
            workInLongestGap = cpu - cpuAtTick;
        }
        cpuAtTick = cpu;
        if (window) {
            QScrollBar* bar = window->resultView()->verticalScrollBar();
            bar->setValue(bar->maximum());
        }
    });

    QEventLoop loop;
    QObject::connect(&model, &vermil::CheckerDialogModel::stateChanged,
                     [&](vermil::CheckerDialogModel::State state) {
                         if (state != vermil::CheckerDialogModel::State::Checking)
                             loop.quit();
                     });
    QElapsedTimer clock;
    clock.start();
    sinceTick.start();
    cpuAtTick = threadCpuMs();
    ticks.start();
    if (!model.startCheck())
        return 2;
    loop.exec();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    ticks.stop();
    if (window)
        QCoreApplication::processEvents(); // the last rows drawn
    if (model.state() != vermil::CheckerDialogModel::State::Finished)
        return 2;
    std::printf("%.3f s  peak %.0f MiB (%.0f MiB before the check)  longest stall %lld ms "
                "(%.0f ms of it working)  %llu lines  %llu NG\n",
                seconds, peakResidentMiB(), baseline, static_cast<long long>(longestGap),
                workInLongestGap, static_cast<unsigned long long>(model.counts().total),
                static_cast<unsigned long long>(model.counts().ng));
    return 0;
}
