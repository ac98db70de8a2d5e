#include "manager/ui/font_detail_dialog.h"

#include "render/seal_painter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vermil {
namespace {

constexpr FontLine allLines[] = {FontLine::Up2, FontLine::Up1, FontLine::Date, FontLine::Low1};

} // namespace

CDlgDetail::CDlgDetail(FontDetailModel& model, FontChooser& chooser, QWidget* parent)
    : QDialog(parent), model_(model), chooser_(chooser) {
    buildControls();
    applyTexts(fontDetailTexts());
    for (const FontLine line : allLines)
        showLine(line);
    connectControls();
}

void CDlgDetail::buildControls() {
    auto* layout = new QVBoxLayout(this);
    QWidget* previous = nullptr;
    for (LineControls& controls : lines_) {
        controls.group = new QGroupBox(this);
        controls.name = new QLineEdit(controls.group);
        controls.name->setMinimumWidth(fontMetrics().averageCharWidth() * 28);
        controls.choose = new QPushButton(controls.group);
        controls.choose->setAutoDefault(false);
        controls.sizeLabel = new QLabel(controls.group);
        controls.size = new QSpinBox(controls.group);
        controls.size->setRange(0, maxSealTextSize);
        controls.sizeLabel->setBuddy(controls.size);
        controls.bold = new QCheckBox(controls.group);
        auto* row = new QHBoxLayout(controls.group);
        row->addWidget(controls.name, 1);
        row->addWidget(controls.choose);
        row->addSpacing(fontMetrics().averageCharWidth() * 2);
        row->addWidget(controls.sizeLabel);
        row->addWidget(controls.size);
        row->addWidget(controls.bold);
        layout->addWidget(controls.group);
        for (QWidget* widget :
             {static_cast<QWidget*>(controls.name), static_cast<QWidget*>(controls.choose),
              static_cast<QWidget*>(controls.size), static_cast<QWidget*>(controls.bold)}) {
            if (previous)
                setTabOrder(previous, widget);
            previous = widget;
        }
    }
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    cancel_->setAutoDefault(false);
    setTabOrder(previous, ok_);
    setTabOrder(ok_, cancel_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
}

void CDlgDetail::applyTexts(const FontDetailTexts& texts) {
    setWindowTitle(texts.windowTitle);
    const QString* groups[] = {&texts.up2Group, &texts.up1Group, &texts.dateGroup,
                               &texts.low1Group};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i].group->setTitle(*groups[i]);
        lines_[i].choose->setText(texts.choose);
        lines_[i].sizeLabel->setText(texts.size);
        lines_[i].bold->setText(texts.bold);
    }
    ok_->setText(texts.ok);
    cancel_->setText(texts.cancel);
}

void CDlgDetail::showLine(FontLine line) {
    const FontLineState& state = model_.line(line);
    const LineControls& controls = lines_[static_cast<int>(line)];
    const QSignalBlocker blockSize(controls.size);
    const QSignalBlocker blockBold(controls.bold);
    controls.name->setText(state.name);
    controls.name->setCursorPosition(0);
    controls.size->setValue(state.size);
    controls.bold->setChecked(state.bold);
}

void CDlgDetail::connectControls() {
    for (const FontLine line : allLines) {
        const LineControls& controls = lines_[static_cast<int>(line)];
        connect(controls.name, &QLineEdit::textEdited, this,
                [this, line](const QString& name) { model_.setName(line, name); });
        connect(controls.size, &QSpinBox::valueChanged, this,
                [this, line](int size) { model_.setSize(line, size); });
        connect(controls.bold, &QCheckBox::toggled, this,
                [this, line](bool bold) { model_.setBold(line, bold); });
        connect(controls.choose, &QPushButton::clicked, this, [this, line] {
            if (model_.chooseFont(line, chooser_) == FontDetailModel::ChooseOutcome::Chosen)
                showLine(line);
        });
    }
    connect(ok_, &QPushButton::clicked, this, &CDlgDetail::accept);
    connect(cancel_, &QPushButton::clicked, this, &CDlgDetail::reject);
}

void CDlgDetail::accept() {
    fonts_ = model_.accept();
    if (fonts_)
        QDialog::accept();
}

} // namespace vermil
