#include "support/MainWindow.h"
#include "core/app/ProgramSettings.h"
#include "core/text/IniFile.h"
#include "core/text/Paths.h"
#include "gui/base/ProjectInfo.h"
#include "gui/window/TfrmAbout.h"
#include "gui/window/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/TestWorld.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::FakeDesktop;
using testing::TestWorld;

template <typename T = QWidget>
T* Find(QWidget& window, const char* name)
{
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (!widget) {
        testing::ShowEveryPage(window);
        widget = window.findChild<T*>(QString::fromLatin1(name));
    }
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QString HintText(QWidget& window) { return Find<QLineEdit>(window, "txtHint")->text(); }

// Clicks a check box or radio button on its box, wherever the layout
// stretched the widget to.
void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2)); }

void Hover(QWidget* widget)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(widget, &enter);
}

TEST(StartupTest, FirstStartAsksForTheGameBeforeTheWindowShows)
{
    TestWorld world;
    FakeDesktop desktop;
    desktop.openAnswers.push_back(QString::fromStdString(world.inGame("ulvex2.exe")));
    TfrmTeskMain window(desktop, world.iniPath());

    ASSERT_EQ(desktop.openRequests.size(), 1u);
    EXPECT_EQ(desktop.openRequests[0].title, "Ulvex2 Location");
    EXPECT_EQ(desktop.openRequests[0].filter, "Ulvex2.exe|ulvex2.exe");
    EXPECT_EQ(desktop.openRequests[0].initialDirectory.toStdString(), DefaultGameDirectory());

    SettingsModel& model = window.model();
    EXPECT_EQ(model.Text("txtU2Dir"), world.gameDir());
    EXPECT_EQ(world.Stored(kGameDirectoryKey), world.gameDir());
    EXPECT_EQ(model.Text("txtBatchFile"), world.gameDir() + "/tesk.bat");
    EXPECT_EQ(model.Text("txtConfigFile"), world.gameDir() + "/baseu2/config.cfg");
    EXPECT_EQ(world.Stored(kBatchFileKey), world.gameDir() + "/tesk.bat");
    EXPECT_EQ(world.Stored(kConfigFileKey), world.gameDir() + "/baseu2/config.cfg");
    EXPECT_EQ(world.Stored(kStartupDirectoryKey), world.workDir());

    EXPECT_TRUE(Find<QCheckBox>(window, "cbxSaveFilesonRun")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(window, "cbxCloseOnRun")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(window, "cbxMinimize")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(window, "cbxMinimize")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>(window, "cbxStartServer")->isChecked());
    EXPECT_EQ(Find<QLineEdit>(window, "txtU2Dir")->text().toStdString(), world.gameDir());
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join("\n").toStdString();
}

