#include "gui/settings/SettingsView.h"

#include "core/settings/ConfigWriter.h"
#include "core/settings/SettingsModel.h"
#include "core/text/ConsoleText.h"
#include "gui/base/HintLine.h"
#include "gui/base/RefusedCharacters.h"
#include "gui/base/Text.h"
#include "gui/settings/SettingWidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStringList>

#include <stdexcept>

namespace tesk {
namespace {

// Empty places of a masked decimal are blanks in the model and show as "_",
// as masked fields traditionally do.
constexpr QChar kMaskBlank = QLatin1Char('_');

QString InputMaskFor(std::string_view mask)
{
    // The table's "9" is an optional digit, which Qt spells "0".
    QString qtMask = ToQ(mask);
    qtMask.replace(QLatin1Char('9'), QLatin1Char('0'));
    return qtMask + QLatin1Char(';') + kMaskBlank;
}

QString MaskedForDisplay(const std::string& text) { return ToQ(text).replace(QLatin1Char(' '), kMaskBlank); }

std::string MaskedFromDisplay(QString text) { return FromQ(text.replace(kMaskBlank, QLatin1Char(' '))); }

// A field's text as it shows; paths in the system's encoding (see Text.h).
QString Shown(const SettingDef& def, const std::string& text) { return def.path ? PathToQ(text) : ToQ(text); }

std::string Stored(const SettingDef& def, const QString& text) { return def.path ? PathFromQ(text) : FromQ(text); }

QStringList ToQList(const std::vector<std::string>& items)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items)
        list.append(ToQ(item));
    return list;
}

void ShowComboItems(QComboBox* combo, const std::vector<std::string>& items)
{
    const QStringList wanted = ToQList(items);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown.append(combo->itemText(i));
    if (shown == wanted)
        return;
    combo->clear();
    combo->addItems(wanted);
}

} // namespace

