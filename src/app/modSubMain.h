// The program's start-up procedure and what it leaves running for the event loop.
#pragma once

#include "mainwindow/frmMain.h"
#include "shell/SingleInstance.h"
#include "state/AppState.h"

#include <QString>

#include <functional>
#include <memory>

// The objects that live from start-up to the program's end; released last member first.
struct Program {
    AppState state;
    std::unique_ptr<InstanceServer> instance;
    std::unique_ptr<frmMain> mainWindow;
};

// Creates the main window, runs its load sequence and shows it.
void ShowMainWindow(Program& program);

// What start-up takes from its surroundings; tests put their own in its place.
struct StartupEnvironment {
    QString appPath;                               // the program folder
    std::function<void(Program&)> showMainWindow;  // the main window's load and show
};

// The program folder of the running executable and the real main window.
StartupEnvironment DefaultStartup();

// Start-up: the start time, the look, the single-instance test, the main window, the end time,
// and the news when it is new.
// Returns with the main window shown, for the event loop to run; ends the process when another
// instance took over.
void Main(Program& program, const StartupEnvironment& env = DefaultStartup());
