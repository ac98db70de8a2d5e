#pragma once

#include <QWidget>

namespace vermil {

class StampViewModel;

// The view: the seal drawn over the client area by the screen's rules (automatic
// sizes written back into the document), or a grey dotted outline while the
// object has never been stamped. Its first showing runs the model's first update.
class CVermilinView : public QWidget {
    Q_OBJECT

public:
    explicit CVermilinView(StampViewModel& model, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    StampViewModel& model_;
    bool firstUpdateDone_ = false;
};

} // namespace vermil
