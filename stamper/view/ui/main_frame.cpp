#include "stamper/view/ui/main_frame.h"

#include "stamper/view/ui/toolbar_icons.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

namespace vermil {
namespace {

constexpr FrameCommand allCommands[] = {
    FrameCommand::Exit,    FrameCommand::Update,    FrameCommand::SaveCopyAs,
    FrameCommand::Stamp,   FrameCommand::StampPdf,  FrameCommand::CheckStamp,
    FrameCommand::LogFile, FrameCommand::Settings,  FrameCommand::ChangePassword,
    FrameCommand::ToolBar, FrameCommand::StatusBar, FrameCommand::About,
};

} // namespace

CMainFrame::CMainFrame(MenuSet set, Language language, QWidget* parent)
    : QMainWindow(parent), set_(set), texts_(&MainFrameTexts::of(set, language)) {
    createActions();
    buildMenus();
    buildToolBar();
    buildStatusBar();
    applyTexts(language);
    // 310 x 370, or wider when the menus need it: a menu bar cannot wrap here, and a
    // menu hidden behind its overflow button would be hard to find.
    resize(std::max(310, menuBar()->sizeHint().width()), 370);
}

void CMainFrame::createActions() {
    for (FrameCommand command : allCommands) {
        if (!texts_->entry(command))
            continue;
        auto* action = new QAction(this);
        action->setIcon(toolbarIcon(command));
        action->setIconVisibleInMenu(false);
        actions_[command] = action;
        connect(action, &QAction::triggered, this,
                [this, command] { emit commandTriggered(command); });
    }
    for (FrameCommand bar : {FrameCommand::ToolBar, FrameCommand::StatusBar}) {
        QAction* toggle = action(bar);
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
}

void CMainFrame::buildMenus() {
    for (const MenuText& text : texts_->menus) {
        QMenu* menu = menuBar()->addMenu(QString());
        for (const MenuEntry& entry : text.entries) {
            if (entry.separatorBefore)
                menu->addSeparator();
            menu->addAction(action(entry.command));
        }
        menus_.push_back(menu);
    }
}

void CMainFrame::buildToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setIconSize(QSize(24, 24));
    for (FrameCommand command : texts_->toolBar)
        toolBar_->addAction(action(command));
    addToolBar(Qt::TopToolBarArea, toolBar_);
    connect(action(FrameCommand::ToolBar), &QAction::toggled, toolBar_, &QToolBar::setVisible);
    // Closing the bar from its own menu keeps the menu's tick right.
    connect(toolBar_->toggleViewAction(), &QAction::toggled, action(FrameCommand::ToolBar),
            &QAction::setChecked);
}

void CMainFrame::buildStatusBar() {
    messagePane_ = new QLabel(this);
    statusBar()->addWidget(messagePane_, 1);
    for (QLabel*& pane : lockPanes_) {
        pane = new QLabel(this);
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Not permanent: a command's prompt may use the whole bar while it shows.
        statusBar()->addWidget(pane);
    }
    connect(action(FrameCommand::StatusBar), &QAction::toggled, statusBar(),
            &QStatusBar::setVisible);
    // Only where the keyboard's lights can be read; the panes stay empty elsewhere.
    if (readLockKeyStates().anyKnown()) {
        lockTimer_ = new QTimer(this);
        lockTimer_->setInterval(300);
        connect(lockTimer_, &QTimer::timeout, this, [this] { showLockKeys(readLockKeyStates()); });
        lockTimer_->start();
        showLockKeys(readLockKeyStates());
    }
}

QAction* CMainFrame::action(FrameCommand command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::applyTexts(Language language) {
    texts_ = &MainFrameTexts::of(set_, language);
    for (std::size_t i = 0; i < menus_.size() && i < texts_->menus.size(); ++i)
        menus_[i]->setTitle(texts_->menus[i].title);
    for (const auto& [command, action] : actions_) {
        const MenuEntry* entry = texts_->entry(command);
        action->setText(entry->caption);
        action->setStatusTip(entry->prompt.value_or(QString()));
        action->setToolTip(entry->toolTip);
    }
    toolBar_->setWindowTitle(texts_->entry(FrameCommand::ToolBar)->toolTip);
    messagePane_->setText(texts_->ready);
    // Wide enough for the longest text each pane can show.
    const QString paneTexts[] = {texts_->kanaLock, texts_->capsLock, texts_->numLock,
                                 texts_->scrollLock};
    for (int i = 0; i < 4; ++i)
        lockPanes_[i]->setMinimumWidth(
            lockPanes_[i]->fontMetrics().horizontalAdvance(paneTexts[i]) + 12);
    if (lockTimer_)
        showLockKeys(readLockKeyStates());
    showTitle();
}

void CMainFrame::setDocumentName(const QString& name) {
    documentName_ = name;
    showTitle();
}

void CMainFrame::showTitle() {
    setWindowTitle(documentName_.isEmpty()
                       ? texts_->windowTitle
                       : documentName_ + QStringLiteral("[*] - ") + texts_->windowTitle);
}

void CMainFrame::showLockKeys(const LockKeyStates& states) {
    const std::optional<bool> keys[] = {states.kana, states.caps, states.num, states.scroll};
    const QString names[] = {texts_->kanaLock, texts_->capsLock, texts_->numLock,
                             texts_->scrollLock};
    for (int i = 0; i < 4; ++i)
        lockPanes_[i]->setText(keys[i].value_or(false) ? names[i] : QString());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (closeGuard_ && !closeGuard_()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace vermil
