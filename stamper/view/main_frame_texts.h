#pragma once

#include "common/language.h"

#include <QString>

#include <vector>

namespace vermil {

// The commands of the stamping program's windows.
enum class FrameCommand {
    Exit,
    Update,
    SaveCopyAs,
    Stamp,
    StampPdf,
    CheckStamp,
    LogFile,
    Settings,
    ChangePassword,
    ToolBar,
    StatusBar,
    About,
};

// The main window's menus, or those of the embedded-object window.
enum class MenuSet { Main, Embedded };

// One menu entry: the caption with its mnemonic ("&"), the status line prompt
// (empty where the command has none) and the tool tip of its toolbar button.
struct MenuEntry {
    FrameCommand command;
    QString caption;
    QString prompt;
    QString toolTip;
    bool separatorBefore = false;
};

struct MenuText {
    QString title;
    std::vector<MenuEntry> entries;
};

// Everything a frame window shows in one language: title, menus, the toolbar's
// buttons in order, the idle status text and the four lock panes.
struct MainFrameTexts {
    QString windowTitle;
    std::vector<MenuText> menus;
    std::vector<FrameCommand> toolBar;
    QString ready;
    QString kanaLock;
    QString capsLock;
    QString numLock;
    QString scrollLock;

    static const MainFrameTexts& of(MenuSet set, Language language);

    // The entry of a command in these menus; nullptr when they do not have it.
    const MenuEntry* entry(FrameCommand command) const;
};

// The About box.
struct AboutTexts {
    QString windowTitle;
    QString programName;
    QString version; // "Version 5. 6. 4 Rel.0"
    QString systems;
    QString inPlaceNote;
    QString ok;

    static const AboutTexts& of(Language language);
};

} // namespace vermil