// Installs found in the usual places are offered first: one click takes one;
// "Browse..." goes on to the file dialog, Cancel cancels as it does.
TEST(StartupTest, TheFirstStartOffersTheInstallsFoundAndTakesOneWithAClick)
{
    TestWorld world;
    const std::string wine = world.home() + "/.wine/drive_c/Program Files/Ulvex 2";
    world.Write(world.home() + "/ulvex2/ULVEX2.EXE", "");
    world.Write(wine + "/ulvex2.exe", "");
    FakeDesktop desktop;
    QStringList shown;
    const auto answer = [&](const std::function<void(QDialog&, QListWidget&)>& act) {
        desktop.onDialog = [&shown, act](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), "frmGameInstalls");
            EXPECT_EQ(dialog.windowTitle(), "Ulvex2 Location");
            auto* list = dialog.findChild<QListWidget*>("lstFoundGames");
            dialog.show();
            shown.clear();
            for (int row = 0; row < list->count(); ++row)
                shown.append(list->item(row)->text());
            act(dialog, *list);
            dialog.hide();
            return dialog.result();
        };
    };
    answer([](QDialog&, QListWidget& list) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
    });
    TfrmTeskMain window(desktop, world.iniPath());
    EXPECT_EQ(shown, (QStringList{QString::fromStdString(world.home() + "/ulvex2\n    ~/ulvex2"),
                                  QString::fromStdString(wine + "\n    Wine prefix ~/.wine")}));
    EXPECT_TRUE(desktop.openRequests.empty());
    EXPECT_EQ(window.model().Text("txtU2Dir"), wine);
    EXPECT_EQ(world.Stored(kGameDirectoryKey), wine);
    EXPECT_EQ(window.model().Text("txtConfigFile"), wine + "/baseu2/config.cfg");

    // The button beside the directory offers the same; Enter takes the current one.
    answer([](QDialog&, QListWidget& list) { QTest::keyClick(&list, Qt::Key_Return); });
    QTest::mouseClick(Find<QAbstractButton>(window, "btnU2Dir"), Qt::LeftButton);
    EXPECT_EQ(window.model().Text("txtU2Dir"), world.home() + "/ulvex2");
    // "Browse..." opens the file dialog; Cancel there, or here, changes nothing.
    answer([](QDialog& dialog, QListWidget&) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnBrowse"), Qt::LeftButton);
    });
    desktop.openAnswers.push_back(std::nullopt);
    QTest::mouseClick(Find<QAbstractButton>(window, "btnU2Dir"), Qt::LeftButton);
    EXPECT_EQ(desktop.openRequests.size(), 1u);
    answer([](QDialog& dialog, QListWidget&) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QTest::mouseClick(Find<QAbstractButton>(window, "btnU2Dir"), Qt::LeftButton);
    EXPECT_EQ(desktop.openRequests.size(), 1u);
    EXPECT_EQ(window.model().Text("txtU2Dir"), world.home() + "/ulvex2");
    EXPECT_EQ(world.Stored(kGameDirectoryKey), world.home() + "/ulvex2");
}

TEST(StartupTest, CancellingTheFirstBrowseStoresTheDefaultGameDirectory)
{
    TestWorld world;
    FakeDesktop desktop;
    desktop.openAnswers.push_back(std::nullopt);
    TfrmTeskMain window(desktop, world.iniPath());

    EXPECT_EQ(world.Stored(kGameDirectoryKey), DefaultGameDirectory());
    EXPECT_EQ(window.model().Text("txtU2Dir"), "");
    EXPECT_EQ(window.model().Text("txtBatchFile"), DefaultGameDirectory() + "/tesk.bat");
}

TEST(StartupTest, StoredProgramSettingsAreRestoredAndOnlyExactTrueCounts)
{
    TestWorld world;
    world.StoreGameDirectory(
        "[Tesk]\r\nCloseOnExit=false\r\nminimize=True\r\nRunServer=true\r\n"
        "saveAllOnRun=TRUE\r\nbatchfile=/somewhere/start.bat\r\n");
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());

    EXPECT_TRUE(desktop.openRequests.empty());
    EXPECT_FALSE(Find<QCheckBox>(window, "cbxCloseOnRun")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(window, "cbxMinimize")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>(window, "cbxMinimize")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(window, "cbxStartServer")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(window, "cbxSaveFilesonRun")->isChecked());
    EXPECT_EQ(window.model().Text("txtBatchFile"), "/somewhere/start.bat");
    EXPECT_EQ(window.model().Text("txtU2Dir"), world.gameDir());
}

TEST(StartupTest, ListsComeFromTheGameAndWorkingDirectories)
{
    TestWorld world;
    world.StoreGameDirectory();
    world.Write(world.inWork("maps.lst"), "exMap My Map\r\nbase1\r\n\r\n");
    world.Write(world.inWork("servers.txt"), "192.0.2.7:27910\r\nfrag.example:27910\r\n");
    world.Write(world.inWork("mymod.tesk"), "");
    world.Write(world.inWork("Global Aliases.tesk"), "");
    world.Write(world.inWork("global aliases.tesk"), "");
    world.MakeDirectory(world.inGame("baseu2/save/Save0"));
    world.MakeDirectory(world.inGame("baseu2/save/quick"));
    world.Write(world.inGame("baseu2/save/readme.txt"), "x");
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());
    SettingsModel& model = window.model();

    // An empty line is no entry: it would start the game with a bare "+map".
    const std::vector<std::string> maps{"exMap", "base1"};
    EXPECT_EQ(model.Items("cboClientStartMap"), maps);
    EXPECT_EQ(model.Items("cboServerStartMap"), maps);
    EXPECT_EQ(model.SelectedIndex("cboClientStartMap"), -1);
    const std::vector<std::string> servers{"192.0.2.7:27910", "frag.example:27910"};
    EXPECT_EQ(model.Items("cboServerList"), servers);

    const auto saved = model.Items("cboSaveGames");
    EXPECT_EQ(std::set<std::string>(saved.begin(), saved.end()), (std::set<std::string>{"save0", "quick"}));

    auto* games = Find<QListWidget>(window, "lbxGames");
    std::set<QString> listed;
    for (int i = 0; i < games->count(); ++i)
        listed.insert(games->item(i)->text());
    EXPECT_EQ(listed, (std::set<QString>{"mymod", "global aliases"}));
    EXPECT_TRUE(desktop.errors.isEmpty());
}

