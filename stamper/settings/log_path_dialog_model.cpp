#include "stamper/settings/log_path_dialog_model.h"

#include "common/cp932.h"
#include "common/interaction/chooser_folder.h"
#include "common/interaction/file_chooser.h"
#include "common/interaction/prompter.h"
#include "stamper/document/stamp_document.h"
#include "stamper/settings/log_path_dialog_texts.h"

namespace vermil {

LogPathDialogModel::LogPathDialogModel(Prompter& prompter, CVermilinDoc& document)
    : prompter_(prompter), document_(document), language_(languageOf(document.language())),
      logPath_(fromCp932(document.logFilePath())), outputLog_(document.logEnabled() != 0),
      separator_(document.logFormat() == 0 ? Separator::Pipe : Separator::Comma) {}

bool LogPathDialogModel::browse(FileChooser& chooser) {
    FileChoice choice;
    choice.purpose = FileChoice::Purpose::Open;
    choice.title = LogPathDialogTexts::of(language_).chooserTitle;
    choice.filter = LogPathDialogTexts::of(language_).fileFilter;
    choice.defaultSuffix = QStringLiteral("txt");
    choice.initialName = logPath_;
    choice.folder = chooserFolder(logPath_, document_.hankoFolder());
    choice.mustExist = false;
    const auto chosen = chooser.chooseFile(choice);
    if (!chosen)
        return false;
    logPath_ = *chosen;
    return true;
}

LogPathDialogModel::Outcome LogPathDialogModel::accept() {
    const auto path = toCp932(logPath_);
    if (!path) {
        prompter_.showMessage(LogPathDialogTexts::of(language_).pathNotCp932.arg(logPath_));
        return Outcome::PathNotCp932;
    }
    document_.setLogFilePath(*path);
    document_.setLogEnabled(outputLog_);
    document_.setLogFormat(static_cast<int>(separator_));
    return Outcome::Accepted;
}

} // namespace vermil
