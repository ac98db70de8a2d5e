#pragma once

#include <QImage>
#include <QWidget>

#include <optional>

namespace vermil {

class PdfStampViewModel;

// The page image of the PDF page view, exactly the page's size at the zoom, with
// the seal's outline under the pointer: red where the seal fits, grey and dashed
// where it would stick out of the page. A click reports where it was.
class PdfPageCanvas : public QWidget {
    Q_OBJECT

public:
    explicit PdfPageCanvas(const PdfStampViewModel& model, QWidget* parent = nullptr);

    // The page as rendered, at the device's pixels; the canvas takes the model's size.
    void setPage(QImage image);
    const QImage& pageImage() const { return image_; }
    std::optional<QPointF> pointer() const { return pointer_; }

signals:
    void pointerMoved(QPointF pointer);
    void pointerLeft();
    void clicked(QPointF pointer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintOutline(QPainter& painter) const;

    const PdfStampViewModel& model_;
    QImage image_;
    std::optional<QPointF> pointer_;
};

} // namespace vermil
