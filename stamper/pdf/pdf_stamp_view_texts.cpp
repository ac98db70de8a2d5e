#include "stamper/pdf/pdf_stamp_view_texts.h"

namespace vermil {
namespace {

QString millimetres(double value) {
    return QString::number(value, 'g', 4);
}

} // namespace

VERMIL_DEFINE_TEXTS(PdfStampViewTexts, VERMIL_PDF_STAMP_VIEW_TEXTS)
VERMIL_DEFINE_TEXTS(StampedCopyTexts, VERMIL_STAMPED_COPY_TEXTS)

QString PdfStampViewTexts::pageOf(int page, int count) const {
    return pageOfPattern.arg(page).arg(count);
}

QString PdfStampViewTexts::sealDoesNotFit(double widthMm, double heightMm) const {
    return sealDoesNotFitPattern.arg(millimetres(widthMm), millimetres(heightMm));
}

QString PdfStampViewTexts::cannotMakeSeal(const QString& reason) const {
    return cannotMakeSealPattern.arg(reason);
}

QString PdfStampViewTexts::cannotWrite(const QString& file, const QString& cause) const {
    const QString message = cannotWritePattern.arg(file);
    return cause.isEmpty() ? message : message + QLatin1Char('\n') + cause;
}

} // namespace vermil
