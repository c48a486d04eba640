#include "gui/settings/SettingsPages.h"

#include "gui/base/Resources.h"
#include "gui/base/Text.h"
#include "gui/settings/SettingsView.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace tesk {
namespace {

using Ids = std::initializer_list<const char*>;

constexpr int kSpacing = 4;

void Tighten(QLayout* layout, int margin = 6)
{
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(kSpacing);
}

int TextWidth(const QWidget* widget, const char* sample)
{
    return widget->fontMetrics().horizontalAdvance(QString::fromLatin1(sample));
}

// Key fields are as wide as the longest key name; numbers as their digits.
QWidget* Sized(QWidget* widget, const SettingDef& def)
{
    switch (def.kind) {
    case SettingKind::Key: widget->setFixedWidth(TextWidth(widget, "RIGHTARROW") + 14); break;
    case SettingKind::MaskedDecimal: widget->setFixedWidth(TextWidth(widget, "0.0000") + 14); break;
    case SettingKind::Spin:
        widget->setFixedWidth(TextWidth(widget, def.maxLength > 0 && def.maxLength <= 3 ? "-000" : "-000000") + 34);
        break;
    default: break;
    }
    return widget;
}

QWidget* W(SettingsView& view, const char* id)
{
    QWidget* widget = view.Widget(id);
    return Sized(widget, *FindSetting(id));
}

QLabel* LabelFor(SettingsView& view, const char* id)
{
    const SettingDef& def = *FindSetting(id);
    auto* label = new QLabel(Caption(def.caption));
    label->setObjectName(QStringLiteral("lbl") + ToQ(def.id));
    label->setBuddy(view.Widget(id));
    SetHint(label, def.labelHint);
    return label;
}

QLabel* Text(const char* text) { return new QLabel(QString::fromUtf8(text)); }

QGroupBox* Group(SettingsView& view, const char* frameId, QLayout* layout)
{
    QGroupBox* box = view.Frame(frameId);
    Tighten(layout);
    box->setLayout(layout);
    return box;
}

// Key fields in a column, each followed by its label.
QGridLayout* KeyRows(SettingsView& view, Ids ids, QGridLayout* grid = new QGridLayout, int column = 0)
{
    int row = grid->rowCount();
    if (row == 1 && !grid->itemAtPosition(0, column))
        row = 0;
    for (const char* id : ids) {
        grid->addWidget(W(view, id), row, column);
        grid->addWidget(LabelFor(view, id), row, column + 1);
        ++row;
    }
    grid->setColumnStretch(column + 1, 1);
    return grid;
}

// Labels in front of their fields.
QGridLayout* FormRows(SettingsView& view, Ids ids, QGridLayout* grid = new QGridLayout)
{
    int row = grid->rowCount();
    if (row == 1 && !grid->itemAtPosition(0, 0))
        row = 0;
    for (const char* id : ids) {
        grid->addWidget(LabelFor(view, id), row, 0);
        grid->addWidget(W(view, id), row, 1);
        ++row;
    }
    return grid;
}

QVBoxLayout* Stack(SettingsView& view, Ids ids, QVBoxLayout* box = new QVBoxLayout)
{
    for (const char* id : ids)
        box->addWidget(W(view, id));
    return box;
}

// A track bar with its caption above and the texts under its two ends.
QWidget* TrackBar(SettingsView& view, const char* id, const char* left, const char* right)
{
    auto* holder = new QWidget;
    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    grid->addWidget(LabelFor(view, id), 0, 0, 1, 2);
    grid->addWidget(W(view, id), 1, 0, 1, 2);
    grid->addWidget(Text(left), 2, 0, Qt::AlignLeft);
    grid->addWidget(Text(right), 2, 1, Qt::AlignRight);
    return holder;
}

QLabel* Picture(const char* name, int width, int height)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(LogoPicture(width, height));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

enum class Crosshair { Cross, Dot, Angle };

QLabel* CrosshairPicture(Crosshair shape)
{
    QPixmap pixmap(15, 15);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 2));
    switch (shape) {
    case Crosshair::Cross:
        painter.drawLine(7, 1, 7, 13);
        painter.drawLine(1, 7, 13, 7);
        break;
    case Crosshair::Dot:
        painter.setBrush(Qt::black);
        painter.drawEllipse(QPoint(7, 7), 2, 2);
        break;
    case Crosshair::Angle:
        painter.drawLine(1, 12, 7, 3);
        painter.drawLine(7, 3, 13, 12);
        break;
    }
    painter.end();
    auto* label = new QLabel;
    label->setPixmap(pixmap);
    return label;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(kSpacing);
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch(1);
    return row;
}

