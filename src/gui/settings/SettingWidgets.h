#pragma once

// Widgets of the setting kinds that Qt has no ready-made control for.

#include <QAbstractSpinBox>
#include <QComboBox>
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

// An editable drop-down in which only picking an entry (in the open list, or
// with the arrow keys on the closed one) selects it. Qt's own combo also
// selects the entry whose text equals the typed text when the edit field
// finishes (the focus leaves, Return is pressed); here a typed text stays a
// text, so leaving the field never changes a setting.
class SettingCombo : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A masked decimal field. A typed blank empties the place under the cursor
// and moves on, as a typed digit fills it; Qt's own mask would shift the
// following digits instead.
class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    // `blank` is how an empty place shows.
    MaskedEdit(const QString& inputMask, QChar blank, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QChar blank_;
};

// A spin number held as text: the arrows step the number (clamped to the
// range, when there is one, and never past the largest or smallest whole
// number), while typed text stays as typed until the field loses the focus.
// Only digits and a sign can be typed.
class TextSpinBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    TextSpinBox(SettingsModel& model, std::string id, QWidget* parent = nullptr);

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
};

} // namespace tesk
