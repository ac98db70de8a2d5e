#pragma once

#include <QDialog>

class QLabel;
class QPdfDocument;
class QPushButton;
class QScrollArea;

namespace vermil {

class FileChooser;
class PdfPageCanvas;
class PdfStampViewModel;
struct PdfStampViewTexts;

// The page view of "Stamp PDF": one page of the PDF at a time (page up and down
// by the buttons or PgUp/PgDn), zoomed in, out or to the whole page, with the
// seal's outline following the pointer. A click stamps there through the model;
// the view then shows the PDF the model shows, the stamped one once saved.
class CPdfStampView : public QDialog {
    Q_OBJECT

public:
    CPdfStampView(PdfStampViewModel& model, FileChooser& saveChooser, QWidget* parent = nullptr);
    ~CPdfStampView() override;

    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* zoomInButton() const { return zoomIn_; }
    QPushButton* zoomOutButton() const { return zoomOut_; }
    QPushButton* fitButton() const { return fit_; }
    QLabel* pageLabel() const { return pageLabel_; }
    QLabel* hintLabel() const { return hint_; }
    PdfPageCanvas* canvas() const { return canvas_; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void applyTexts(const PdfStampViewTexts& texts);
    void connectControls();

    void showDocument();
    void showPage();
    void showHint();
    void goBack();
    void goForward();
    void zoomIn();
    void zoomOut();
    void fitPage();
    void place(QPointF pointer);

    PdfStampViewModel& model_;
    FileChooser& saveChooser_;
    QPdfDocument* pdf_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QPushButton* zoomOut_ = nullptr;
    QPushButton* zoomIn_ = nullptr;
    QPushButton* fit_ = nullptr;
    QPushButton* close_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    PdfPageCanvas* canvas_ = nullptr;
    QLabel* hint_ = nullptr;
    bool fitted_ = false;
};

} // namespace vermil