QWidget* PlayerInfo(SettingsView& view)
{
    auto* weapon = new QHBoxLayout;
    for (const char* id : {"rbLeft", "rbCenter", "rbRight"})
        weapon->addWidget(W(view, id));
    auto* grid = new QGridLayout;
    grid->addWidget(W(view, "txtPlayer"), 0, 0, 1, 2);
    grid->addWidget(Group(view, "gbWeapon", weapon), 1, 0, 1, 2);
    FormRows(view, {"cboModel", "cboSkin"}, grid);
    grid->setColumnStretch(1, 1);
    return Group(view, "gbxPlayerInfo", grid);
}

QWidget* PlayerDisplay(SettingsView& view)
{
    auto* crosshair = new QHBoxLayout;
    crosshair->addWidget(W(view, "rbCrossNone"));
    crosshair->addWidget(W(view, "rbCrossX"));
    crosshair->addWidget(CrosshairPicture(Crosshair::Cross));
    crosshair->addWidget(W(view, "rbCrossDot"));
    crosshair->addWidget(CrosshairPicture(Crosshair::Dot));
    crosshair->addWidget(W(view, "rbCrossAngle"));
    crosshair->addWidget(CrosshairPicture(Crosshair::Angle));
    crosshair->addStretch(1);

    auto* motion = new QGridLayout;
    motion->setSpacing(kSpacing);
    motion->addWidget(LabelFor(view, "txtWalkPitch"), 0, 1);
    motion->addWidget(LabelFor(view, "txtWalkRoll"), 0, 2);
    motion->addWidget(LabelFor(view, "txtBobStart"), 0, 3);
    motion->addWidget(Text("Walking Motion"), 1, 0);
    motion->addWidget(W(view, "txtWalkPitch"), 1, 1);
    motion->addWidget(W(view, "txtWalkRoll"), 1, 2);
    motion->addWidget(W(view, "txtBobStart"), 1, 3);
    motion->addWidget(Text("Running Motion"), 2, 0);
    motion->addWidget(W(view, "txtRunPitch"), 2, 1);
    motion->addWidget(W(view, "txtRunRoll"), 2, 2);
    motion->setColumnStretch(4, 1);

    auto* gun = Row({Text("Gun Position "), LabelFor(view, "txtGunX"), W(view, "txtGunX"), LabelFor(view, "txtGunY"),
                     W(view, "txtGunY"), LabelFor(view, "txtGunZ"), W(view, "txtGunZ")});
    auto* view2 =
        Row({LabelFor(view, "txtfov"), W(view, "txtfov"), W(view, "txtViewSize"), LabelFor(view, "txtViewSize")});

    auto* box = new QVBoxLayout;
    box->addWidget(Group(view, "gbxCrosshair", crosshair));
    box->addLayout(motion);
    box->addLayout(gun);
    box->addLayout(view2);
    return Group(view, "gbxPlayerDisplay", box);
}

} // namespace

QWidget* NewPage(Page page)
{
    const PageDef& def = PageInfo(page);
    auto* widget = new QWidget;
    widget->setObjectName(ToQ(def.id));
    return widget;
}

void BuildGeneralPage(QWidget* page, SettingsView& view)
{
    auto* left = new QVBoxLayout;
    left->setSpacing(kSpacing);
    left->addWidget(PlayerInfo(view));
    left->addWidget(PlayerDisplay(view));
    left->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    Tighten(layout);
    layout->addLayout(left, 3);
    layout->addWidget(Picture("imgLogo", 230, 265), 2);
}

