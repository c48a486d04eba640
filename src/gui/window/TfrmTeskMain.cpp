#include "gui/window/TfrmTeskMain.h"

#include "gui/auxwin/AuxCommands.h"
#include "gui/base/CommandContext.h"
#include "gui/base/Desktop.h"
#include "gui/base/HintLine.h"
#include "gui/base/NoteColor.h"
#include "gui/base/Resources.h"
#include "gui/base/Text.h"
#include "gui/keys/KeyCommands.h"
#include "gui/keys/KeyConflictMarks.h"
#include "gui/launch/LaunchCommands.h"
#include "gui/profiles/GamesPage.h"
#include "gui/profiles/ProfileCommands.h"
#include "gui/settings/ConfigCommands.h"
#include "gui/settings/PlayerModelLists.h"
#include "gui/settings/SettingWidgets.h"
#include "gui/settings/SettingsPages.h"
#include "gui/settings/SettingsView.h"
#include "gui/window/LowerArea.h"
#include "gui/window/StartupSequence.h"
#include "gui/window/TfrmAbout.h"
#include "gui/window/WindowFitter.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <tuple>

namespace tesk {
namespace {

const QString kCaption = QStringLiteral("TESK  - Ulvex 2 Start Utility") + QString(24, QLatin1Char(' '))
                         + QStringLiteral("(Beta 5.08.24.98.1200)");

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
    config_->SetGameRunningCheck([this] { return launch_->GameRunning(); });
    keys_ = std::make_unique<KeyCommands>(*context_);
    aux_ = std::make_unique<AuxCommands>(*context_, *config_, *launch_);
    playerModels_ = std::make_unique<PlayerModelLists>(*context_);
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
    delete startup_;
    startup_ = nullptr;
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
    fitter_ = std::make_unique<WindowFitter>(*this, *pages_, [this] {
        if (startup_)
            startup_->PlaceSplash();
    });

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
    layout->addWidget(fitter_->pageArea(), 1);
    layout->addWidget(hintField_);
    layout->addWidget(BuildLowerArea(*view_, *this));
    setCentralWidget(central);
    hintLine_ = new HintLine(hintField_, this, this);

    statusBar()->setObjectName(QStringLiteral("sbrCommon"));
    statusBar()->setSizeGripEnabled(false);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("sbrCommonText"));
    statusBar()->addWidget(status_, 1);

    auto* gamesPage = findChild<GamesPage*>();
    profiles_ =
        new ProfileCommands(*context_, *gamesPage, [this, gamesPage] { BuildPendingPage(pages_->indexOf(gamesPage)); });
    startup_ = new StartupSequence(*context_, *this, {*config_, *launch_, *profiles_, *playerModels_});
    BuildMenu();
    ConnectCommands(*central);

    connect(view_, &SettingsView::userChanged, this, [this](const QString& id) {
        if (id == QLatin1String("cboModel"))
            playerModels_->cboModelChange();
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
    item("ShowCommandLine1", "Show &Command Line", Command(*launch_, &LaunchCommands::onShowCommandLineTriggered));
    item("GameRunner1", "&Game Runner...", Command(*launch_, &LaunchCommands::onGameRunnerTriggered));
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
    KeepLowerAreaLastInTabOrder(*page);
    ConnectCommands(*page);
    MarkKeysBoundTwice(*page, model_);
    if (qobject_cast<GamesPage*>(page))
        profiles_->PageBuilt();
    // The window was sized for the pages built at start-up; a later page
    // only needs room for its controls, not the room it would like.
    fitter_->FitToBuiltPage();
}

// Tab reads a page before the lower area under it. A page built late puts
// its controls at the end of the focus chain, after the lower area's, so
// those move behind the page's.
void TfrmTeskMain::KeepLowerAreaLastInTabOrder(QWidget& page)
{
    auto* lower = findChild<QWidget*>(QStringLiteral("pnlLower"));
    if (!lower)
        return;
    QList<QWidget*> chain;
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain())
        chain.append(widget);
    QWidget* last = nullptr;
    for (QWidget* widget : chain)
        if (page.isAncestorOf(widget) && widget->focusPolicy() != Qt::NoFocus)
            last = widget;
    if (!last)
        return;
    for (QWidget* widget : chain)
        if (lower->isAncestorOf(widget) && widget->focusPolicy() != Qt::NoFocus && !widget->focusProxy()) {
            setTabOrder(last, widget);
            last = widget;
        }
}

void TfrmTeskMain::ConnectCommands(QWidget& scope)
{
    // Each command is connected to its control once, when the page holding
    // it is built.
    const auto button = [this, &scope](const char* name, std::function<void()> handler) {
        if (auto* widget = scope.findChild<QAbstractButton*>(QString::fromLatin1(name)))
            connect(widget, &QAbstractButton::clicked, this, std::move(handler));
    };
    button("btnU2Dir", Command(*startup_, &StartupSequence::btnU2DirClick));
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
                [this, id] { context_->RunCommand([this, id] { keys_->onKeyFieldDoubleClicked(id); }); });
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

void TfrmTeskMain::FormCreate()
{
    // The window has its final size before the splash covers it.
    fitter_->FitToPages();
    startup_->Run();
    pages_->setCurrentIndex(0);
}

const QStringList& TfrmTeskMain::startupProblems() const { return startup_->problems(); }

void TfrmTeskMain::Timer1Timer() { startup_->Timer1Timer(); }

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
    // Back in the window: the game, or an editor, may have written the
    // config file meanwhile. Asked after the activation has settled.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && config_)
        QTimer::singleShot(0, this, [this] { config_->CheckFileOnDisk(); });
}

void TfrmTeskMain::Refresh()
{
    view_->Refresh();
    MarkKeysBoundTwice(*this, model_);
}

void TfrmTeskMain::SetStatusText(const QString& text) { status_->setText(text); }

void TfrmTeskMain::FormClose()
{
    try {
        launch_->WriteLaunchKeys(kMinimizeOnClosingKey);
    } catch (const std::exception& error) {
        // The window closes all the same; the player learns what was not kept.
        desktop_.ShowError(this, MessageToQ(error.what()));
    }
}

bool TfrmTeskMain::MayClose()
{
    view_->CommitFocusedEdit();
    return config_->MayDropUnsavedChanges(QStringLiteral("before closing"));
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
    // The frame is known now; the window and its frame stay on the screen.
    if (!event->spontaneous())
        fitter_->FitShownWindow();
    QTimer::singleShot(0, startup_, [this] { startup_->ReportProblems(); });
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
            playerModels_->cboModelEnter();
        else if (watched == view_->Widget("cboSkin"))
            playerModels_->cboSkinEnter();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tesk
