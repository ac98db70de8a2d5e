#pragma once

#include "manager/sealform/seal_form_model.h"

#include "common/hanko_settings.h"

namespace vermil {

// The register dialog (CAddDlg) without its widgets. It opens with the values
// remembered in hanko.ini (date format, sizes, upper texts) and the fonts of
// the default profile; OK adds the seal at the end of the index and remembers
// the values for the next registration.
class RegisterSealModel : public SealFormModel {
public:
    RegisterSealModel(Prompter& prompter, HankoSettings settings, SealIndex index,
                      std::string versionText);

    bool nameEditable() const override { return true; }
    QString message(SealFormOutcome outcome) const override;

    // The name of the seal registered by the last successful OK (CP932).
    const std::string& registeredName() const { return registeredName_; }

private:
    SealEntryKind entryKind() const override { return SealEntryKind::New; }
    std::string storedName(std::string name) const override { return trimSealName(name); }
    SealFormOutcome checkIndex(const SealRecord& seal) const override;
    void written(const SealRecord& seal) override;
    void profileChanged() override;

    HankoSettings settings_;
    std::string registeredName_;
};

} // namespace vermil