void BuildVideoSoundPage(QWidget* page, SettingsView& view)
{

    auto* sampling = new QGridLayout;
    FormRows(view, {"cboSndQuality", "txtSndDelay"}, sampling);
    sampling->addWidget(W(view, "cbxFootSteps"), 0, 2);
    sampling->addWidget(W(view, "cbx8Bit"), 1, 2);
    sampling->addWidget(W(view, "cbxWaveOnly"), 2, 2);
    sampling->addWidget(TrackBar(view, "barVolume", "0", "10"), 3, 0, 1, 3);
    sampling->setColumnStretch(2, 1);

    auto* debugging = new QHBoxLayout;
    debugging->addWidget(W(view, "cbxShowSnd"));
    debugging->addWidget(W(view, "cbxTestSnd"));

    auto* sound = Stack(view, {"cbxCdAudio", "cbxSound", "cbxDPrimary"});
    sound->addWidget(Group(view, "gbxSoundSampling", sampling));
    sound->addWidget(Group(view, "gbxDebuging", debugging));
    sound->addStretch(1);

    auto* vidType = Stack(view, {"rbSoftware", "rbGL"});
    auto* video = new QGridLayout;
    video->addWidget(W(view, "cbxFullScreen"), 0, 0, 1, 2);
    FormRows(view, {"cboVidMode"}, video);
    video->addWidget(TrackBar(view, "barGamma", "Lighter", "Darker"), 2, 0, 1, 2);
    video->addWidget(Group(view, "gbVidType", vidType), 3, 0);
    video->addWidget(W(view, "cbxStippleAlpha"), 3, 1, Qt::AlignTop);
    video->setColumnStretch(1, 1);
    video->setRowStretch(4, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(Group(view, "gbxVideo", video));
    right->addWidget(Group(view, "gbxBindings", FormRows(view, {"txtSizeUp", "txtSizeDown"})));
    right->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    Tighten(layout);
    layout->addWidget(Group(view, "gbxSound", sound), 1);
    layout->addLayout(right, 1);
}

void BuildMenuCommPage(QWidget* page, SettingsView& view)
{
    auto* menu = KeyRows(view, {"txtToggleMenu", "txtHelp", "txtSaveGame", "txtLoadGame", "txtKeys", "txtStartServer",
                                "txtQuickSave", "txtQuickLoad", "txtQuit", "txtScreenShot", "txtPause"});
    menu->setRowStretch(menu->rowCount(), 1);

    auto* console = KeyRows(view, {"txtToggleConsole"});
    for (const char* id : {"txtConsoleSpeed", "txtConNotifyTime"}) {
        const int row = console->rowCount();
        console->addWidget(W(view, id), row, 0);
        console->addWidget(LabelFor(view, id), row, 1);
    }
    QGroupBox* consolePanel = Group(view, "pnlConsole", console);

    auto* gestures =
        KeyRows(view, {"txtSalute", "txtTaunt", "txtFlipOff", "txtWave", "txtPoint", "txtTalk", "txtScore"});
    auto* middle = new QVBoxLayout;
    middle->addWidget(consolePanel);
    middle->addWidget(Group(view, "pnlGestures", gestures));
    middle->addStretch(1);

    auto* messages = new QGridLayout;
    messages->addWidget(Text("Key"), 0, 1);
    messages->addWidget(Text("Message"), 0, 2);
    const char* pairs[][2] = {{"txtMsg1Key", "txtMsg1Msg"},
                              {"txtMsg2Key", "txtMsg2Msg"},
                              {"txtMsg3Key", "txtMsg3Msg"},
                              {"txtMsg4Key", "txtMsg4Msg"},
                              {"txtMsg5Key", "txtMsg5Msg"}};
    int row = 1;
    for (const auto& pair : pairs) {
        messages->addWidget(LabelFor(view, pair[0]), row, 0);
        QWidget* key = W(view, pair[0]);
        key->setFixedWidth(TextWidth(key, "SHIFTW") + 14);
        messages->addWidget(key, row, 1);
        QWidget* text = W(view, pair[1]);
        text->setMinimumWidth(TextWidth(text, "Good game, all"));
        messages->addWidget(text, row, 2);
        ++row;
    }
    messages->setRowStretch(row, 1);
    messages->setColumnStretch(2, 1);

    auto* layout = new QHBoxLayout(page);
    Tighten(layout);
    layout->addWidget(Group(view, "gbxMenuCommands", menu));
    layout->addLayout(middle);
    layout->addWidget(Group(view, "pnlMessages", messages), 1);
}

void BuildMovementPage(QWidget* page, SettingsView& view)
{

    auto* mouseOptions = new QGridLayout;
    mouseOptions->addWidget(W(view, "cbxMouseLook"), 0, 0, 1, 2);
    KeyRows(view, {"txtMouseForward"}, mouseOptions);
    mouseOptions->addWidget(TrackBar(view, "barSensitivity", "Less", "very"), 2, 0, 1, 2);
    auto* mouse = new QVBoxLayout;
    mouse->addWidget(W(view, "cbxUseMouse"));
    mouse->addWidget(Group(view, "gbxMouseOptions", mouseOptions));
    mouse->addStretch(1);

    auto* looking = new QGridLayout;
    KeyRows(view, {"txtLookUp"}, looking);
    looking->addWidget(W(view, "cbxLookSpring"), 0, 2);
    KeyRows(view, {"txtLookCenter"}, looking);
    looking->addWidget(W(view, "cbxLookStrafe"), 1, 2);
    KeyRows(view, {"txtLookDown", "txtMLook"}, looking);

    auto* top = new QHBoxLayout;
    top->addLayout(mouse);
    top->addWidget(Group(view, "gbxLooking", looking), 1);
    top->addWidget(Picture("imgMovement", 90, 104));

    auto* running = new QGridLayout;
    running->addWidget(W(view, "cbxAlwaysRun"), 0, 0, 1, 2);
    KeyRows(view, {"txtRun", "txtRunSpeed"}, running);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Group(view, "gbxPlayerMovement",
                            KeyRows(view, {"txtMoveForward", "txtMoveLeft", "txtMoveRight", "txtMoveBack"})));
    bottom->addWidget(
        Group(view, "gbxStrafing", KeyRows(view, {"txtStrafe", "txtStrafeLeft", "txtStrafeRight", "txtStrafeSpeed"})));
    bottom->addWidget(Group(view, "gbxRunning", running));
    bottom->addWidget(Group(view, "gbxClimbing", KeyRows(view, {"txtMoveUp", "txtMoveDown"})));

    auto* layout = new QVBoxLayout(page);
    Tighten(layout);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->addStretch(1);
}

