#include "stamper/settings/settings_dialog_texts.h"

namespace vermil {

const LogPathDialogTexts& LogPathDialogTexts::of(Language language) {
    static const LogPathDialogTexts english{QStringLiteral("Log FilePath Setting"),
                                            QStringLiteral("Log FilePath"),
                                            QStringLiteral("&Ref"),
                                            QStringLiteral("&Output Log"),
                                            QStringLiteral("Log Format(CSV)"),
                                            QStringLiteral("&Pipe( | )"),
                                            QStringLiteral("&Comma( , )"),
                                            QStringLiteral("OK"),
                                            QStringLiteral("Cancel"),
                                            QStringLiteral("Log FilePath Setting")};
    static const LogPathDialogTexts japanese = [] {
        LogPathDialogTexts texts = english;
        texts.chooserTitle = QStringLiteral("承認ログファイル名設定");
        return texts;
    }();
    return language == Language::Japanese ? japanese : english;
}

const SettingsDialogTexts& SettingsDialogTexts::of(Language) {
    static const SettingsDialogTexts texts{
        QStringLiteral("設定(Setting)"),  QStringLiteral("Index File &Path"),
        QStringLiteral("&Ref"),           QStringLiteral("自動押印(Auto Stamp)"),
        QStringLiteral("なし"),           QStringLiteral("自動１(Auto&1)"),
        QStringLiteral("自動２(Auto&2)"), QStringLiteral("クリップボードへ転写"),
        QStringLiteral("&Language"),      QStringLiteral("OK"),
        QStringLiteral("Cansel"),         QStringLiteral("Index FilePath Setting")};
    return texts;
}

const LanguageDialogTexts& LanguageDialogTexts::of(Language) {
    static const LanguageDialogTexts texts{
        QStringLiteral("Language"),  QStringLiteral("Select Language."), QStringLiteral("Language"),
        QStringLiteral("&Japanese"), QStringLiteral("&English"),         QStringLiteral("OK")};
    return texts;
}

const SettingsMessages& SettingsMessages::of(Language language) {
    static const SettingsMessages english{
        [](const QString& path) {
            return QStringLiteral("The path %1 holds a character that has no Shift-JIS form.")
                .arg(path);
        },
        [](const QString& file) {
            return QStringLiteral("The setting could not be written to %1.").arg(file);
        }};
    static const SettingsMessages japanese{
        [](const QString& path) {
            return QStringLiteral("パス %1 には Shift-JIS で表せない文字があります。").arg(path);
        },
        [](const QString& file) {
            return QStringLiteral("設定を %1 に書き込めませんでした。").arg(file);
        }};
    return language == Language::Japanese ? japanese : english;
}

} // namespace vermil
