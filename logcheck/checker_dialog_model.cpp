#include "checker_dialog_model.h"

#include "cp932_utf8_table.h"

#include "common/interaction/chooser_folder.h"
#include "common/interaction/file_chooser.h"
#include "common/interaction/prompter.h"
#include "common/user_profile.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>

#include <algorithm>
#include <new>
#include <system_error>

namespace vermil {
namespace {

// Where the last checked path is kept in the per-user profile.
const QString profileSection = QStringLiteral("TRAILSCAN");
const QString profileKey = QStringLiteral("LOGFILEPATH");

// The suffix the log chooser adds to a name typed without one.
const QString logSuffix = QStringLiteral("log");

std::filesystem::path filePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// A spreadsheet reads a field with a tab or a quote in it only when quoted.
void appendTabSeparatedField(std::string& out, std::string_view utf8) {
    if (utf8.find_first_of("\t\"\r") == std::string_view::npos) {
        out += utf8;
        return;
    }
    out += '"';
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

CheckerDialogModel::CheckerDialogModel(Prompter& prompter, UserProfile& profile,
                                       const QString& defaultLogPath, Language language,
                                       QObject* parent)
    : QObject(parent), prompter_(prompter), profile_(profile),
      texts_(CheckerDialogTexts::of(language)), clock_([] { return BeepLimiter::Clock::now(); }) {
    returned_.reserve(maxWaitingBlocks); // handing back never allocates
    announceTimer_.setSingleShot(true);
    connect(&announceTimer_, &QTimer::timeout, this, &CheckerDialogModel::announceLines);
    logPath_ = profile_.value(profileSection, profileKey, defaultLogPath);
}

CheckerDialogModel::~CheckerDialogModel() {
    stopWorker();
}

void CheckerDialogModel::setLogPath(const QString& path) {
    if (path == logPath_)
        return;
    logPath_ = path;
    emit logPathChanged(logPath_);
}

void CheckerDialogModel::browse(FileChooser& chooser, const QString& title) {
    FileChoice choice;
    choice.title = title;
    choice.filter = texts_.fileFilter;
    choice.defaultSuffix = logSuffix;
    choice.initialName = logPath_;
    choice.folder = chooserFolder(logPath_);
    choice.mustExist = true;
    if (const auto chosen = chooser.chooseFile(choice))
        setLogPath(*chosen);
}

void CheckerDialogModel::setState(State state) {
    state_ = state;
    emit stateChanged(state_);
}

void CheckerDialogModel::setClock(std::function<BeepLimiter::Clock::time_point()> clock) {
    clock_ = std::move(clock);
}

bool CheckerDialogModel::failToStart(const QString& message) {
    setState(State::Failed);
    prompter_.showMessage(message, MessageIcon::Error);
    return false;
}

bool CheckerDialogModel::startCheck() {
    if (isChecking())
        return false;
    if (logPath_.isEmpty()) {
        prompter_.showMessage(texts_.emptyPath, MessageIcon::Warning);
        return false;
    }
    if (worker_.joinable())
        worker_.join();
    report_.clear();
    counts_ = {};
    bytesRead_ = 0;
    announcedLines_ = 0;
    announcedNg_ = 0;
    announceTimer_.stop();
    sinceAnnounced_.invalidate();
    currentLine_.reset();
    anyCheck_ = false;
    emit reportCleared();
    emit countsChanged();

    std::error_code openError;
    auto file = LogFile::open(filePath(logPath_), openError);
    if (!file) {
        QString message = texts_.cannotOpen;
        if (isNotRegularFile(openError))
            message += QLatin1Char('\n') + texts_.notRegularFile.arg(logPath_);
        return failToStart(message);
    }
    try {
        report_.reserveText(file->sizeAtOpen());
    } catch (const std::bad_alloc&) {
        return failToStart(texts_.windowOutOfMemory);
    }
    checkedPath_ = logPath_;
    sizeAtOpen_ = file->sizeAtOpen();
    cancel_ = false;
    workerEnd_.reset();
    delivered_.clear();
    returned_.clear();
    try {
        worker_ = std::thread(&CheckerDialogModel::runWorker, this, std::move(*file));
    } catch (const std::system_error&) {
        return failToStart(texts_.windowOutOfMemory);
    }
    anyCheck_ = true;
    setState(State::Checking);
    emit progressChanged(progressPermille());
    return true;
}

void CheckerDialogModel::cancelCheck() {
    {
        std::lock_guard lock(deliveredMutex_);
        cancel_ = true;
    }
    deliveredChanged_.notify_all();
}

bool CheckerDialogModel::cancelRunningCheck() {
    if (!isChecking())
        return false;
    cancelCheck();
    return true;
}

void CheckerDialogModel::stopWorker() {
    cancelCheck();
    if (worker_.joinable())
        worker_.join();
}

void CheckerDialogModel::waitForCheck() {
    // The worker waits for room while the window is behind, so take what it
    // hands over until it has ended.
    while (isChecking()) {
        {
            std::unique_lock lock(deliveredMutex_);
            deliveredChanged_.wait(lock, [this] { return !delivered_.empty() || workerEnd_; });
        }
        takeDelivered();
    }
    if (worker_.joinable())
        worker_.join();
}

int CheckerDialogModel::progressPermille() const {
    if (state_ != State::Checking)
        return state_ == State::Finished ? 1000 : 0;
    if (sizeAtOpen_ == 0)
        return 0;
    return static_cast<int>(std::min<std::uint64_t>(bytesRead_, sizeAtOpen_) * 1000 / sizeAtOpen_);
}

void CheckerDialogModel::runWorker(LogFile file) {
    // Hands each block to the user-interface thread; one wake-up per batch, not per block.
    class QueueSink : public CheckSink {
    public:
        explicit QueueSink(CheckerDialogModel& model) : model_(model) {}
        void deliver(CheckedBlock& block) override {
            bool wake = false;
            {
                std::unique_lock lock(model_.deliveredMutex_);
                model_.deliveredChanged_.wait(lock, [this] {
                    return model_.delivered_.size() < maxWaitingBlocks || model_.cancel_;
                });
                wake = model_.delivered_.empty();
                model_.delivered_.push_back(std::move(block));
                if (!model_.returned_.empty()) {
                    block = std::move(model_.returned_.back());
                    model_.returned_.pop_back();
                }
            }
            model_.deliveredChanged_.notify_all();
            if (wake)
                model_.askToTakeDelivered();
        }

    private:
        CheckerDialogModel& model_;
    };

    QueueSink sink(*this);
    CheckEnd end = CheckEnd::ReadError;
    try {
        end = checkLog(file, sink, tuning_, &cancel_);
    } catch (const std::bad_alloc&) {
        end = CheckEnd::OutOfMemory; // a hostile file: report it, never crash
    } catch (const std::system_error&) {
        end = CheckEnd::OutOfMemory; // no room for the checking threads
    }
    {
        std::lock_guard lock(deliveredMutex_);
        workerEnd_ = end;
    }
    deliveredChanged_.notify_all();
    askToTakeDelivered();
}

namespace {

// Asks the user-interface thread to take in what the worker handed over. A
// posted event, not a queued call: the event is made here and deleted by Qt,
// while a queued call's slot object is shared between the threads and counted
// where a thread checker cannot see it.
const QEvent::Type deliveredEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

void CheckerDialogModel::askToTakeDelivered() {
    QCoreApplication::postEvent(this, new QEvent(deliveredEvent));
}

void CheckerDialogModel::customEvent(QEvent* event) {
    if (event->type() == deliveredEvent)
        takeDelivered();
    else
        QObject::customEvent(event);
}

void CheckerDialogModel::takeDelivered() {
    if (state_ != State::Checking)
        return;
    // A few blocks at a time, so the window draws between them however far
    // behind it is; the rest waits for the next turn of the event loop.
    std::deque<CheckedBlock> blocks;
    std::optional<CheckEnd> end;
    bool more = false;
    {
        std::lock_guard lock(deliveredMutex_);
        while (!delivered_.empty() && blocks.size() < blocksPerTurn) {
            blocks.push_back(std::move(delivered_.front()));
            delivered_.pop_front();
        }
        more = !delivered_.empty();
        if (!more)
            end = workerEnd_;
    }
    deliveredChanged_.notify_all();
    if (more)
        askToTakeDelivered();
    if (!blocks.empty()) {
        if (!appendToReport(blocks))
            end = CheckEnd::OutOfMemory;
        handBack(blocks);
        announceSoon(end.has_value());
    }
    if (end) {
        if (worker_.joinable())
            worker_.join();
        announceLines();
        endCheck(*end);
    }
}

// False when the report cannot hold them: the check stops with what is shown.
bool CheckerDialogModel::appendToReport(const std::deque<CheckedBlock>& blocks) {
    const std::size_t first = report_.size();
    try {
        for (const CheckedBlock& block : blocks) {
            report_.append(block);
            counts_ = block.runningCounts;
            bytesRead_ = block.bytesRead;
        }
        if (first == 0)
            reserveForWholeLog(report_.size(), bytesRead_);
        return true;
    } catch (const std::bad_alloc&) {
        // Keep what is shown; the rest of the log cannot be held.
        stopWorker();
        counts_ = {};
        for (std::size_t line = 0; line < report_.size(); ++line)
            ++(report_.line(line).ok ? counts_.ok : counts_.ng);
        counts_.total = report_.size();
        return false;
    }
}

// The first lines show at once, then the list and counters follow some ten
// times a second: a view of millions of rows redoes part of its layout on
// every insertion.
void CheckerDialogModel::announceSoon(bool ending) {
    if (ending || !sinceAnnounced_.isValid() || sinceAnnounced_.elapsed() >= announceEveryMs)
        announceLines();
    else if (!announceTimer_.isActive())
        announceTimer_.start(announceEveryMs - static_cast<int>(sinceAnnounced_.elapsed()));
}

void CheckerDialogModel::announceLines() {
    announceTimer_.stop();
    sinceAnnounced_.start();
    if (report_.size() == announcedLines_)
        return;
    const std::size_t first = announcedLines_;
    announcedLines_ = report_.size();
    emit linesAdded(first, announcedLines_ - first);
    emit countsChanged();
    emit progressChanged(progressPermille());
    if (counts_.ng > announcedNg_ && beeps_.allow(clock_()))
        emit beepRequested();
    announcedNg_ = counts_.ng;
}

void CheckerDialogModel::reserveForWholeLog(std::size_t firstLines, std::uint64_t firstBytes) {
    // The lines of the first blocks tell how many the whole log holds; room for
    // them at once saves copying the list as it grows.
    if (firstBytes == 0 || firstLines == 0)
        return;
    const double perByte = static_cast<double>(firstLines) / static_cast<double>(firstBytes);
    const auto expected =
        static_cast<std::uint64_t>(perByte * static_cast<double>(sizeAtOpen_) * 1.02) + 1024;
    try {
        report_.reserveLines(std::min<std::uint64_t>(expected, sizeAtOpen_ + 1));
    } catch (const std::bad_alloc&) {
        // It grows as it goes then.
    }
}

void CheckerDialogModel::handBack(std::deque<CheckedBlock>& blocks) {
    std::lock_guard lock(deliveredMutex_);
    while (!blocks.empty() && returned_.size() < maxWaitingBlocks) {
        returned_.push_back(std::move(blocks.back()));
        blocks.pop_back();
    }
}

void CheckerDialogModel::endCheck(CheckEnd end) {
    switch (end) {
    case CheckEnd::Finished:
        profile_.setValue(profileSection, profileKey, checkedPath_);
        setState(State::Finished);
        break;
    case CheckEnd::Cancelled:
        setState(State::Cancelled);
        break;
    case CheckEnd::ReadError:
        setState(State::Failed);
        prompter_.showMessage(texts_.cannotOpen, MessageIcon::Error);
        break;
    case CheckEnd::OutOfMemory:
        setState(State::Failed);
        prompter_.showMessage(texts_.windowOutOfMemory, MessageIcon::Error);
        break;
    }
    emit progressChanged(progressPermille());
    if (!currentLine_ && !report_.ngLines().empty())
        makeCurrent(report_.ngLines().front());
}

void CheckerDialogModel::setNgOnly(bool ngOnly) {
    if (ngOnly == ngOnly_)
        return;
    ngOnly_ = ngOnly;
    emit shownLinesReset();
    if (!currentLine_)
        return;
    // An OK line is not in the NG list: the next NG line stands in for it.
    if (ngOnly_ && !shownIndexOf(*currentLine_)) {
        const auto next = report_.ngAfter(*currentLine_);
        if (next)
            makeCurrent(*next);
        else if (!report_.ngLines().empty())
            makeCurrent(report_.ngLines().back());
        else
            currentLine_.reset();
        return;
    }
    emit currentLineChanged(*currentLine_);
}

std::size_t CheckerDialogModel::shownLineCount() const {
    return ngOnly_ ? report_.ngLines().size() : report_.size();
}

std::size_t CheckerDialogModel::shownLine(std::size_t shown) const {
    return ngOnly_ ? report_.ngLines()[shown] : shown;
}

std::optional<std::size_t> CheckerDialogModel::shownIndexOf(std::size_t line) const {
    if (!ngOnly_)
        return line < report_.size() ? std::optional(line) : std::nullopt;
    const std::vector<std::size_t>& ng = report_.ngLines();
    const auto at = std::lower_bound(ng.begin(), ng.end(), line);
    if (at == ng.end() || *at != line)
        return std::nullopt;
    return static_cast<std::size_t>(at - ng.begin());
}

void CheckerDialogModel::setCurrentLine(std::size_t line) {
    if (line < report_.size())
        currentLine_ = line;
}

void CheckerDialogModel::makeCurrent(std::size_t line) {
    currentLine_ = line;
    emit currentLineChanged(line);
}

bool CheckerDialogModel::goToNextNg() {
    const std::vector<std::size_t>& ng = report_.ngLines();
    if (ng.empty())
        return false;
    const auto next = currentLine_ ? report_.ngAfter(*currentLine_) : std::optional(ng.front());
    makeCurrent(next ? *next : ng.front());
    return true;
}

bool CheckerDialogModel::goToPreviousNg() {
    const std::vector<std::size_t>& ng = report_.ngLines();
    if (ng.empty())
        return false;
    const auto previous = currentLine_ ? report_.ngBefore(*currentLine_) : std::optional(ng.back());
    makeCurrent(previous ? *previous : ng.back());
    return true;
}

QString CheckerDialogModel::lineCountText(std::uint64_t lines) const {
    return lines == 1 ? texts_.oneLine
                      : texts_.lineCount.arg(checkerdialogtexts::groupedNumber(lines));
}

QString CheckerDialogModel::summaryText() const {
    if (!anyCheck_)
        return {};
    QString summary;
    if (counts_.total == 0)
        summary = texts_.summaryEmpty;
    else if (counts_.ng == 0 || report_.ngLines().empty())
        summary = texts_.summaryNoNg.arg(lineCountText(counts_.total));
    else
        summary = texts_.summaryNg.arg(
            checkerdialogtexts::groupedNumber(counts_.ng), lineCountText(counts_.total),
            checkerdialogtexts::groupedNumber(report_.ngLines().front() + 1));
    return texts_.summaryBytes.arg(summary, checkerdialogtexts::groupedNumber(bytesRead_));
}

std::vector<std::size_t> CheckerDialogModel::knownLines(std::vector<std::size_t> lines) const {
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    lines.erase(std::lower_bound(lines.begin(), lines.end(), report_.size()), lines.end());
    return lines;
}

QString CheckerDialogModel::reportTextOf(std::vector<std::size_t> lines) const {
    std::string text;
    for (std::size_t line : knownLines(std::move(lines)))
        text += report_.reportText(line, line + 1);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString CheckerDialogModel::tabSeparatedTextOf(std::vector<std::size_t> lines) const {
    std::string text;
    std::string utf8;
    for (std::size_t line : knownLines(std::move(lines))) {
        text += std::to_string(line + 1);
        text += report_.line(line).ok ? "\tOK\t" : "\tNG\t";
        utf8.clear();
        appendCp932AsUtf8(utf8, report_.text(line));
        appendTabSeparatedField(text, utf8);
        text += '\n';
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace vermil
