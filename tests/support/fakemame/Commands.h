// The commands fakemame answers, one function each; the result is the process's exit code.
#pragma once

#include "FakeGame.h"

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

struct FakeMameConfig {
    QString listingFile;      // empty: generate `gameCount` games
    int gameCount = 20;
    QStringList badRomSets;
    QStringList badSampleSets;
    QString logFile;
    int sleepMs = 0;
    int exitCode = 0;         // what every command ends with, after its answer
    QString pausedFile;       // empty: -listxml does not pause
    int pauseAt = 0;          // bytes of the listing written before the pause
    std::string version = "0.106";
    ListingLayout layout = ListingLayout::Older;
    QString mameIni;          // the mame.ini the run reads (MameIniOfRun), which may not exist

    // Lines end as the layout's MAME ends them.
    std::string_view lineEnd() const { return layout == ListingLayout::Current ? "\n" : "\r\n"; }

    static FakeMameConfig fromEnvironment();
};

// Where a run reads mame.ini. The older MAME: its current folder. Today's (MAME 0.251): the first
// folder of its inipath that holds one, the inipath being the command line's -inipath, else
// $HOME/.mame (Debian's MAME also looks in /etc/mame, left out so that a test never reads the
// machine's own file).
QString MameIniOfRun(const FakeMameConfig& config, const QStringList& arguments);

enum class AuditKind { Roms, Samples };

int listXml(const FakeMameConfig& config);
int listCrc(const FakeMameConfig& config);
int help(const FakeMameConfig& config);
// `pattern` is a set name or a wildcard ("*" for all).
int verify(const FakeMameConfig& config, const QString& pattern, AuditKind kind);
int listFiles(const FakeMameConfig& config, const QString& set, AuditKind kind);
// Appends the run to the log when there is one; false when it cannot.
bool logRun(const FakeMameConfig& config, const QStringList& arguments);
// A game run: `arguments` are all arguments after the program's name.
int playGame(const FakeMameConfig& config, const QStringList& arguments);
