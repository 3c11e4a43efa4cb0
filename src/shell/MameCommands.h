// The command lines the program hands to MAME, each built here and nowhere else. Every path and
// name that comes from a file or a setting is quoted as a word (QuoteArg); the texts between
// them are MAME's contract and stay exactly as they are.
#pragma once

#include <QString>

// "mame -listxml>" and the listing file `fileName` in the reports folder: `shortAppPath` is the
// program folder's command form.
QString MameListXmlCommand(const QString& shortAppPath, const QString& fileName);

// "mame -listcrc >" and the checksum file.
QString MameListCrcCommand(const QString& shortAppPath, const QString& fileName);

// `iniFolder`, in the commands whose result depends on mame.ini: the folder of the mame.ini MAME is
// to read, given as "-inipath" and the folder, two words right after the set; today's MAME reads
// mame.ini only from its inipath, never from its current folder. Empty for the older MAME, which
// reads it from its current folder: no words are added.

// The four reports of one set, each redirected into its own file (a full path), standard error
// with standard output.
enum class MameSetReport { VerifyRoms, VerifySamples, ListRoms, ListSamples };
QString MameSetReportCommand(const QString& rom, MameSetReport report, const QString& outputFile,
                             const QString& iniFolder = {});

// "mame * -verifyroms >" or "mame * -verifysamples >" over every set, standard error with
// standard output.
QString MameVerifyAllCommand(bool samples, const QString& outputFile, const QString& iniFolder = {});

// "mame -help > " and the version file.
QString MameHelpCommand(const QString& outputFile);

// "mame ", the ROM set name and the user's other commands, run through the interpreter. Double
// blanks in the other commands are reduced (one pass); each of their words (double quotes group
// blanks into one word, as MAME reads its command line) is quoted, so that no text of a settings
// file ever runs as shell syntax. Option names (words beginning with "-") are lower-cased, and
// everything where file names ignore case (Windows).
QString MamePlayCommand(const QString& rom, const QString& otherCommands, const QString& iniFolder = {});

// "mamediff ", the report's switch ("-s", "-n", or empty for none) and the old and the new
// listing (full paths), each a word of its own.
QString MameDiffCommand(const QString& option, const QString& oldListing, const QString& newListing);
