// The option catalogue: the sixty-one values of a settings file, in the order every procedure of
// the option panel walks them, with their sections, keys and MAME defaults.
#pragma once

#include <array>
#include <string_view>

struct OptionDef {
    const char* control; // the option panel's control that edits the value
    const char* section;
    const char* key;
    const char* defaultText; // MAME's default, as the settings file stores it
};

inline constexpr std::array<OptionDef, 61> kOptionCatalogue = {{
    {"chkSkipG", "Configuration Options", "Skip Gameinfo", "0"},
    {"cboBios", "Miscellaneous Options", "Bios", "Default"},
    {"chkCheat", "Miscellaneous Options", "Cheat", "0"},
    {"chkAutosave", "State/Playback Options", "Autosave", "0"},
    {"cboFrameSkip", "Performance Options", "FrameSkip", "0"},
    {"chkThrottle", "Performance Options", "Throttle", "1"},
    {"chkSleep", "Performance Options", "Sleep", "1"},
    {"chkRDTSC", "Performance Options", "RDTSC", "0"},
    {"cboPriority", "Performance Options", "Priority", "0"},
    {"cboVideo", "Video Options", "Video", "D3D"},
    {"chkWindow", "Video Options", "Window", "0"},
    {"chkMaximize", "Video Options", "Maximize", "1"},
    {"chkKeepAspect", "Video Options", "Keep Aspect", "1"},
    {"cboPrescale", "Video Options", "Prescale", "1"},
    {"cboEffect", "Video Options", "Effect", "None"},
    {"chkWaitVSync", "Video Options", "Wait VSync", "0"},
    {"chkSyncRefresh", "Video Options", "Sync Refresh", "0"},
    {"chkRotate", "Video Rotation Options", "Rotate", "1"},
    {"cboRoll", "Video Rotation Options", "Roll", "None"},
    {"cboFlip", "Video Rotation Options", "Flip", "None"},
    {"chkHwStretch", "DirectDraw-Specific Options", "Hardware Stretch", "1"},
    {"chkFilter", "Direct3D-Specific Options", "Filter", "1"},
    {"cboResolution", "Per-Window Video Options", "Resolution 0", "Auto"},
    {"chkTripleBuffer", "Full Screen Options", "Triple Buffer", "0"},
    {"chkSwitchRes", "Full Screen Options", "Switch Resolution", "0"},
    {"cboFullScreenBrightness", "Full Screen Options", "Full Screen Brightness", "1.00"},
    {"cboFullScreenContrast", "Full Screen Options", "Full Screen Contrast", "1.00"},
    {"cboFullScreenGamma", "Full Screen Options", "Full Screen Gamma", "1.00"},
    {"cboBrightness", "Game Screen Options", "Brightness", "1.00"},
    {"cboContrast", "Game Screen Options", "Contrast", "1.00"},
    {"cboGamma", "Game Screen Options", "Gamma", "1.00"},
    {"chkAntialias", "Vector Rendering Options", "Antialias", "1"},
    {"cboBeam", "Vector Rendering Options", "Beam", "1.00"},
    {"cboFlicker", "Vector Rendering Options", "Flicker", "0.00"},
    {"chkArtwork", "Artwork Options", "Artwork", "1"},
    {"chkCrop", "Artwork Options", "Crop", "0"},
    {"chkBackdrops", "Artwork Options", "Backdrops", "1"},
    {"chkOverlays", "Artwork Options", "Overlays", "1"},
    {"chkBezels", "Artwork Options", "Bezels", "1"},
    {"chkSound", "Sound Options", "Sound", "1"},
    {"cboSampleRate", "Sound Options", "Sample Rate", "48000"},
    {"chkSamples", "Sound Options", "Samples", "1"},
    {"cboVolume", "Sound Options", "Volume", "0"},
    {"cboAudioLat", "Sound Options", "Audio Latency", "1/5 To 2/5"},
    {"cboController", "Input Device Options", "Controller", "None"},
    {"chkMouse", "Input Device Options", "Mouse", "0"},
    {"chkJoystick", "Input Device Options", "Joystick", "0"},
    {"chkLightgun", "Input Device Options", "Lightgun", "0"},
    {"chkDualLightgun", "Input Device Options", "Dual Lightgun", "0"},
    {"chkOffReload", "Input Device Options", "Offscreen Reload", "0"},
    {"chkSteadyKey", "Input Device Options", "Steady Key", "0"},
    {"cboDeadzone", "Input Device Options", "A2d Deadzone", "0.30"},
    {"cboPaddleDev", "Automatic Device Selection Options", "Paddle Device", "Keyboard"},
    {"cboAdstickDev", "Automatic Device Selection Options", "Adstick Device", "Keyboard"},
    {"cboPedalDev", "Automatic Device Selection Options", "Pedal Device", "Keyboard"},
    {"cboDialDev", "Automatic Device Selection Options", "Dial Device", "Keyboard"},
    {"cboTrackballDev", "Automatic Device Selection Options", "Trackball Device", "Keyboard"},
    {"cboLightgunDev", "Automatic Device Selection Options", "Lightgun Device", "Keyboard"},
    {"chkKeyLeds", "Output Device Options", "Keyboard LEDs", "1"},
    {"cboLEDMode", "Output Device Options", "LED Mode", "PS/2"},
    {"txtOtherCommands", "Miscellaneous", "Other Commands", ""},
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
