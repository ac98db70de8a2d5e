#include "manager/ui/about_dialog.h"

#include "manager/ui/manager_icon.h"

#include "manager/manager_dialog_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vermil {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const VersionBoxTexts& texts = VersionBoxTexts::of(Language::Japanese); // one form only
    setWindowTitle(texts.windowTitle);
    const QIcon icon = managerIcon();
    setWindowIcon(icon);
    auto* picture = new QLabel(this);
    const int side = fontMetrics().height() * 3;
    picture->setPixmap(icon.pixmap(side, side));
    auto* lines = new QVBoxLayout;
    for (const QString* line : {&texts.programTitle, &texts.versionLine, &texts.releaseLine})
        lines->addWidget(new QLabel(*line, this));
    close_ = new QPushButton(texts.close, this);
    close_->setDefault(true);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(fontMetrics().averageCharWidth() * 2);
    top->addLayout(lines, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(close_, &QPushButton::clicked, this, &CAboutDlg::accept);
}

} // namespace vermil
