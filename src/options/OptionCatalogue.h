// The option catalogue: the sixty-one values of a settings file, in the order every procedure of
// the option panel walks them, with their sections, keys and MAME defaults.
#pragma once

#include <array>
#include <string_view>

enum class OptionKind { Check, Combo, Text };

struct OptionDef {
    const char* control; // the option panel's control that edits the value
    OptionKind kind;
    const char* label; // how messages and the Rebuild Settings log name it
    const char* section;
    const char* key;
    const char* defaultText; // MAME's default, as the settings file stores it
};

inline constexpr int kOptionCount = 61;

inline constexpr std::array<OptionDef, kOptionCount> kOptionCatalogue = {{
    {"chkSkipG", OptionKind::Check, "Skip Gameinfo", "Configuration Options", "Skip Gameinfo", "0"},
    {"cboBios", OptionKind::Combo, "Bios", "Miscellaneous Options", "Bios", "Default"},
    {"chkCheat", OptionKind::Check, "Cheat", "Miscellaneous Options", "Cheat", "0"},
    {"chkAutosave", OptionKind::Check, "Autosave", "State/Playback Options", "Autosave", "0"},
    {"cboFrameSkip", OptionKind::Combo, "Frame Skip", "Performance Options", "FrameSkip", "0"},
    {"chkThrottle", OptionKind::Check, "Throttle", "Performance Options", "Throttle", "1"},
    {"chkSleep", OptionKind::Check, "Sleep", "Performance Options", "Sleep", "1"},
    {"chkRDTSC", OptionKind::Check, "RDTSC", "Performance Options", "RDTSC", "0"},
    {"cboPriority", OptionKind::Combo, "Priority", "Performance Options", "Priority", "0"},
    {"cboVideo", OptionKind::Combo, "Video", "Video Options", "Video", "D3D"},
    {"chkWindow", OptionKind::Check, "Window", "Video Options", "Window", "0"},
    {"chkMaximize", OptionKind::Check, "Maximize", "Video Options", "Maximize", "1"},
    {"chkKeepAspect", OptionKind::Check, "Keep Aspect", "Video Options", "Keep Aspect", "1"},
    {"cboPrescale", OptionKind::Combo, "Prescale", "Video Options", "Prescale", "1"},
    {"cboEffect", OptionKind::Combo, "Effect", "Video Options", "Effect", "None"},
    {"chkWaitVSync", OptionKind::Check, "Wait VSync", "Video Options", "Wait VSync", "0"},
    {"chkSyncRefresh", OptionKind::Check, "Sync Refresh", "Video Options", "Sync Refresh", "0"},
    {"chkRotate", OptionKind::Check, "Rotate", "Video Rotation Options", "Rotate", "1"},
    {"cboRoll", OptionKind::Combo, "Roll", "Video Rotation Options", "Roll", "None"},
    {"cboFlip", OptionKind::Combo, "Flip", "Video Rotation Options", "Flip", "None"},
    {"chkHwStretch", OptionKind::Check, "Hardware Stretch", "DirectDraw-Specific Options", "Hardware Stretch", "1"},
    {"chkFilter", OptionKind::Check, "Bilinear Filtering", "Direct3D-Specific Options", "Filter", "1"},
    {"cboResolution", OptionKind::Combo, "Resolution", "Per-Window Video Options", "Resolution 0", "Auto"},
    {"chkTripleBuffer", OptionKind::Check, "Triple Buffer", "Full Screen Options", "Triple Buffer", "0"},
    {"chkSwitchRes", OptionKind::Check, "Switch Resolution", "Full Screen Options", "Switch Resolution", "0"},
    {"cboFullScreenBrightness", OptionKind::Combo, "Full Screen Brightness", "Full Screen Options", "Full Screen Brightness", "1.00"},
    {"cboFullScreenContrast", OptionKind::Combo, "Full Screen Contrast", "Full Screen Options", "Full Screen Contrast", "1.00"},
    {"cboFullScreenGamma", OptionKind::Combo, "Full Screen Gamma", "Full Screen Options", "Full Screen Gamma", "1.00"},
    {"cboBrightness", OptionKind::Combo, "Brightness", "Game Screen Options", "Brightness", "1.00"},
    {"cboContrast", OptionKind::Combo, "Contrast", "Game Screen Options", "Contrast", "1.00"},
    {"cboGamma", OptionKind::Combo, "Gamma", "Game Screen Options", "Gamma", "1.00"},
    {"chkAntialias", OptionKind::Check, "Antialias", "Vector Rendering Options", "Antialias", "1"},
    {"cboBeam", OptionKind::Combo, "Beam", "Vector Rendering Options", "Beam", "1.00"},
    {"cboFlicker", OptionKind::Combo, "Flicker", "Vector Rendering Options", "Flicker", "0.00"},
    {"chkArtwork", OptionKind::Check, "Artwork", "Artwork Options", "Artwork", "1"},
    {"chkCrop", OptionKind::Check, "Crop", "Artwork Options", "Crop", "0"},
    {"chkBackdrops", OptionKind::Check, "Backdrops", "Artwork Options", "Backdrops", "1"},
    {"chkOverlays", OptionKind::Check, "Overlays", "Artwork Options", "Overlays", "1"},
    {"chkBezels", OptionKind::Check, "Bezels", "Artwork Options", "Bezels", "1"},
    {"chkSound", OptionKind::Check, "Sound", "Sound Options", "Sound", "1"},
    {"cboSampleRate", OptionKind::Combo, "Sample Rate", "Sound Options", "Sample Rate", "48000"},
    {"chkSamples", OptionKind::Check, "Samples", "Sound Options", "Samples", "1"},
    {"cboVolume", OptionKind::Combo, "Volume", "Sound Options", "Volume", "0"},
    {"cboAudioLat", OptionKind::Combo, "Audio Latency", "Sound Options", "Audio Latency", "1/5 To 2/5"},
    {"cboController", OptionKind::Combo, "Controller", "Input Device Options", "Controller", "None"},
    {"chkMouse", OptionKind::Check, "Mouse", "Input Device Options", "Mouse", "0"},
    {"chkJoystick", OptionKind::Check, "Joystick", "Input Device Options", "Joystick", "0"},
    {"chkLightgun", OptionKind::Check, "Lightgun", "Input Device Options", "Lightgun", "0"},
    {"chkDualLightgun", OptionKind::Check, "Dual Lightgun", "Input Device Options", "Dual Lightgun", "0"},
    {"chkOffReload", OptionKind::Check, "OffScreen Reload", "Input Device Options", "Offscreen Reload", "0"},
    {"chkSteadyKey", OptionKind::Check, "Steady Key", "Input Device Options", "Steady Key", "0"},
    {"cboDeadzone", OptionKind::Combo, "A2d Deadzone", "Input Device Options", "A2d Deadzone", "0.30"},
    {"cboPaddleDev", OptionKind::Combo, "Paddle", "Automatic Device Selection Options", "Paddle Device", "Keyboard"},
    {"cboAdstickDev", OptionKind::Combo, "Adstick", "Automatic Device Selection Options", "Adstick Device", "Keyboard"},
    {"cboPedalDev", OptionKind::Combo, "Pedal", "Automatic Device Selection Options", "Pedal Device", "Keyboard"},
    {"cboDialDev", OptionKind::Combo, "Dial", "Automatic Device Selection Options", "Dial Device", "Keyboard"},
    {"cboTrackballDev", OptionKind::Combo, "Trackball", "Automatic Device Selection Options", "Trackball Device", "Keyboard"},
    {"cboLightgunDev", OptionKind::Combo, "Lightgun", "Automatic Device Selection Options", "Lightgun Device", "Keyboard"},
    {"chkKeyLeds", OptionKind::Check, "Keyboard LEDs", "Output Device Options", "Keyboard LEDs", "1"},
    {"cboLEDMode", OptionKind::Combo, "LED Mode", "Output Device Options", "LED Mode", "PS/2"},
    {"txtOtherCommands", OptionKind::Text, "", "Miscellaneous", "Other Commands", ""},
}};

// The row of a control, found while compiling: a name that is not in the catalogue does not
// compile.
consteval const OptionDef& optionOf(std::string_view control)
{
    for (const OptionDef& option : kOptionCatalogue)
        if (control == option.control)
            return option;
    throw "no such option control";
}

// The same row's index in the catalogue.
consteval int optionRow(std::string_view control) { return static_cast<int>(&optionOf(control) - kOptionCatalogue.data()); }

// The row of a control named at run time; -1 for a name that is not in the catalogue.
constexpr int findOptionRow(std::string_view control)
{
    for (size_t row = 0; row < kOptionCatalogue.size(); ++row)
        if (control == kOptionCatalogue[row].control)
            return static_cast<int>(row);
    return -1;
}

// The last row, Other Commands, is free text; the sixty before it are the option controls.
inline constexpr int kOtherCommandsRow = kOptionCount - 1;
