#include "gui/window/TfrmTeskMain.h"

#include "core/app/GameDirectoryLists.h"
#include "core/text/Paths.h"
#include "gui/auxwin/AuxCommands.h"
#include "gui/base/CommandContext.h"
#include "gui/base/Desktop.h"
#include "gui/base/HintLine.h"
#include "gui/base/NoteColor.h"
#include "gui/base/PictureButton.h"
#include "gui/base/Resources.h"
#include "gui/base/Text.h"
#include "gui/keys/KeyCommands.h"
#include "gui/keys/KeyConflictMarks.h"
#include "gui/launch/LaunchCommands.h"
#include "gui/profiles/GamesPage.h"
#include "gui/profiles/ProfileCommands.h"
#include "gui/settings/ConfigCommands.h"
#include "gui/settings/SettingWidgets.h"
#include "gui/settings/SettingsPages.h"
#include "gui/settings/SettingsView.h"
#include "gui/window/TfrmAbout.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace tesk {
namespace {

const QString kCaption = QStringLiteral("TESK  - Ulvex 2 Start Utility") + QString(24, QLatin1Char(' '))
                         + QStringLiteral("(Beta 5.08.24.98.1200)");
constexpr int kSplashMilliseconds = 2750;

// The page area asks for the room its pages would like, as the pages would
// without it; on a screen too small for that it scrolls.
class PageArea final : public QScrollArea {
public:
    QSize sizeHint() const override { return widget() ? widget()->sizeHint() : QScrollArea::sizeHint(); }
};
constexpr QSize kDesignClientSize(511, 446);

} // namespace

TfrmTeskMain::TfrmTeskMain(Desktop& desktop, std::string settingsPath, QWidget* parent)
    : QMainWindow(parent), desktop_(desktop), settings_(std::move(settingsPath))
{
    InitResources();
    setObjectName(QStringLiteral("frmTeskMain"));
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    context_ = std::make_unique<CommandContext>(
        model_, tokens_, settings_, desktop_,
        CommandContext::Window{*this, [this] { Refresh(); }, [this](const QString& text) { SetStatusText(text); }});
    config_ = std::make_unique<ConfigCommands>(*context_);
    launch_ = std::make_unique<LaunchCommands>(*context_, *config_);
    keys_ = std::make_unique<KeyCommands>(*context_);
    aux_ = std::make_unique<AuxCommands>(*context_, *config_, *launch_);
    view_ = new SettingsView(model_, this);
    BuildWindow();
    FormCreate();
}

TfrmTeskMain::~TfrmTeskMain()
{
    // The widgets and the other windows are children, destroyed after the
    // members they work on. A field that has the focus commits its text as it
    // loses the focus, and an open editor watches this window, so the field
    // loses the focus now, while the model lives, and nothing that reaches
    // the members outlives this body.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    for (const char* combo : {"cboModel", "cboSkin"})
        view_->Widget(combo)->removeEventFilter(this);
    delete view_;
    view_ = nullptr;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow())
            delete child;
    delete profiles_;
    delete centralWidget();
}

