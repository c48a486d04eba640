#include "core/keys/KeyNames.h"

#include <gtest/gtest.h>

#include <set>

namespace tesk {
namespace {

TEST(KeyNamesTest, EveryButtonHasItsOwnControlAndKeyNameAndShowsSomething)
{
    std::set<std::string_view> controls;
    std::set<std::string_view> keyNames;
    for (const KeyButton& button : KeyButtons()) {
        EXPECT_TRUE(controls.insert(button.control).second) << button.control;
        EXPECT_TRUE(keyNames.insert(button.keyName).second) << button.keyName;
        EXPECT_NE(button.caption.empty(), button.arrow == KeyArrow::None) << button.control;
        EXPECT_EQ(FindKeyButton(button.control), &button);
    }
    EXPECT_EQ(KeyButtons().size(), 33u);
}

TEST(KeyNamesTest, ButtonsGiveTheGamesKeyNames)
{
    const std::pair<const char*, const char*> expected[] = {
        {"Esc", "ESCAPE"},     {"RShift", "SHIFT"},     {"btnDel", "DEL"},     {"BtnHome", "HOME"},
        {"btnPageUp", "PGUP"}, {"btnPageDown", "PGDN"}, {"btnPause", "PAUSE"}, {"F3", "F3"},
        {"Up", "UPARROW"},     {"Right", "RIGHTARROW"}, {"RMCLick", "MOUSE1"}, {"CMClick", "MOUSE2"},
        {"LMClick", "MOUSE3"},
    };
    for (const auto& [control, keyName] : expected) {
        const KeyButton* button = FindKeyButton(control);
        ASSERT_NE(button, nullptr) << control;
        EXPECT_EQ(button->keyName, keyName) << control;
    }
    // The mouse buttons from left to right, and the caption with its blank.
    EXPECT_EQ(FindKeyButton("RMCLick")->caption, "L");
    EXPECT_EQ(FindKeyButton("LMClick")->caption, "R");
    EXPECT_EQ(FindKeyButton("F3")->caption, " F3");

    // Control names are exact: no other spelling and no caption finds a button.
    for (const char* other : {"esc", "btnHome", "L", "Mouse", "", "F13", "txtAlpha", "btnUseKey"}) {
        EXPECT_EQ(FindKeyButton(other), nullptr) << other;
    }
}

TEST(KeyNamesTest, TitleNamesTheField)
{
    EXPECT_EQ(KeyCaptureTitle("Toggle Menu"), "Bind Toggle Menu to Key:");
    EXPECT_EQ(KeyCaptureTitle(""), "Bind  to Key:");
}

} // namespace
} // namespace tesk
