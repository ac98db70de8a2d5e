#pragma once

#include "render/seal_drawing_input.h"

#include <QWidget>

class QLineEdit;

namespace vermil {

// The live preview of the seal dialog: the seal drawn by the seal painter (its
// ring and band lines and the four texts in the seal colour, laid out by its
// profile) in the proportions of its size. The date in the seal is edited in
// place: a box over the date band, invisible until it has the focus, takes the
// typing; while it has the focus it shows the date and the painting leaves the
// date out, so nothing is drawn twice.
class SealPreview : public QWidget {
    Q_OBJECT

public:
    explicit SealPreview(QWidget* parent = nullptr);

    // What is shown: the texts, fonts, colour and profile, and the seal size in
    // millimetres (decimal texts; anything else shows a round seal).
    void setSeal(const SealDrawingInput& seal, std::string_view sizeX, std::string_view sizeY);
    const SealDrawingInput& seal() const { return seal_; }
    void setColour(std::uint32_t colour);
    // The date as typed in place, CP932.
    void setSealDateText(const std::string& text);

    QLineEdit* dateEdit() const { return dateEdit_; }
    // The rectangle the seal fills, in the preview's coordinates.
    QRect sealRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void sealDateEdited(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeDateEdit();
    void styleDateEdit();
    QRectF gridToWidget(const QRectF& grid) const;

    SealDrawingInput seal_;
    double widthPerHeight_ = 1.0;
    QLineEdit* dateEdit_ = nullptr;
};

} // namespace vermil
