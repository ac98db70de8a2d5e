#include "read_only_field.h"

#include <QLineEdit>

namespace vermil {

void makeReadOnlyField(QLineEdit* field) {
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
}

} // namespace vermil
