// Small file helpers for fixtures: write bytes, read bytes, make folders.
#pragma once

#include <QByteArray>
#include <QString>

void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
void makeDirs(const QString& path);