void BuildWeaponsPage(QWidget* page, SettingsView& view)
{
    auto* weapons = KeyRows(view, {"txtBlaster", "txtShotgun", "txtSuperShotgun", "txtMachineGun", "txtChainGun",
                                   "txtGrenadeLauncher", "txtRocketLauncher", "txtHyperBlaster", "txtRailGun",
                                   "txtBFG10k", "txtGrenade"});
    weapons->setRowStretch(weapons->rowCount(), 1);

    auto* attack = new QGridLayout;
    attack->addWidget(W(view, "cbxVisibleWeapons"), 0, 0, 1, 2);
    KeyRows(view, {"txtAttack", "txtNextWeapon", "txtPreviousWeapon"}, attack);
    attack->addWidget(W(view, "cbxEmptyWeapons"), attack->rowCount(), 0, 1, 2);

    auto* top = new QHBoxLayout;
    top->addWidget(Group(view, "pnlAttack", attack), 1);
    top->addWidget(Picture("imgWeapons", 90, 104), 0, Qt::AlignTop);

    auto* items = new QHBoxLayout;
    items->addWidget(
        Group(view, "gbxInventory",
              KeyRows(view, {"txtShowInventory", "txtUse", "txtDrop", "txtInventoryPrevious", "txtInventoryNext"})));
    items->addWidget(Group(view, "gbxUseItem",
                           KeyRows(view, {"txtEnvironmentSuit", "txtInvulnerability", "txtPowerShield", "txtQuadDamage",
                                          "txtRebreather", "txtSilencer"})),
                     1);

    auto* right = new QVBoxLayout;
    right->addLayout(top);
    right->addLayout(items);
    right->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    Tighten(layout);
    layout->addWidget(Group(view, "pnlWeapons", weapons));
    layout->addLayout(right, 1);
}

