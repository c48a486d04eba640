#include "gui/settings/SettingWidgets.h"

#include "core/settings/SettingsModel.h"

namespace tesk {

void KeyEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

TextSpinBox::TextSpinBox(SettingsModel& model, std::string id, int step, QWidget* parent)
    : QAbstractSpinBox(parent), model_(model), id_(std::move(id)), step_(step)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

void TextSpinBox::stepBy(int steps)
{
    model_.SetNumber(id_, model_.Number(id_) + static_cast<long long>(steps) * step_);
    emit stepped();
}

QAbstractSpinBox::StepEnabled TextSpinBox::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

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