void TfrmTeskMain::BuildWindow()
{
    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setUsesScrollButtons(false);
    pages_->setElideMode(Qt::ElideNone);
    // The first page is built at once; the others, most of all controls, the
    // first time they are shown. Their controls show the model as it is
    // then, and the games page what start-up read for it, so nothing is
    // missed.
    QWidget* general = NewPage(Page::General);
    BuildGeneralPage(general, *view_);
    pages_->addTab(general, QStringLiteral("General"));
    const std::tuple<Page, PageBuilder, const char*> later[] = {
        {Page::VideoSound, BuildVideoSoundPage, "Video && Sound"},
        {Page::MenuComm, BuildMenuCommPage, "Menu && Comm"},
        {Page::Movement, BuildMovementPage, "Movement"},
        {Page::WeaponsInventory, BuildWeaponsPage, "Weapons && Inv"},
        {Page::Client, BuildClientPage, "Client"},
        {Page::Server, BuildServerPage, "Server"}};
    for (const auto& [page, build, caption] : later)
        pendingPages_.emplace(pages_->addTab(NewPage(page), QString::fromLatin1(caption)), build);
    pendingPages_.emplace(pages_->addTab(new GamesPage, QStringLiteral("Games && Aliases")),
                          [](QWidget* page, SettingsView& view) { static_cast<GamesPage*>(page)->Build(view); });
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) { BuildPendingPage(index); });

    // On a screen smaller than the window the page area scrolls, so that
    // every control can be reached and the lower area stays in sight.
    pagesArea_ = new PageArea;
    pagesArea_->setObjectName(QStringLiteral("scrPages"));
    pagesArea_->setFrameShape(QFrame::NoFrame);
    pagesArea_->setWidgetResizable(true);
    pagesArea_->setWidget(pages_);

    // The hint line only shows; it is never typed in nor tabbed to.
    hintField_ = new QLineEdit;
    hintField_->setObjectName(QStringLiteral("txtHint"));
    hintField_->setReadOnly(true);
    hintField_->setFocusPolicy(Qt::NoFocus);
    ColourHintLine();

    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("pnlClient"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 0);
    layout->setSpacing(2);
    layout->addWidget(pagesArea_, 1);
    layout->addWidget(hintField_);
    layout->addWidget(BuildLowerArea());
    setCentralWidget(central);
    hintLine_ = new HintLine(hintField_, this, this);

    statusBar()->setObjectName(QStringLiteral("sbrCommon"));
    statusBar()->setSizeGripEnabled(false);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("sbrCommonText"));
    statusBar()->addWidget(status_, 1);

    profiles_ =
        new ProfileCommands(*context_, *findChild<GamesPage*>(), [this] { BuildPage(*findChild<GamesPage*>()); });
    BuildMenu();
    ConnectCommands(*central);

    connect(view_, &SettingsView::userChanged, this, [this](const QString& id) {
        if (id == QLatin1String("cboModel"))
            cboModelChange();
        else if (id == QLatin1String("cbxUseMouse"))
            cbxUseMouseClick();
        else if (id == QLatin1String("cbxCloseOnRun"))
            cbxCloseOnRunClick();
        else if (model_.Def(FromQ(id)).kind == SettingKind::Key)
            MarkKeysBoundTwice(*this, model_);
    });
    view_->Widget("cboModel")->installEventFilter(this);
    view_->Widget("cboSkin")->installEventFilter(this);
}

QWidget* TfrmTeskMain::BuildLowerArea()
{
    auto* checks = new QVBoxLayout;
    checks->setSpacing(1);
    for (const char* id : {"cbxStartServer", "cbxCloseOnRun", "cbxMinimize", "cbxSaveFilesonRun"})
        checks->addWidget(view_->Widget(id));
    auto* btnRun = new QPushButton(QStringLiteral("Run Ulvex2"));
    btnRun->setObjectName(QStringLiteral("btnRun"));
    QFont runFont = btnRun->font();
    runFont.setBold(true);
    runFont.setPointSize(10);
    btnRun->setFont(runFont);
    btnRun->setMinimumSize(100, 25);
    btnRun->setShortcut(QKeySequence(Qt::Key_F5));
    checks->addWidget(btnRun, 0, Qt::AlignLeft);
    btnRun->installEventFilter(this);

    auto* files = new QGridLayout;
    files->setHorizontalSpacing(3);
    files->setVerticalSpacing(2);
    struct FileRow {
        const char* field;
        const char* buttons[3];
        QStyle::StandardPixmap icons[3];
        const char* tips[3];
    };
    const FileRow rows[] = {
        {"txtConfigFile",
         {"btnEditConfig", "SpeedButton1", "btnLoadConfigFile"},
         {QStyle::SP_FileDialogContentsView, QStyle::SP_DialogSaveButton, QStyle::SP_DialogOpenButton},
         {"Edit the config file as text", "Save Config", "Load Config"}},
        {"txtBatchFile",
         {"btnEditBatch", "SpeedButton3", "btnLoadBatchFile"},
         {QStyle::SP_FileDialogContentsView, QStyle::SP_DialogSaveButton, QStyle::SP_DialogOpenButton},
         {"Edit the batch file as text", "Save Batch", "Load Batch"}},
        {"txtU2Dir", {"btnU2Dir", nullptr, nullptr}, {QStyle::SP_DirOpenIcon}, {"Find the game's program"}},
    };
    int row = 0;
    for (const FileRow& fileRow : rows) {
        auto* label = new QLabel(Caption(FindSetting(fileRow.field)->caption));
        QWidget* field = view_->Widget(fileRow.field);
        label->setBuddy(field);
        field->setMinimumWidth(256);
        files->addWidget(label, row, 0);
        files->addWidget(field, row, 1);
        for (int i = 0; i < 3 && fileRow.buttons[i]; ++i)
            files->addWidget(NewPictureButton(fileRow.buttons[i], fileRow.icons[i], QString::fromUtf8(fileRow.tips[i])),
                             row, 2 + i);
        ++row;
    }
    QWidget* gameDir = view_->Widget("txtU2Dir");
    QFont small = gameDir->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    gameDir->setFont(small);
    files->setColumnStretch(1, 1);

    auto* area = new QWidget;
    area->setObjectName(QStringLiteral("pnlLower"));
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addLayout(checks);
    layout->addSpacing(12);
    layout->addLayout(files, 1);

    return area;
}

