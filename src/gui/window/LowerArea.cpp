#include "gui/window/LowerArea.h"

#include "core/settings/SettingsTable.h"
#include "gui/base/PictureButton.h"
#include "gui/settings/SettingWidgets.h"
#include "gui/settings/SettingsView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tesk {

QWidget* BuildLowerArea(SettingsView& view, QObject& runButtonWatcher)
{
    auto* checks = new QVBoxLayout;
    checks->setSpacing(1);
    for (const char* id : {"cbxStartServer", "cbxCloseOnRun", "cbxMinimize", "cbxSaveFilesonRun"})
        checks->addWidget(view.Widget(id));
    auto* btnRun = new QPushButton(QStringLiteral("Run Ulvex2"));
    btnRun->setObjectName(QStringLiteral("btnRun"));
    QFont runFont = btnRun->font();
    runFont.setBold(true);
    runFont.setPointSize(10);
    btnRun->setFont(runFont);
    btnRun->setMinimumSize(100, 25);
    btnRun->setShortcut(QKeySequence(Qt::Key_F5));
    checks->addWidget(btnRun, 0, Qt::AlignLeft);
    btnRun->installEventFilter(&runButtonWatcher);

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
        QWidget* field = view.Widget(fileRow.field);
        label->setBuddy(field);
        field->setMinimumWidth(256);
        files->addWidget(label, row, 0);
        files->addWidget(field, row, 1);
        for (int i = 0; i < 3 && fileRow.buttons[i]; ++i)
            files->addWidget(NewPictureButton(fileRow.buttons[i], fileRow.icons[i], QString::fromUtf8(fileRow.tips[i])),
                             row, 2 + i);
        ++row;
    }
    QWidget* gameDir = view.Widget("txtU2Dir");
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

} // namespace tesk
