// A game list written out as text: ROM set names and descriptions in 14-column print zones.
#pragma once

#include "state/AppState.h"

#include <QByteArray>
#include <QString>

#include <functional>

struct ExportRow {
    QString rom;
    QString game;
};

// The file in the reports folder that `view` is exported to ("allgames.txt", ...).
QString ExportFileName(GameView view);

// The exported file: the header, an empty line, rows 0 to count - 1 as `row` gives them, an
// empty line and the total; ANSI with CRLF line ends.
QByteArray ExportListText(qint32 count, const std::function<ExportRow(qint32)>& row);
