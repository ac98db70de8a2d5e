#include "manager/ui/manager_dialog.h"

#include "manager/ui/manager_icon.h"
#include "manager/ui/manager_windows.h"
#include "manager/ui/read_only_field.h"
#include "manager/ui/seal_picture_view.h"

#include "common/cp932.h"
#include "common/number_text.h"

#include <QAction>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vermil {
namespace {

QLineEdit* makeShownField(QWidget* parent, Qt::Alignment alignment = Qt::AlignHCenter) {
    auto* field = new QLineEdit(parent);
    makeReadOnlyField(field);
    field->setAlignment(alignment);
    return field;
}

QPushButton* makeButton(QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CVrmgrDlg::CVrmgrDlg(ManagerDialogModel& model, ManagerWindows& windows, FileChooser& chooser,
                     QWidget* parent)
    : QDialog(parent), model_(model), windows_(windows), chooser_(chooser) {
    buildControls();
    applyTexts(ManagerDialogTexts::of(model_.language()));
    connectControls();
    setWindowIcon(managerIcon());
    // The first seal is shown at once, as a list that has the focus would show it anyway.
    if (!model_.hasSelection() && !model_.names().empty())
        model_.selectRow(0);
    showIndexPath();
    showList();
    showSelection();
}

void CVrmgrDlg::buildControls() {
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumWidth(fontMetrics().averageCharWidth() * 24);

    textsGroup_ = new QGroupBox(this);
    up2_ = makeShownField(textsGroup_);
    up1_ = makeShownField(textsGroup_);
    down_ = makeShownField(textsGroup_);
    dateFormat_ = makeShownField(textsGroup_);
    auto* texts = new QVBoxLayout(textsGroup_);
    for (QLineEdit* field : {up2_, up1_, dateFormat_, down_})
        texts->addWidget(field);

    sizeGroup_ = new QGroupBox(this);
    sizeXLabel_ = new QLabel(sizeGroup_);
    sizeYLabel_ = new QLabel(sizeGroup_);
    sizeX_ = makeShownField(sizeGroup_, Qt::AlignRight);
    sizeY_ = makeShownField(sizeGroup_, Qt::AlignRight);
    sizeXLabel_->setBuddy(sizeX_);
    sizeYLabel_->setBuddy(sizeY_);
    auto* sizes = new QHBoxLayout(sizeGroup_);
    sizes->addWidget(sizeXLabel_);
    sizes->addWidget(sizeX_, 1);
    sizes->addSpacing(fontMetrics().averageCharWidth() * 2);
    sizes->addWidget(sizeYLabel_);
    sizes->addWidget(sizeY_, 1);

    profileGroup_ = new QGroupBox(this);
    profile_ = makeShownField(profileGroup_, Qt::AlignLeft);
    auto* profile = new QHBoxLayout(profileGroup_);
    profile->addWidget(profile_);

    picture_ = new SealPictureView(this);

    auto* fields = new QVBoxLayout;
    fields->addWidget(textsGroup_);
    fields->addWidget(sizeGroup_);
    fields->addWidget(profileGroup_);
    fields->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(list_, 2);
    top->addLayout(fields, 3);
    top->addWidget(picture_, 3);

    indexGroup_ = new QGroupBox(this);
    indexPath_ = makeShownField(indexGroup_, Qt::AlignLeft);
    chooseIndexButton_ = makeButton(indexGroup_);
    auto* index = new QHBoxLayout(indexGroup_);
    index->addWidget(indexPath_, 1);
    index->addWidget(chooseIndexButton_);

    addButton_ = makeButton(this);
    editButton_ = makeButton(this);
    deleteButton_ = makeButton(this);
    importButton_ = makeButton(this);
    settingButton_ = makeButton(this);
    versionButton_ = makeButton(this);
    closeButton_ = makeButton(this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
         {addButton_, editButton_, deleteButton_, importButton_, settingButton_, versionButton_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(indexGroup_);
    layout->addLayout(buttons);

    // Linux has no system menu to extend: the entry is the window's context menu.
    versionAction_ = new QAction(this);
    addAction(versionAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    // In reading order: the index's Ref stands above the row of buttons.
    setTabOrder(list_, chooseIndexButton_);
    setTabOrder(chooseIndexButton_, addButton_);
    setTabOrder(addButton_, editButton_);
    setTabOrder(editButton_, deleteButton_);
    setTabOrder(deleteButton_, importButton_);
    setTabOrder(importButton_, settingButton_);
    setTabOrder(settingButton_, versionButton_);
    setTabOrder(versionButton_, closeButton_);
    list_->setFocus();
}

void CVrmgrDlg::applyTexts(const ManagerDialogTexts& texts) {
    setWindowTitle(texts.windowTitle);
    textsGroup_->setTitle(texts.sealTexts);
    sizeGroup_->setTitle(texts.sizeGroup);
    sizeXLabel_->setText(texts.sizeX);
    sizeYLabel_->setText(texts.sizeY);
    profileGroup_->setTitle(texts.profileGroup);
    indexGroup_->setTitle(texts.indexPathGroup);
    addButton_->setText(texts.add);
    deleteButton_->setText(texts.remove);
    editButton_->setText(texts.edit);
    importButton_->setText(texts.import);
    settingButton_->setText(texts.setting);
    versionButton_->setText(texts.versionInfo);
    closeButton_->setText(texts.close);
    chooseIndexButton_->setText(texts.chooseIndex);
    versionAction_->setText(texts.versionMenuEntry);
    picture_->setAccessibleName(texts.pictureCaption);
}

void CVrmgrDlg::connectControls() {
    connect(list_, &QListWidget::currentRowChanged, this, &CVrmgrDlg::selectRow);
    connect(addButton_, &QPushButton::clicked, this, &CVrmgrDlg::registerSeal);
    connect(editButton_, &QPushButton::clicked, this, &CVrmgrDlg::editSeal);
    connect(deleteButton_, &QPushButton::clicked, this, &CVrmgrDlg::deleteSeal);
    connect(importButton_, &QPushButton::clicked, this, &CVrmgrDlg::importSeals);
    connect(settingButton_, &QPushButton::clicked, this, &CVrmgrDlg::changeSettings);
    connect(versionButton_, &QPushButton::clicked, this, [this] { windows_.runVersionBox(); });
    connect(versionAction_, &QAction::triggered, this, [this] { windows_.runVersionBox(); });
    connect(closeButton_, &QPushButton::clicked, this, &CVrmgrDlg::accept);
    connect(chooseIndexButton_, &QPushButton::clicked, this, &CVrmgrDlg::chooseIndex);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CVrmgrDlg::editSeal);
    connect(&watcher_, &IndexWatcher::indexChanged, this, &CVrmgrDlg::reloadIndex);
}

void CVrmgrDlg::showList() {
    // Every command may have made the index or switched to another one.
    watcher_.watch(model_.indexPath());
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const std::string& name : model_.names())
        list_->addItem(fromCp932(name));
    list_->setCurrentRow(model_.selectedRow());
}

void CVrmgrDlg::showSelection() {
    const ShownSeal& seal = model_.shown();
    const std::pair<QLineEdit*, const std::string*> fields[] = {
        {up2_, &seal.up2},         {up1_, &seal.up1},
        {down_, &seal.down},       {dateFormat_, &seal.dateFormat},
        {sizeX_, &seal.sizeX},     {sizeY_, &seal.sizeY},
        {profile_, &seal.profile},
    };
    for (const auto& [field, value] : fields) {
        field->setText(fromCp932(*value));
        field->setCursorPosition(0);
    }
    picture_->setSeal(model_.pictureInput(QDateTime::currentSecsSinceEpoch()),
                      decimalPrefix(seal.sizeX), decimalPrefix(seal.sizeY));
}

void CVrmgrDlg::showIndexPath() {
    indexPath_->setText(fromCp932(model_.indexPath()));
    indexPath_->setCursorPosition(0);
}

void CVrmgrDlg::selectRow(int row) {
    model_.selectRow(row);
    showSelection();
}

void CVrmgrDlg::reloadIndex() {
    model_.reload();
    showList();
    showSelection();
}

void CVrmgrDlg::registerSeal() {
    const auto registration = model_.registerModel();
    if (windows_.runRegister(*registration, model_.language()))
        model_.registered(*registration);
    else
        model_.refreshList();
    showList();
    showSelection();
}

void CVrmgrDlg::editSeal() {
    const auto edit = model_.editModel();
    if (!edit)
        return;
    windows_.runEdit(*edit);
    model_.edited();
    showList();
    showSelection();
}

void CVrmgrDlg::deleteSeal() {
    model_.deleteSelected();
    showList();
    showSelection();
}

void CVrmgrDlg::importSeals() {
    const auto importDialog = model_.importModel();
    windows_.runImport(*importDialog, model_.language());
    model_.imported();
    showList();
    showSelection();
}

void CVrmgrDlg::changeSettings() {
    ManagerSettingModel setting = model_.settingModel();
    if (!windows_.runSetting(setting))
        return;
    model_.settingChosen(setting.chosen());
    applyTexts(ManagerDialogTexts::of(model_.language()));
    emit languageChanged(model_.language());
}

void CVrmgrDlg::chooseIndex() {
    if (!model_.chooseIndexFile(chooser_))
        return;
    showIndexPath();
    showList();
    showSelection();
}

} // namespace vermil
