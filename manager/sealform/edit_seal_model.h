#pragma once

#include "manager/sealform/seal_form_model.h"
#include "manager/shown_seal.h"

namespace vermil {

// The edit dialog (CEditDlg) without its widgets: the seal as the main dialog
// shows it, its fonts from the seal file (else from its profile), the name
// fixed. OK rewrites the seal file and the seal's index entry in place; nothing
// goes to hanko.ini.
class EditSealModel : public SealFormModel {
public:
    EditSealModel(Prompter& prompter, SealIndex index, std::string versionText,
                  const ShownSeal& seal);

    bool nameEditable() const override { return false; }
    QString message(SealFormOutcome outcome) const override;

private:
    SealEntryKind entryKind() const override { return SealEntryKind::Existing; }
};

} // namespace vermil
