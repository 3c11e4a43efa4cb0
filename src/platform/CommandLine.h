// The command interpreter's rules: the prefix of a redirected command line and word quoting.
#pragma once

#include <QString>

// Quotes one word for the command interpreter when it holds blanks or characters the interpreter
// would act on; plain words are left as they are. Text from files and settings never reaches a
// command line without it.
QString QuoteArg(const QString& word);

// The interpreter prefix of every redirected command line: the value of COMSPEC and " /c " on
// Windows; "" elsewhere, where RunCommandLine itself hands the line to /bin/sh.
QString CommandPrefix();
