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
#include <vector>

namespace vermil {

class FileChooser;
class Prompter;
class UserProfile;

// The log checker's dialog without its widgets: the path, the check running on
// a worker thread, the report, the counts and the stored path. It talks to the
// user through the prompter and keeps the last checked path in `profile`.
class CheckerDialogModel : public QObject {
    Q_OBJECT

public:
    enum class State { Idle, Checking, Finished, Cancelled, Failed };

    // Starts with the path of the last check, else `defaultLogPath`.
    CheckerDialogModel(Prompter& prompter, UserProfile& profile, const QString& defaultLogPath,
                       QObject* parent = nullptr);
    ~CheckerDialogModel() override;

    const QString& logPath() const { return logPath_; }
    void setLogPath(const QString& path);
    // The "Ref" button: a log that exists, chosen with the system's filters.
    void browse(FileChooser& chooser, const QString& title);

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

    // The report text of the given log lines (any order, repeats once), in file
    // order, as the command line prints it: what Copy puts on the clipboard.
    QString reportTextOf(std::vector<std::size_t> lines) const;

    void setClock(std::function<BeepLimiter::Clock::time_point()> clock);

signals:
    void stateChanged(vermil::CheckerDialogModel::State state);
    void logPathChanged(const QString& path);
    void reportCleared();
    void linesAdded(std::size_t first, std::size_t count);
    void countsChanged();
    void progressChanged(int permille);
    void beepRequested();

private:
    void setState(State state);
    void runWorker(LogFile file);
    void takeDelivered();
    void endCheck(CheckEnd end);

    Prompter& prompter_;
    UserProfile& profile_;
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
