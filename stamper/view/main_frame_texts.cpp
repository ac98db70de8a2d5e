#include "stamper/view/main_frame_texts.h"

#include <QRegularExpression>

namespace vermil {
namespace {

using C = FrameCommand;

// A button's tool tip: the caption without its mnemonic and dots.
QString toolTipOf(QString caption) {
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    caption.remove(mnemonic);
    caption.remove(QLatin1Char('&'));
    caption.remove(QStringLiteral("..."));
    return caption.trimmed();
}

MenuEntry item(C command, const char* caption, const char* prompt = "",
               bool separatorBefore = false) {
    const QString text = QString::fromUtf8(caption);
    return {command, text, QString::fromUtf8(prompt), toolTipOf(text), separatorBefore};
}

// Prompts the system has in one form, in both sets.
constexpr const char* exitPrompt = "Finishing Application";
constexpr const char* checkPrompt = "checking the person stamped.";
constexpr const char* logFilePrompt = "Setting Data FilePath & Language,LogFile";
constexpr const char* passwordPrompt = "Changing Password";
constexpr const char* toolBarPrompt = "On/Off of Displaying toolbar";
constexpr const char* statusBarPrompt = "ｽﾃｰﾀｽﾊﾞｰの表示/非表示";
constexpr const char* aboutPrompt = "Showing the information about program.";

const std::vector<C> mainToolBar{C::Stamp, C::LogFile, C::Settings, C::ChangePassword, C::About};
const std::vector<C> embeddedToolBar{C::Update,     C::SaveCopyAs, C::Stamp,
                                     C::CheckStamp, C::Settings,   C::About};

MainFrameTexts withPanes(MainFrameTexts texts, Language language) {
    const bool japanese = language == Language::Japanese;
    texts.windowTitle = japanese ? QStringLiteral("日付印Vermil") : QStringLiteral("Vermil");
    texts.ready = japanese ? QStringLiteral("レディ") : QStringLiteral("Ready");
    texts.kanaLock = japanese ? QStringLiteral("カナ") : QStringLiteral("KANA");
    texts.capsLock = QStringLiteral("CAP");
    texts.numLock = QStringLiteral("NUM");
    texts.scrollLock = QStringLiteral("SCRL");
    return texts;
}

MainFrameTexts japaneseMain() {
    MainFrameTexts texts;
    texts.menus = {
        {QStringLiteral("ﾌｧｲﾙ(&F)"),
         {item(C::StampPdf, "PDFに押印(&P)...", "PDFのページに印影を押します"),
          item(C::Exit, "終了(&X)", exitPrompt, true)}},
        {QStringLiteral("承認(&A)"), {item(C::Stamp, "承認押印(&S)")}},
        {QStringLiteral("設定(&S)"),
         {item(C::LogFile, "ログファイル(&L) ...", logFilePrompt),
          item(C::Settings, "設定(&S) ..."),
          item(C::ChangePassword, "パスワードの変更(&P)...", passwordPrompt, true)}},
        {QStringLiteral("表示(&V)"),
         {item(C::ToolBar, "ツールバー(&T)", toolBarPrompt),
          item(C::StatusBar, "ステータス バー(&S)", statusBarPrompt)}},
        {QStringLiteral("ﾍﾙﾌﾟ(&H)"),
         {item(C::About, "バージョン情報 日付承認印(&A)...", aboutPrompt)}},
    };
    texts.toolBar = mainToolBar;
    return withPanes(texts, Language::Japanese);
}

MainFrameTexts englishMain() {
    MainFrameTexts texts;
    texts.menus = {
        {QStringLiteral("&File"),
         {item(C::StampPdf, "Stamp &PDF...", "Stamping a seal onto a page of a PDF"),
          item(C::Exit, "&End", exitPrompt, true)}},
        {QStringLiteral("&Stamp"), {item(C::Stamp, "&Stamp...")}},
        {QStringLiteral("S&etting"),
         {item(C::LogFile, "&Log Path ...", logFilePrompt), item(C::Settings, "&Setting ..."),
          item(C::ChangePassword, "&Change Password...", passwordPrompt, true)}},
        {QStringLiteral("&Display"),
         {item(C::ToolBar, "&ToolBar", toolBarPrompt),
          item(C::StatusBar, "&StatusBar", statusBarPrompt)}},
        {QStringLiteral("&Help"), {item(C::About, "&Version...", aboutPrompt)}},
    };
    texts.toolBar = mainToolBar;
    return withPanes(texts, Language::English);
}

MainFrameTexts japaneseEmbedded() {
    MainFrameTexts texts;
    texts.menus = {
        {QStringLiteral("ﾌｧｲﾙ(&F)"),
         {item(C::Update, "更新(&U)", "すべての変更を表示するためにｺﾝﾃﾅを更新"),
          item(C::SaveCopyAs, "コピーに名前を付けて保存(&A)...",
               "作業中のﾌｧｲﾙのｺﾋﾟｰに名前を付けて保存"),
          item(C::Exit, "アプリケーションの終了(&X)", exitPrompt, true)}},
        {QStringLiteral("承認(&A)"),
         {item(C::Stamp, "承認押印(&S)"), item(C::CheckStamp, "承認確認(&C)", checkPrompt)}},
        {QStringLiteral("オプション(&O)"), {item(C::Settings, "設定(&S) ...")}},
        {QStringLiteral("表示(&V)"),
         {item(C::ToolBar, "ツールバー(&T)", toolBarPrompt),
          item(C::StatusBar, "ステータスバー(&S)", statusBarPrompt)}},
        {QStringLiteral("ﾍﾙﾌﾟ(&H)"),
         {item(C::About, "バージョン情報 日付承認印(&A)...", aboutPrompt)}},
    };
    texts.toolBar = embeddedToolBar;
    return withPanes(texts, Language::Japanese);
}

// The system has no English embedded menu; these are its Japanese one in English.
MainFrameTexts englishEmbedded() {
    MainFrameTexts texts;
    texts.menus = {
        {QStringLiteral("&File"),
         {item(C::Update, "&Update", "Update the container to show all changes"),
          item(C::SaveCopyAs, "Save Copy &As...", "Save a copy of the object under a new name"),
          item(C::Exit, "E&xit", exitPrompt, true)}},
        {QStringLiteral("&Stamp"),
         {item(C::Stamp, "&Stamp..."), item(C::CheckStamp, "&Check Stamp...", checkPrompt)}},
        {QStringLiteral("&Option"), {item(C::Settings, "&Setting ...")}},
        {QStringLiteral("&Display"),
         {item(C::ToolBar, "&ToolBar", toolBarPrompt),
          item(C::StatusBar, "&StatusBar", statusBarPrompt)}},
        {QStringLiteral("&Help"), {item(C::About, "&Version...", aboutPrompt)}},
    };
    texts.toolBar = embeddedToolBar;
    return withPanes(texts, Language::English);
}

} // namespace

const MainFrameTexts& MainFrameTexts::of(MenuSet set, Language language) {
    static const MainFrameTexts texts[2][2] = {{japaneseMain(), englishMain()},
                                               {japaneseEmbedded(), englishEmbedded()}};
    return texts[set == MenuSet::Main ? 0 : 1][language == Language::Japanese ? 0 : 1];
}

const MenuEntry* MainFrameTexts::entry(FrameCommand command) const {
    for (const MenuText& menu : menus)
        for (const MenuEntry& entry : menu.entries)
            if (entry.command == command)
                return &entry;
    return nullptr;
}

const AboutTexts& AboutTexts::of(Language language) {
    static const AboutTexts english{
        QStringLiteral("About Vermil"),
        QStringLiteral("Vermil"),
        QStringLiteral("Version 5. 6. 4 Rel.0"),
        QStringLiteral("Runs on Linux (Debian 12 and later) under X11 or Wayland. Its files "
                       "are compatible with the Windows programs of the suite."),
        QStringLiteral(
            "Stamp objects are kept in files (vermilin\u00A0-\u2060Embedding\u00A0FILE); editing a "
            "stamp in place inside another program is not available on Linux."),
        QStringLiteral("OK")};
    static const AboutTexts japanese{
        QStringLiteral("バージョン情報 日付承認印"),
        QStringLiteral("日付印Vermil"),
        QStringLiteral("Version 5. 6. 4 Rel.0"),
        QStringLiteral("動作環境: Linux (Debian 12 以降)、X11 または Wayland。"
                       "ファイルは Windows 版と互換です。"),
        QStringLiteral(
            "押印オブジェクトはファイルに保存されます (vermilin\u00A0-\u2060Embedding\u00A0FILE)。"
            "Linux では他のプログラムの中でのインプレース編集はできません。"),
        QStringLiteral("OK")};
    return language == Language::Japanese ? japanese : english;
}

} // namespace vermil
