#include "gui/keys/KeyCapture.h"
#include "core/keys/KeyNames.h"
#include "gui/keys/TfrmBind.h"
#include "gui/settings/SettingsView.h"
#include "gui/window/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TestWorld.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace tesk {
namespace {

using testing::FakeDesktop;
using testing::TestWorld;

template <typename T>
T* Find(QWidget& parent, const QString& name)
{
    T* widget = parent.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// The key button that shows this caption.
QToolButton* ButtonCaptioned(QWidget& dialog, const QString& caption)
{
    for (QToolButton* button : dialog.findChildren<QToolButton*>())
        if (button->text() == caption)
            return button;
    ADD_FAILURE() << "no button captioned " << caption.toStdString();
    return nullptr;
}

// Answers each key-capture dialog as the player would: it opens (which
// presets its box), `act` presses something, and it must then have closed.
void AnswerCapture(FakeDesktop& desktop, std::function<void(TfrmBind&)> act, QStringList* titles = nullptr)
{
    desktop.onDialog = [act = std::move(act), titles](QDialog& dialog) {
        auto* bind = qobject_cast<TfrmBind*>(&dialog);
        EXPECT_NE(bind, nullptr);
        if (titles)
            titles->append(dialog.windowTitle());
        dialog.show();
        act(*bind);
        EXPECT_FALSE(dialog.isVisible());
        return dialog.result();
    };
}

std::function<void(TfrmBind&)> Press(const QString& caption)
{
    return [caption](TfrmBind& dialog) { QTest::mouseClick(ButtonCaptioned(dialog, caption), Qt::LeftButton); };
}

std::function<void(TfrmBind&)> PressNamed(const char* name)
{
    return [name](TfrmBind& dialog) {
        QTest::mouseClick(Find<QAbstractButton>(dialog, QString::fromLatin1(name)), Qt::LeftButton);
    };
}

// A main window, shown and past its splash, whose key fields take double-clicks.
class KeyFieldTest : public ::testing::Test {
protected:
    KeyFieldTest()
    {
        world.StoreGameDirectory();
        window = testing::OpenMainWindow(desktop, world);
        testing::DropStartupReport(desktop);
    }
    ~KeyFieldTest() override { window->hide(); }

    QLineEdit* Field(const char* id) { return static_cast<QLineEdit*>(window->view().Widget(id)); }

    void DoubleClick(const char* id)
    {
        QLineEdit* field = Field(id);
        QTest::mouseDClick(field, Qt::LeftButton, {}, field->rect().center());
    }

    std::string Key(const char* id) { return window->model().Text(id); }

    TestWorld world;
    FakeDesktop desktop;
    std::unique_ptr<TfrmTeskMain> window;
};

TEST(TfrmBindTest, ShowsEveryKeyButtonTheBoxAndItsOwnButtons)
{
    TfrmBind dialog;
    for (const KeyButton& key : KeyButtons()) {
        auto* button = Find<QToolButton>(dialog, QString::fromLatin1(key.control.data(), key.control.size()));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text().toStdString(), key.caption);
        // The arrow keys show pictures, the others their captions.
        EXPECT_EQ(button->icon().isNull(), key.arrow == KeyArrow::None) << key.control;
        // The short captions ("PU") are told in full to the eye and the ear.
        EXPECT_EQ(button->toolTip().toStdString(), key.fullName);
        EXPECT_EQ(button->accessibleName().toStdString(), key.fullName);
    }
    EXPECT_EQ(Find<QToolButton>(dialog, "btnPageDown")->toolTip(), "Page Down");
    EXPECT_EQ(Find<QToolButton>(dialog, "btnPause")->toolTip(), "Pause");
    EXPECT_EQ(Find<QPushButton>(dialog, "btnUseKey")->text(), "Use This Key");
    EXPECT_EQ(Find<QPushButton>(dialog, "btnCancel")->text(), "&Cancel");
    EXPECT_EQ(Find<QLabel>(dialog, "Label29")->text(), "Mouse");

    auto* box = Find<QLineEdit>(dialog, "txtAlpha");
    EXPECT_EQ(box->maxLength(), 1);
    EXPECT_GE(box->font().pointSize(), 2 * QApplication::font().pointSize());
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);

    // Shown, nothing overlaps and every button is big enough for its caption.
    dialog.show();
    const QList<QWidget*> controls = dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        EXPECT_TRUE(dialog.rect().contains(control->geometry())) << control->objectName().toStdString();
        if (auto* button = qobject_cast<QToolButton*>(control)) {
            EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()));
        }
        for (QWidget* other : controls) {
            EXPECT_TRUE(other == control || !control->geometry().intersects(other->geometry()))
                << control->objectName().toStdString() << " overlaps " << other->objectName().toStdString();
        }
    }
    dialog.hide();
}

