// Where a long job shows its progress: the splash form during start-up, the wait form after it.
#pragma once

#include <QString>

class Progress {
public:
    virtual ~Progress() = default;
    // The current step ("Creating listxml.txt..."); repainted at once, as the jobs pump no events.
    virtual void message(const QString& text) = 0;
    // The running game count.
    virtual void count(qint32 games) = 0;
};
