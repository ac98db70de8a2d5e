#include "stamper/pdf/pdf_stamp_view_texts.h"

namespace vermil {
namespace {

QString millimetres(double value) {
    return QString::number(value, 'g', 4);
}

// A cause line, when there is one, goes below the message.
QString withCause(const QString& message, const QString& cause) {
    return cause.isEmpty() ? message : message + QLatin1Char('\n') + cause;
}

PdfStampViewTexts english() {
    PdfStampViewTexts t;
    t.windowTitle = QStringLiteral("Stamp PDF - %1");
    t.previousPage = QStringLiteral("&Previous Page");
    t.nextPage = QStringLiteral("&Next Page");
    t.zoomIn = QStringLiteral("Zoom &In");
    t.zoomOut = QStringLiteral("Zoom &Out");
    t.fitPage = QStringLiteral("&Fit Page");
    t.close = QStringLiteral("&Close");
    t.placeHint = QStringLiteral("Click where the seal goes.");
    t.outsideHint = QStringLiteral("The seal would stick out of the page here.");
    t.pendingHint = QStringLiteral("Click where the seal you stamped goes.");
    t.openTitle = QStringLiteral("Open the PDF to Stamp");
    t.saveTitle = QStringLiteral("Save the Stamped PDF");
    t.pdfFilter = QStringLiteral("PDF (*.pdf)");
    t.pageOf = [](int page, int count) { return QStringLiteral("%1 / %2").arg(page).arg(count); };
    t.sealDoesNotFit = [](double width, double height) {
        return QStringLiteral("The %1 x %2 mm seal would stick out of the page there. Click "
                              "where it should go.")
            .arg(millimetres(width), millimetres(height));
    };
    t.cannotMakeSeal = [](const QString& reason) {
        return QStringLiteral("The seal cannot be put into the PDF.\n%1").arg(reason);
    };
    t.cannotWrite = [](const QString& file, const QString& cause) {
        return withCause(QStringLiteral("The stamped PDF could not be saved as %1, so nothing "
                                        "was stamped or logged.")
                             .arg(file),
                         cause);
    };
    t.discardPendingSeal = QStringLiteral("The seal you chose has not been placed on the PDF, so "
                                          "nothing has been stamped or logged. Close all the "
                                          "same?");
    return t;
}

PdfStampViewTexts japanese() {
    PdfStampViewTexts t;
    t.windowTitle = QStringLiteral("PDFに押印 - %1");
    t.previousPage = QStringLiteral("前のページ(&P)");
    t.nextPage = QStringLiteral("次のページ(&N)");
    t.zoomIn = QStringLiteral("拡大(&I)");
    t.zoomOut = QStringLiteral("縮小(&O)");
    t.fitPage = QStringLiteral("ページ全体(&F)");
    t.close = QStringLiteral("閉じる(&C)");
    t.placeHint = QStringLiteral("押印する位置をクリックしてください。");
    t.outsideHint = QStringLiteral("この位置では印影がページからはみ出します。");
    t.pendingHint = QStringLiteral("押印した印影を置く位置をクリックしてください。");
    t.openTitle = QStringLiteral("押印するPDFを開く");
    t.saveTitle = QStringLiteral("押印したPDFを保存");
    t.pdfFilter = QStringLiteral("PDF (*.pdf)");
    t.pageOf = [](int page, int count) { return QStringLiteral("%1 / %2").arg(page).arg(count); };
    t.sealDoesNotFit = [](double width, double height) {
        return QStringLiteral("%1 x %2 mm の印影はその位置ではページからはみ出します。"
                              "置く位置をクリックしてください。")
            .arg(millimetres(width), millimetres(height));
    };
    t.cannotMakeSeal = [](const QString& reason) {
        return QStringLiteral("印影をPDFに入れられません。\n%1").arg(reason);
    };
    t.cannotWrite = [](const QString& file, const QString& cause) {
        return withCause(QStringLiteral("押印したPDFを %1 に保存できなかったため、押印もログへの"
                                        "記録もされていません。")
                             .arg(file),
                         cause);
    };
    t.discardPendingSeal = QStringLiteral("選んだ印影はまだPDFに置かれていないため、押印もログへの"
                                          "記録もされていません。閉じますか？");
    return t;
}

} // namespace

const PdfStampViewTexts& PdfStampViewTexts::of(Language language) {
    static const PdfStampViewTexts texts[2] = {japanese(), english()};
    return texts[language == Language::Japanese ? 0 : 1];
}

} // namespace vermil