void TfrmTeskMain::BuildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = bar->addMenu(QStringLiteral("&file"));
    file->setObjectName(QStringLiteral("File1"));
    // Each caption carries its access key; the usual shortcuts where there are some.
    const auto item = [this, file](const char* name, const char* caption, std::function<void()> handler,
                                   QKeySequence shortcut = {}) {
        QAction* action = file->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, std::move(handler));
    };
    item("New1", "&New", Command(*config_, &ConfigCommands::New1Click), QKeySequence::New);
    file->addSeparator();
    item("OpenConfig1", "&Load Config", Command(*config_, &ConfigCommands::OpenConfig1Click), QKeySequence::Open);
    item("OpenBatch1", "Load &Batch", Command(*launch_, &LaunchCommands::OpenBatch1Click));
    file->addSeparator();
    item("SaveConfig1", "&Save Config", Command(*config_, &ConfigCommands::SaveConfig1Click), QKeySequence::Save);
    item("SaveConfigAs1", "Save Config &As..", Command(*config_, &ConfigCommands::SaveConfigAs1Click),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    item("SaveBatch1", "Save Ba&tch", Command(*launch_, &LaunchCommands::SaveBatch1Click));
    item("SaveBatchAs1", "Save Batc&h As..", Command(*launch_, &LaunchCommands::SaveBatchAs1Click));
    file->addSeparator();
    item("SaveAll1", "Sa&ve All", Command(*launch_, &LaunchCommands::SaveAll1Click));
    file->addSeparator();
    item("ShowCommandLine1", "Show &Command Line", Command(*launch_, &LaunchCommands::ShowCommandLine1Click));
    item("GameRunner1", "&Game Runner...", Command(*launch_, &LaunchCommands::GameRunner1Click));
    file->addSeparator();
    item("Exit1", "E&xit", Command(*this, &TfrmTeskMain::Exit1Click), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QAction* about = bar->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("About1"));
    connect(about, &QAction::triggered, this, Command(*this, &TfrmTeskMain::About1Click));
}

void TfrmTeskMain::BuildPendingPage(int index)
{
    const auto pending = pendingPages_.find(index);
    if (pending == pendingPages_.end())
        return;
    const PageBuilder build = pending->second;
    pendingPages_.erase(pending);
    QWidget* page = pages_->widget(index);
    build(page, *view_);
    ConnectCommands(*page);
    MarkKeysBoundTwice(*page, model_);
    if (qobject_cast<GamesPage*>(page))
        profiles_->PageBuilt();
    // The window was sized for the pages built at start-up; a later page
    // only needs room for its controls, not the room it would like.
    FitWindowTo(ClientNeeded(false));
}

void TfrmTeskMain::BuildPage(QWidget& page) { BuildPendingPage(pages_->indexOf(&page)); }

void TfrmTeskMain::FitWindowToPages() { FitWindowTo(ClientNeeded(true).expandedTo(kDesignClientSize)); }

// The client area the window needs with the pages at the room they would
// like (or, `wanted` false, the room they need), whatever the screen allows.
QSize TfrmTeskMain::ClientNeeded(bool wanted)
{
    if (wanted)
        return centralWidget()->sizeHint();
    // The page area may shrink below its pages; what they need is asked of them.
    pagesArea_->setMinimumSize(pages_->minimumSizeHint());
    const QSize client = centralWidget()->minimumSizeHint();
    pagesArea_->setMinimumSize(0, 0);
    return client;
}

