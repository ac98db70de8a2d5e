#include "stamper/sealdialog/ui/seal_name_list.h"

#include "common/cp932.h"

#include <QSignalBlocker>

namespace vermil {

SealNameList::SealNameList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = selectedItems();
        if (!selected.isEmpty())
            emit rowChosen(row(selected.front()));
    });
}

void SealNameList::setNames(const std::vector<std::string>& names) {
    const QSignalBlocker blocker(this);
    clear();
    for (const std::string& name : names)
        addItem(fromCp932(name));
}

void SealNameList::showRow(std::optional<std::size_t> row) {
    const QSignalBlocker blocker(this);
    if (row)
        setCurrentRow(static_cast<int>(*row));
}

} // namespace vermil
