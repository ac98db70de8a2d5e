#pragma once

#include "manager/import/csv_import.h"

#include "sealfiles/seal_index.h"

#include "common/interaction/prompter.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace vermil {

class FileChooser;

// The CSV import dialog (CDlgImport) without its widgets: the CSV path and the
// import of CsvImport, run on a worker thread so the window stays responsive,
// with its progress and Cancel. The import's messages are shown when it ends,
// on the user-interface thread, in the order the import gave them.
class ImportDialogModel : public QObject {
    Q_OBJECT

public:
    enum class State { Idle, Importing, Completed, Stopped, Cancelled };

    ImportDialogModel(Prompter& prompter, SealIndex index, std::string versionText,
                      QObject* parent = nullptr);
    ~ImportDialogModel() override;

    const QString& csvPath() const { return csvPath_; }
    void setCsvPath(const QString& path);
    // The "Ref" button: a CSV file that exists.
    void browse(FileChooser& chooser);

    // "実行(Run)": starts the import of the current path; false when one runs already.
    bool startImport();
    void cancelImport() { cancel_ = true; }
    // Blocks until a running import has ended and its messages are shown.
    void waitForImport();

    State state() const { return state_; }
    bool isImporting() const { return state_ == State::Importing; }
    int rowsDone() const { return done_; }
    int rowsTotal() const { return total_; }
    // The rows the last import wrote.
    int imported() const { return result_.imported; }

signals:
    void stateChanged(vermil::ImportDialogModel::State state);
    void csvPathChanged(const QString& path);
    void progressChanged(int done, int total);

protected:
    void customEvent(QEvent* event) override;

private:
    // Keeps what the import says on the worker thread for the user-interface thread.
    class MessageQueue : public Prompter {
    public:
        void showMessage(const QString& text, MessageIcon icon) override;
        bool askYesNo(const QString& text, MessageIcon icon) override;
        std::vector<std::pair<QString, MessageIcon>> take();

    private:
        std::mutex mutex_;
        std::vector<std::pair<QString, MessageIcon>> messages_;
    };

    void setState(State state);
    void runWorker(const std::filesystem::path& csvFile);
    void takeProgress();
    void takeEnd();

    Prompter& prompter_;
    SealIndex index_;
    std::string versionText_;
    QString csvPath_;
    State state_ = State::Idle;
    int done_ = 0;
    int total_ = 0;
    ImportResult result_;

    std::thread worker_;
    std::atomic<bool> cancel_{false};
    std::atomic<int> workerDone_{0};
    std::atomic<int> workerTotal_{0};
    std::atomic<bool> progressPending_{false};
    std::mutex endMutex_;
    std::optional<ImportResult> workerEnd_;
    MessageQueue messages_;
};

} // namespace vermil
