#include "manager_icon.h"

#include "manager/manager_dialog_texts.h"
#include "render/seal_painter.h"

#include <QPainter>
#include <QPixmap>

namespace vermil {

QIcon managerIcon() {
    SealDrawingInput seal;
    // The icon's texts are ASCII, the same in CP932.
    const ManagerMessages& texts = managerMessages();
    seal.upperText1 = texts.iconUpperText.toStdString();
    seal.sealDateText = texts.iconDateText.toStdString();
    seal.lowerText = texts.iconLowerText.toStdString();
    seal.penWidth = 6;
    QIcon icon;
    for (const int side : {16, 32, 64, 128}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setViewport(0, 0, side, side);
        paintScreenSealPicture(painter, seal);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace vermil
