#pragma once

// Binds the widgets of the main window to the settings model: creates each
// setting's widget from the settings table, stores every user edit in the
// model at once, and shows every change of the model (by a reader, a command
// or a dependent-state rule) in the widgets.

#include <QObject>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QWidget;
class QGroupBox;

namespace tesk {

class SettingsModel;
struct SettingDef;

class SettingsView : public QObject {
    Q_OBJECT
public:
    explicit SettingsView(SettingsModel& model, QObject* parent = nullptr);

    // The widget of one setting, made on first use from its table row, with
    // the setting's identifier as object name and its hint attached.
    QWidget* Widget(std::string_view id, QWidget* parent = nullptr);
    // A frame of the settings table as a group box (titled or not); frames
    // that a rule enables or disables follow the model.
    QGroupBox* Frame(std::string_view id, QWidget* parent = nullptr);

    // Shows every change of the model since the last refresh.
    void Refresh();
    // Takes what is being typed into the focused field as leaving the field
    // would, so that a command sees the same settings whether or not the
    // focus left it first.
    void CommitFocusedEdit();

signals:
    // The user changed a setting; the model already holds the new value.
    void userChanged(const QString& id);

private:
    struct Binding {
        const SettingDef* def = nullptr;
        QWidget* widget = nullptr;
        std::uint64_t shownRevision = 0;
    };

    QWidget* Create(const SettingDef& def, QWidget* parent);
    void Connect(const SettingDef& def, QWidget* widget);
    void Show(const Binding& binding);
    void StoreUserEdit(const std::string& id);

    SettingsModel& model_;
    std::unordered_map<std::string, Binding> bindings_;
    std::vector<std::string> order_;
    std::unordered_map<std::string, QGroupBox*> frames_;
    bool refreshing_ = false;
};

// A caption of the settings table as a widget shows it, "&" included.
QString Caption(std::string_view text);

// Attaches a hint to a widget (shown on the hint line while the mouse is over
// it or over a child without a hint of its own).
void SetHint(QWidget* widget, std::string_view hint);

} // namespace tesk
