// Puts fakemame (tests/support/fakemame) in place of MAME and reads back the runs it logged.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Copies fakemame into `mameFolder` as the MAME program ("mame", "mame.exe" on Windows) and
// returns its path. Its behaviour comes from the ZELVANE_FAKEMAME_* variables (see ScopedEnv
// and fakemame's main.cpp).
QString installFakeMame(const QString& mameFolder);

// One run as fakemame logged it in the file named by ZELVANE_FAKEMAME_LOG.
struct FakeMameRun {
    QStringList args;                    // every argument after the program's name
    QString cwd;                         // the current folder of the run
    std::optional<QByteArray> mameIni;   // the mame.ini in that folder, when there was one
    QStringList refused;                 // what today's MAME says of values there it does not take
};
std::vector<FakeMameRun> readFakeMameRuns(const QString& logFile);
