#pragma once

#include "render/seal_drawing_input.h"

#include <QFrame>

#include <optional>

namespace vermil {

// A live picture of one seal, drawn with the seal painter as the stamping
// program's screen shows it, in the seal's own proportions (an oval seal shows
// oval). Empty when no seal is given.
class SealPictureView : public QFrame {
    Q_OBJECT

public:
    explicit SealPictureView(QWidget* parent = nullptr);

    // The seal and its size in millimetres (a size that reads as 0 or less is
    // drawn round).
    void setSeal(std::optional<SealDrawingInput> seal, int widthMm = 1, int heightMm = 1);
    const std::optional<SealDrawingInput>& seal() const { return seal_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect sealRect() const;

    std::optional<SealDrawingInput> seal_;
    int widthMm_ = 1;
    int heightMm_ = 1;
};

} // namespace vermil
