#include "gui/settings/SettingWidgets.h"

#include "core/settings/SettingsModel.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace tesk {

void KeyEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

namespace {

bool IsReturn(const QKeyEvent& event) { return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter; }

} // namespace

void SettingCombo::focusOutEvent(QFocusEvent* event)
{
    // The edit field finishes here; the combo must not hear it.
    const QSignalBlocker blocker(lineEdit());
    QComboBox::focusOutEvent(event);
}

void SettingCombo::keyPressEvent(QKeyEvent* event)
{
    if (!IsReturn(*event)) {
        QComboBox::keyPressEvent(event);
        return;
    }
    const QSignalBlocker blocker(lineEdit());
    QComboBox::keyPressEvent(event);
}

MaskedEdit::MaskedEdit(const QString& inputMask, QChar blank, QWidget* parent) : QLineEdit(parent), blank_(blank)
{
    setInputMask(inputMask);
}

void MaskedEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->text() != QStringLiteral(" ") || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QString shown = displayText();
    const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype end = hasSelectedText() ? start + selectedText().size() : start + 1;
    // The place typed over is the next one that holds a digit or a blank;
    // the point is skipped, as a typed digit skips it.
    qsizetype place = start;
    while (place < shown.size() && shown[place] == QLatin1Char('.'))
        ++place;
    if (place >= shown.size())
        return;
    for (qsizetype i = place; i < std::max(end, place + 1) && i < shown.size(); ++i)
        if (shown[i] != QLatin1Char('.'))
            shown[i] = blank_;
    qsizetype next = place + 1;
    while (next < shown.size() && shown[next] == QLatin1Char('.'))
        ++next;
    setText(shown);
    setCursorPosition(static_cast<int>(next));
    emit textEdited(text());
}

TextSpinBox::TextSpinBox(SettingsModel& model, std::string id, QWidget* parent)
    : QAbstractSpinBox(parent), model_(model), id_(std::move(id))
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

void TextSpinBox::stepBy(int steps)
{
    model_.StepNumber(id_, steps);
    emit stepped();
}

QAbstractSpinBox::StepEnabled TextSpinBox::stepEnabled() const { return StepUpEnabled | StepDownEnabled; }

QValidator::State TextSpinBox::validate(QString& input, int& /*pos*/) const
{
    // An optional sign, then digits only.
    qsizetype i = 0;
    if (i < input.size() && (input[i] == QLatin1Char('+') || input[i] == QLatin1Char('-')))
        ++i;
    for (; i < input.size(); ++i)
        if (input[i] < QLatin1Char('0') || input[i] > QLatin1Char('9'))
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

void TextSpinBox::fixup(QString& /*input*/) const
{
    // Whatever was typed stays; the model clamps numbers when the focus leaves.
}

} // namespace tesk
