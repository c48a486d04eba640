#include "gui/base/HintLine.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLineEdit>
#include <QWidget>

namespace tesk {

HintLine::HintLine(QLineEdit* line, QWidget* scope, QObject* parent) : QObject(parent), line_(line), scope_(scope)
{
    line_->setText(QString::fromLatin1(kPrefix));
    qApp->installEventFilter(this);
}

QString HintLine::HintOf(QWidget* widget) const
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        const QString hint = w->property(kHintProperty).toString();
        if (!hint.isEmpty())
            return hint;
        if (w == scope_)
            break;
    }
    return {};
}

void HintLine::ShowHintFor(QWidget* widget)
{
    if (!line_ || !widget || !scope_ || (widget != scope_ && !scope_->isAncestorOf(widget)))
        return;
    const QString text = QString::fromLatin1(kPrefix) + HintOf(widget);
    if (line_->text() != text)
        line_->setText(text);
}

bool HintLine::eventFilter(QObject* watched, QEvent* event)
{
    // The mouse and the keyboard focus both show their control's hint.
    if ((event->type() == QEvent::Enter || event->type() == QEvent::FocusIn) && watched->isWidgetType())
        ShowHintFor(static_cast<QWidget*>(watched));
    else if (event->type() == QEvent::Leave && watched->isWidgetType())
        ShowHintFor(QApplication::widgetAt(QCursor::pos()));
    return QObject::eventFilter(watched, event);
}

} // namespace tesk
