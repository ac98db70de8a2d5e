#pragma once

#include "common/language.h"

#include <QString>

namespace vermil {

// The captions and messages of the PDF page view, where a seal is placed on a
// page of a PDF: one set per language.
struct PdfStampViewTexts {
    QString windowTitle; // "%1" is the PDF's file name
    QString previousPage;
    QString nextPage;
    QString zoomIn;
    QString zoomOut;
    QString fitPage;
    QString close;
    QString placeHint;   // the status line while the seal fits under the pointer
    QString outsideHint; // ... and while it would stick out of the page
    QString pendingHint; // a seal taken in the seal dialog waits for its place
    QString openTitle;
    QString saveTitle;
    QString pdfFilter;

    QString (*pageOf)(int page, int count);
    QString (*sealDoesNotFit)(double widthMm, double heightMm);
    QString (*cannotMakeSeal)(const QString& reason);
    QString (*cannotWrite)(const QString& file, const QString& cause); // nothing was stamped
    QString discardPendingSeal; // the view closes with a seal not placed yet

    static const PdfStampViewTexts& of(Language language);
};

} // namespace vermil
