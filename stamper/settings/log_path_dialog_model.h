#pragma once

#include "common/language.h"

#include <QString>

namespace vermil {

class CVermilinDoc;
class FileChooser;
class Prompter;

// The log path dialog (CFileNameDialog) without its widgets: the stamp log file,
// whether a log is written, and the separator. Filled from the document; on OK
// the document takes the values, which it writes to hanko.ini when it closes.
class LogPathDialogModel {
public:
    enum class Separator { Pipe = 0, Comma = 1 };
    enum class Outcome { Accepted, PathNotCp932 };

    LogPathDialogModel(Prompter& prompter, CVermilinDoc& document);

    const QString& logPath() const { return logPath_; }
    void setLogPath(const QString& path) { logPath_ = path; }
    bool outputLog() const { return outputLog_; }
    void setOutputLog(bool on) { outputLog_ = on; }
    Separator separator() const { return separator_; }
    void setSeparator(Separator separator) { separator_ = separator; }
    Language language() const { return language_; }

    // "Ref": a text or log file, which need not exist yet; true when one was chosen.
    bool browse(FileChooser& chooser);

    // OK: the document takes the path, the flag and the separator. A path with a
    // character that has no Shift-JIS form is refused with a message, and the
    // document keeps its values.
    Outcome accept();

private:
    Prompter& prompter_;
    CVermilinDoc& document_;
    Language language_;
    QString logPath_;
    bool outputLog_;
    Separator separator_;
};

} // namespace vermil
