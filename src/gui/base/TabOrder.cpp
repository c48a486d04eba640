#include "gui/base/TabOrder.h"

#include <QWidget>

#include <algorithm>

namespace tesk {

void TabInReadingOrder(QWidget& container)
{
    QList<QWidget*> controls;
    for (QWidget* widget : container.findChildren<QWidget*>())
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() && !widget->isWindow())
            controls.append(widget);
    const auto place = [&container](QWidget* widget) {
        return QRect(widget->mapTo(&container, QPoint()), widget->size());
    };
    std::stable_sort(controls.begin(), controls.end(),
                     [&](QWidget* a, QWidget* b) { return place(a).top() < place(b).top(); });
    // A row: the controls whose tops lie within the first one's upper half.
    for (qsizetype start = 0; start < controls.size();) {
        const QRect first = place(controls[start]);
        qsizetype end = start + 1;
        while (end < controls.size() && place(controls[end]).top() < first.top() + first.height() / 2)
            ++end;
        std::stable_sort(controls.begin() + start, controls.begin() + end,
                         [&](QWidget* a, QWidget* b) { return place(a).left() < place(b).left(); });
        start = end;
    }
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

} // namespace tesk
