#include "dialog_file_chooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace vermil {

std::optional<QString> DialogFileChooser::chooseFile(const FileChoice& choice) {
    QFileDialog chooser(parent_ ? parent_.data() : QApplication::activeWindow(), choice.title);
    const bool open = choice.purpose == FileChoice::Purpose::Open;
    chooser.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    chooser.setFileMode(choice.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!open)
        chooser.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!choice.filter.isEmpty())
        chooser.setNameFilter(choice.filter);
    if (!choice.defaultSuffix.isEmpty())
        chooser.setDefaultSuffix(choice.defaultSuffix);
    if (!choice.folder.isEmpty())
        chooser.setDirectory(choice.folder);
    if (!choice.initialName.isEmpty()) {
        const QFileInfo initial(choice.initialName);
        if (choice.folder.isEmpty() && initial.isAbsolute())
            chooser.setDirectory(initial.absolutePath());
        chooser.selectFile(initial.fileName());
    }
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    return chooser.selectedFiles().constFirst();
}

} // namespace vermil
