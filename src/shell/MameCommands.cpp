#include "shell/MameCommands.h"

#include "platform/CommandLine.h"
#include "platform/FileNames.h"
#include "shell/ShortPath.h"

#include <QStringList>

namespace {

// A MAME command whose output goes into `file`, the text ending where the file's name begins.
QString redirected(const QString& command, const QString& file)
{
    return CommandPrefix() + command + QuoteArg(file);
}

// The same with MAME's standard error in the file too: today's MAME writes a verify run's summary
// there when a set is bad, and a set it does not know only there. Both interpreters read "2>&1".
QString redirectedWithErrors(const QString& command, const QString& file)
{
    return redirected(command, file) + QStringLiteral(" 2>&1");
}

// "mame ", the set and, for today's MAME, the folder of its mame.ini.
QString mameWithSet(const QString& set, const QString& iniFolder)
{
    QString command = QStringLiteral("mame ") + set;
    if (!iniFolder.isEmpty())
        command += QStringLiteral(" -inipath ") + QuoteArg(iniFolder);
    return command;
}

// Splits text into words as MAME's start-up splits its command line: blanks and TABs separate
// words, double quotes group blanks into a word and are dropped ("" is an empty word).
QStringList commandWords(const QString& text)
{
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}

} // namespace

QString MameListXmlCommand(const QString& shortAppPath, const QString& fileName)
{
    return redirected(QStringLiteral("mame -listxml>"), JoinPath(shortAppPath, QStringLiteral("reports/") + fileName));
}

QString MameListCrcCommand(const QString& shortAppPath, const QString& fileName)
{
    return redirected(QStringLiteral("mame -listcrc >"), JoinPath(shortAppPath, QStringLiteral("reports/") + fileName));
}

QString MameSetReportCommand(const QString& rom, MameSetReport report, const QString& outputFile,
                             const QString& iniFolder)
{
    QString command;
    switch (report) {
    case MameSetReport::VerifyRoms: command = QStringLiteral(" -verifyroms > "); break;
    case MameSetReport::VerifySamples: command = QStringLiteral(" -verifysamples > "); break;
    case MameSetReport::ListRoms: command = QStringLiteral(" -listroms > "); break;
    case MameSetReport::ListSamples: command = QStringLiteral(" -listsamples > "); break;
    }
    return redirectedWithErrors(mameWithSet(QuoteArg(rom), iniFolder) + command, outputFile);
}

QString MameVerifyAllCommand(bool samples, const QString& outputFile, const QString& iniFolder)
{
    return redirectedWithErrors(mameWithSet(QStringLiteral("*"), iniFolder) +
                                    (samples ? QStringLiteral(" -verifysamples >") : QStringLiteral(" -verifyroms >")),
                                outputFile);
}

QString MameHelpCommand(const QString& outputFile)
{
    return redirected(QStringLiteral("mame -help > "), outputFile);
}

QString MamePlayCommand(const QString& rom, const QString& otherCommands, const QString& iniFolder)
{
    // One left-to-right pass, as the settings' texts have always been tidied: three blanks in a
    // row become two. Between words it makes no difference; inside double quotes it does.
    QString other = otherCommands;
    other.replace(QLatin1String("  "), QLatin1String(" "));
    // Where file names ignore case MAME has always been given the command in lower case;
    // elsewhere lower-casing would change the file names in the options.
    other = LowerWhereCaseIgnored(other);
    QString line = CommandPrefix() + mameWithSet(QuoteArg(LowerWhereCaseIgnored(rom)), iniFolder);
    for (QString word : commandWords(other)) {
        // MAME's option names are case-sensitive ("-Cheat" is an unknown option); their values
        // may be file names, which keep their case.
        if (word.startsWith(QLatin1Char('-')))
            word = word.toLower();
        line += QLatin1Char(' ') + QuoteArg(word);
    }
    return line;
}

QString MameDiffCommand(const QString& option, const QString& oldListing, const QString& newListing)
{
    QString line = CommandPrefix() + QStringLiteral("mamediff ");
    if (!option.isEmpty())
        line += option + QLatin1Char(' ');
    return line + QuoteArg(oldListing) + QLatin1Char(' ') + QuoteArg(newListing);
}
