#include "dialog_file_chooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>

namespace vermil {
namespace {

// Qt's chooser opens with its columns too narrow for a size, a type or a date
// ("601…tes"), the Japanese ones even more so: it opens wider, and once a folder
// is read the size, type and date fit what they show and the name takes the rest.
void fitColumns(QFileDialog& chooser) {
    const QFontMetrics metrics = chooser.fontMetrics();
    chooser.resize(chooser.sizeHint().expandedTo(
        QSize(metrics.averageCharWidth() * 120, metrics.height() * 28)));
    auto* list = chooser.findChild<QTreeView*>();
    auto* files = list ? qobject_cast<QFileSystemModel*>(list->model()) : nullptr;
    if (!files)
        return;
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    QObject::connect(files, &QFileSystemModel::directoryLoaded, list, [list] {
        for (int column = 1; column < list->header()->count(); ++column)
            list->resizeColumnToContents(column);
    });
}

} // namespace

std::optional<QString> DialogFileChooser::chooseFile(const FileChoice& choice) {
    QFileDialog chooser(parent_ ? parent_.data() : QApplication::activeWindow(), choice.title);
    fitColumns(chooser);
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