// The largest size the window may take: the screen's available area less
// the frame the window manager puts around it (known once shown).
QSize TfrmTeskMain::AvailableWindowSize() const
{
    const QScreen* screen = this->screen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return screen->availableGeometry().size() - (frameGeometry().size() - geometry().size());
}

// Never smaller than before: a page built later that would not fit (with a
// large font) widens the window when it is first shown.
void TfrmTeskMain::FitWindowTo(QSize client)
{
    fittedClient_ = client.expandedTo(fittedClient_);
    const int top = menuBar()->sizeHint().height();
    QSize wanted(fittedClient_.width(), fittedClient_.height() + top + statusBar()->sizeHint().height());
    const QSize available = AvailableWindowSize();
    // A scroll bar in one direction takes room from the other.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (wanted.height() > available.height())
        wanted.rwidth() += scrollBar;
    if (wanted.width() > available.width())
        wanted.rheight() += scrollBar;
    setFixedSize(wanted.boundedTo(available));
    if (pnlSplash_)
        pnlSplash_->setGeometry(0, top, width(), height() - top);
}

void TfrmTeskMain::ConnectCommands(QWidget& scope)
{
    // Each command is connected to its control once, when the page holding
    // it is built.
    const auto button = [this, &scope](const char* name, std::function<void()> handler) {
        if (auto* widget = scope.findChild<QAbstractButton*>(QString::fromLatin1(name)))
            connect(widget, &QAbstractButton::clicked, this, std::move(handler));
    };
    button("btnU2Dir", Command(*this, &TfrmTeskMain::btnU2DirClick));
    button("SpeedButton1", Command(*config_, &ConfigCommands::SpeedButton1Click));
    button("SpeedButton3", Command(*launch_, &LaunchCommands::SpeedButton3Click));
    button("btnLoadConfigFile", Command(*config_, &ConfigCommands::OpenConfig1Click));
    button("btnLoadBatchFile", Command(*launch_, &LaunchCommands::OpenBatch1Click));
    button("btnEditConfig", Command(*aux_, &AuxCommands::btnEditConfigClick));
    button("btnEditBatch", Command(*aux_, &AuxCommands::btnEditBatchClick));
    button("btnRun", Command(*launch_, &LaunchCommands::btnRunClick));
    button("btnMapList", Command(*aux_, &AuxCommands::btnMapListClick));
    button("btnServerList", Command(*aux_, &AuxCommands::btnServerListClick));
    for (KeyEdit* field : scope.findChildren<KeyEdit*>()) {
        const SettingDef* def = FindSetting(FromQ(field->objectName()));
        if (!def || def->captureName.empty())
            continue;
        const std::string id(def->id);
        connect(field, &KeyEdit::doubleClicked, this,
                [this, id] { context_->RunCommand([this, id] { keys_->KeyFieldDblClick(id); }); });
    }
}

template <typename Commands>
std::function<void()> TfrmTeskMain::Command(Commands& commands, void (Commands::*handler)())
{
    return [this, &commands, handler] {
        view_->CommitFocusedEdit();
        context_->RunCommand([&commands, handler] { (commands.*handler)(); });
    };
}

void TfrmTeskMain::BuildSplash()
{
    auto* splash = new QWidget(this);
    splash->setObjectName(QStringLiteral("pnlSplash"));
    splash->setAutoFillBackground(true);
    QPalette palette = splash->palette();
    palette.setColor(QPalette::Window, Qt::black);
    splash->setPalette(palette);
    const int top = menuBar()->sizeHint().height();
    splash->setGeometry(0, top, width(), height() - top);

    auto* logo = new QLabel(splash);
    logo->setObjectName(QStringLiteral("splashLogo"));
    logo->setScaledContents(true);
    logo->setPixmap(LogoPicture());
    logo->setGeometry((splash->width() - 371) / 2, 17, 371, 428);
    splash->raise();
    pnlSplash_ = splash;
}