// Started from a terminal elsewhere, Tesk still finds the player's profiles
// and lists: they live in its own data directory, which it works in for the
// whole run (its creation is the core's test).
TEST(StartupTest, ProfilesAndListsLiveInTheDataDirectoryWhereverTeskStarts)
{
    TestWorld world;
    world.StoreGameDirectory();
    world.Write(world.inWork("Global Aliases.tesk"),
                "[NumberOfSections]\r\nSettings=1\r\n[Setting1]\r\nSetting=fov\r\n"
                "SettingValue=90\r\n");
    world.Write(world.inWork("maps.lst"), "base1\r\n");
    world.Write(world.inWork("servers.txt"), "192.0.2.7:27910\r\n");
    std::filesystem::current_path(world.gameDir());
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());
    EXPECT_EQ(CurrentDirectory(), world.workDir());
    EXPECT_EQ(world.Stored(kStartupDirectoryKey), world.workDir());
    EXPECT_EQ(window.model().Items("cboClientStartMap"), std::vector<std::string>{"base1"});
    EXPECT_EQ(window.model().Items("cboServerList"), std::vector<std::string>{"192.0.2.7:27910"});
    const QAbstractItemModel* settings = Find<QAbstractItemView>(window, "clsSettings")->model();
    ASSERT_EQ(settings->rowCount(), 1);
    EXPECT_EQ(settings->index(0, 0).data().toString(), "fov = 90");
}

TEST(StartupTest, BrokenFilesNeverStopStartUpAndAreReportedOnce)
{
    TestWorld world;
    world.StoreGameDirectory();
    // A map list that cannot be read, and a program settings file that
    // cannot be written (every write of start-up fails the same way).
    world.MakeDirectory(world.inWork("maps.lst"));
    chmod(world.iniPath().c_str(), 0444);
    std::filesystem::remove(world.inGame("baseu2"));
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());

    // A game directory without baseu2 is the third problem.
    const QStringList problems = window.startupProblems();
    ASSERT_EQ(problems.size(), 3) << problems.join("\n").toStdString();
    EXPECT_TRUE(problems.join("\n").contains(QString::fromStdString(
        world.gameDir() + " does not look like the game's directory: it has no baseu2 folder.")));
    EXPECT_TRUE(problems.join("\n").contains(QString::fromStdString(world.inWork("maps.lst"))));
    EXPECT_TRUE(problems.join("\n").contains(QString::fromStdString("Unable to write to " + world.iniPath())));

    // The splash still goes and the window still works.
    window.Timer1Timer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.findChild<QWidget*>("pnlSplash"), nullptr);
    window.show();
    QTest::qWait(10);
    EXPECT_EQ(desktop.errors.size(), 1);
    window.hide();
}

TEST(StartupTest, SplashCoversTheWindowUntilTheTimerFires)
{
    TestWorld world;
    world.StoreGameDirectory();
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());

    auto* splash = Find(window, "pnlSplash");
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_NE(splash->findChild<QLabel*>("splashLogo"), nullptr);
    auto* timer = window.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 2750);

    window.Timer1Timer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.findChild<QWidget*>("pnlSplash"), nullptr);
    EXPECT_FALSE(timer->isActive());
}

