#pragma once

#include "seal_form_dialog.h"

#include "manager/sealform/register_seal_model.h"

namespace vermil {

// The register dialog: a new seal, its captions in the manager's language.
class CAddDlg : public SealFormDialog {
    Q_OBJECT

public:
    CAddDlg(RegisterSealModel& model, FileChooser& fileChooser, FontChooser& fontChooser,
            Language language, QWidget* parent = nullptr)
        : SealFormDialog(model, SealFormTexts::registerTexts(language), fileChooser, fontChooser,
                         parent) {}
};

} // namespace vermil
