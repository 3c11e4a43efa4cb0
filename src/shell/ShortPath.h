// Short paths: the form of a path that command lines and mame.ini carry.
#pragma once

#include <QString>

// The short (8.3) form of an existing path, as the file system stores it; "" when the path does
// not exist. Where a file system has no short names this is the path itself.
QString GetShortPath(const QString& path);

// What callers put into command lines and mame.ini: the short path, lower-cased where file names
// ignore case (Windows); elsewhere lower-casing would name another file, so the case is kept.
QString CommandPath(const QString& path);

// Joins a folder and a relative path with the native separator ("\" on Windows).
QString JoinPath(const QString& folder, const QString& relative);