TEST(ClosingTest, WritesAllSixClosingKeysEvenWhenNothingChanged)
{
    TestWorld world;
    world.StoreGameDirectory();
    FakeDesktop desktop;
    {
        TfrmTeskMain window(desktop, world.iniPath());
        std::filesystem::remove(world.iniPath());
        window.close();
    }
    EXPECT_EQ(world.Stored(kConfigFileKey), world.gameDir() + "/baseu2/config.cfg");
    EXPECT_EQ(world.Stored(kBatchFileKey), world.gameDir() + "/tesk.bat");
    EXPECT_EQ(world.Stored(kSaveAllOnRunKey), "true");
    EXPECT_EQ(world.Stored(kCloseOnExitKey), "true");
    EXPECT_EQ(world.Stored(kMinimizeOnClosingKey), "false");
    EXPECT_EQ(world.Stored(kRunServerKey), "false");
}

TEST(ClosingTest, ExitClosesTheWindowAndAnUnwritableFileIsSaid)
{
    TestWorld world;
    world.StoreGameDirectory();
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());
    window.show();
    chmod(world.iniPath().c_str(), 0444);
    const std::string before = testing::ReadFileBytes(world.iniPath());
    window.Exit1Click();
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_EQ(desktop.errors[0].toStdString(), "Unable to write to " + world.iniPath());
    EXPECT_EQ(testing::ReadFileBytes(world.iniPath()), before);
}

TEST(MainWindowTest, FrameMenuAndPagesAsThePlayerSeesThem)
{
    TestWorld world;
    world.StoreGameDirectory();
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());

    EXPECT_EQ(window.windowTitle(), "TESK  - Ulvex 2 Start Utility                        (Beta 5.08.24.98.1200)");
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_GE(window.centralWidget()->width(), 511);

    auto* pages = Find<QTabWidget>(window, "PageControl1");
    const char* names[] = {"tabGeneral", "tabVidSound", "TabSheet1", "TabSheet2",
                           "TabSheet3",  "TabSheet5",   "TabSheet6", "tabAlias"};
    const char* captions[] = {"General",       "Video & Sound", "Menu & Comm", "Movement",
                              "Weapons & Inv", "Client",        "Server",      "Games & Aliases"};
    ASSERT_EQ(pages->count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), names[i]);
        EXPECT_EQ(pages->tabText(i).replace("&&", "&"), captions[i]);
    }
    EXPECT_EQ(pages->currentIndex(), 0);

    QMenu* file = window.menuBar()->findChild<QMenu*>("File1");
    ASSERT_NE(file, nullptr);
    // The captions as given, each with its access key marked.
    EXPECT_EQ(file->title(), "&file");
    QStringList items;
    for (QAction* action : file->actions())
        items.append(action->isSeparator() ? QStringLiteral("-") : action->text().remove('&'));
    EXPECT_EQ(items.join('|'),
              "New|-|Load Config|Load Batch|-|Save Config|Save Config As..|-|Save Batch|"
              "Save Batch As..|-|Save All|-|Show Command Line|Game Runner...|-|Exit");
    EXPECT_EQ(Find<QLineEdit>(window, "txtHint")->text(), "Default : ");
    EXPECT_EQ(Find<QStatusBar>(window, "sbrCommon")->isVisible(), window.isVisible());

    // Every setting of the table has its control, named after it.
    testing::ShowEveryPage(window);
    for (const SettingDef& def : SettingTable()) {
        EXPECT_NE(window.findChild<QWidget*>(QString::fromLatin1(def.id.data(), def.id.size())), nullptr) << def.id;
    }
}

