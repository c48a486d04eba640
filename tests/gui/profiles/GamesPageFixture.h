#pragma once

#include "gui/window/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TempDir.h"
#include "support/TestWorld.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace tesk::testing {

// An INI text with CR LF after every line.
inline std::string Ini(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text.append(line).append("\r\n");
    return text;
}

// The main window, shown on the page "Games & Aliases" past its splash, in a
// world whose profiles the test writes before Start().
class GamesPageFixture : public ::testing::Test {
protected:
    ~GamesPageFixture() override
    {
        if (window)
            window->hide();
    }

    // Without `showPage` the window stays on its first page.
    void Start(bool showPage = true)
    {
        world.StoreGameDirectory();
        world.Write(world.inGame("baseu2/config.cfg"), "");
        window = std::make_unique<TfrmTeskMain>(desktop, world.iniPath());
        window->show();
        window->Timer1Timer();
        if (showPage)
            ShowPage();
    }

    void ShowPage()
    {
        Find<QTabWidget>("PageControl1")->setCurrentWidget(Find("tabAlias"));
        QCoreApplication::processEvents();
    }

    template <typename T = QWidget>
    T* Find(const char* name) const
    {
        return testing::Find<T>(*window, name);
    }
    // The game list and the entry lists alike, through their models.
    QAbstractItemView* List(const char* name) const { return Find<QAbstractItemView>(name); }
    QModelIndex Row(const char* list, int row) const { return List(list)->model()->index(row, 0); }
    int Count(const char* list) const { return List(list)->model()->rowCount(); }

    QStringList Texts(const char* list) const
    {
        QStringList texts;
        for (int row = 0; row < Count(list); ++row)
            texts.append(Row(list, row).data().toString());
        return texts;
    }

    std::vector<bool> Checks(const char* list) const
    {
        std::vector<bool> checks;
        for (int row = 0; row < Count(list); ++row)
            checks.push_back(Row(list, row).data(Qt::CheckStateRole).toInt() == Qt::Checked);
        return checks;
    }

    // Clicks (and double-clicks) an entry's text, or its check box.
    void Select(const char* list, int row, bool twice = false) const
    {
        QAbstractItemView* widget = List(list);
        const QPoint at = widget->visualRect(Row(list, row)).center();
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, at);
    }
    void DoubleClick(const char* list, int row) const { Select(list, row, true); }

    void ClickCheck(const char* list, int row) const
    {
        QAbstractItemView* widget = List(list);
        QStyleOptionViewItem option;
        option.initFrom(widget);
        option.rect = widget->visualRect(Row(list, row));
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect box = widget->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, widget);
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, box.center());
    }

    // Buttons are clicked in their middle, check boxes on their box.
    void Click(const char* name) const
    {
        auto* button = Find<QAbstractButton>(name);
        const bool box = qobject_cast<QCheckBox*>(button) != nullptr;
        QTest::mouseClick(button, Qt::LeftButton, {}, box ? QPoint(6, button->height() / 2) : button->rect().center());
    }

    // Answers the next dialogs: `act` gets each one shown, its activation run.
    void Answer(std::function<void(QDialog&)> act)
    {
        desktop.onDialog = [act = std::move(act)](QDialog& dialog) {
            dialog.show();
            act(dialog);
            return dialog.result();
        };
    }

    std::string ProfileFile(const std::string& name) const { return world.inWork(name + ".tesk"); }
    std::string Profile(const std::string& name) const { return ReadFileBytes(ProfileFile(name)); }
    void WriteProfile(const std::string& name, const std::string& text) const { world.Write(ProfileFile(name), text); }

    TestWorld world;
    FakeDesktop desktop;
    std::unique_ptr<TfrmTeskMain> window;
};

} // namespace tesk::testing