QString Caption(std::string_view text)
{
    // A caption's "&" is a character the player reads, not an access key.
    return ToQ(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void SetHint(QWidget* widget, std::string_view hint)
{
    if (!hint.empty())
        widget->setProperty(kHintProperty, ToQ(hint));
}

SettingsView::SettingsView(SettingsModel& model, QObject* parent) : QObject(parent), model_(model) {}

namespace {

// What a screen reader says for controls whose caption is a column's or a
// frame's, or the same as another control's: which setting each one is.
constexpr std::pair<std::string_view, const char*> kSpokenNames[] = {
    {"txtPlayer", "Player name"},
    {"rbCrossX", "Cross crosshair"},
    {"rbCrossDot", "Dot crosshair"},
    {"rbCrossAngle", "Angle crosshair"},
    {"txtWalkPitch", "Walking pitch"},
    {"txtWalkRoll", "Walking roll"},
    {"txtRunPitch", "Running pitch"},
    {"txtRunRoll", "Running roll"},
    {"txtMsg1Msg", "Message 1 text"},
    {"txtMsg2Msg", "Message 2 text"},
    {"txtMsg3Msg", "Message 3 text"},
    {"txtMsg4Msg", "Message 4 text"},
    {"txtMsg5Msg", "Message 5 text"},
    {"txtMLook", "Mouse look key"},
    {"txtMouseForward", "Mouse forward key"},
    {"txtMoveForward", "Move forward key"},
    {"txtMoveLeft", "Move left key"},
    {"txtMoveRight", "Move right key"},
    {"txtStrafeLeft", "Strafe left key"},
    {"txtStrafeRight", "Strafe right key"},
    {"txtStrafe", "Strafe key"},
    {"txtRun", "Run key"},
    {"txtStrafeSpeed", "Strafing speed"},
    {"txtRunSpeed", "Running speed"},
    {"txtMoveUp", "Climb up key"},
    {"txtLookUp", "Look up key"},
    {"txtMoveDown", "Climb down key"},
    {"txtLookDown", "Look down key"},
    {"edtTimeLimit", "Time limit in minutes"},
    {"edtFragLimit", "Frag limit in frags"},
};

} // namespace

QWidget* SettingsView::Widget(std::string_view id, QWidget* parent)
{
    const std::string key(id);
    if (const auto it = bindings_.find(key); it != bindings_.end())
        return it->second.widget;
    const SettingDef* def = FindSetting(id);
    if (!def)
        throw std::out_of_range("no setting named " + key);
    QWidget* widget = Create(*def, parent);
    widget->setObjectName(ToQ(def->id));
    SetHint(widget, def->hint);
    for (const auto& [named, spoken] : kSpokenNames)
        if (named == id)
            widget->setAccessibleName(QString::fromLatin1(spoken));
    Binding binding{def, widget, 0};
    Show(binding);
    binding.shownRevision = model_.Revision(id);
    bindings_.emplace(key, binding);
    order_.push_back(key);
    Connect(*def, widget);
    return widget;
}

QGroupBox* SettingsView::Frame(std::string_view id, QWidget* parent)
{
    const FrameDef* def = FindFrame(id);
    if (!def)
        throw std::out_of_range("no frame named " + std::string(id));
    auto* box = new QGroupBox(Caption(def->caption), parent);
    box->setObjectName(ToQ(def->id));
    SetHint(box, def->hint);
    if (def->caption.empty())
        box->setFlat(false);
    box->setEnabled(model_.FrameEnabled(id));
    frames_.emplace(std::string(id), box);
    return box;
}

QWidget* SettingsView::Create(const SettingDef& def, QWidget* parent)
{
    switch (def.kind) {
    case SettingKind::Text: {
        auto* edit = new QLineEdit(parent);
        if (def.maxLength > 0)
            edit->setMaxLength(def.maxLength);
        if (IsWrittenBetweenQuotes(def.id))
            RefuseCharacters(*edit, kCutsQuotedValue, QuotedValueNote());
        return edit;
    }
    case SettingKind::Key: return new KeyEdit(parent);
    case SettingKind::MaskedDecimal: return new MaskedEdit(InputMaskFor(def.mask), kMaskBlank, parent);
    case SettingKind::Spin: {
        auto* spin = new TextSpinBox(model_, std::string(def.id), parent);
        if (def.maxLength > 0)
            spin->edit()->setMaxLength(def.maxLength);
        return spin;
    }
    case SettingKind::Check: return new QCheckBox(Caption(def.caption), parent);
    case SettingKind::Radio: return new QRadioButton(Caption(def.caption), parent);
    case SettingKind::Combo: {
        auto* combo = new SettingCombo(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // Typing must not pick an item: a typed text selects nothing.
        combo->setCompleter(nullptr);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(8);
        if (IsWrittenBetweenQuotes(def.id))
            RefuseCharacters(*combo->lineEdit(), kCutsQuotedValue, QuotedValueNote());
        return combo;
    }
    case SettingKind::TrackBar: {
        auto* slider = new QSlider(Qt::Horizontal, parent);
        slider->setRange(def.minimum, def.maximum);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(1);
        slider->setPageStep(1);
        return slider;
    }
    }
    throw std::logic_error("unknown setting kind");
}

void SettingsView::Connect(const SettingDef& def, QWidget* widget)
{
    const std::string id(def.id);
    switch (def.kind) {
    case SettingKind::Text:
    case SettingKind::Key:
        connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
                [this, row = &def, id](const QString& text) {
                    model_.SetText(id, Stored(*row, text));
                    StoreUserEdit(id);
                });
        break;
    case SettingKind::MaskedDecimal: {
        auto* edit = static_cast<QLineEdit*>(widget);
        connect(edit, &QLineEdit::textEdited, this, [this, id, edit] {
            model_.SetText(id, MaskedFromDisplay(edit->displayText()));
            StoreUserEdit(id);
        });
        break;
    }
    case SettingKind::Spin: {
        auto* spin = static_cast<TextSpinBox*>(widget);
        connect(spin->edit(), &QLineEdit::textEdited, this, [this, id](const QString& text) {
            model_.SetText(id, FromQ(text));
            StoreUserEdit(id);
        });
        connect(spin, &TextSpinBox::stepped, this, [this, id] { StoreUserEdit(id); });
        connect(spin, &QAbstractSpinBox::editingFinished, this, [this, id] {
            model_.CommitSpin(id);
            StoreUserEdit(id);
        });
        break;
    }
    case SettingKind::Check:
    case SettingKind::Radio:
        connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this, [this, id](bool on) {
            model_.SetChecked(id, on);
            StoreUserEdit(id);
        });
        break;
    case SettingKind::Combo: {
        auto* combo = static_cast<QComboBox*>(widget);
        connect(combo, &QComboBox::activated, this, [this, id](int index) {
            model_.SelectItem(id, index);
            StoreUserEdit(id);
        });
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, id](const QString& text) {
            model_.SetText(id, FromQ(text));
            StoreUserEdit(id);
        });
        break;
    }
    case SettingKind::TrackBar:
        connect(static_cast<QSlider*>(widget), &QSlider::valueChanged, this, [this, id](int value) {
            if (refreshing_)
                return;
            model_.SetPosition(id, value);
            StoreUserEdit(id);
        });
        break;
    }
}

