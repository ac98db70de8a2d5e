#include "manager_setting_model.h"

#include "manager/manager_setting_texts.h"

#include "common/language.h"

namespace vermil {

ManagerSettingModel::ManagerSettingModel(HankoSettings settings, std::string currentLanguage)
    : settings_(std::move(settings)), current_(std::move(currentLanguage)) {
    for (const Language language : {Language::Japanese, Language::English})
        choices_ << QString::fromLatin1(settingValueOf(language));
    choices_.sort();
    selected_ = static_cast<int>(choices_.indexOf(QString::fromLatin1(current_)));
}

QString ManagerSettingModel::labelText() const {
    return ManagerSettingTexts::of(languageOf(current_)).languageLabel;
}

std::string ManagerSettingModel::accept() {
    chosen_ = selected_ >= 0 ? choices_[selected_].toStdString() : std::string();
    // Not reported when it fails, like every settings write of the dialogs.
    settings_.setLang(chosen_);
    return chosen_;
}

} // namespace vermil
