#pragma once

#include "manager/manager_setting_model.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace vermil {

// The manager's settings dialog: the language list bound to ManagerSettingModel.
class CDlgSetting : public QDialog {
    Q_OBJECT

public:
    explicit CDlgSetting(ManagerSettingModel& model, QWidget* parent = nullptr);

    // The controls, for tests of the wiring.
    QLabel* languageLabel() const { return label_; }
    QListWidget* languageList() const { return list_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* closeButton() const { return close_; }

    void accept() override;

private:
    ManagerSettingModel& model_;
    QLabel* label_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace vermil
