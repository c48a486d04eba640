#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class QWidget;

namespace tesk {

// Name of the dynamic property that holds a widget's hint text.
inline constexpr char kHintProperty[] = "teskHint";

// Keeps the hint line showing "Default : " and the hint of the control under
// the mouse or with the keyboard focus, or of its nearest enclosing control
// that has one. Disabled
// controls show their hints too, so the line follows the mouse through the
// application's enter and leave events rather than the controls' own.
class HintLine : public QObject {
    Q_OBJECT
public:
    static constexpr char kPrefix[] = "Default : ";

    HintLine(QLineEdit* line, QWidget* scope, QObject* parent = nullptr);

    void ShowHintFor(QWidget* widget);
    // The hint of the widget or of its nearest ancestor with one, within the
    // scope; empty when there is none.
    QString HintOf(QWidget* widget) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QLineEdit> line_;
    QPointer<QWidget> scope_;
};

} // namespace tesk
