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
    using namespace sealformtexts;
    switch (outcome) {
    case SealFormOutcome::Ok:
        return edited;
    case SealFormOutcome::NameEmpty:
        return editNameEmpty;
    case SealFormOutcome::PasswordEmpty:
        return editPasswordEmpty;
    case SealFormOutcome::Up1Empty:
        return editUp1Empty;
    case SealFormOutcome::DownEmpty:
        return editDownEmpty;
    case SealFormOutcome::NotStorable:
        return notStorable(detail());
    case SealFormOutcome::NameTaken:
    case SealFormOutcome::IndexFull:
    case SealFormOutcome::NameInOtherCase:
    case SealFormOutcome::Refused:
        return detail();
    case SealFormOutcome::SealFileFailed:
        return withCause(editSealFileFailed);
    case SealFormOutcome::IndexFailed:
        return withCause(editIndexFailed);
    }
    return {};
}

} // namespace vermil
