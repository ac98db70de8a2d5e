#include "manager/ui/manager_setting_dialog.h"

#include "manager/manager_setting_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vermil {

CDlgSetting::CDlgSetting(ManagerSettingModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    // The captions besides the label have one form, the same in both languages.
    const ManagerSettingTexts& texts = ManagerSettingTexts::of(Language::Japanese);
    label_ = new QLabel(this);
    list_ = new QListWidget(this);
    list_->addItems(model_.choices());
    if (model_.selectedRow() >= 0)
        list_->setCurrentRow(model_.selectedRow());
    // As tall as its entries: there are only two.
    list_->setFixedHeight(list_->sizeHintForRow(0) * static_cast<int>(model_.choices().size()) +
                          2 * list_->frameWidth() + list_->spacing() * 4 + 8);
    label_->setBuddy(list_);
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    close_ = new QPushButton(this);
    close_->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addWidget(label_, 0, Qt::AlignTop);
    row->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch(1);
    layout->addLayout(buttons);

    setWindowTitle(texts.windowTitle);
    label_->setText(model_.labelText());
    ok_->setText(texts.ok);
    close_->setText(texts.close);
    setMinimumWidth(fontMetrics().averageCharWidth() * 40);

    // The selection, not the current row: a list that gets the focus has a current
    // row without anything being chosen.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        model_.selectRow(selected.isEmpty() ? -1 : list_->row(selected.front()));
    });
    connect(ok_, &QPushButton::clicked, this, &CDlgSetting::accept);
    connect(close_, &QPushButton::clicked, this, &CDlgSetting::reject);
    list_->setFocus();
}

void CDlgSetting::accept() {
    model_.accept();
    QDialog::accept();
}

} // namespace vermil
