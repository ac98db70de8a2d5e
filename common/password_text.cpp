#include "password_text.h"

namespace vermil {

QString passwordAsTyped(QString text) {
    for (QChar& c : text)
        c = c.toUpper();
    return text;
}

} // namespace vermil