void TfrmTeskMain::FormCreate()
{
    // The window has its final size before the splash covers it.
    FitWindowToPages();
    BuildSplash();

    RunStartupStep([] { EnterDataDirectory(); });
    RunStartupStep([this] { settings_.WriteString("tesk", "path", CurrentDirectory()); });
    std::string gameDirectory;
    RunStartupStep([&] { gameDirectory = StartupReadProgramSettings(); });
    RunStartupStep([this] { FillModelList(); });
    RunStartupStep([this] { FillSkinList(model_.Text("cboModel")); });
    RunStartupStep([this] { config_->ReadStartupConfig(); });
    if (!model_.Text("txtBatchFile").empty())
        RunStartupStep([this] { launch_->ReadBatchInto(model_.Text("txtBatchFile")); });
    RunStartupStep([this] { settings_.WriteString("tesk", "configfile", model_.Text("txtConfigFile")); });
    pages_->setCurrentIndex(0);
    RunStartupStep([this] { profiles_->LoadGlobalProfile(); });
    StartupFillLists(gameDirectory);
    Refresh();
    config_->MarkSaved();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setSingleShot(true);
    timer1_->setInterval(kSplashMilliseconds);
    connect(timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });
    timer1_->start();
}

std::string TfrmTeskMain::StartupReadProgramSettings()
{
    std::string gameDirectory = settings_.ReadString("ulvex2", "path", "");
    if (!gameDirectory.empty()) {
        model_.SetText("txtU2Dir", gameDirectory);
    } else {
        // When tesk.ini cannot be written, the directory just picked is
        // still the one the rest of start-up works in.
        const std::string picked = ChooseGameDirectory();
        RunStartupStep([&] { settings_.WriteString("ulvex2", "path", picked); });
        gameDirectory = settings_.ReadString("ulvex2", "path", picked);
    }
    const std::string batchFile = settings_.ReadString("tesk", "batchfile", JoinPath(gameDirectory, "tesk.bat"));
    model_.SetText("txtBatchFile", batchFile);
    RunStartupStep([this] { settings_.WriteString("tesk", "batchfile", model_.Text("txtBatchFile")); });
    model_.SetText("txtConfigFile", settings_.ReadString("tesk", "configfile",
                                                         JoinPath(JoinPath(gameDirectory, "baseu2"), "config.cfg")));
    model_.SetChecked("cbxSaveFilesonRun", settings_.ReadBool("tesk", "saveAllOnRun", true));
    model_.SetChecked("cbxCloseOnRun", settings_.ReadBool("tesk", "CloseOnExit", true));
    model_.SetChecked("cbxMinimize", settings_.ReadBool("tesk", "minimize", false));
    model_.SetChecked("cbxStartServer", settings_.ReadBool("tesk", "RunServer", false));
    Refresh();
    return gameDirectory;
}

void TfrmTeskMain::StartupFillLists(const std::string& gameDirectory)
{
    // Start-up stored the working directory first; it is the same place when
    // that write failed.
    const std::string profileDirectory = settings_.ReadString("tesk", "path", CurrentDirectory());
    RunStartupStep([&] { profiles_->ShowGames(ListGames(profileDirectory)); });
    RunStartupStep([&] {
        std::vector<std::string> maps = ReadMapNames(JoinPath(profileDirectory, "maps.lst"));
        model_.SetItems("cboClientStartMap", maps);
        model_.SetItems("cboServerStartMap", std::move(maps));
    });
    RunStartupStep([&] { model_.SetItems("cboSaveGames", ListSavedGames(gameDirectory)); });
    RunStartupStep(
        [&] { model_.SetItems("cboServerList", ReadListEntries(JoinPath(CurrentDirectory(), "servers.txt"))); });
}

void TfrmTeskMain::Timer1Timer()
{
    timer1_->stop();
    if (pnlSplash_) {
        pnlSplash_->hide();
        pnlSplash_->deleteLater();
    }
}

void TfrmTeskMain::btnU2DirClick() { settings_.WriteString("ulvex2", "path", ChooseGameDirectory()); }

std::string TfrmTeskMain::ChooseGameDirectory()
{
    const std::string initial = settings_.ReadString("ulvex2", "path", DefaultGameDirectory());
    const auto chosen = desktop_.ChooseFileToOpen(
        this, {QStringLiteral("Ulvex2 Location"), PathToQ(initial), QStringLiteral("Ulvex2.exe|ulvex2.exe")});
    if (!chosen)
        return initial;
    model_.SetText("txtU2Dir", DriveAndDirectory(SplitPath(PathFromQ(*chosen))));
    Refresh();
    return model_.Text("txtU2Dir");
}

void TfrmTeskMain::cbxCloseOnRunClick() { Refresh(); }
void TfrmTeskMain::cbxUseMouseClick() { Refresh(); }