TEST(MainWindowTest, PagesShownLaterShowTheModelAndFitTheWindow)
{
    TestWorld world;
    world.StoreGameDirectory();
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());
    window.show();
    window.Timer1Timer();
    const QSize size = window.size();

    // Values set before a page is first shown are on it when it is.
    window.model().SetText("edtServerName", "Ann's server");
    window.model().SetChecked("cbxAllowCheats", true);
    window.model().SetText("txtBlaster", "F1");
    window.Refresh();
    auto* pages = Find<QTabWidget>(window, "PageControl1");
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        QWidget* page = pages->currentWidget();
        EXPECT_TRUE(page->minimumSizeHint().width() <= page->width()
                    && page->minimumSizeHint().height() <= page->height())
            << page->objectName().toStdString() << " is cut off";
    }
    EXPECT_EQ(window.size(), size) << "the window changed size when a page was first shown";
    EXPECT_EQ(Find<QLineEdit>(window, "edtServerName")->text(), "Ann's server");
    EXPECT_TRUE(Find<QCheckBox>(window, "cbxAllowCheats")->isChecked());
    EXPECT_EQ(Find<QLineEdit>(window, "txtBlaster")->text(), "F1");

    // A page shown again is the same page, not a second copy of its controls.
    pages->setCurrentIndex(1);
    pages->setCurrentIndex(0);
    pages->setCurrentIndex(1);
    EXPECT_EQ(window.findChildren<QWidget*>("edtServerName").size(), 1);
    window.hide();
}

TEST(MainWindowTest, ControlsStartAtTheirInitialValues)
{
    // Nothing read: a game directory without baseu2.
    TestWorld world;
    world.StoreGameDirectory();
    std::filesystem::remove(world.inGame("baseu2"));
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());

    EXPECT_EQ(Find<QLineEdit>(window, "txtPlayer")->text(), "Player");
    EXPECT_TRUE(Find<QRadioButton>(window, "rbRight")->isChecked());
    EXPECT_EQ(Find<QLineEdit>(window, "txtWalkPitch")->displayText(), "_.__5");
    EXPECT_EQ(Find<QLineEdit>(window, "txtSndDelay")->displayText(), "_.2");
    EXPECT_EQ(Find<QComboBox>(window, "cboSndQuality")->currentText(), "Low");
    EXPECT_EQ(Find<QComboBox>(window, "cboSndQuality")->currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>(window, "cboVidMode")->count(), 10);
    EXPECT_EQ(Find<QSlider>(window, "barVolume")->value(), 20);
    EXPECT_EQ(Find<QSlider>(window, "barGamma")->minimum(), 1);
    EXPECT_EQ(Find<QLineEdit>(window, "txtToggleMenu")->text(), "ESCAPE");
    EXPECT_EQ(Find<QLineEdit>(window, "edtMasterServer")->text(), "192.0.2.1:27900");
    EXPECT_TRUE(Find<QCheckBox>(window, "cbxCtfTechPowerups")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(window, "cbxInstantPowerups")->isChecked());

    // Programmatic changes of the model show in the widgets.
    window.model().SetText("txtWalkPitch", "0.02");
    window.model().SelectItem("cboVidMode", 4);
    window.Refresh();
    EXPECT_EQ(Find<QLineEdit>(window, "txtWalkPitch")->displayText(), "0.02_");
    EXPECT_EQ(Find<QComboBox>(window, "cboVidMode")->currentText(), "4 - 800 x 600");
}

TEST(MainWindowTest, UserEditsReachTheModel)
{
    TestWorld world;
    world.StoreGameDirectory();
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());
    window.show();
    window.Timer1Timer();
    SettingsModel& model = window.model();

    auto* player = Find<QLineEdit>(window, "txtPlayer");
    player->selectAll();
    QTest::keyClicks(player, "Ann");
    EXPECT_EQ(model.Text("txtPlayer"), "Ann");

    // A masked decimal keeps its empty places as blanks.
    auto* walkPitch = Find<QLineEdit>(window, "txtWalkPitch");
    walkPitch->setFocus();
    walkPitch->selectAll();
    QTest::keyClick(walkPitch, Qt::Key_Delete);
    QTest::keyClicks(walkPitch, "12");
    EXPECT_EQ(model.Text("txtWalkPitch"), "1.2  ");

    // A spin keeps what is typed until the focus leaves, then clamps it.
    auto* fov = Find<QAbstractSpinBox>(window, "txtfov");
    fov->setFocus();
    fov->selectAll();
    QTest::keyClicks(fov, "500");
    EXPECT_EQ(model.Text("txtfov"), "500");
    QTest::keyClick(fov, Qt::Key_Return);
    EXPECT_EQ(model.Text("txtfov"), "180");
    QTest::keyClick(fov, Qt::Key_Down);
    EXPECT_EQ(model.Text("txtfov"), "179");
    // Only a sign and digits can be typed into a spin.
    fov->selectAll();
    QTest::keyClicks(fov, "-1x+-2");
    EXPECT_EQ(model.Text("txtfov"), "-12");

    Click(Find<QRadioButton>(window, "rbCrossDot"));
    EXPECT_TRUE(model.Checked("rbCrossDot"));
    EXPECT_FALSE(model.Checked("rbCrossNone"));

    auto* quality = Find<QComboBox>(window, "cboSndQuality");
    quality->activated(0);
    EXPECT_EQ(model.SelectedText("cboSndQuality"), "High");
    window.hide();
}

