#pragma once

#include "common/suite_version_numbers.h"
#include "common/texts_table.h"

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
// (absent where the command has none) and the tool tip of its toolbar button.
struct MenuEntry {
    FrameCommand command;
    QString caption;
    std::optional<QString> prompt;
    QString toolTip;
    bool separatorBefore = false;
};

struct MenuText {
    QString title;
    std::vector<MenuEntry> entries;
};

// The frame's title, the idle status text and the four lock panes.
#define VERMIL_MAIN_FRAME_TEXTS(TEXT, OPTIONAL_TEXT)                                               \
    TEXT(windowTitle, {.japanese = "日付印Vermil", .english = "Vermil"})                           \
    TEXT(ready, {.japanese = "レディ", .english = "Ready"})                                        \
    TEXT(kanaLock, {.japanese = "カナ", .english = "KANA"})                                        \
    TEXT(capsLock, Caption::same("CAP"))                                                           \
    TEXT(numLock, Caption::same("NUM"))                                                            \
    TEXT(scrollLock, Caption::same("SCRL"))

// Everything a frame window shows in one language: the texts above, the menus
// (their captions in the .cpp, both languages side by side) and the toolbar's
// buttons in order.
struct MainFrameTexts {
    VERMIL_TEXTS_FIELDS(VERMIL_MAIN_FRAME_TEXTS)
    std::vector<MenuText> menus;
    std::vector<FrameCommand> toolBar;

    static const MainFrameTexts& of(MenuSet set, Language language);
    // Every caption of both frames, the menus' included.
    static std::vector<TextsRow> rows();

    // The entry of a command in these menus; nullptr when they do not have it.
    const MenuEntry* entry(FrameCommand command) const;
};

// The About box.
#define VERMIL_ABOUT_TEXTS(TEXT, OPTIONAL_TEXT)                                                    \
    TEXT(windowTitle, {.japanese = "バージョン情報 日付承認印", .english = "About Vermil"})        \
    TEXT(programName, {.japanese = "日付印Vermil", .english = "Vermil"})                           \
    TEXT(version, Caption::same("Version " VERMIL_VERSION_SPACED " Rel.0"))                        \
    TEXT(systems,                                                                                  \
         {.japanese = "動作環境: Linux (Debian 12 以降)、X11 または Wayland。"          \
                      "ファイルは Windows 版と互換です。",                                         \
          .english = "Runs on Linux (Debian 12 and later) under X11 or Wayland. Its files "        \
                     "are compatible with the Windows programs of the suite."})                    \
    TEXT(inPlaceNote,                                                                              \
         {.japanese = "押印オブジェクトはファイルに保存されます "              \
                      "(vermilin\u00A0-\u2060Embedding\u00A0FILE)。"                              \
                      "Linux では他のプログラムの中でのインプレース編集はできません。",            \
          .english =                                                                               \
              "Stamp objects are kept in files (vermilin\u00A0-\u2060Embedding\u00A0FILE); "       \
              "editing a stamp in place inside another program is not available on "               \
              "Linux."})                                                                           \
    TEXT(ok, Caption::same("OK"))

struct AboutTexts {
    VERMIL_TEXTS_MEMBERS(AboutTexts, VERMIL_ABOUT_TEXTS)
};

} // namespace vermil
