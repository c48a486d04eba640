#include "gui/keys/TfrmBind.h"

#include "core/keys/KeyNames.h"
#include "gui/base/TabOrder.h"
#include "gui/base/Text.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStringList>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tesk {
namespace {

// Where each key button sits, roughly as on a keyboard: function keys on top,
// the editing keys and arrows on the right.
struct Cell {
    std::string_view control;
    int row;
    int column;
    int columnSpan = 1;
};

constexpr Cell kKeyCells[] = {
    {"Esc", 0, 0, 2},    {"F1", 0, 3},           {"F2", 0, 4},         {"F3", 0, 5},        {"F4", 0, 6},
    {"F5", 0, 7},        {"F6", 0, 8},           {"F7", 0, 9},         {"F8", 0, 10},       {"F9", 0, 11},
    {"F10", 0, 12},      {"F11", 0, 13},         {"F12", 0, 14},       {"btnPause", 0, 18}, {"Tab", 1, 0, 2},
    {"btnIns", 1, 16},   {"BtnHome", 1, 17},     {"btnPageUp", 1, 18}, {"RShift", 2, 0, 2}, {"btnDel", 2, 16},
    {"btnEnd", 2, 17},   {"btnPageDown", 2, 18}, {"RCtrl", 3, 0, 2},   {"RAlt", 3, 3, 2},   {"Space", 3, 5, 7},
    {"Enter", 3, 12, 3}, {"Up", 3, 17},          {"Left", 4, 16},      {"Down", 4, 17},     {"Right", 4, 18},
};

// The mouse buttons, from left to right, stand apart above their label.
constexpr std::string_view kMouseButtons[] = {"RMCLick", "CMClick", "LMClick"};

// The keys the box takes by the name of their button.
struct PressedKey {
    int qtKey;
    std::string_view control;
};

constexpr PressedKey kPressedKeys[] = {
    {Qt::Key_F1, "F1"},
    {Qt::Key_F2, "F2"},
    {Qt::Key_F3, "F3"},
    {Qt::Key_F4, "F4"},
    {Qt::Key_F5, "F5"},
    {Qt::Key_F6, "F6"},
    {Qt::Key_F7, "F7"},
    {Qt::Key_F8, "F8"},
    {Qt::Key_F9, "F9"},
    {Qt::Key_F10, "F10"},
    {Qt::Key_F11, "F11"},
    {Qt::Key_F12, "F12"},
    {Qt::Key_Up, "Up"},
    {Qt::Key_Down, "Down"},
    {Qt::Key_Left, "Left"},
    {Qt::Key_Right, "Right"},
    {Qt::Key_Return, "Enter"},
    {Qt::Key_Enter, "Enter"},
    {Qt::Key_Tab, "Tab"},
    {Qt::Key_Backtab, "Tab"},
    {Qt::Key_Space, "Space"},
    {Qt::Key_Shift, "RShift"},
    {Qt::Key_Control, "RCtrl"},
    {Qt::Key_Alt, "RAlt"},
    {Qt::Key_Insert, "btnIns"},
    {Qt::Key_Delete, "btnDel"},
    {Qt::Key_Home, "BtnHome"},
    {Qt::Key_End, "btnEnd"},
    {Qt::Key_PageUp, "btnPageUp"},
    {Qt::Key_PageDown, "btnPageDown"},
    {Qt::Key_Pause, "btnPause"},
};

const PressedKey* FindPressedKey(int qtKey)
{
    for (const PressedKey& key : kPressedKeys)
        if (key.qtKey == qtKey)
            return &key;
    return nullptr;
}

bool IsModifierKey(int qtKey) { return qtKey == Qt::Key_Shift || qtKey == Qt::Key_Control || qtKey == Qt::Key_Alt; }

constexpr int kKeyWidth = 28;
constexpr int kKeyHeight = 24;

// The arrow keys show the style's arrow pictures.
QStyle::StandardPixmap ArrowPicture(KeyArrow arrow)
{
    switch (arrow) {
    case KeyArrow::Up: return QStyle::SP_ArrowUp;
    case KeyArrow::Down: return QStyle::SP_ArrowDown;
    case KeyArrow::Left: return QStyle::SP_ArrowLeft;
    case KeyArrow::Right:
    case KeyArrow::None: break;
    }
    return QStyle::SP_ArrowRight;
}

// Every typed character replaces the one in the box, so the player never has
// to clear it first.
class OneCharacterEdit : public QLineEdit {
public:
    OneCharacterEdit()
    {
        setMaxLength(1);
        setAlignment(Qt::AlignCenter);
        QFont large = font();
        large.setPointSize(22);
        large.setBold(true);
        setFont(large);
        setFixedSize(2 * kKeyWidth + 6, 2 * kKeyHeight + 6);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!event->text().isEmpty() && event->text().at(0).isPrint())
            selectAll();
        QLineEdit::keyPressEvent(event);
    }
};

} // namespace

