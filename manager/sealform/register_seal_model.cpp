#include "manager/sealform/register_seal_model.h"

#include "manager/sealform/seal_form_texts.h"

#include "sealfiles/layout_profile.h"

#include "common/cp932.h"

namespace vermil {

RegisterSealModel::RegisterSealModel(Prompter& prompter, HankoSettings settings, SealIndex index,
                                     std::string versionText)
    : SealFormModel(prompter, std::move(index), std::move(versionText)),
      settings_(std::move(settings)) {
    fillChoices(preselectedChoice(dateFormatChoices(), fromCp932(settings_.dateFormat())),
                preselectedChoice(sealSizeChoices(), fromCp932(settings_.sizeX())),
                preselectedChoice(sealSizeChoices(), fromCp932(settings_.sizeY())));
    fillTexts(FieldText(), FieldText(settings_.managerUp1()), FieldText(settings_.managerUp2()),
              FieldText(), FieldText(std::string(defaultProfileName)));
    replaceFonts(fontsForNewSeal(this->index().sealFolder(), defaultProfileName));
}

void RegisterSealModel::profileChanged() {
    // Until the fonts are set in the detail dialog, they are the chosen profile's.
    if (fontsChosen())
        return;
    if (const auto profile = toCp932(this->profile()))
        replaceFonts(fontsForNewSeal(index().sealFolder(), *profile));
}

SealFormOutcome RegisterSealModel::checkIndex(const SealRecord& seal) const {
    if (index().contains(seal.name))
        return SealFormOutcome::NameTaken;
    if (!index().hasRoomFor(1))
        return SealFormOutcome::IndexFull;
    return SealFormOutcome::Ok;
}

void RegisterSealModel::written(const SealRecord& seal) {
    registeredName_ = seal.name;
    // Remembered for the next registration; a failed write loses only that convenience.
    settings_.setDateFormat(seal.definition.format);
    settings_.setSizeX(seal.definition.sizeX);
    settings_.setSizeY(seal.definition.sizeY);
    settings_.setManagerUp1(seal.definition.up1);
    settings_.setManagerUp2(seal.definition.up2);
}

QString RegisterSealModel::message(SealFormOutcome outcome) const {
    const SealFormMessages& messages = sealFormMessages();
    switch (outcome) {
    case SealFormOutcome::Ok:
        return messages.registered;
    case SealFormOutcome::NameEmpty:
        return messages.registerNameEmpty;
    case SealFormOutcome::PasswordEmpty:
        return messages.registerPasswordEmpty;
    case SealFormOutcome::Up1Empty:
        return messages.registerUp1Empty;
    case SealFormOutcome::DownEmpty:
        return messages.registerDownEmpty;
    case SealFormOutcome::NameTaken:
        return nameTakenMessage(checkedName());
    case SealFormOutcome::IndexFull:
        return capacityExceededMessage();
    case SealFormOutcome::NotStorable:
        return messages.notStorable.arg(detail());
    case SealFormOutcome::NameInOtherCase:
    case SealFormOutcome::Refused:
        return detail();
    case SealFormOutcome::SealFileFailed:
        return withCause(messages.registerSealFileFailed);
    case SealFormOutcome::IndexFailed:
        return withCause(messages.registerIndexFailed);
    }
    return {};
}

} // namespace vermil
