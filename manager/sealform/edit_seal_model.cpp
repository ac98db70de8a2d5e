#include "manager/sealform/edit_seal_model.h"

#include "manager/sealform/seal_form_texts.h"

#include "sealfiles/layout_profile.h"

#include "common/cp932.h"

namespace vermil {

EditSealModel::EditSealModel(Prompter& prompter, SealIndex index, std::string versionText,
                             const ShownSeal& seal)
    : SealFormModel(prompter, std::move(index), std::move(versionText)) {
    fillChoices(exactChoice(dateFormatChoices(), fromCp932(seal.dateFormat)),
                exactChoice(sealSizeChoices(), fromCp932(seal.sizeX)),
                exactChoice(sealSizeChoices(), fromCp932(seal.sizeY)));
    fillTexts(FieldText(seal.name), FieldText(seal.up1), FieldText(seal.up2), FieldText(seal.down),
              FieldText(seal.profile));
    SealFonts fonts = seal.fonts;
    if (!seal.hasFonts) {
        fonts = defaultSealFonts();
        readProfileFonts(profilePath(this->index().sealFolder(), seal.profile), fonts);
    }
    replaceFonts(fonts);
}

QString EditSealModel::message(SealFormOutcome outcome) const {
    const SealFormMessages& messages = sealFormMessages();
    switch (outcome) {
    case SealFormOutcome::Ok:
        return messages.edited;
    case SealFormOutcome::NameEmpty:
        return messages.editNameEmpty;
    case SealFormOutcome::PasswordEmpty:
        return messages.editPasswordEmpty;
    case SealFormOutcome::Up1Empty:
        return messages.editUp1Empty;
    case SealFormOutcome::DownEmpty:
        return messages.editDownEmpty;
    case SealFormOutcome::NotStorable:
        return messages.notStorable.arg(detail());
    case SealFormOutcome::NameTaken:
    case SealFormOutcome::IndexFull:
    case SealFormOutcome::NameInOtherCase:
    case SealFormOutcome::Refused:
        return detail();
    case SealFormOutcome::SealFileFailed:
        return withCause(messages.editSealFileFailed);
    case SealFormOutcome::IndexFailed:
        return withCause(messages.editIndexFailed);
    }
    return {};
}

} // namespace vermil