TEST_F(KeyFieldTest, ToggleMenuOpensItsTitledDialogAndEscGivesEscape)
{
    window->model().SetText("txtToggleMenu", "F10");
    window->Refresh();
    QStringList titles;
    AnswerCapture(desktop, Press("Esc"), &titles);
    DoubleClick("txtToggleMenu");
    EXPECT_EQ(titles, QStringList{"Bind Toggle Menu to Key:"});
    EXPECT_EQ(Key("txtToggleMenu"), "ESCAPE");
    EXPECT_EQ(Field("txtToggleMenu")->text(), "ESCAPE");

    // The fields whose names were left open, and those that had no capture, open it alike.
    titles.clear();
    AnswerCapture(desktop, PressNamed("Right"), &titles);
    DoubleClick("txtLookUp");
    DoubleClick("txtMsg1Key");
    DoubleClick("txtStrafeRight");
    EXPECT_EQ(titles, (QStringList{"Bind Look Up to Key:", "Bind Message 1 Key to Key:", "Bind Strafe Right to Key:"}));
    EXPECT_EQ(Key("txtLookUp"), "RIGHTARROW");
    EXPECT_EQ(Key("txtMsg1Key"), "RIGHTARROW");

    AnswerCapture(desktop, Press("Del"));
    DoubleClick("txtQuit");
    EXPECT_EQ(Key("txtQuit"), "DEL");
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(KeyFieldTest, MouseButtonsFromLeftToRightGiveMouse1To3)
{
    const std::pair<const char*, const char*> buttons[] = {{"L", "MOUSE1"}, {"C", "MOUSE2"}, {"R", "MOUSE3"}};
    for (const auto& [caption, key] : buttons) {
        AnswerCapture(desktop, Press(QString::fromLatin1(caption)));
        DoubleClick("txtAttack");
        EXPECT_EQ(Key("txtAttack"), key) << caption;
    }
}

TEST_F(KeyFieldTest, CancelKeepsTheKeyHoweverTheDialogIsLeft)
{
    window->model().SetText("txtRun", "KP_ENTER");
    window->Refresh();

    AnswerCapture(desktop, [](TfrmBind& dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "txtAlpha"), "x");
        QTest::mouseClick(Find<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    });
    DoubleClick("txtRun");
    EXPECT_EQ(Key("txtRun"), "KP_ENTER");

    // The keyboard's Escape leaves the dialog as Cancel does.
    AnswerCapture(desktop, [](TfrmBind& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    DoubleClick("txtRun");
    EXPECT_EQ(Key("txtRun"), "KP_ENTER");
    EXPECT_EQ(Field("txtRun")->text(), "KP_ENTER");
}

TEST_F(KeyFieldTest, KeysPressedInTheBoxAreTakenByTheGamesNamesAndShownFirst)
{
    window->model().SetText("txtMoveForward", "PGDN");
    window->Refresh();
    // A key of several letters stays whole.
    QString shown;
    AnswerCapture(desktop, [&shown](TfrmBind& dialog) {
        shown = Find<QLineEdit>(dialog, "txtAlpha")->text() + "|" + Find<QLabel>(dialog, "lblKey")->text();
        QTest::keyClick(Find<QLineEdit>(dialog, "txtAlpha"), Qt::Key_Return, Qt::ControlModifier);
    });
    DoubleClick("txtMoveForward");
    EXPECT_EQ(shown, "|Key: PGDN");
    EXPECT_EQ(Key("txtMoveForward"), "PGDN");

    // Each key is shown until "Use This Key"; a modifier alone counts when released.
    QStringList seen;
    AnswerCapture(desktop, [&seen](TfrmBind& dialog) {
        QLineEdit* box = Find<QLineEdit>(dialog, "txtAlpha");
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(box, key, modifiers);
            seen.append(Find<QLabel>(dialog, "lblKey")->text().mid(5));
        };
        for (const Qt::Key key : {Qt::Key_F5, Qt::Key_Return, Qt::Key_Space, Qt::Key_Tab, Qt::Key_PageDown, Qt::Key_Up})
            press(key);
        QTest::keyPress(box, Qt::Key_Shift);
        QTest::keyClick(box, 'A', Qt::ShiftModifier);
        QTest::keyRelease(box, Qt::Key_Shift, Qt::ShiftModifier);
        seen.append(box->text());
        press(Qt::Key_7, Qt::KeypadModifier);
        QTest::keyPress(box, Qt::Key_Alt);
        QTest::keyRelease(box, Qt::Key_Alt, Qt::AltModifier);
        seen.append(Find<QLabel>(dialog, "lblKey")->text().mid(5));
        // A quote and a semicolon cannot stand in a binding.
        QTest::keyClicks(box, "\";");
        seen.append(Find<QLabel>(dialog, "lblKey")->text().mid(5));
        auto* key = Find<QLabel>(dialog, "lblKey");
        auto* note = Find<QLabel>(dialog, "lblKeyNote");
        EXPECT_NE(note->text().indexOf("cannot be bound"), -1);
        // The key and the note after it read apart.
        EXPECT_GE(note->x() - (key->x() + key->width()), 8);
        // The Menu key takes nothing and opens no menu in the box.
        QTest::keyClick(box, Qt::Key_Menu);
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &menu);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(key->text(), "Key: ALT");
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(Find<QPushButton>(dialog, "btnUseKey"), Qt::LeftButton);
    });
    DoubleClick("txtMoveForward");
    EXPECT_EQ(seen, (QStringList{"F5", "ENTER", "SPACE", "TAB", "PGDN", "UPARROW", "A", "7", "ALT", "ALT"}));
    EXPECT_EQ(Key("txtMoveForward"), "ALT");

    // An emptied box unbinds the key; Escape still cancels.
    AnswerCapture(desktop, [](TfrmBind& dialog) {
        QTest::keyClick(Find<QLineEdit>(dialog, "txtAlpha"), Qt::Key_Backspace);
        QTest::mouseClick(Find<QPushButton>(dialog, "btnUseKey"), Qt::LeftButton);
    });
    window->model().SetText("txtMoveForward", "x");
    window->Refresh();
    DoubleClick("txtMoveForward");
    EXPECT_EQ(Key("txtMoveForward"), "");
    EXPECT_EQ(Field("txtMoveForward")->text(), "");
}

