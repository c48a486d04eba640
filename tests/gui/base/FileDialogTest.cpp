#include "gui/base/Desktop.h"

#include "support/TempDir.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tesk {
namespace {

using testing::TempDir;
using testing::WriteFileBytes;

// The player sees the plain pattern, and the game's files are offered in
// any letter case.
TEST(FileDialogTest, ThePlainPatternIsShownAndMatchesAnyLetterCase)
{
    EXPECT_EQ(ToQtNameFilter("Config Files (*.cfg)|*.cfg"), "Config Files (*.cfg)");
    EXPECT_EQ(ToQtNameFilter("Ulvex2.exe|ulvex2.exe"), "Ulvex2.exe (ulvex2.exe)");

    TempDir dir;
    for (const char* name : {"a.cfg", "B.CFG", "c.Cfg", "notes.txt"})
        WriteFileBytes(dir.file(name), "");
    QStringList filters;
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        auto* model = dialog->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        const QModelIndex root = model->index(QString::fromStdString(dir.str()));
        EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) > 0; }, 5000));
        for (int row = 0; row < model->rowCount(root); ++row)
            offered.append(model->fileName(model->index(row, 0, root)));
        offered.sort();
        dialog->reject();
    });
    QtDesktop desktop;
    EXPECT_EQ(desktop.ChooseFileToOpen(nullptr, {QString(), QString::fromStdString(dir.str()),
                                                 QStringLiteral("Config Files (*.cfg)|*.cfg")}),
              std::nullopt);
    EXPECT_EQ(filters, QStringList{"Config Files (*.cfg)"});
    EXPECT_EQ(offered, (QStringList{"B.CFG", "a.cfg", "c.Cfg"}));
}

} // namespace
} // namespace tesk
