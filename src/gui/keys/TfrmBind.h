#pragma once

// The key-capture dialog: the special keys and mouse buttons as buttons, and
// a one-character box for letters, digits and signs. A key pressed in the box
// is taken by its name ("F5", "SPACE") and shown, with the actions that
// already use it, until "Use This Key" confirms it. The dialog closes with
// the key picked or, on Cancel, with the key the field held before.

#include "gui/keys/KeyCapture.h"

#include <QDialog>

#include <string>
#include <utility>

class QLabel;
class QLayout;
class QLineEdit;
class QKeyEvent;
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
    void SetKeyUsers(KeyUsers users) { users_ = std::move(users); }
    const std::string& result() const { return result_; }

    void FormActivate();
    void onKeyButtonClicked(const KeyButton& button);
    void btnUseKeyClick();
    void btnCancelClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* MakeKeyButton(const KeyButton& button);
    QLayout* BuildMiddle();
    QLayout* BuildNotes();
    // A key pressed in the box; true when it was taken or refused there.
    bool CaptureKeyPress(const QKeyEvent& event);
    void Capture(const std::string& key);
    void ShowCaptured(const QString& note = {});

    QLineEdit* txtAlpha_ = nullptr;
    QLabel* lblKey_ = nullptr;
    QLabel* lblKeyNote_ = nullptr;
    KeyUsers users_;
    std::string previousKey_;
    std::string captured_;
    std::string result_;
    // A modifier key pressed alone is taken when it is released, so that it
    // can still start a shortcut such as Ctrl+Enter.
    int pendingModifier_ = 0;
};

} // namespace tesk