void TfrmTeskMain::Exit1Click() { close(); }

void TfrmTeskMain::About1Click()
{
    // Made on first use, once: decoding its picture need not slow start-up.
    if (!about_)
        about_ = new TfrmAbout(this);
    desktop_.ExecDialog(*about_);
}

void TfrmTeskMain::FillModelList()
{
    model_.SetItems("cboModel", ListPlayerModels(model_.Text("txtU2Dir")));
    Refresh();
}

void TfrmTeskMain::FillSkinList(const std::string& modelName)
{
    model_.SetItems("cboSkin", ListPlayerSkins(model_.Text("txtU2Dir"), modelName));
    Refresh();
}

void TfrmTeskMain::cboModelEnter() { FillModelList(); }

void TfrmTeskMain::cboModelChange()
{
    model_.SetText("cboSkin", "");
    FillSkinList(model_.Text("cboModel"));
}

void TfrmTeskMain::cboSkinEnter() { FillSkinList(model_.Text("cboModel")); }

// The hint line's note colour follows the palette, light or dark.
void TfrmTeskMain::ColourHintLine()
{
    QPalette palette = hintField_->parentWidget() ? hintField_->parentWidget()->palette() : this->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    palette.setColor(QPalette::Text, NoteTextColor(palette));
    hintField_->setPalette(palette);
}

void TfrmTeskMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && hintField_)
        ColourHintLine();
}

void TfrmTeskMain::Refresh()
{
    view_->Refresh();
    MarkKeysBoundTwice(*this, model_);
}

QString TfrmTeskMain::statusText() const { return status_->text(); }

void TfrmTeskMain::SetStatusText(const QString& text) { status_->setText(text); }

void TfrmTeskMain::RunStartupStep(const std::function<void()>& step)
{
    try {
        step();
    } catch (const std::exception& error) {
        const QString problem = MessageToQ(error.what());
        if (!startupProblems_.contains(problem))
            startupProblems_.append(problem);
    }
}

void TfrmTeskMain::ReportStartupProblems()
{
    if (startupProblemsReported_ || startupProblems_.isEmpty())
        return;
    startupProblemsReported_ = true;
    desktop_.ShowError(this, startupProblems_.join(QStringLiteral("\n\n")));
}

void TfrmTeskMain::FormClose()
{
    try {
        launch_->WriteLaunchKeys("Minimize");
    } catch (const std::exception& error) {
        // The window closes all the same; the player learns what was not kept.
        desktop_.ShowError(this, MessageToQ(error.what()));
    }
}

bool TfrmTeskMain::MayClose()
{
    view_->CommitFocusedEdit();
    if (!config_->HasUnsavedChanges())
        return true;
    switch (desktop_.AskToSave(
        this, QStringLiteral("The settings have changed. Save them to the config file before closing?"))) {
    case SaveChoice::Discard: return true;
    case SaveChoice::Stay: return false;
    case SaveChoice::Save: break;
    }
    // A save that failed or was cancelled leaves the changes unsaved.
    context_->RunCommand([this] { config_->SaveConfig1Click(); });
    return !config_->HasUnsavedChanges();
}

void TfrmTeskMain::closeEvent(QCloseEvent* event)
{
    if (!MayClose()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TfrmTeskMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        // The frame is known now; the window and its frame stay on the screen.
        FitWindowTo(fittedClient_);
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            const QSize frame = frameGeometry().size();
            move(QPoint(area.x() + std::max(0, (area.width() - frame.width()) / 2),
                        area.y() + std::max(0, (area.height() - frame.height()) / 2)));
        }
    }
    QTimer::singleShot(0, this, [this] { ReportStartupProblems(); });
}

bool TfrmTeskMain::eventFilter(QObject* watched, QEvent* event)
{
    // The Run button's tooltip is what Run would start at this moment.
    if (event->type() == QEvent::ToolTip && watched->objectName() == QLatin1String("btnRun")) {
        auto* button = static_cast<QWidget*>(watched);
        context_->RunCommand(
            [&] { button->setToolTip(PathToQ(launch_->RunCommandText()) + QStringLiteral("\nShortcut: F5")); });
    }
    if (event->type() == QEvent::FocusIn) {
        if (watched == view_->Widget("cboModel"))
            cboModelEnter();
        else if (watched == view_->Widget("cboSkin"))
            cboSkinEnter();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tesk