void BuildClientPage(QWidget* page, SettingsView& view)
{
    auto* start = new QGridLayout;
    // Each start option above its own choices; two of them edit their list.
    const char* options[][5] = {
        {"rbStartNewGame", "pnlStartNewGame", "cboClientStartMap", "btnMapList", "Edit Map List"},
        {"rbLoadSavedGame", "pnlLoadSavedGame", "cboSaveGames", nullptr, nullptr},
        {"rbConnectToServer", "pnlConnectToServer", "cboServerList", "btnServerList", "Edit Server List"}};
    int column = 0;
    for (const auto& option : options) {
        auto* panel = new QVBoxLayout;
        panel->addWidget(LabelFor(view, option[2]));
        panel->addWidget(W(view, option[2]));
        if (option[3]) {
            auto* edit = new QPushButton(QString::fromLatin1(option[4]));
            edit->setObjectName(QString::fromLatin1(option[3]));
            panel->addWidget(edit, 0, Qt::AlignLeft);
        }
        panel->addStretch(1);
        start->addWidget(W(view, option[0]), 0, column);
        start->addWidget(Group(view, option[1], panel), 1, column);
        start->setColumnStretch(column, 1);
        ++column;
    }
    QGroupBox* startOptions = Group(view, "gbxStartOptions", start);

    auto* numbers = new QGridLayout;
    FormRows(view, {"edtTimeOut", "edtMaxPackets", "txtRate"}, numbers);
    numbers->setRowStretch(numbers->rowCount(), 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Group(view, "pnlClientSwitches",
                            Stack(view, {"cbxPredictServer", "cbxDisplayMissed", "cbxDisplayMapStats",
                                         "cbxDisplayLatInfo", "cbxNoWinTab", "cbxFixedTime"})),
                      1);
    bottom->addWidget(Group(view, "pnlClientNumbers", numbers), 1);

    auto* layout = new QVBoxLayout(page);
    Tighten(layout);
    layout->addWidget(startOptions);
    layout->addLayout(bottom);
    layout->addStretch(1);
}

void BuildServerPage(QWidget* page, SettingsView& view)
{
    auto* info = FormRows(view, {"edtServerName", "edtServerPassword"});
    info->addWidget(W(view, "cbxDedicatedServer"), 2, 0, 1, 2);
    FormRows(view, {"cboServerStartMap"}, info);
    auto* gameType = new QHBoxLayout;
    gameType->addWidget(W(view, "rbDeathMatch"));
    gameType->addWidget(W(view, "rbCooperative"));
    info->addWidget(Group(view, "gbxGameType", gameType), 4, 0, 1, 2);
    info->setColumnStretch(1, 1);

    auto* limits = new QVBoxLayout;
    Stack(view, {"cbxTimeLimit", "edtTimeLimit", "cbxFragLimit", "edtFragLimit"}, limits);
    limits->addStretch(1);

    auto* publicServer = new QVBoxLayout;
    publicServer->addWidget(W(view, "cbxPublicServer"));
    publicServer->addWidget(LabelFor(view, "edtMasterServer"));
    publicServer->addWidget(W(view, "edtMasterServer"));
    auto* switches = new QVBoxLayout;
    switches->addWidget(Group(view, "pnlServerSwitches", Stack(view, {"cbxAllowCheats", "cbxAllowDownloads"})));
    switches->addWidget(Group(view, "pnlPublic", publicServer));
    switches->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(Group(view, "pnlServerInfo", info), 3);
    top->addWidget(Group(view, "pnlLimits", limits), 1);
    top->addLayout(switches, 2);

    auto* flags = new QGridLayout;
    const Ids columns[] = {
        {"cbxNoHealth", "cbxNoPowerUps", "cbxWeaponsStay", "cbxNoFallingDamage", "cbxInstantPowerups", "cbxSameMap"},
        {"cbxTeamBySkins", "cbxTeamByModels", "cbxNoFriendlyFire", "cbxSpawnFarthest", "cbxForceRespawn",
         "cbxAllowExit"},
        {"cbxInfiniteAmmo", "cbxQuadDrop", "cbxFixedFov", "cbxCtfForcedJoin", "cbxArmorProtect", "cbxNoArmor"}};
    flags->addWidget(W(view, "cbxCtfTechPowerups"), 0, 2);
    int column = 0;
    for (const Ids& ids : columns) {
        int row = 1;
        for (const char* id : ids)
            flags->addWidget(W(view, id), row++, column);
        ++column;
    }
    flags->setVerticalSpacing(1);

    auto* numbers = FormRows(view, {"edtMaxClients", "edtMaxVelocity", "edtGravity", "edtClientTimeOut"});
    numbers->setRowStretch(numbers->rowCount(), 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Group(view, "pnlDMFlags", flags), 3);
    bottom->addWidget(Group(view, "pnlServerNumbers", numbers), 1);

    auto* layout = new QVBoxLayout(page);
    Tighten(layout);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->addStretch(1);
}

} // namespace tesk
