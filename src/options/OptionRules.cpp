#include "options/OptionRules.h"

#include <initializer_list>

namespace {

// Set on or off together, in this order.
constexpr const char* kFullScreenGroup[] = {"frame9",     "chkTripleBuffer",         "chkSwitchRes",
                                            "lblCombo19", "cboFullScreenBrightness", "lblCombo20",
                                            "cboFullScreenContrast", "lblCombo9", "cboFullScreenGamma"};

// The resolutions that leave the display mode to MAME.
constexpr const char* kNoSwitch[] = {"0x0@75", "0x0@72", "0x0@70", "0x0@60", "Auto"};

class Effects {
public:
    void set(std::initializer_list<const char*> controls, bool on)
    {
        for (const char* control : controls)
            m_effects.changes.push_back({control, on});
    }
    void fullScreen(bool on)
    {
        for (const char* control : kFullScreenGroup)
            m_effects.changes.push_back({control, on});
    }
    RuleEffects& result() { return m_effects; }

private:
    RuleEffects m_effects;
};

} // namespace

RuleEffects SetFramesEffects(const RuleInputs& in)
{
    Effects e;
    const bool gdi = in.video == QLatin1String("GDI");

    if (in.video == QLatin1String("D3D")) {
        e.set({"chkWaitVSync", "chkSyncRefresh", "chkCrop"}, true);
        e.set({"frame5", "chkHwStretch"}, false);
        e.set({"frame6", "chkFilter"}, true);
    } else if (in.video == QLatin1String("DDraw")) {
        e.set({"chkWaitVSync", "chkSyncRefresh"}, true);
        e.set({"chkCrop"}, false);
        e.set({"frame5", "chkHwStretch"}, true);
        e.set({"frame6", "chkFilter"}, false);
    } else if (gdi) {
        e.set({"chkWaitVSync", "chkSyncRefresh"}, false);
        e.fullScreen(false);
        e.set({"chkCrop"}, true);
        e.set({"frame5", "chkHwStretch", "frame6", "chkFilter"}, false);
    }

    if (in.window == 1) {
        e.set({"chkMaximize"}, true);
        e.fullScreen(false);
    } else if (in.window == 0) {
        e.set({"chkMaximize"}, false);
        if (!gdi)
            e.fullScreen(true);
    }

    bool listed = false;
    for (const char* resolution : kNoSwitch)
        listed = listed || in.resolution == QLatin1String(resolution);
    e.result().tickSwitchRes = !listed;

    if (in.sound == 1) {
        e.set({"lblCombo25", "cboAudioLat", "lblCombo26", "cboVolume"}, true);
        if (in.samples == 1)
            e.set({"lblCombo24", "cboSampleRate"}, true);
        e.set({"chkSamples"}, true);
    } else if (in.sound == 0) {
        e.set({"lblCombo25", "cboAudioLat", "lblCombo26", "cboVolume", "lblCombo24", "cboSampleRate", "chkSamples"},
              false);
    }
    if (in.sound == 1)
        e.set({"lblCombo24", "cboSampleRate"}, in.samples != 0);

    if (in.artwork == 0) {
        e.set({"chkBackdrops", "chkOverlays", "chkBezels", "chkCrop"}, false);
    } else if (in.artwork == 1) {
        e.set({"chkBackdrops", "chkOverlays", "chkBezels"}, true);
        if (in.video != QLatin1String("DDraw"))
            e.set({"chkCrop"}, true);
    }

    if (in.lightgun == 0)
        e.set({"chkDualLightgun", "chkOffReload"}, false);
    else if (in.lightgun == 1)
        e.set({"chkDualLightgun", "chkOffReload"}, true);

    e.set({"lblCombo35", "cboLEDMode"}, in.keyLeds == 1);
    e.set({"lblCombo28", "cboDeadzone"}, in.joystick == 1);
    return std::move(e.result());
}
