// The texts of the two diagnostic boxes of the main window: path information and start-up time.
#pragma once

#include "state/AppState.h"

#include <QString>

// The paths the program resolved: program folder, MAME, ROMs and Additional ROMs, each as set,
// short, and as copied before the options wizard.
QString PathInformationText(const ProgramPaths& paths, const DirectorySettings& dirs);

// "<n> Second(s)": the start-up's length in whole seconds, halves to even. Times are seconds since
// midnight, so a start-up that crossed midnight gains a day.
QString StartUpTimeText(float startTime, float endTime);
