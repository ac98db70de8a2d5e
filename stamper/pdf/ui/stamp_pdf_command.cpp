#include "stamper/pdf/ui/stamp_pdf_command.h"

#include "stamper/pdf/ui/pdf_stamp_view.h"

#include "stamper/pdf/pdf_stamp_view_model.h"

namespace vermil {

void runStampPdfCommand(CVermilinDoc& document, Prompter& prompter, FileChooser& chooser,
                        StampTaker& taker, QWidget* parent) {
    PdfStampViewModel model(document, prompter, taker);
    if (!model.chooseAndOpen(chooser))
        return;
    CPdfStampView view(model, chooser, parent);
    view.exec();
}

} // namespace vermil
