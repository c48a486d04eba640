#include "core/settings/SettingsModel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tesk {
namespace {

TEST(SettingsTableTest, IdentifiersAreUniqueAndFramesExist)
{
    std::set<std::string_view> ids;
    for (const SettingDef& def : SettingTable()) {
        EXPECT_TRUE(ids.insert(def.id).second) << def.id;
        if (!def.frame.empty()) {
            EXPECT_NE(FindFrame(def.frame), nullptr) << def.id << " names an unknown frame " << def.frame;
        }
        if (def.kind == SettingKind::Radio) {
            EXPECT_FALSE(def.frame.empty()) << def.id;
        }
    }
}

TEST(SettingsTableTest, EveryRadioGroupStartsWithExactlyOneMemberOn)
{
    SettingsModel model;
    for (const FrameDef& frame : FrameTable()) {
        int members = 0;
        int on = 0;
        for (const SettingDef& def : SettingTable())
            if (def.kind == SettingKind::Radio && def.frame == frame.id) {
                ++members;
                on += model.Checked(def.id) ? 1 : 0;
            }
        if (members > 0) {
            EXPECT_EQ(on, 1) << frame.id;
        }
    }
}

TEST(MaskedDecimalTest, TextSetByAProgramIsFittedToThePattern)
{
    SettingsModel model;
    model.SetText("txtWalkPitch", "0.02");
    EXPECT_EQ(model.Text("txtWalkPitch"), "0.02 ");
    model.SetText("txtWalkPitch", "0.0025");
    EXPECT_EQ(model.Text("txtWalkPitch"), "0.002");
    model.SetText("txtWalkPitch", "12.5");
    EXPECT_EQ(model.Text("txtWalkPitch"), "1.5  ");
    model.SetText("txtSndDelay", "0.25");
    EXPECT_EQ(model.Text("txtSndDelay"), "0.2");
    // Text without a point or with signs keeps its digits in place.
    EXPECT_EQ(FitMaskedDecimal("5", "9.999"), "5.   ");
    EXPECT_EQ(FitMaskedDecimal("", "9.9"), " . ");
    EXPECT_EQ(FitMaskedDecimal("-.5x7", "9.999"), " .5 7");
}

TEST(MaskedDecimalTest, InitialTextsUseBlanksForZeros)
{
    SettingsModel model;
    EXPECT_EQ(model.Text("txtWalkPitch"), " .  5");
    EXPECT_EQ(model.Text("txtBobStart"), " .   ");
    EXPECT_EQ(model.Text("txtSndDelay"), " .2");
}

TEST(SpinTest, NumbersAreClampedButTextStaysAsSet)
{
    SettingsModel model;
    model.SetNumber("txtGunX", 15);
    EXPECT_EQ(model.Text("txtGunX"), "10");
    model.SetNumber("txtGunX", -40);
    EXPECT_EQ(model.Text("txtGunX"), "-10");
    model.SetNumber("edtMaxClients", 1);
    EXPECT_EQ(model.Number("edtMaxClients"), 2);
    model.SetNumber("edtMaxClients", 500);
    EXPECT_EQ(model.Number("edtMaxClients"), 100);

    // Text set directly is kept until the field is next set as a number.
    model.SetText("txtfov", "500");
    EXPECT_EQ(model.Text("txtfov"), "500");
    EXPECT_EQ(model.Number("txtfov"), 500);
    model.CommitSpin("txtfov");
    EXPECT_EQ(model.Text("txtfov"), "180");
}

TEST(SpinTest, FieldsWithoutLimitsKeepAnyNumber)
{
    SettingsModel model;
    for (const char* id : {"edtTimeOut", "edtMaxPackets", "txtRate", "edtTimeLimit", "edtGravity", "edtMaxVelocity",
                           "edtClientTimeOut"}) {
        model.SetNumber(id, -123456);
        EXPECT_EQ(model.Number(id), -123456) << id;
        model.CommitSpin(id);
        EXPECT_EQ(model.Text(id), "-123456") << id;
    }
}

TEST(SpinTest, ArrowsStepByTheFieldsStepAndStopAtTheEndsOfTheNumberRange)
{
    SettingsModel model;
    const auto step = [&](const char* id, int steps) {
        model.StepNumber(id, steps);
        return model.Text(id);
    };
    EXPECT_EQ(step("edtTimeOut", 2), "130");
    EXPECT_EQ(step("txtGunX", 40), "10");
    model.SetText("edtTimeOut", "9223372036854775806");
    EXPECT_EQ(step("edtTimeOut", 1), "9223372036854775807");
    EXPECT_EQ(step("edtTimeOut", -1), "9223372036854775802");
    model.SetText("edtGravity", "-9223372036854775800");
    EXPECT_EQ(step("edtGravity", -10), "-9223372036854775808");
}

TEST(SpinTest, TextThatIsNotAWholeNumberCountsAsTheMinimum)
{
    SettingsModel model;
    for (const char* text : {"", "abc", "1.5", "12x", "+", "--3"}) {
        model.SetText("txtfov", text);
        EXPECT_EQ(model.Number("txtfov"), 1) << text;
        // Losing the focus leaves such text alone: the user may still be typing.
        model.CommitSpin("txtfov");
        EXPECT_EQ(model.Text("txtfov"), text);
    }
    model.SetText("txtGunY", " -7 ");
    EXPECT_EQ(model.Number("txtGunY"), -7);
    model.SetText("edtTimeOut", "oops");
    EXPECT_EQ(model.Number("edtTimeOut"), 0);
}

TEST(TrackBarTest, PositionsAreClampedToTheNearerEnd)
{
    SettingsModel model;
    EXPECT_EQ(model.Position("barVolume"), 20);
    model.SetPosition("barVolume", 41);
    EXPECT_EQ(model.Position("barVolume"), 40);
    model.SetPosition("barGamma", 0);
    EXPECT_EQ(model.Position("barGamma"), 1);
    model.SetPosition("barSensitivity", -5);
    EXPECT_EQ(model.Position("barSensitivity"), 0);
}

TEST(RadioTest, CheckingOneMemberTurnsTheOthersOff)
{
    SettingsModel model;
    model.SetChecked("rbCrossDot", true);
    EXPECT_TRUE(model.Checked("rbCrossDot"));
    EXPECT_FALSE(model.Checked("rbCrossNone"));
    // A member cannot be turned off on its own: the group would have none on.
    model.SetChecked("rbCrossDot", false);
    EXPECT_TRUE(model.Checked("rbCrossDot"));
    // Other groups are not affected.
    EXPECT_TRUE(model.Checked("rbRight"));
    EXPECT_TRUE(model.Checked("rbSoftware"));
}

TEST(ComboTest, SelectionAndTextAreDistinct)
{
    SettingsModel model;
    EXPECT_EQ(model.Text("cboSndQuality"), "Low");
    EXPECT_EQ(model.SelectedIndex("cboSndQuality"), -1);
    EXPECT_EQ(model.SelectedText("cboSndQuality"), "");

    model.SelectItem("cboSndQuality", 0);
    EXPECT_EQ(model.Text("cboSndQuality"), "High");
    EXPECT_EQ(model.SelectedText("cboSndQuality"), "High");

    // A text set by a program selects nothing, even when it equals an item.
    model.SetText("cboSndQuality", "Low");
    EXPECT_EQ(model.SelectedIndex("cboSndQuality"), -1);

    model.SelectItem("cboVidMode", 3);
    EXPECT_EQ(model.Text("cboVidMode"), "3 - 640 x 480");
    model.SelectItem("cboVidMode", 12);
    EXPECT_EQ(model.SelectedIndex("cboVidMode"), -1);
    EXPECT_EQ(model.Text("cboVidMode"), "3 - 640 x 480");

    // New items keep the text and select nothing.
    model.SetText("cboModel", "male");
    model.SetItems("cboModel", {"female", "male"});
    EXPECT_EQ(model.Text("cboModel"), "male");
    EXPECT_EQ(model.SelectedIndex("cboModel"), -1);
}

TEST(DependentStateTest, UseMouseEnablesMouseOptionsAndCloseOnExitDisablesMinimize)
{
    SettingsModel model;
    EXPECT_TRUE(model.Enabled("barSensitivity"));
    const auto before = model.Revision("txtMouseForward");
    model.SetChecked("cbxUseMouse", false);
    for (const char* id : {"cbxMouseLook", "txtMouseForward", "barSensitivity"})
        EXPECT_FALSE(model.Enabled(id)) << id;
    EXPECT_FALSE(model.FrameEnabled("gbxMouseOptions"));
    EXPECT_GT(model.Revision("txtMouseForward"), before);
    EXPECT_TRUE(model.Enabled("cbxLookSpring"));
    model.SetChecked("cbxUseMouse", true);
    EXPECT_TRUE(model.Enabled("cbxMouseLook"));

    EXPECT_FALSE(model.Enabled("cbxMinimize"));
    model.SetChecked("cbxMinimize", true);
    model.SetChecked("cbxCloseOnRun", false);
    EXPECT_TRUE(model.Enabled("cbxMinimize"));
    model.SetChecked("cbxCloseOnRun", true);
    EXPECT_FALSE(model.Enabled("cbxMinimize"));
    EXPECT_TRUE(model.Checked("cbxMinimize"));
}

TEST(DeathmatchFlagsTest, NumberFollowsTheBoxesAndBack)
{
    SettingsModel model;
    EXPECT_EQ(DeathmatchFlags(model), 16);

    ApplyDeathmatchFlags(model, 0);
    EXPECT_EQ(DeathmatchFlags(model), 0);
    EXPECT_TRUE(model.Checked("cbxCtfTechPowerups"));
    model.SetChecked("cbxCtfTechPowerups", false);
    EXPECT_EQ(DeathmatchFlags(model), 524288);

    for (const SettingDef& def : SettingTable())
        if (def.bit != 0)
            model.SetChecked(def.id, true);
    EXPECT_EQ(DeathmatchFlags(model), 458751);

    ApplyDeathmatchFlags(model, 16 + 524288);
    EXPECT_TRUE(model.Checked("cbxInstantPowerups"));
    EXPECT_FALSE(model.Checked("cbxCtfTechPowerups"));
    EXPECT_FALSE(model.Checked("cbxNoHealth"));
    EXPECT_EQ(DeathmatchFlags(model), 16 + 524288);

    ApplyDeathmatchFlags(model, 2064);
    EXPECT_TRUE(model.Checked("cbxInstantPowerups"));
    EXPECT_TRUE(model.Checked("cbxNoArmor"));
    EXPECT_TRUE(model.Checked("cbxCtfTechPowerups"));
    // The bit 65536 belongs to no box and is lost on the way back.
    ApplyDeathmatchFlags(model, 65536 + 1);
    EXPECT_EQ(DeathmatchFlags(model), 1);
}

TEST(SettingsModelTest, ResetToInitialUndoesEveryChange)
{
    SettingsModel model;
    model.SetText("txtPlayer", "Ann");
    model.SetChecked("rbLeft", true);
    model.SetPosition("barGamma", 3);
    model.SelectItem("cboVidMode", 2);
    model.ResetToInitial();
    EXPECT_EQ(model.Text("txtPlayer"), "Player");
    EXPECT_TRUE(model.Checked("rbRight"));
    EXPECT_FALSE(model.Checked("rbLeft"));
    EXPECT_EQ(model.Position("barGamma"), 20);
    EXPECT_EQ(model.SelectedIndex("cboVidMode"), -1);
    EXPECT_EQ(model.Text("cboVidMode"), "");
    EXPECT_EQ(model.Text("edtMasterServer"), std::string(kDefaultMasterServer));
}

TEST(SettingsModelTest, UnknownIdentifiersAreRejected)
{
    SettingsModel model;
    EXPECT_THROW(model.Text("txtNoSuchField"), std::out_of_range);
    EXPECT_EQ(FindSetting("txtNoSuchField"), nullptr);
}

} // namespace
} // namespace tesk
