#pragma once

// Tab through a shown window as a person does, and hold the walk to one rule:
// Tab makes one round over every control it may stop at, each once, in reading
// order (down the page; a step up only into a column further right; left to
// right along a row), so the only step back up is the one from the last control
// to the first.
#include <QAbstractButton>
#include <QApplication>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace vermil::test {

// Of a set of radio buttons, Tab stops at the chosen one only; arrows move within.
inline bool passedByTab(const QWidget* widget) {
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (!button || !button->isCheckable() || button->isChecked() || !button->autoExclusive())
        return false;
    const auto siblings =
        button->parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
    return std::any_of(siblings.begin(), siblings.end(), [](const QAbstractButton* sibling) {
        return sibling->autoExclusive() && sibling->isChecked();
    });
}

// The controls Tab may stop at, by the rule of Qt's own focus walk.
inline QList<QWidget*> tabStops(QWidget& window) {
    QList<QWidget*> stops;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget->focusProxy() &&
            widget->isVisibleTo(&window) && widget->isEnabled() && widget->window() == &window &&
            !passedByTab(widget))
            stops << widget;
    }
    return stops;
}

inline QRect rectIn(QWidget& window, const QWidget* widget) {
    return {widget->mapTo(&window, QPoint(0, 0)), widget->size()};
}

// Whether `to` may follow `from` when reading the window.
inline bool readsAfter(const QRect& from, const QRect& to) {
    const bool sameRow =
        std::abs(from.center().y() - to.center().y()) <= std::min(from.height(), to.height()) / 2;
    if (sameRow)
        return to.center().x() > from.center().x();
    return to.center().y() > from.center().y() || to.left() >= from.right();
}

inline QString describe(QWidget& window, const QWidget* widget) {
    if (!widget)
        return QStringLiteral("(nothing)");
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        name += QStringLiteral(" \"%1\"").arg(button->text());
    const QRect rect = rectIn(window, widget);
    return name + QStringLiteral(" at %1,%2").arg(rect.x()).arg(rect.y());
}

// The widgets that hold the focus from `start` on, after each of `presses` Tab keys.
inline QList<QWidget*> tabWalk(QWidget* start, qsizetype presses) {
    start->setFocus(Qt::TabFocusReason);
    QList<QWidget*> walk{QApplication::focusWidget()};
    for (qsizetype i = 0; i < presses && walk.last(); ++i) {
        QTest::keyClick(walk.last(), Qt::Key_Tab);
        walk << QApplication::focusWidget();
    }
    return walk;
}

// The window must be shown; `name` says which one fails.
inline void expectOneTabRoundInReadingOrder(QWidget& window, const char* name) {
    SCOPED_TRACE(name);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QList<QWidget*> stops = tabStops(window);
    ASSERT_FALSE(stops.isEmpty());
    QList<QWidget*> walk = tabWalk(stops.first(), stops.size());
    QStringList walked;
    for (const QWidget* widget : walk)
        walked << describe(window, widget);
    const std::string trace = walked.join(QStringLiteral(" -> ")).toStdString();

    EXPECT_EQ(walk.last(), walk.first()) << "Tab does not come round in one turn: " << trace;
    walk.removeLast();
    for (QWidget* stop : stops)
        EXPECT_EQ(walk.count(stop), 1)
            << describe(window, stop).toStdString() << " in one round: " << trace;
    int stepsBack = 0;
    for (qsizetype i = 0; i < walk.size(); ++i) {
        const QWidget* from = walk[i];
        const QWidget* to = walk[(i + 1) % walk.size()];
        if (from && to && !readsAfter(rectIn(window, from), rectIn(window, to)))
            ++stepsBack;
    }
    EXPECT_EQ(stepsBack, 1) << "Tab steps back against reading order: " << trace;
}

} // namespace vermil::test