void SettingsView::CommitFocusedEdit()
{
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (auto* spin = qobject_cast<TextSpinBox*>(widget)) {
            const std::string id = FromQ(spin->objectName());
            model_.CommitSpin(id);
            StoreUserEdit(id);
            return;
        }
    }
}

void SettingsView::StoreUserEdit(const std::string& id)
{
    Refresh();
    emit userChanged(ToQ(id));
}

void SettingsView::Refresh()
{
    refreshing_ = true;
    for (const std::string& id : order_) {
        Binding& binding = bindings_.at(id);
        const auto revision = model_.Revision(id);
        if (revision == binding.shownRevision)
            continue;
        Show(binding);
        binding.shownRevision = revision;
    }
    for (const auto& [id, box] : frames_)
        box->setEnabled(model_.FrameEnabled(id));
    refreshing_ = false;
}

void SettingsView::Show(const Binding& binding)
{
    const SettingDef& def = *binding.def;
    QWidget* widget = binding.widget;
    const QSignalBlocker blocker(widget);
    widget->setEnabled(model_.Enabled(def.id));
    switch (def.kind) {
    case SettingKind::Text:
    case SettingKind::Key: {
        auto* edit = static_cast<QLineEdit*>(widget);
        const QString text = Shown(def, model_.Text(def.id));
        if (edit->text() != text)
            edit->setText(text);
        break;
    }
    case SettingKind::MaskedDecimal: {
        auto* edit = static_cast<QLineEdit*>(widget);
        const QString text = MaskedForDisplay(model_.Text(def.id));
        if (edit->displayText() != text)
            edit->setText(text);
        break;
    }
    case SettingKind::Spin: {
        QLineEdit* edit = static_cast<TextSpinBox*>(widget)->edit();
        const QString text = ToQ(model_.Text(def.id));
        if (edit->text() != text)
            edit->setText(text);
        break;
    }
    case SettingKind::Check:
    case SettingKind::Radio: static_cast<QAbstractButton*>(widget)->setChecked(model_.Checked(def.id)); break;
    case SettingKind::Combo: {
        auto* combo = static_cast<QComboBox*>(widget);
        const QSignalBlocker editBlocker(combo->lineEdit());
        ShowComboItems(combo, model_.Items(def.id));
        combo->setCurrentIndex(model_.SelectedIndex(def.id));
        combo->setEditText(ToQ(model_.Text(def.id)));
        break;
    }
    case SettingKind::TrackBar: static_cast<QSlider*>(widget)->setValue(model_.Position(def.id)); break;
    }
}

} // namespace tesk
