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
class QTabWidget;
class QTimer;
class QWidget;

namespace tesk {

class Desktop;
class HintLine;
class ProfileCommands;
class SettingsView;
class TfrmAbout;

class TfrmTeskMain : public QMainWindow {
    Q_OBJECT
public:
    // Runs start-up (FormCreate) before returning. The program settings live
    // at `settingsPath`; every question and launch goes through `desktop`.
    TfrmTeskMain(Desktop& desktop, std::string settingsPath, QWidget* parent = nullptr);
    ~TfrmTeskMain() override;

    SettingsModel& model() { return model_; }
    ProgramSettings& programSettings() { return settings_; }
    TokenList& tokenList() { return tokens_; }
    SettingsView& view() { return *view_; }
    QString statusText() const;
    // The problems start-up met, each said once when the window is shown.
    const QStringList& startupProblems() const { return startupProblems_; }

    // Start-up and closing.
    void FormCreate();
    void Timer1Timer();
    void btnU2DirClick();
    void cbxCloseOnRunClick();

    // Frame commands.
    void Exit1Click();
    void About1Click();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void cbxUseMouseClick();

    // Player model and skin lists.
    void FillModelList();
    void FillSkinList(const std::string& modelName);
    void cboModelEnter();
    void cboModelChange();
    void cboSkinEnter();

    // The config file: Save Config, Save Config As, Load Config, New.
    void SaveConfig1Click();
    void SaveConfigAs1Click();
    void OpenConfig1Click();
    void New1Click();

    // The batch file and the launch: Save Batch, Save Batch As, Save All,
    // Load Batch, Run.
    void SaveBatch1Click();
    void SaveBatchAs1Click();
    void SaveAll1Click();
    void OpenBatch1Click();
    void btnRunClick();

    // Key capture for the key field `id` (a double-click on it).
    void KeyFieldDblClick(const std::string& id);

    // The map list, server list and text editors.
    void btnMapListClick();
    void btnServerListClick();
    void btnEditConfigClick();
    void btnEditBatchClick();

    // Reads a config or batch file into the window, as Load Config and Load
    // Batch do after their dialogs; errors are raised to the caller.
    void ReadConfigInto(const std::string& path);
    void ReadBatchInto(const std::string& path);

    Desktop& desktop() { return desktop_; }
    // Shows the model's current values in the widgets.
    void Refresh();
    void SetStatusText(const QString& text);
    // Runs one command; an error it raises is shown with its text and the
    // window stays usable.
    void RunCommand(const std::function<void()>& command);
    // Builds a page that has not been shown yet, for a command that needs its
    // controls; a built page is left as it is.
    void BuildPage(QWidget& page);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindow();
    void BuildMenu();
    QWidget* BuildLowerArea();
    void BuildSplash();
    void FormClose();
    // The six keys that closing and Run write; closing spells the minimise
    // key "Minimize", Run "minimize" (the same key to the INI file).
    void WriteLaunchKeys(const char* minimizeKey);
    // Connects the commands of the controls inside `scope`.
    void ConnectCommands(QWidget& scope);
    void BuildPendingPage(int index);
    // Fixes the window's size to what its pages need, never shrinking it.
    void FitWindowToPages();
    void FitWindowTo(QSize client);

    // Runs one start-up step; its problem is noted and start-up goes on.
    void RunStartupStep(const std::function<void()>& step);

    void StartupReadProgramSettings();
    void StartupReadConfigFile();
    void StartupReadBatchFile();
    void StartupLoadGlobalProfile();
    void StartupFillLists();
    void ReportStartupProblems();

    Desktop& desktop_;
    SettingsModel model_;
    ProgramSettings settings_;
    TokenList tokens_;
    SettingsView* view_ = nullptr;
    HintLine* hintLine_ = nullptr;
    QTabWidget* pages_ = nullptr;
    // Pages not built yet, by tab index, with their builders.
    using PageBuilder = void (*)(QWidget* page, SettingsView& view);
    std::map<int, PageBuilder> pendingPages_;
    QSize fittedClient_;
    QLabel* status_ = nullptr;
    QPointer<QWidget> pnlSplash_;
    QTimer* timer1_ = nullptr;
    TfrmAbout* about_ = nullptr;
    ProfileCommands* profiles_ = nullptr;
    QStringList startupProblems_;
    bool startupProblemsReported_ = false;
};

} // namespace tesk
