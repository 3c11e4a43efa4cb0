// What every benchmark does besides timing its jobs: stopping when a result is wrong, and writing
// its fixture files.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <cstdlib>

// Ends the benchmark with a non-zero status, so that a fast wrong answer fails.
[[noreturn]] inline void fail(const QString& what)
{
    std::fprintf(stderr, "benchmark failed: %s\n", qPrintable(what));
    std::exit(1);
}

// Writes the whole file, making its folder first.
inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail("cannot write " + path);
}
