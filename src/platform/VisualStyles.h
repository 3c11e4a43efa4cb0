// The program's look: the classic controls, or the platform's themed ones when the program
// folder holds its manifest file.
#pragma once

#include <QString>

// The manifest file whose presence beside the program turns the themed look on.
inline constexpr auto kManifestFileName = "zelvane.exe.manifest";

// Turns the platform's themed look on; true when the platform has one.
bool InitCommonControlClasses();

// The classic look that the program has without its manifest file.
void UseClassicControls();
