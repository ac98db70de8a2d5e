#include "checker_dialog_model.h"

#include "checker_texts.h"

#include "common/file_chooser.h"
#include "common/prompter.h"
#include "common/user_profile.h"

#include <QFile>
#include <QMetaObject>

#include <algorithm>

namespace vermil {
namespace {

std::filesystem::path filePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

CheckerDialogModel::CheckerDialogModel(Prompter& prompter, UserProfile& profile,
                                       const QString& defaultLogPath, QObject* parent)
    : QObject(parent), prompter_(prompter), profile_(profile),
      clock_([] { return BeepLimiter::Clock::now(); }) {
    logPath_ =
        profile_.value(checkertexts::profileSection, checkertexts::profileKey, defaultLogPath);
}

CheckerDialogModel::~CheckerDialogModel() {
    cancel_ = true;
    if (worker_.joinable())
        worker_.join();
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
    choice.filter = checkertexts::fileFilter;
    choice.defaultSuffix = checkertexts::defaultSuffix;
    choice.initialName = logPath_;
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

bool CheckerDialogModel::startCheck() {
    if (isChecking())
        return false;
    if (logPath_.isEmpty()) {
        prompter_.showMessage(checkertexts::emptyPath, MessageIcon::Warning);
        return false;
    }
    if (worker_.joinable())
        worker_.join();
    report_.clear();
    counts_ = {};
    bytesRead_ = 0;
    emit reportCleared();
    emit countsChanged();

    auto file = LogFile::open(filePath(logPath_));
    if (!file) {
        setState(State::Failed);
        prompter_.showMessage(checkertexts::cannotOpen, MessageIcon::Error);
        return false;
    }
    checkedPath_ = logPath_;
    sizeAtOpen_ = file->sizeAtOpen();
    cancel_ = false;
    workerEnd_.reset();
    setState(State::Checking);
    emit progressChanged(progressPermille());
    worker_ = std::thread(&CheckerDialogModel::runWorker, this, std::move(*file));
    return true;
}

void CheckerDialogModel::cancelCheck() {
    cancel_ = true;
}

void CheckerDialogModel::waitForCheck() {
    if (worker_.joinable())
        worker_.join();
    takeDelivered();
}

int CheckerDialogModel::progressPermille() const {
    if (state_ != State::Checking)
        return state_ == State::Finished ? 1000 : 0;
    if (sizeAtOpen_ == 0)
        return -1;
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
                std::lock_guard lock(model_.deliveredMutex_);
                wake = model_.delivered_.empty();
                model_.delivered_.push_back(std::move(block));
            }
            if (wake)
                QMetaObject::invokeMethod(&model_, &CheckerDialogModel::takeDelivered,
                                          Qt::QueuedConnection);
        }

    private:
        CheckerDialogModel& model_;
    };

    QueueSink sink(*this);
    CheckEnd end = CheckEnd::ReadError;
    try {
        end = checkLog(file, sink, {}, &cancel_);
    } catch (const std::exception&) {
        end = CheckEnd::ReadError; // out of memory on a hostile file: report it, never crash
    }
    {
        std::lock_guard lock(deliveredMutex_);
        workerEnd_ = end;
    }
    QMetaObject::invokeMethod(this, &CheckerDialogModel::takeDelivered, Qt::QueuedConnection);
}

void CheckerDialogModel::takeDelivered() {
    if (state_ != State::Checking)
        return;
    std::deque<CheckedBlock> blocks;
    std::optional<CheckEnd> end;
    {
        std::lock_guard lock(deliveredMutex_);
        blocks.swap(delivered_);
        end = workerEnd_;
    }
    if (!blocks.empty()) {
        const std::size_t first = report_.size();
        const std::uint64_t ngBefore = counts_.ng;
        for (const CheckedBlock& block : blocks) {
            report_.append(block);
            counts_ = block.runningCounts;
            bytesRead_ = block.bytesRead;
        }
        emit linesAdded(first, report_.size() - first);
        emit countsChanged();
        emit progressChanged(progressPermille());
        if (counts_.ng > ngBefore && beeps_.allow(clock_()))
            emit beepRequested();
    }
    if (end) {
        if (worker_.joinable())
            worker_.join();
        endCheck(*end);
    }
}

void CheckerDialogModel::endCheck(CheckEnd end) {
    switch (end) {
    case CheckEnd::Finished:
        profile_.setValue(checkertexts::profileSection, checkertexts::profileKey, checkedPath_);
        setState(State::Finished);
        break;
    case CheckEnd::Cancelled:
        setState(State::Cancelled);
        break;
    case CheckEnd::ReadError:
        setState(State::Failed);
        prompter_.showMessage(checkertexts::cannotOpen, MessageIcon::Error);
        break;
    }
    emit progressChanged(progressPermille());
}

QString CheckerDialogModel::reportTextOf(std::vector<std::size_t> lines) const {
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    std::string text;
    for (std::size_t line : lines)
        if (line < report_.size())
            text += report_.reportText(line, line + 1);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace vermil
