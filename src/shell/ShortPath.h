// Short paths: the form of a path that command lines and mame.ini carry.
#pragma once

#include <QString>

// The short (8.3) form of an existing path, as the file system stores it; "" when the path does
// not exist. Where a file system has no short names this is the path itself.
QString GetShortPath(const QString& path);

// What callers put into command lines and mame.ini: the short path, lower-cased where file names
// ignore case (Windows); elsewhere lower-casing would name another file, so the case is kept.
QString CommandPath(const QString& path);

// Quotes one word for the command interpreter when it holds blanks or characters the interpreter
// would act on; plain words are left as they are. Text from files and settings never reaches a
// command line without it.
QString QuoteArg(const QString& word);

// The interpreter prefix of every redirected command line: the value of COMSPEC and " /c " on
// Windows; "" elsewhere, where ExecCmd itself hands the line to /bin/sh.
QString CommandPrefix();

// Joins a folder and a relative path with the native separator ("\" on Windows).
QString JoinPath(const QString& folder, const QString& relative);
