#include "manager/import/import_dialog_model.h"

#include "manager/import/import_dialog_texts.h"

#include "common/interaction/chooser_folder.h"
#include "common/interaction/file_chooser.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>

namespace vermil {
namespace {

// The worker wakes the user-interface thread with posted events, as the log
// checker's does: made on the worker, deleted by Qt, nothing shared but them.
const QEvent::Type progressEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
const QEvent::Type endEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

void ImportDialogModel::customEvent(QEvent* event) {
    if (event->type() == progressEvent)
        takeProgress();
    else if (event->type() == endEvent)
        takeEnd();
    else
        QObject::customEvent(event);
}

void ImportDialogModel::MessageQueue::showMessage(const QString& text, MessageIcon icon) {
    std::lock_guard lock(mutex_);
    messages_.emplace_back(text, icon);
}

bool ImportDialogModel::MessageQueue::askYesNo(const QString& text, MessageIcon icon) {
    // The import asks nothing; were it to, it would take No as a verb does.
    showMessage(text, icon);
    return false;
}

std::vector<std::pair<QString, MessageIcon>> ImportDialogModel::MessageQueue::take() {
    std::lock_guard lock(mutex_);
    return std::exchange(messages_, {});
}

ImportDialogModel::ImportDialogModel(Prompter& prompter, SealIndex index, std::string versionText,
                                     QObject* parent)
    : QObject(parent), prompter_(prompter), index_(std::move(index)),
      versionText_(std::move(versionText)) {}

ImportDialogModel::~ImportDialogModel() {
    cancel_ = true;
    if (worker_.joinable())
        worker_.join();
}

void ImportDialogModel::setCsvPath(const QString& path) {
    if (path == csvPath_)
        return;
    csvPath_ = path;
    emit csvPathChanged(csvPath_);
}

void ImportDialogModel::browse(FileChooser& chooser) {
    FileChoice choice;
    // The filter has one form, the same in both languages.
    choice.filter = ImportDialogTexts::of(Language::Japanese).chooserFilter;
    choice.defaultSuffix = QStringLiteral("csv");
    choice.initialName = csvPath_;
    choice.folder = chooserFolder(csvPath_);
    choice.mustExist = true;
    if (const auto chosen = chooser.chooseFile(choice))
        setCsvPath(*chosen);
}

void ImportDialogModel::setState(State state) {
    state_ = state;
    emit stateChanged(state_);
}

bool ImportDialogModel::startImport() {
    if (isImporting())
        return false;
    if (worker_.joinable())
        worker_.join();
    cancel_ = false;
    done_ = total_ = 0;
    workerDone_ = workerTotal_ = 0;
    workerEnd_.reset();
    result_ = {};
    setState(State::Importing);
    emit progressChanged(done_, total_);
    // An empty path stays empty: the import says so itself.
    const std::filesystem::path csvFile =
        csvPath_.isEmpty() ? std::filesystem::path()
                           : std::filesystem::path(QFile::encodeName(csvPath_).toStdString());
    worker_ = std::thread(&ImportDialogModel::runWorker, this, csvFile);
    return true;
}

void ImportDialogModel::runWorker(const std::filesystem::path& csvFile) {
    CsvImport csvImport(index_, messages_, versionText_);
    csvImport.setProgress([this](int done, int total) {
        workerDone_ = done;
        workerTotal_ = total;
        // One wake-up until the user-interface thread has taken the figures.
        if (!progressPending_.exchange(true))
            QCoreApplication::postEvent(this, new QEvent(progressEvent));
        return !cancel_;
    });
    ImportResult result;
    try {
        result = csvImport.run(csvFile);
    } catch (const std::exception&) {
        // Out of memory on a hostile file: the import stops, the program goes on.
        result = {ImportStatus::FileUnreadable, 0};
    }
    {
        std::lock_guard lock(endMutex_);
        workerEnd_ = result;
    }
    QCoreApplication::postEvent(this, new QEvent(endEvent));
}

void ImportDialogModel::takeProgress() {
    progressPending_ = false;
    if (!isImporting())
        return;
    done_ = workerDone_;
    total_ = workerTotal_;
    emit progressChanged(done_, total_);
}

void ImportDialogModel::takeEnd() {
    if (!isImporting())
        return;
    std::optional<ImportResult> end;
    {
        std::lock_guard lock(endMutex_);
        end = workerEnd_;
    }
    if (!end)
        return;
    if (worker_.joinable())
        worker_.join();
    result_ = *end;
    done_ = workerDone_;
    total_ = workerTotal_;
    emit progressChanged(done_, total_);
    switch (result_.status) {
    case ImportStatus::Completed:
        setState(State::Completed);
        break;
    case ImportStatus::Cancelled:
        setState(State::Cancelled);
        break;
    case ImportStatus::Stopped:
    case ImportStatus::FileUnreadable:
        setState(State::Stopped);
        break;
    }
    for (const auto& [text, icon] : messages_.take())
        prompter_.showMessage(text, icon);
}

void ImportDialogModel::waitForImport() {
    if (worker_.joinable())
        worker_.join();
    takeEnd();
}

} // namespace vermil