TEST_F(KeyFieldTest, KeysBoundTwiceAreMarkedNamedAndNeverUnbound)
{
    // The defaults bind "/" to both Mouse Look and Next Weapon.
    const QColor plain = Field("txtRun")->palette().color(QPalette::Base);
    EXPECT_NE(Field("txtMLook")->palette().color(QPalette::Base), plain);
    EXPECT_EQ(Field("txtMLook")->toolTip(), "Also bound to: Next Weapon\nDouble-click to pick the key.");
    EXPECT_EQ(Field("txtRun")->toolTip(), "Double-click to pick the key.");

    // Typing another key in one of them clears both marks.
    QLineEdit* look = Field("txtMLook");
    look->setFocus();
    look->selectAll();
    QTest::keyClicks(look, "m");
    EXPECT_EQ(Field("txtNextWeapon")->palette().color(QPalette::Base), plain);
    EXPECT_EQ(look->palette().color(QPalette::Base), plain);

    // The dialog names the actions that use the key pressed; confirming keeps both.
    QString note;
    AnswerCapture(desktop, [&note](TfrmBind& dialog) {
        QTest::keyClick(Find<QLineEdit>(dialog, "txtAlpha"), Qt::Key_F6);
        note = Find<QLabel>(dialog, "lblKeyNote")->text();
        QTest::mouseClick(Find<QPushButton>(dialog, "btnUseKey"), Qt::LeftButton);
    });
    DoubleClick("txtAttack");
    EXPECT_EQ(note, "Also bound to: Quick Save");
    EXPECT_EQ(Key("txtQuickSave"), "F6");
    EXPECT_EQ(Key("txtAttack"), "F6");
    EXPECT_EQ(Field("txtQuickSave")->toolTip(), "Also bound to: Attack\nDouble-click to pick the key.");

    // Letter case does not hide a duplicate; the marked text reads in a dark palette too.
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    window->setPalette(dark);
    window->model().SetText("txtMoveDown", "M");
    window->Refresh();
    const QPalette marked = Field("txtMoveDown")->palette();
    EXPECT_LT(marked.color(QPalette::Base).lightness(), 110);
    EXPECT_GT(marked.color(QPalette::Text).lightness() - marked.color(QPalette::Base).lightness(), 100);

    // Saving (the game's first config file) says how many keys are bound
    // twice and writes every binding.
    window->findChild<QAction*>("SaveConfig1")->trigger();
    EXPECT_EQ(testing::StatusText(*window), "Config file Saved (2 keys are bound twice)");
    const std::string saved = testing::ReadFileBytes(world.inGame("baseu2/config.cfg"));
    EXPECT_NE(saved.find("bind F6 \"+Attack\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("bind F6 \"echo Quick Saving...; wait; save quick\""), std::string::npos) << saved;
}

TEST(KeyCaptureTest, AnEditorsKeyFieldReceivesTheKeyOverTheEditor)
{
    FakeDesktop desktop;
    QDialog editor;
    QWidget* parent = nullptr;
    QStringList titles;
    AnswerCapture(
        desktop,
        [&parent](TfrmBind& dialog) {
            parent = dialog.parentWidget();
            QTest::mouseClick(Find<QToolButton>(dialog, "F5"), Qt::LeftButton);
        },
        &titles);
    EXPECT_EQ(CaptureKey(desktop, &editor, "Binding", "MOUSE2"), "F5");
    EXPECT_EQ(titles, QStringList{"Bind Binding to Key:"});
    EXPECT_EQ(parent, &editor);
}

} // namespace
} // namespace tesk
