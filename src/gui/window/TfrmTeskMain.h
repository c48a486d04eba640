#pragma once

// The main window: the tabbed settings pages over the file and launch area,
// the hint line, the status bar and the menu. It owns the settings model and
// the program settings, runs start-up while it is created and writes the
// program settings when it closes.

#include "core/app/ProgramSettings.h"
#include "core/settings/SettingsModel.h"
#include "core/text/TokenList.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QScrollArea;
class QTabWidget;
class QTimer;
class QWidget;

namespace tesk {

class AuxCommands;
class CommandContext;
class ConfigCommands;
class Desktop;
class HintLine;
class KeyCommands;
class LaunchCommands;
class PlayerModelLists;
class ProfileCommands;
class SettingsView;
class StartupSequence;
class TfrmAbout;
class WindowFitter;

class TfrmTeskMain : public QMainWindow {
    Q_OBJECT
public:
    // Runs start-up (FormCreate) before returning. The program settings live
    // at `settingsPath`; every question and launch goes through `desktop`.
    TfrmTeskMain(Desktop& desktop, std::string settingsPath, QWidget* parent = nullptr);
    ~TfrmTeskMain() override;

    SettingsModel& model() { return model_; }
    TokenList& tokenList() { return tokens_; }
    SettingsView& view() { return *view_; }
    // The problems start-up met, each said once when the window is shown.
    const QStringList& startupProblems() const;

    // Start-up (StartupSequence) and the splash's timer.
    void FormCreate();
    void Timer1Timer();
    void cbxCloseOnRunClick();

    // Frame commands.
    void Exit1Click();
    void About1Click();
    void cbxUseMouseClick();

    // The commands of the subsystems, which the menu and the controls run.
    KeyCommands& keyCommands() { return *keys_; }
    ProfileCommands& profileCommands() { return *profiles_; }

    // Shows the model's current values in the widgets.
    void Refresh();
    void SetStatusText(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildWindow();
    void BuildMenu();
    void FormClose();
    // Offers to save unsaved settings; false when the window stays open.
    bool MayClose();
    // Connects the commands of the controls inside `scope`.
    void KeepLowerAreaLastInTabOrder(QWidget& page);
    void ConnectCommands(QWidget& scope);
    // A handler of one of the command objects, run as a command.
    template <typename Commands>
    std::function<void()> Command(Commands& commands, void (Commands::*handler)());
    // Builds the page at `index` when it has not been built yet.
    void BuildPendingPage(int index);
    void ColourHintLine();

    Desktop& desktop_;
    SettingsModel model_;
    ProgramSettings settings_;
    TokenList tokens_;
    std::unique_ptr<CommandContext> context_;
    std::unique_ptr<ConfigCommands> config_;
    std::unique_ptr<LaunchCommands> launch_;
    std::unique_ptr<KeyCommands> keys_;
    std::unique_ptr<AuxCommands> aux_;
    std::unique_ptr<PlayerModelLists> playerModels_;
    SettingsView* view_ = nullptr;
    HintLine* hintLine_ = nullptr;
    QTabWidget* pages_ = nullptr;
    std::unique_ptr<WindowFitter> fitter_;
    QLineEdit* hintField_ = nullptr;
    // Pages not built yet, by tab index, with their builders.
    using PageBuilder = void (*)(QWidget* page, SettingsView& view);
    std::map<int, PageBuilder> pendingPages_;
    QLabel* status_ = nullptr;
    TfrmAbout* about_ = nullptr;
    // Children of the window, like the page they work on.
    ProfileCommands* profiles_ = nullptr;
    StartupSequence* startup_ = nullptr;
};

} // namespace tesk
