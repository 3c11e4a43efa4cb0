// fakemame: our stand-in for MAME in tests and benchmarks. It answers every command line the
// program hands to MAME, from fixtures and settings that the test prepares:
//
//   mame -listxml               the listing, in MAME's line layout, resources at the end
//   mame -listcrc               "crc romfile description" for every ROM of every set
//   mame <set|*> -verifyroms    "romset <set> [parent] is good" / "is bad" / "not found",
//   mame <set|*> -verifysamples   then "<n> romsets found, <m> were OK." (samplesets likewise);
//                                 a set is found when <set>.zip (in the current layout also
//                                 <set>.7z) lies in a folder of the rompath (samplepath) of the
//                                 mame.ini it reads: the one in the current folder (today's
//                                 MAME: see ZELVANE_FAKEMAME_LAYOUT)
//   mame <set> -listroms        the ROM files of the set
//   mame <set> -listsamples     the sample files of the set
//   mame -help                  usage, first line "M.A.M.E. v<version> (fakemame)"
//   mame <set> [options...]     a game run: when mame.ini has a record line, writes the .inp
//                               file into its input_directory
//
// Output lines end in CR LF, as MAME writes them on the program's home platform. The behaviour
// comes from the environment (ExecCmd hands the program's environment on):
//
//   ZELVANE_FAKEMAME_LISTXML      a listing file: -listxml copies it unchanged, and the other
//                                 commands take their sets from it
//   ZELVANE_FAKEMAME_GAMES        without a listing file: the number of generated games
//                                 (default 20), each about 6 KB of listing
//   ZELVANE_FAKEMAME_BAD          comma-separated ROM sets that verify as bad
//   ZELVANE_FAKEMAME_BAD_SAMPLES  comma-separated sample sets that verify as bad
//   ZELVANE_FAKEMAME_LOG          file that every run appends one JSON line to:
//                                 {"args": [...], "cwd": "...", "mameIni": "..." or null,
//                                  "refused": [what today's MAME says of the values of
//                                  mame.ini that it does not take; always empty in the older
//                                  layout]}
//   ZELVANE_FAKEMAME_SLEEP_MS     milliseconds to wait before answering any command
//   ZELVANE_FAKEMAME_EXIT         exit code of every command after its answer (default 0)
//   ZELVANE_FAKEMAME_KILLED       "1": every command is killed (SIGKILL) once it has answered
//   ZELVANE_FAKEMAME_PAUSED       a file that -listxml (or a verify run) writes its process id
//   ZELVANE_FAKEMAME_PAUSE_AT     into once it has written this many bytes of its output; it
//                                 writes the rest once the file is removed (or after a minute)
//   ZELVANE_FAKEMAME_VERSION      version shown by -help and the listing (default 0.106, or 0.251
//                                 in the current layout)
//   ZELVANE_FAKEMAME_LAYOUT       "current": answers as today's MAME does. The listing has
//                                 <machine> entries (BIOS sets among the games, devices last,
//                                 feature lines, "folder/name.cpp" sources), -listcrc pads the ROM
//                                 name to 32 and the set name to 16 with a TAB after each, -help
//                                 starts "MAME v<version> (unknown)", lines end in LF, and a verify
//                                 run reports no set it does not find and puts its summary on
//                                 standard error with exit code 2 when a set is bad (nothing found:
//                                 'romset "<set>" not found!' there); a game run puts what it
//                                 says of mame.ini's frameskip, video, sound, switch and effect
//                                 values that it does not take on standard error, records into
//                                 and plays back from the file the record or playback line names
//                                 as it stands (no ".inp" added), and stops with "Input file
//                                 <name> not found" and exit code 3 when there is none to play
//                                 back, and with "Could not load controller configuration file
//                                 <ctrlr>.cfg" and exit code 3 when the ctrlr option's file is in
//                                 no folder of its ctrlrpath. Every run reads mame.ini only from
//                                 the first folder of its -inipath that holds one, or without
//                                 -inipath from $HOME/.mame
#include "Commands.h"

#include <QString>
#include <QStringList>
#include <QThread>

#include <csignal>
#include <cstdio>

namespace {

// The switch that names the command, and the set it applies to (empty for none).
struct CommandLine {
    QString command;
    QString set;
    QStringList arguments;
};

CommandLine parse(int argc, char** argv)
{
    static const QStringList kCommands = {"-listxml", "-listcrc", "-verifyroms", "-verifysamples",
                                          "-listroms", "-listsamples", "-help"};
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        line.arguments << arg;
        if (kCommands.contains(arg.toLower()) && line.command.isEmpty())
            line.command = arg.toLower();
        else if (!arg.startsWith(QLatin1Char('-')) && line.set.isEmpty() && line.arguments.size() == 1)
            line.set = arg;
    }
    return line;
}

int answer(const FakeMameConfig& config, const CommandLine& line)
{
    if (line.command == QLatin1String("-listxml"))
        return listXml(config);
    if (line.command == QLatin1String("-listcrc"))
        return listCrc(config);
    if (line.command == QLatin1String("-help"))
        return help(config);
    if (line.set.isEmpty()) {
        std::fprintf(stderr, "fakemame: no command and no set in the arguments\n");
        return 1;
    }
    if (line.command == QLatin1String("-verifyroms"))
        return verify(config, line.set, AuditKind::Roms);
    if (line.command == QLatin1String("-verifysamples"))
        return verify(config, line.set, AuditKind::Samples);
    if (line.command == QLatin1String("-listroms"))
        return listFiles(config, line.set, AuditKind::Roms);
    if (line.command == QLatin1String("-listsamples"))
        return listFiles(config, line.set, AuditKind::Samples);
    return playGame(config, line.arguments);
}

} // namespace

int main(int argc, char** argv)
{
    FakeMameConfig config = FakeMameConfig::fromEnvironment();
    if (config.sleepMs > 0)
        QThread::msleep(static_cast<unsigned long>(config.sleepMs));

    const CommandLine line = parse(argc, argv);
    config.mameIni = MameIniOfRun(config, line.arguments);
    if (!logRun(config, line.arguments))
        return 1;
    const int code = answer(config, line);
    if (qEnvironmentVariable("ZELVANE_FAKEMAME_KILLED") == QLatin1String("1")) {
        std::fflush(nullptr);
        std::raise(SIGKILL);
    }
    return code == 0 ? config.exitCode : code;
}
