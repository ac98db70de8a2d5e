#pragma once

#include "seal_form_dialog.h"

#include "manager/sealform/edit_seal_model.h"

namespace vermil {

// The edit dialog: the selected seal rewritten, with one set of captions
// whatever the language.
class CEditDlg : public SealFormDialog {
    Q_OBJECT

public:
    CEditDlg(EditSealModel& model, FileChooser& fileChooser, FontChooser& fontChooser,
             QWidget* parent = nullptr)
        : SealFormDialog(model, SealFormTexts::editTexts(), fileChooser, fontChooser, parent) {}
};

} // namespace vermil
