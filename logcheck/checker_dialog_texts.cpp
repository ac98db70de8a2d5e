#include "logcheck/checker_dialog_texts.h"

#include <QLocale>

namespace vermil {

VERMIL_DEFINE_TEXTS(CheckerDialogTexts, VERMIL_CHECKER_DIALOG_TEXTS)

QString checkerdialogtexts::groupedNumber(unsigned long long number) {
    static const QLocale grouping(QLocale::English, QLocale::UnitedStates);
    return grouping.toString(number);
}

} // namespace vermil
