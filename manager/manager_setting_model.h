#pragma once

#include "common/hanko_settings.h"

#include <QString>
#include <QStringList>

#include <string>

namespace vermil {

// The manager's settings dialog (CDlgSetting) without its widgets: the language
// of the captions, stored as MAIN/Lang of hanko.ini on OK. Close is simply not
// calling accept(): nothing is written.
class ManagerSettingModel {
public:
    ManagerSettingModel(HankoSettings settings, std::string currentLanguage);

    // "English" and "Japanese", sorted.
    const QStringList& choices() const { return choices_; }
    // The current value's row; -1 when nothing is chosen.
    int selectedRow() const { return selected_; }
    void selectRow(int row) { selected_ = row >= 0 && row < choices_.size() ? row : -1; }
    // "言語" when the current value is "Japanese", otherwise "Language".
    QString labelText() const;

    // OK: the chosen value (empty when nothing is chosen) written to MAIN/Lang;
    // the value the main dialog takes as its language.
    std::string accept();
    const std::string& chosen() const { return chosen_; }

private:
    HankoSettings settings_;
    std::string current_;
    QStringList choices_;
    int selected_ = -1;
    std::string chosen_;
};

} // namespace vermil