TEST(MainWindowTest, UseMouseEnablesMouseOptionsAndCloseOnExitDisablesMinimize)
{
    TestWorld world;
    world.StoreGameDirectory();
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());
    window.show();
    window.Timer1Timer();

    auto* useMouse = Find<QCheckBox>(window, "cbxUseMouse");
    auto* options = Find<QGroupBox>(window, "gbxMouseOptions");
    EXPECT_TRUE(options->isEnabled());
    Click(useMouse);
    EXPECT_FALSE(window.model().Checked("cbxUseMouse"));
    EXPECT_FALSE(options->isEnabled());
    EXPECT_FALSE(Find(window, "barSensitivity")->isEnabled());
    EXPECT_FALSE(Find(window, "txtMouseForward")->isEnabled());
    Click(useMouse);
    EXPECT_TRUE(Find(window, "cbxMouseLook")->isEnabled());

    // The same rule holds when a reader changes the box.
    window.model().SetChecked("cbxUseMouse", false);
    window.Refresh();
    EXPECT_FALSE(options->isEnabled());

    auto* closeOnRun = Find<QCheckBox>(window, "cbxCloseOnRun");
    Click(closeOnRun);
    EXPECT_TRUE(Find(window, "cbxMinimize")->isEnabled());
    Click(closeOnRun);
    EXPECT_FALSE(Find(window, "cbxMinimize")->isEnabled());
    window.hide();
}

TEST(HintLineTest, ShowsTheHintOfTheControlOrOfItsFrame)
{
    TestWorld world;
    world.StoreGameDirectory();
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());

    Hover(Find(window, "cboModel"));
    EXPECT_EQ(HintText(window), "Default : Male    (The type of model to use for the character)");
    Hover(Find(window, "rbLeft"));
    EXPECT_EQ(HintText(window), "Default : Right   (Where the weapon will appear on the screen)");
    Hover(Find(window, "cbxTimeLimit"));
    EXPECT_EQ(HintText(window), "Default : ");
    Hover(Find(window, "lbltxtSndDelay"));
    EXPECT_EQ(HintText(window), "Default : 0.0");
    Hover(Find(window, "txtUse"));
    EXPECT_EQ(HintText(window), "Default : Enter");

    // Disabled controls show their hints too.
    window.model().SetChecked("cbxUseMouse", false);
    window.Refresh();
    Hover(Find(window, "barSensitivity"));
    EXPECT_EQ(HintText(window), "Default : 3   (The mouse sensitivity)");
}

// The hint line follows the keyboard focus and is never tabbed to; the
// usual shortcuts run their commands.
TEST(MainWindowTest, TheKeyboardReachesEveryCommandButNeverTheHintLine)
{
    TestWorld world;
    world.StoreGameDirectory("[tesk]\r\nCloseOnExit=false\r\nsaveAllOnRun=false\r\n");
    world.Write(world.inGame("baseu2/config.cfg"), "");
    world.Write(world.inGame("ulvex2.exe"), "#!/bin/sh\n");
    chmod(world.inGame("ulvex2.exe").c_str(), 0755);
    FakeDesktop desktop;
    auto window = testing::OpenMainWindow(desktop, world);
    testing::DropStartupReport(desktop);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* hint = Find<QLineEdit>(*window, "txtHint");
    EXPECT_TRUE(hint->isReadOnly());
    Find(*window, "cbxSaveFilesonRun")->setFocus();
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), hint);
    }
    QWidget* focus = Find(*window, "txtPlayer");
    focus->setFocus();
    EXPECT_EQ(HintText(*window), "Default : Player  (The Players Name)");

    desktop.confirmAnswers.push_back(true);
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(desktop.confirmations.size(), 1) << "Ctrl+S saves the config file, asking first";
    desktop.saveAnswers.push_back(std::nullopt);
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(desktop.saveRequests.size(), 1u);
    // The button shows itself pressed for a moment before it runs.
    QTest::keyClick(focus, Qt::Key_F5);
    for (int i = 0; i < 100 && desktop.starts.empty(); ++i)
        QTest::qWait(10);
    EXPECT_EQ(desktop.starts.size(), 1u) << "F5 runs the game";
    QTest::keyClick(focus, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible()) << "Ctrl+Q exits";
}

