#pragma once

#include "manager/sealform/font_detail_model.h"
#include "manager/sealform/font_detail_texts.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vermil {

class FontChooser;

// The font detail dialog: the face name, size and bold flag of the four text
// lines, bound to FontDetailModel. OK leaves the fonts in fonts().
class CDlgDetail : public QDialog {
    Q_OBJECT

public:
    CDlgDetail(FontDetailModel& model, FontChooser& chooser, QWidget* parent = nullptr);

    // The fonts after OK; nullopt before, or after Cancel.
    const std::optional<SealFonts>& fonts() const { return fonts_; }

    // The controls of one line, for tests of the wiring.
    struct LineControls {
        QGroupBox* group = nullptr;
        QLineEdit* name = nullptr;
        QPushButton* choose = nullptr;
        QLabel* sizeLabel = nullptr;
        QSpinBox* size = nullptr;
        QCheckBox* bold = nullptr;
    };
    const LineControls& line(FontLine line) const { return lines_[static_cast<int>(line)]; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    void accept() override;

private:
    void buildControls();
    void applyTexts(const FontDetailTexts& texts);
    void connectControls();
    void showLine(FontLine line);

    FontDetailModel& model_;
    FontChooser& chooser_;
    std::array<LineControls, 4> lines_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::optional<SealFonts> fonts_;
};

} // namespace vermil
