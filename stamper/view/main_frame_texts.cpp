#include "stamper/view/main_frame_texts.h"

#include <QRegularExpression>

namespace vermil {
namespace {

using C = FrameCommand;

// One menu entry in both languages.
struct MenuEntryRow {
    FrameCommand command;
    Caption caption;
    OptionalCaption prompt = absentCaption;
    bool separatorBefore = false;
};

struct MenuRow {
    Caption title;
    std::vector<MenuEntryRow> entries;
};

// Prompts the system has in one form.
constexpr Caption exitPrompt = Caption::same("Finishing Application");
constexpr Caption checkPrompt = Caption::same("checking the person stamped.");
constexpr Caption logFilePrompt = Caption::same("Setting Data FilePath & Language,LogFile");
constexpr Caption passwordPrompt = Caption::same("Changing Password");
constexpr Caption toolBarPrompt = Caption::same("On/Off of Displaying toolbar");
constexpr Caption statusBarPrompt = Caption::same("ｽﾃｰﾀｽﾊﾞｰの表示/非表示");
constexpr Caption aboutPrompt = Caption::same("Showing the information about program.");

constexpr Caption fileMenu{.japanese = "ﾌｧｲﾙ(&F)", .english = "&File"};
constexpr Caption stampMenu{.japanese = "承認(&A)", .english = "&Stamp"};
constexpr Caption viewMenu{.japanese = "表示(&V)", .english = "&Display"};
constexpr Caption helpMenu{.japanese = "ﾍﾙﾌﾟ(&H)", .english = "&Help"};
constexpr Caption stampEntry{.japanese = "承認押印(&S)", .english = "&Stamp..."};
constexpr Caption settingsEntry{.japanese = "設定(&S) ...", .english = "&Setting ..."};
constexpr Caption toolBarEntry{.japanese = "ツールバー(&T)", .english = "&ToolBar"};
constexpr Caption aboutEntry{.japanese = "バージョン情報 日付承認印(&A)...",
                             .english = "&Version..."};

const std::vector<MenuRow>& mainMenus() {
    static const std::vector<MenuRow> menus{
        {fileMenu,
         {{C::StampPdf,
           {.japanese = "PDFに押印(&P)...", .english = "Stamp &PDF..."},
           Caption{.japanese = "PDFのページに印影を押します",
                   .english = "Stamping a seal onto a page of a PDF"}},
          {C::Exit, {.japanese = "終了(&X)", .english = "&End"}, exitPrompt, true}}},
        {stampMenu, {{C::Stamp, stampEntry}}},
        {{.japanese = "設定(&S)", .english = "S&etting"},
         {{C::LogFile,
           {.japanese = "ログファイル(&L) ...", .english = "&Log Path ..."},
           logFilePrompt},
          {C::Settings, settingsEntry},
          {C::ChangePassword,
           {.japanese = "パスワードの変更(&P)...", .english = "&Change Password..."},
           passwordPrompt,
           true}}},
        {viewMenu,
         {{C::ToolBar, toolBarEntry, toolBarPrompt},
          {C::StatusBar,
           {.japanese = "ステータス バー(&S)", .english = "&StatusBar"},
           statusBarPrompt}}},
        {helpMenu, {{C::About, aboutEntry, aboutPrompt}}},
    };
    return menus;
}

// The system has no English embedded menu; its English is the Japanese one's.
const std::vector<MenuRow>& embeddedMenus() {
    static const std::vector<MenuRow> menus{
        {fileMenu,
         {{C::Update,
           {.japanese = "更新(&U)", .english = "&Update"},
           Caption{.japanese = "すべての変更を表示するためにｺﾝﾃﾅを更新",
                   .english = "Update the container to show all changes"}},
          {C::SaveCopyAs,
           {.japanese = "コピーに名前を付けて保存(&A)...", .english = "Save Copy &As..."},
           Caption{.japanese = "作業中のﾌｧｲﾙのｺﾋﾟｰに名前を付けて保存",
                   .english = "Save a copy of the object under a new name"}},
          {C::Exit,
           {.japanese = "アプリケーションの終了(&X)", .english = "E&xit"},
           exitPrompt,
           true}}},
        {stampMenu,
         {{C::Stamp, stampEntry},
          {C::CheckStamp,
           {.japanese = "承認確認(&C)", .english = "&Check Stamp..."},
           checkPrompt}}},
        {{.japanese = "オプション(&O)", .english = "&Option"}, {{C::Settings, settingsEntry}}},
        {viewMenu,
         {{C::ToolBar, toolBarEntry, toolBarPrompt},
          {C::StatusBar,
           {.japanese = "ステータスバー(&S)", .english = "&StatusBar"},
           statusBarPrompt}}},
        {helpMenu, {{C::About, aboutEntry, aboutPrompt}}},
    };
    return menus;
}

const std::vector<C> mainToolBar{C::Stamp, C::LogFile, C::Settings, C::ChangePassword, C::About};
const std::vector<C> embeddedToolBar{C::Update,     C::SaveCopyAs, C::Stamp,
                                     C::CheckStamp, C::Settings,   C::About};

// A button's tool tip: the caption without its mnemonic and dots.
QString toolTipOf(QString caption) {
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    caption.remove(mnemonic);
    caption.remove(QLatin1Char('&'));
    caption.remove(QStringLiteral("..."));
    return caption.trimmed();
}

std::vector<MenuText> menusIn(const std::vector<MenuRow>& rows, Language language) {
    std::vector<MenuText> menus;
    for (const MenuRow& row : rows) {
        MenuText menu{row.title.in(language), {}};
        for (const MenuEntryRow& entry : row.entries) {
            const QString caption = entry.caption.in(language);
            menu.entries.push_back({entry.command, caption, textIn(entry.prompt, language),
                                    toolTipOf(caption), entry.separatorBefore});
        }
        menus.push_back(std::move(menu));
    }
    return menus;
}

MainFrameTexts frameTexts(MenuSet set, Language language) {
    MainFrameTexts texts = VERMIL_TEXTS_MAKER(MainFrameTexts, VERMIL_MAIN_FRAME_TEXTS)(language);
    const bool main = set == MenuSet::Main;
    texts.menus = menusIn(main ? mainMenus() : embeddedMenus(), language);
    texts.toolBar = main ? mainToolBar : embeddedToolBar;
    return texts;
}

void appendMenuRows(std::vector<TextsRow>& rows, const std::vector<MenuRow>& menus) {
    for (const MenuRow& menu : menus) {
        rows.push_back({"menu title", menu.title});
        for (const MenuEntryRow& entry : menu.entries) {
            rows.push_back({"menu entry", entry.caption});
            rows.push_back({"menu prompt", entry.prompt});
        }
    }
}

} // namespace

const MainFrameTexts& MainFrameTexts::of(MenuSet set, Language language) {
    static const MainFrameTexts texts[2][2] = {{frameTexts(MenuSet::Main, Language::Japanese),
                                                frameTexts(MenuSet::Main, Language::English)},
                                               {frameTexts(MenuSet::Embedded, Language::Japanese),
                                                frameTexts(MenuSet::Embedded, Language::English)}};
    return texts[set == MenuSet::Main ? 0 : 1][language == Language::Japanese ? 0 : 1];
}

std::vector<TextsRow> MainFrameTexts::rows() {
    std::vector<TextsRow> rows = VERMIL_TEXTS_ROWS(VERMIL_MAIN_FRAME_TEXTS);
    appendMenuRows(rows, mainMenus());
    appendMenuRows(rows, embeddedMenus());
    return rows;
}

const MenuEntry* MainFrameTexts::entry(FrameCommand command) const {
    for (const MenuText& menu : menus)
        for (const MenuEntry& entry : menu.entries)
            if (entry.command == command)
                return &entry;
    return nullptr;
}

VERMIL_DEFINE_TEXTS(AboutTexts, VERMIL_ABOUT_TEXTS)

} // namespace vermil
