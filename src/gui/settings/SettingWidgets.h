#pragma once

// Widgets of the setting kinds that Qt has no ready-made control for.

#include <QAbstractSpinBox>
#include <QLineEdit>

#include <string>

namespace tesk {

class SettingsModel;

// A key field: a plain edit field that reports double-clicks, which open the
// key capture.
class KeyEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A spin number held as text: the arrows step the number (clamped to the
// range, when there is one), while typed text stays as typed until the field
// loses the focus. Only digits and a sign can be typed.
class TextSpinBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    TextSpinBox(SettingsModel& model, std::string id, int step, QWidget* parent = nullptr);

    void stepBy(int steps) override;
    QLineEdit* edit() const { return lineEdit(); }

signals:
    // The arrows or the arrow keys changed the number.
    void stepped();

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    SettingsModel& model_;
    std::string id_;
    int step_;
};

} // namespace tesk
