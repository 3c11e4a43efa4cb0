// Which option controls are usable, given the values of the nine options that others depend on.
#pragma once

#include <QString>

#include <vector>

// The controlling values as the panel holds them now; check boxes 0, 1 or 2 (grayed).
struct RuleInputs {
    QString video;
    QString resolution;
    int window = 0;
    int sound = 0;
    int samples = 0;
    int artwork = 0;
    int lightgun = 0;
    int keyLeds = 0;
    int joystick = 0;
};

// One change of a control's Enabled state: the control's name ("frame9", "lblCombo19" for the
// arrays' items).
struct EnableChange {
    const char* control;
    bool enabled;
};

struct RuleEffects {
    std::vector<EnableChange> changes; // in the order applied; a later one overrides an earlier
    bool tickSwitchRes = false;        // a chosen resolution asks for the switch of resolution
};

// The rules, applied in their fixed order. A grayed check box matches neither branch of a rule
// that tests for ticked and unticked, so that rule changes nothing.
RuleEffects SetFramesEffects(const RuleInputs& inputs);
