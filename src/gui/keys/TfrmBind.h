#pragma once

// The key-capture dialog: the special keys and mouse buttons as buttons, and
// a one-character box for letters, digits and signs. It closes with the key
// picked (a button's key name or the box's text) or, on Cancel, with the key
// the field held before.

#include <QDialog>

#include <string>

class QLayout;
class QLineEdit;
class QShowEvent;
class QToolButton;

namespace tesk {

struct KeyButton;

class TfrmBind : public QDialog {
    Q_OBJECT
public:
    explicit TfrmBind(QWidget* parent = nullptr);

    // The field's key when the dialog opens; also the result until a button
    // closes the dialog, so any other way of closing keeps it.
    void SetPreviousKey(const std::string& key);
    const std::string& previousKey() const { return previousKey_; }
    const std::string& result() const { return result_; }

    void FormActivate();
    void KeyButtonClick(const KeyButton& button);
    void btnUseKeyClick();
    void btnCancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QToolButton* MakeKeyButton(const KeyButton& button);
    QLayout* BuildMiddle();

    QLineEdit* txtAlpha_ = nullptr;
    std::string previousKey_;
    std::string result_;
};

} // namespace tesk
