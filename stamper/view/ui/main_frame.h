#pragma once

#include "stamper/view/lock_key_states.h"
#include "stamper/view/main_frame_texts.h"

#include <QMainWindow>

#include <functional>
#include <map>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;

namespace vermil {

// The frame window: the main window of the stand-alone program, or the
// embedded-object window of -Embedding, with that set's menus, a toolbar (one
// button per main command, movable to any side) and a status bar (the message
// pane with each command's prompt, and the kana, caps, num and scroll lock panes).
// It decides nothing: each command goes out through commandTriggered.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame(MenuSet set, Language language, QWidget* parent = nullptr);

    QAction* action(FrameCommand command) const;
    QToolBar* toolBar() const { return toolBar_; }
    QLabel* messagePane() const { return messagePane_; }
    QLabel* lockPane(int index) const { return lockPanes_[index]; }

    // Captions, prompts and title in another language, e.g. after the settings dialog.
    void applyTexts(Language language);
    // The title after the document's name ("seal.vrs - 日付印Vermil"); empty: none.
    void setDocumentName(const QString& name);
    // Asked before the window closes; false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }
    // Shows the lock keys (tests hand in states; the window reads the keyboard's lights).
    void showLockKeys(const LockKeyStates& states);

signals:
    void commandTriggered(vermil::FrameCommand command);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void showTitle();

    MenuSet set_;
    const MainFrameTexts* texts_;
    QString documentName_;
    std::map<FrameCommand, QAction*> actions_;
    std::vector<QMenu*> menus_;
    QToolBar* toolBar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    QLabel* lockPanes_[4] = {};
    QTimer* lockTimer_ = nullptr;
    std::function<bool()> closeGuard_;
};

} // namespace vermil
