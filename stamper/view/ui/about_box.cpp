#include "stamper/view/ui/about_box.h"

#include "stamper/view/ui/toolbar_icons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vermil {

AboutBox::AboutBox(Language language, QWidget* parent) : QDialog(parent) {
    const AboutTexts& texts = AboutTexts::of(language);
    setWindowTitle(texts.windowTitle);

    auto* icon = new QLabel(this);
    icon->setPixmap(toolbarIcon(FrameCommand::Stamp).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    auto* name = new QLabel(texts.programName, this);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.3);
    name->setFont(nameFont);
    version_ = new QLabel(texts.version, this);
    auto* systems = new QLabel(texts.systems, this);
    systems->setWordWrap(true);
    auto* note = new QLabel(texts.inPlaceNote, this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setText(texts.ok);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(name);
    textColumn->addWidget(version_);
    textColumn->addSpacing(8);
    textColumn->addWidget(systems);
    textColumn->addWidget(note);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addLayout(textColumn, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

} // namespace vermil
