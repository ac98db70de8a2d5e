#include "stamper/view/seal_clipboard_copy.h"

#include "render/seal_clipboard.h"
#include "stamper/document/stamp_record.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vermil {

void SystemSealClipboard::copySeal(const StampRecord& stamp) {
    QGuiApplication::clipboard()->setMimeData(
        sealClipboardData(stamp.drawing, stamp.sizeX, stamp.sizeY).release());
}

} // namespace vermil