TEST(MainWindowTest, PlayerModelsAndSkinsFollowTheGameDirectory)
{
    TestWorld world;
    world.StoreGameDirectory();
    world.MakeDirectory(world.inGame("baseu2/players/Male"));
    world.MakeDirectory(world.inGame("baseu2/players/female"));
    world.Write(world.inGame("baseu2/players/Male/grunt.pcx"), "");
    world.Write(world.inGame("baseu2/players/Male/grunt_i.pcx"), "");
    world.Write(world.inGame("baseu2/players/Male/Weapon.PCX"), "");
    world.Write(world.inGame("baseu2/players/female/athena.pcx"), "");
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());
    SettingsModel& model = window.model();

    const auto models = model.Items("cboModel");
    EXPECT_EQ(std::set<std::string>(models.begin(), models.end()), (std::set<std::string>{"male", "female"}));

    // The user chooses a model: the skin text empties and the model's skins are listed.
    model.SetText("cboSkin", "old");
    auto* combo = Find<QComboBox>(window, "cboModel");
    window.Refresh();
    const int male = combo->findText("male");
    ASSERT_GE(male, 0);
    combo->activated(male);
    EXPECT_EQ(model.Text("cboSkin"), "");
    EXPECT_EQ(model.Items("cboSkin"), std::vector<std::string>{"grunt"});

    // A typed model without a directory gives no skins when the skin combo is entered.
    model.SetText("cboModel", "nobody");
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(Find<QComboBox>(window, "cboSkin"), &focusIn);
    EXPECT_TRUE(model.Items("cboSkin").empty());
}

TEST(AboutTest, ShowsThePictureTheFourLinesTheVersionAndTheLicence)
{
    TestWorld world;
    world.StoreGameDirectory();
    FakeDesktop desktop;
    TfrmTeskMain window(desktop, world.iniPath());
    bool shown = false;
    desktop.onDialog = [&](QDialog& dialog) {
        shown = true;
        EXPECT_EQ(dialog.windowTitle(), "About");
        EXPECT_NE(qobject_cast<TfrmAbout*>(&dialog), nullptr);
        auto* picture = dialog.findChild<QLabel*>("imgAbout");
        EXPECT_TRUE(picture && !picture->pixmap().isNull());
        EXPECT_GE(dialog.width(), 275);
        EXPECT_GE(dialog.height(), 215);
        const QStringList versionAndLicence{"lblVersion", "lblLicence"};
        QStringList texts;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->text().isEmpty() && !versionAndLicence.contains(label->objectName()))
                texts.append(label->text());
        }
        EXPECT_EQ(texts.size(), 4);
        EXPECT_TRUE(texts.contains("Created & Developed by Veyrand"));
        // The version is the project's, the one its package carries.
        EXPECT_TRUE(QRegularExpression("^[0-9]+\\.[0-9]+\\.[0-9]+$").match(kTeskVersion).hasMatch()) << kTeskVersion;
        auto* version = dialog.findChild<QLabel*>("lblVersion");
        auto* licence = dialog.findChild<QLabel*>("lblLicence");
        EXPECT_TRUE(version && version->text() == QStringLiteral("Tesk %1").arg(kTeskVersion));
        EXPECT_TRUE(licence && licence->text().contains("GNU GPL, version 3 or later"));
        return QDialog::Accepted;
    };
    window.About1Click();
    EXPECT_TRUE(shown);
}

} // namespace
} // namespace tesk
