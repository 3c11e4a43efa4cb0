// The two ways the program ends at once: after its orderly shutdown, and after a fatal error.
#pragma once

#include <QString>

// Writes the INI service's pending writes and ends the process; no further event runs.
[[noreturn]] void EndProgram(int exitCode = 0);

// Shows the message (critical icon unless the style says otherwise), then ends the program as
// above. Nothing of the failing procedure or its callers runs after it.
[[noreturn]] void FatalError(const QString& prompt, int style = 16, const QString& title = QStringLiteral("Zelvane"));
