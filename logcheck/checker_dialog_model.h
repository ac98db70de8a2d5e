#pragma once

#include "beep_limiter.h"
#include "log_check_run.h"
#include "logcheck/checker_dialog_texts.h"
#include "logcheck/report/check_report.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <condition_variable>
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
// a worker thread, the report, the counts and the stored path; which lines the
// list shows (all or the NG ones), the current line and the way from NG line to
// NG line; the summary and what Copy puts on the clipboard. It talks to the user
// through the prompter and keeps the last checked path in `profile`.
class CheckerDialogModel : public QObject {
    Q_OBJECT

public:
    enum class State { Idle, Checking, Finished, Cancelled, Failed };

    // Starts with the path of the last check, else `defaultLogPath`.
    CheckerDialogModel(Prompter& prompter, UserProfile& profile, const QString& defaultLogPath,
                       Language language, QObject* parent = nullptr);
    ~CheckerDialogModel() override;

    const QString& logPath() const { return logPath_; }
    void setLogPath(const QString& path);
    // The "Ref" button: a log that exists, chosen with the system's filters.
    void browse(FileChooser& chooser, const QString& title);

    // Starts a check of the current path; false when none started (the reason was told).
    bool startCheck();
    void cancelCheck();
    // Escape: cancels a running check as Cancel does; false when none runs, so
    // that Escape closes the window as in any dialog.
    bool cancelRunningCheck();
    // Blocks until a running check has ended and everything it found is in the report.
    void waitForCheck();

    State state() const { return state_; }
    bool isChecking() const { return state_ == State::Checking; }
    const CheckReport& report() const { return report_; }
    const CheckCounts& counts() const { return counts_; }
    // Bytes of the log checked so far: at the end, its size when the check started.
    std::uint64_t bytesChecked() const { return bytesRead_; }
    // Progress of the running check, 0..1000.
    int progressPermille() const;

    // The lines the list shows: every line, or the NG lines only. Switching
    // checks nothing again; the list is an index into the report.
    bool ngOnly() const { return ngOnly_; }
    void setNgOnly(bool ngOnly);
    std::size_t shownLineCount() const;
    std::size_t shownLine(std::size_t shown) const; // the report line of a shown line
    std::optional<std::size_t> shownIndexOf(std::size_t line) const;

    // The line the user is at (the selection); none before a check. After a
    // check the first NG line becomes current, unless the user chose one already.
    std::optional<std::size_t> currentLine() const { return currentLine_; }
    void setCurrentLine(std::size_t line);
    // F3 / Shift+F3: the next / previous NG line becomes current, from the end
    // round to the start; false when there is no NG line.
    bool goToNextNg();
    bool goToPreviousNg();

    // The line above the list: "NG 3 of 1,204,113 lines — first at line 17
    // (104,857,600 bytes checked)"; empty before a check.
    QString summaryText() const;

    // The report text of the given log lines (any order, repeats once), in file
    // order, as the command line prints it: what Copy puts on the clipboard.
    QString reportTextOf(std::vector<std::size_t> lines) const;
    // The same lines as tab-separated line number, verdict and text, one row
    // each, for a spreadsheet (Ctrl+Shift+C).
    QString tabSeparatedTextOf(std::vector<std::size_t> lines) const;

    void setClock(std::function<BeepLimiter::Clock::time_point()> clock);
    // Block size and cores of the checks to come (tests and benchmarks).
    void setTuning(const CheckOptions& tuning) { tuning_ = tuning; }

signals:
    void stateChanged(vermil::CheckerDialogModel::State state);
    void logPathChanged(const QString& path);
    void reportCleared();
    void linesAdded(std::size_t first, std::size_t count);
    // The filter changed: the shown lines are all new.
    void shownLinesReset();
    void currentLineChanged(std::size_t line);
    void countsChanged();
    void progressChanged(int permille);
    void beepRequested();

protected:
    void customEvent(QEvent* event) override;

private:
    void setState(State state);
    void askToTakeDelivered(); // from any thread
    bool failToStart(const QString& message);
    void runWorker(LogFile file);
    void takeDelivered();
    bool appendToReport(const std::deque<CheckedBlock>& blocks);
    void announceSoon(bool ending);
    void announceLines();
    void handBack(std::deque<CheckedBlock>& blocks);
    void reserveForWholeLog(std::size_t firstLines, std::uint64_t firstBytes);
    void stopWorker();
    void endCheck(CheckEnd end);
    void makeCurrent(std::size_t line);
    std::vector<std::size_t> knownLines(std::vector<std::size_t> lines) const;
    QString lineCountText(std::uint64_t lines) const;

    Prompter& prompter_;
    UserProfile& profile_;
    const CheckerDialogTexts& texts_;
    QString logPath_;
    QString checkedPath_;
    State state_ = State::Idle;
    bool anyCheck_ = false;
    CheckReport report_;
    CheckCounts counts_;
    std::uint64_t bytesRead_ = 0;
    std::uint64_t sizeAtOpen_ = 0;
    std::size_t announcedLines_ = 0; // lines told by linesAdded
    std::uint64_t announcedNg_ = 0;
    static constexpr int announceEveryMs = 100;
    QTimer announceTimer_;
    QElapsedTimer sinceAnnounced_;
    bool ngOnly_ = false;
    std::optional<std::size_t> currentLine_;
    BeepLimiter beeps_;
    std::function<BeepLimiter::Clock::time_point()> clock_;
    CheckOptions tuning_;

    std::thread worker_;
    std::atomic<bool> cancel_{false};
    // The worker hands blocks over here; it waits while the window is this many
    // blocks behind, so memory stays bounded when drawing is slow.
    static constexpr std::size_t maxWaitingBlocks = 8;
    static constexpr std::size_t blocksPerTurn = 2;
    std::mutex deliveredMutex_;
    std::condition_variable deliveredChanged_;
    std::deque<CheckedBlock> delivered_;
    // Blocks the window has taken in, handed back so the worker reads into
    // their buffers again instead of into fresh memory.
    std::vector<CheckedBlock> returned_;
    std::optional<CheckEnd> workerEnd_;
};

} // namespace vermil