TfrmBind::TfrmBind(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBind"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(4);
    grid->setColumnMinimumWidth(2, 8);
    grid->setColumnMinimumWidth(15, 8);
    for (const Cell& cell : kKeyCells)
        grid->addWidget(MakeKeyButton(*FindKeyButton(cell.control)), cell.row, cell.column, 1, cell.columnSpan);
    grid->addLayout(BuildMiddle(), 1, 3, 2, 12);
    grid->addLayout(BuildNotes(), 5, 0, 1, 19);
}

QLayout* TfrmBind::BuildNotes()
{
    lblKey_ = new QLabel;
    lblKey_->setObjectName(QStringLiteral("lblKey"));
    QFont bold = lblKey_->font();
    bold.setBold(true);
    lblKey_->setFont(bold);
    lblKeyNote_ = new QLabel;
    lblKeyNote_->setObjectName(QStringLiteral("lblKeyNote"));
    lblKeyNote_->setWordWrap(true);
    auto* notes = new QHBoxLayout;
    notes->setContentsMargins(2, 4, 2, 0);
    notes->setSpacing(12);
    notes->addWidget(lblKey_);
    notes->addWidget(lblKeyNote_, 1);
    return notes;
}

QLayout* TfrmBind::BuildMiddle()
{
    txtAlpha_ = new OneCharacterEdit;
    txtAlpha_->setObjectName(QStringLiteral("txtAlpha"));
    txtAlpha_->setAccessibleName(QStringLiteral("Key to bind"));
    txtAlpha_->installEventFilter(this);
    // A typed character (keypad digits and shifted signs as typed) is the key.
    connect(txtAlpha_, &QLineEdit::textEdited, this, [this](const QString& text) { Capture(FromQ(text)); });

    auto* btnUseKey = new QPushButton(QStringLiteral("Use This Key"));
    btnUseKey->setObjectName(QStringLiteral("btnUseKey"));
    btnUseKey->setDefault(true);
    btnUseKey->setMinimumWidth(112);
    // Enter in the box is a key to bind, so the box confirms with Ctrl+Enter.
    btnUseKey->setToolTip(QStringLiteral("Ctrl+Enter"));
    connect(btnUseKey, &QPushButton::clicked, this, &TfrmBind::btnUseKeyClick);
    auto* btnCancel = new QPushButton(QStringLiteral("&Cancel"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmBind::btnCancelClick);
    auto* choices = new QVBoxLayout;
    choices->addWidget(btnUseKey);
    choices->addWidget(btnCancel);

    auto* mouseButtons = new QHBoxLayout;
    mouseButtons->setSpacing(2);
    for (std::string_view control : kMouseButtons)
        mouseButtons->addWidget(MakeKeyButton(*FindKeyButton(control)));
    auto* label29 = new QLabel(QStringLiteral("Mouse"));
    label29->setObjectName(QStringLiteral("Label29"));
    label29->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* mouse = new QVBoxLayout;
    mouse->addLayout(mouseButtons);
    mouse->addWidget(label29);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(8, 2, 8, 2);
    middle->setSpacing(8);
    middle->addWidget(txtAlpha_);
    middle->addLayout(choices);
    middle->addStretch(1);
    middle->addLayout(mouse);
    return middle;
}

QToolButton* TfrmBind::MakeKeyButton(const KeyButton& button)
{
    auto* widget = new QToolButton;
    widget->setObjectName(ToQ(button.control));
    widget->setText(ToQ(button.caption));
    if (button.arrow != KeyArrow::None)
        widget->setIcon(style()->standardIcon(ArrowPicture(button.arrow)));
    // The caption is the game's short one ("PU"); the key's full name is
    // said by the tooltip and to screen readers.
    widget->setAccessibleName(ToQ(button.fullName));
    widget->setToolTip(ToQ(button.fullName));
    widget->setMinimumSize(kKeyWidth, kKeyHeight);
    widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(widget, &QToolButton::clicked, this, [this, &button] { onKeyButtonClicked(button); });
    return widget;
}

void TfrmBind::SetPreviousKey(const std::string& key)
{
    previousKey_ = key;
    result_ = key;
}

void TfrmBind::FormActivate()
{
    // The box holds one character; a key of several letters (PGDN) shows
    // whole beside it and stays whole until another key is taken.
    captured_ = previousKey_;
    txtAlpha_->setText(previousKey_.size() == 1 ? ToQ(previousKey_) : QString());
    txtAlpha_->selectAll();
    txtAlpha_->setFocus();
    ShowCaptured();
}

void TfrmBind::Capture(const std::string& key)
{
    captured_ = key;
    ShowCaptured();
}

void TfrmBind::ShowCaptured(const QString& note)
{
    lblKey_->setText(QStringLiteral("Key: ") + (captured_.empty() ? QStringLiteral("none") : ToQ(captured_)));
    QString text = note;
    if (text.isEmpty() && users_ && !captured_.empty()) {
        QStringList actions;
        for (const std::string& action : users_(captured_))
            actions.append(ToQ(action));
        if (!actions.isEmpty())
            text = QStringLiteral("Also bound to: ") + actions.join(QStringLiteral(", "));
    }
    lblKeyNote_->setText(text);
}

bool TfrmBind::CaptureKeyPress(const QKeyEvent& event)
{
    const int key = event.key();
    if (event.isAutoRepeat())
        return FindPressedKey(key) != nullptr;
    if (IsModifierKey(key)) {
        pendingModifier_ = key;
        return true;
    }
    pendingModifier_ = 0;
    // Ctrl and Alt combinations are the dialog's shortcuts; Shift only picks
    // the character.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        if (!(event.modifiers() & Qt::ControlModifier) || (key != Qt::Key_Return && key != Qt::Key_Enter))
            return false;
        btnUseKeyClick();
        return true;
    }
    if (const PressedKey* pressed = FindPressedKey(key)) {
        txtAlpha_->clear();
        Capture(std::string(FindKeyButton(pressed->control)->keyName));
        return true;
    }
    // A config file line cannot carry these inside a binding.
    const QString text = event.text();
    if (text == QLatin1String("\"") || text == QLatin1String(";")) {
        ShowCaptured(text + QStringLiteral(" cannot be bound: the config file cannot hold it."));
        return true;
    }
    return false;
}

bool TfrmBind::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != txtAlpha_)
        return QDialog::eventFilter(watched, event);
    // A key the box takes is no shortcut while the box has the focus (F5 runs
    // the game in the main window).
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            && FindPressedKey(key->key()))
            event->accept();
        return false;
    }
    // The Menu key is no key of the game: it opens no menu in the box either.
    if (event->type() == QEvent::ContextMenu
        && static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
        return true;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu)
        return true;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
        return CaptureKeyPress(*static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == pendingModifier_) {
            pendingModifier_ = 0;
            txtAlpha_->clear();
            Capture(std::string(FindKeyButton(FindPressedKey(key)->control)->keyName));
        }
    }
    return false;
}

void TfrmBind::onKeyButtonClicked(const KeyButton& button)
{
    result_ = button.keyName;
    accept();
}

void TfrmBind::btnUseKeyClick()
{
    result_ = captured_;
    accept();
}

void TfrmBind::btnCancelClick()
{
    result_ = previousKey_;
    reject();
}

void TfrmBind::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    // The keys are laid out as on a keyboard, around the box: Tab takes them
    // row by row as they are seen.
    TabInReadingOrder(*this);
    FormActivate();
}

} // namespace tesk
