#include "manager/sealform/seal_form_choices.h"

namespace vermil {
namespace {

QStringList sizes() {
    QStringList list;
    for (int mm = 5; mm <= 30; ++mm)
        list << QString::number(mm);
    return list;
}

// The list with `value` added: sizes in numeric order, anything else at the end.
ListChoice withValue(const QStringList& entries, const QString& value) {
    ListChoice choice{entries, -1};
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    qsizetype at = entries.size();
    if (isNumber) {
        at = 0;
        bool entryIsNumber = true;
        while (at < entries.size() && entries[at].toInt(&entryIsNumber) < number && entryIsNumber)
            ++at;
    }
    choice.entries.insert(at, value);
    choice.selected = static_cast<int>(at);
    return choice;
}

} // namespace

const QStringList& dateFormatChoices() {
    static const QStringList formats{
        QStringLiteral("'YY.0M.0D"),  QStringLiteral("'YY.MM.DD"),  QStringLiteral("'YY-MM-DD"),
        QStringLiteral("'YY/MM/DD"),  QStringLiteral("YY.MM.DD"),   QStringLiteral("YY-MM-DD"),
        QStringLiteral("YY/MM/DD"),   QStringLiteral("YYYY.MM.DD"), QStringLiteral("YYYY-MM-DD"),
        QStringLiteral("YYYY/MM/DD"), QStringLiteral("NN.MM.DD"),   QStringLiteral("NN.0M.0D"),
        QStringLiteral("HNN.MM.DD"),  QStringLiteral("HNN.0M.0D"),  QStringLiteral("EMPTY"),
    };
    return formats;
}

const QStringList& sealSizeChoices() {
    static const QStringList list = sizes();
    return list;
}

ListChoice preselectedChoice(const QStringList& entries, const QString& stored) {
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (entries[i].startsWith(stored))
            return {entries, static_cast<int>(i)};
    return withValue(entries, stored);
}

ListChoice exactChoice(const QStringList& entries, const QString& value) {
    const qsizetype at = entries.indexOf(value);
    if (at >= 0)
        return {entries, static_cast<int>(at)};
    if (value.isEmpty())
        return {entries, -1};
    return withValue(entries, value);
}

} // namespace vermil
