// What today's MAME gets for each value of the option catalogue: the option it has for the same
// choice, or no line where it no longer has one. The older MAME takes the catalogue as it stands.
// These are the options and values of MAME's build for this platform (SDL); its Windows build
// keeps some that are gone here (triplebuffer, the full_screen_ ramp) and other video names.
#pragma once

#include "options/OptionCatalogue.h"

#include <array>

enum class CurrentValue {
    Same,      // the older MAME's line: the same option, the same value
    Gone,      // no such option any more: no line
    Renamed,   // the value as stored, under `name` (and `alsoName`)
    Video,     // GDI, DDraw and D3D as today's software, accelerated 2D and 3D renderers
    Sound,     // a tick as MAME's own choice of output, no tick as none
    Effect,    // the effect file's name as it stands in the Artwork folder
    FrameSkip, // at most 10 frames
    Command,   // not in mame.ini: the command line's
};

struct CurrentOption {
    const char* control; // the catalogue row's control, in catalogue order
    CurrentValue value;
    const char* name = nullptr;
    const char* alsoName = nullptr;
};

inline constexpr std::array<CurrentOption, kOptionCount> kCurrentOptions = {{
    {"chkSkipG", CurrentValue::Same},
    {"cboBios", CurrentValue::Same},
    {"chkCheat", CurrentValue::Same},
    {"chkAutosave", CurrentValue::Same},
    {"cboFrameSkip", CurrentValue::FrameSkip},
    {"chkThrottle", CurrentValue::Same},
    {"chkSleep", CurrentValue::Same},
    {"chkRDTSC", CurrentValue::Gone},
    {"cboPriority", CurrentValue::Gone},
    {"cboVideo", CurrentValue::Video},
    {"chkWindow", CurrentValue::Same},
    {"chkMaximize", CurrentValue::Same},
    {"chkKeepAspect", CurrentValue::Same},
    {"cboPrescale", CurrentValue::Same},
    {"cboEffect", CurrentValue::Effect},
    {"chkWaitVSync", CurrentValue::Same},
    {"chkSyncRefresh", CurrentValue::Same},
    {"chkRotate", CurrentValue::Same},
    {"cboRoll", CurrentValue::Same},
    {"cboFlip", CurrentValue::Same},
    {"chkHwStretch", CurrentValue::Gone},
    {"chkFilter", CurrentValue::Same},
    {"cboResolution", CurrentValue::Same},
    {"chkTripleBuffer", CurrentValue::Gone},
    {"chkSwitchRes", CurrentValue::Same},
    // The display's own gamma ramp in full screen; the game screen's three below are another thing.
    {"cboFullScreenBrightness", CurrentValue::Gone},
    {"cboFullScreenContrast", CurrentValue::Gone},
    {"cboFullScreenGamma", CurrentValue::Gone},
    {"cboBrightness", CurrentValue::Same},
    {"cboContrast", CurrentValue::Same},
    {"cboGamma", CurrentValue::Same},
    {"chkAntialias", CurrentValue::Gone},
    // One width from the narrowest beam to the widest, as the single width was.
    {"cboBeam", CurrentValue::Renamed, "beam_width_min", "beam_width_max"},
    {"cboFlicker", CurrentValue::Same},
    // Artwork is chosen by view now, not switched by layer.
    {"chkArtwork", CurrentValue::Gone},
    {"chkCrop", CurrentValue::Same},
    {"chkBackdrops", CurrentValue::Gone},
    {"chkOverlays", CurrentValue::Gone},
    {"chkBezels", CurrentValue::Gone},
    {"chkSound", CurrentValue::Sound},
    {"cboSampleRate", CurrentValue::Same},
    {"chkSamples", CurrentValue::Same},
    {"cboVolume", CurrentValue::Same},
    {"cboAudioLat", CurrentValue::Same},
    {"cboController", CurrentValue::Same},
    {"chkMouse", CurrentValue::Same},
    {"chkJoystick", CurrentValue::Same},
    {"chkLightgun", CurrentValue::Same},
    {"chkDualLightgun", CurrentValue::Gone},
    {"chkOffReload", CurrentValue::Same},
    {"chkSteadyKey", CurrentValue::Same},
    {"cboDeadzone", CurrentValue::Renamed, "joystick_deadzone"},
    {"cboPaddleDev", CurrentValue::Same},
    {"cboAdstickDev", CurrentValue::Same},
    {"cboPedalDev", CurrentValue::Same},
    {"cboDialDev", CurrentValue::Same},
    {"cboTrackballDev", CurrentValue::Same},
    {"cboLightgunDev", CurrentValue::Same},
    {"chkKeyLeds", CurrentValue::Gone},
    {"cboLEDMode", CurrentValue::Gone},
    {"txtOtherCommands", CurrentValue::Command},
}};

consteval bool inCatalogueOrder()
{
    for (size_t row = 0; row < kOptionCatalogue.size(); ++row)
        if (std::string_view(kCurrentOptions[row].control) != kOptionCatalogue[row].control)
            return false;
    return true;
}
static_assert(inCatalogueOrder(), "one row per catalogue row, in its order");

// Stored item texts and what today's MAME takes for them; a text not listed writes no line.
struct CurrentItem {
    const char* item;
    const char* value;
};

inline constexpr CurrentItem kCurrentVideo[] = {{"GDI", "soft"}, {"DDraw", "accel"}, {"D3D", "opengl"}};
inline constexpr CurrentItem kCurrentSound[] = {{"0", "none"}, {"1", "auto"}};
// MAME refuses any other value for a switch ("Illegal boolean value"): a grayed box ("2") writes no
// line, and MAME keeps its own default.
inline constexpr CurrentItem kCurrentTick[] = {{"0", "0"}, {"1", "1"}};
inline constexpr int kCurrentMaxFrameSkip = 10;

// Where today's MAME's own default differs from the older one's: what the panel starts with in a
// new settings file and after Restore. A stored file keeps what it holds.
struct CurrentDefault {
    const char* control;
    const char* value;
};
inline constexpr CurrentDefault kCurrentDefaults[] = {{"chkJoystick", "1"}};

consteval bool defaultsOfCatalogueRows()
{
    for (const CurrentDefault& today : kCurrentDefaults)
        if (findOptionRow(today.control) < 0)
            return false;
    return true;
}
static_assert(defaultsOfCatalogueRows(), "a default for a control of the catalogue");

// Lines of mame.ini that no panel value sets and today's MAME has no option for.
inline constexpr const char* kCurrentGoneLines[] = {
    "memcard_directory", "hiscore_directory", "cheat_file", "frames_to_run", "d3dversion", "digital"};
