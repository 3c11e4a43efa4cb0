#include "options/OptionRules.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// Enabled states after the rules ran over a panel where every control was `before`.
struct Panel {
    std::map<std::string, bool> enabled;
    bool before = true;
    bool switchRes = false;

    bool on(const std::string& control) const
    {
        const auto it = enabled.find(control);
        return it == enabled.end() ? before : it->second;
    }
};

Panel apply(const RuleInputs& in, bool before = true)
{
    Panel panel;
    panel.before = before;
    const RuleEffects effects = SetFramesEffects(in);
    for (const EnableChange& change : effects.changes)
        panel.enabled[change.control] = change.enabled;
    panel.switchRes = effects.tickSwitchRes;
    return panel;
}

// The defaults: D3D, full screen, sound, samples, artwork; no lightgun, LEDs on, no joystick.
RuleInputs defaults()
{
    RuleInputs in;
    in.video = QStringLiteral("D3D");
    in.resolution = QStringLiteral("Auto");
    in.sound = in.samples = in.artwork = in.keyLeds = 1;
    return in;
}

const char* const kFullScreen[] = {"frame9",     "chkTripleBuffer",       "chkSwitchRes", "lblCombo19",
                                   "cboFullScreenBrightness", "lblCombo20", "cboFullScreenContrast",
                                   "lblCombo9",  "cboFullScreenGamma"};

void expectFullScreen(const Panel& panel, bool on)
{
    for (const char* control : kFullScreen)
        EXPECT_EQ(panel.on(control), on) << control;
}

} // namespace

TEST(SetFrames, VideoModeAndArtworkDecideCrop)
{
    struct Case {
        const char* video;
        int artwork;
        bool crop;
        bool hwStretch;
        bool filter;
    };
    const Case cases[] = {
        {"DDraw", 1, false, true, false}, {"D3D", 1, true, false, true}, {"GDI", 1, true, false, false},
        {"DDraw", 0, false, true, false}, {"D3D", 0, false, false, true}, {"GDI", 0, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.video) + (c.artwork ? " with artwork" : " without artwork"));
        RuleInputs in = defaults();
        in.video = QLatin1String(c.video);
        in.artwork = c.artwork;
        const Panel panel = apply(in);
        EXPECT_EQ(panel.on("chkCrop"), c.crop);
        EXPECT_EQ(panel.on("chkHwStretch"), c.hwStretch);
        EXPECT_EQ(panel.on("frame5"), c.hwStretch);
        EXPECT_EQ(panel.on("chkFilter"), c.filter);
        EXPECT_EQ(panel.on("frame6"), c.filter);
        EXPECT_EQ(panel.on("chkWaitVSync"), std::string(c.video) != "GDI");
        EXPECT_EQ(panel.on("chkSyncRefresh"), std::string(c.video) != "GDI");
        for (const char* art : {"chkBackdrops", "chkOverlays", "chkBezels"})
            EXPECT_EQ(panel.on(art), c.artwork == 1) << art;
    }
}

TEST(SetFrames, FullScreenGroupFollowsWindowAndGdi)
{
    struct Case {
        const char* video;
        int window;
        bool fullScreen;
        bool maximize;
    };
    const Case cases[] = {
        {"GDI", 0, false, false}, {"D3D", 0, true, false},  {"DDraw", 0, true, false},
        {"GDI", 1, false, true},  {"D3D", 1, false, true},  {"DDraw", 1, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.video) + " window " + std::to_string(c.window));
        RuleInputs in = defaults();
        in.video = QLatin1String(c.video);
        in.window = c.window;
        // Starting from a disabled group shows that the rules turn it on, not only off.
        const Panel panel = apply(in, false);
        expectFullScreen(panel, c.fullScreen);
        EXPECT_EQ(panel.on("chkMaximize"), c.maximize);
    }
}

TEST(SetFrames, ChosenResolutionAsksForTheSwitch)
{
    const std::pair<const char*, bool> cases[] = {
        {"Auto", false},  {"0x0@60", false}, {"0x0@70", false},     {"0x0@72", false},
        {"0x0@75", false}, {"auto", true},   {"640x480@60", true}, {"1600x1200", true},
    };
    for (const auto& [resolution, tick] : cases) {
        RuleInputs in = defaults();
        in.resolution = QLatin1String(resolution);
        EXPECT_EQ(apply(in).switchRes, tick) << resolution;
    }
}

TEST(SetFrames, SoundAndSamples)
{
    struct Case {
        int sound;
        int samples;
        bool samplesBox;
        bool sampleRate;
        bool volumeAndLatency;
    };
    const Case cases[] = {
        {1, 1, true, true, true},   {1, 0, true, false, true},  {1, 2, true, true, true},
        {0, 1, false, false, false}, {0, 0, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("sound " + std::to_string(c.sound) + " samples " + std::to_string(c.samples));
        RuleInputs in = defaults();
        in.sound = c.sound;
        in.samples = c.samples;
        const Panel panel = apply(in, !c.sampleRate);
        EXPECT_EQ(panel.on("chkSamples"), c.samplesBox);
        EXPECT_EQ(panel.on("cboSampleRate"), c.sampleRate);
        EXPECT_EQ(panel.on("lblCombo24"), c.sampleRate);
        for (const char* control : {"cboVolume", "lblCombo26", "cboAudioLat", "lblCombo25"})
            EXPECT_EQ(panel.on(control), c.volumeAndLatency) << control;
    }
}

TEST(SetFrames, InputAndOutputDevices)
{
    RuleInputs in = defaults();
    in.lightgun = 0;
    in.keyLeds = 0;
    in.joystick = 0;
    Panel panel = apply(in);
    for (const char* control : {"chkDualLightgun", "chkOffReload", "lblCombo35", "cboLEDMode", "lblCombo28", "cboDeadzone"})
        EXPECT_FALSE(panel.on(control)) << control;
    in.lightgun = in.keyLeds = in.joystick = 1;
    panel = apply(in, false);
    for (const char* control : {"chkDualLightgun", "chkOffReload", "lblCombo35", "cboLEDMode", "lblCombo28", "cboDeadzone"})
        EXPECT_TRUE(panel.on(control)) << control;
}

TEST(SetFrames, GrayedBoxesAndUnknownVideoLeaveTheirRulesControlsAlone)
{
    RuleInputs in = defaults();
    in.video = QStringLiteral("OpenGL");
    in.window = in.sound = in.artwork = in.lightgun = 2;
    for (bool before : {true, false}) {
        const Panel panel = apply(in, before);
        for (const char* control : {"chkWaitVSync", "frame5", "frame6", "chkFilter", "chkHwStretch", "chkMaximize",
                                    "chkCrop", "chkSamples", "cboVolume", "cboSampleRate", "chkBezels",
                                    "chkDualLightgun", "chkOffReload"})
            EXPECT_EQ(panel.on(control), before) << control;
        expectFullScreen(panel, before);
    }
    // Rules 8 and 9 ask for ticked only: grayed is off there.
    in.keyLeds = in.joystick = 2;
    const Panel panel = apply(in);
    EXPECT_FALSE(panel.on("cboLEDMode"));
    EXPECT_FALSE(panel.on("cboDeadzone"));
}
