#pragma once

#include "beep_limiter.h"
#include "check_report.h"
#include "log_check_run.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace vermil {

class Prompter;

// Picks a log file to check (the "Ref" button); nullopt when the user cancels.
class LogFileChooser {
public:
    virtual ~LogFileChooser() = default;
    virtual std::optional<QString> chooseLogFile(const QString& currentPath) = 0;
};

// The log checker's dialog without its widgets: the path, the check running on
// a worker thread, the report, the counts and the stored path.
class CheckerDialogModel : public QObject {
    Q_OBJECT

public:
    enum class State { Idle, Checking, Finished, Cancelled, Failed };

    // Starts with the path of the last check, else hanko folder + "/hanko.log".
    explicit CheckerDialogModel(Prompter& prompter, QObject* parent = nullptr);
    ~CheckerDialogModel() override;

    static QString defaultLogPath();

    const QString& logPath() const { return logPath_; }
    void setLogPath(const QString& path);
    void browse(LogFileChooser& chooser);

    // Starts a check of the current path; false when none started (the reason was told).
    bool startCheck();
    void cancelCheck();
    // Blocks until a running check has ended and everything it found is in the report.
    void waitForCheck();

    State state() const { return state_; }
    bool isChecking() const { return state_ == State::Checking; }
    const CheckReport& report() const { return report_; }
    const CheckCounts& counts() const { return counts_; }
    // Progress of the running check, 0..1000; -1 when the size is unknown.
    int progressPermille() const;

    void setClock(std::function<BeepLimiter::Clock::time_point()> clock);

signals:
    void logPathChanged(const QString& path);
    void reportCleared();
    void linesAdded(std::size_t first, std::size_t count);
    void countsChanged();
    void progressChanged(int permille);
    void beepRequested();
    void checkingChanged(bool checking);

private:
    void runWorker(LogFile file);
    void takeDelivered();
    void endCheck(CheckEnd end);

    Prompter& prompter_;
    QString logPath_;
    QString checkedPath_;
    State state_ = State::Idle;
    CheckReport report_;
    CheckCounts counts_;
    std::uint64_t bytesRead_ = 0;
    std::uint64_t sizeAtOpen_ = 0;
    BeepLimiter beeps_;
    std::function<BeepLimiter::Clock::time_point()> clock_;

    std::thread worker_;
    std::atomic<bool> cancel_{false};
    std::mutex deliveredMutex_;
    std::deque<CheckedBlock> delivered_;
    std::optional<CheckEnd> workerEnd_;
};

} // namespace vermil
