// The runtime's error descriptions, so that a core procedure's failure reads as users know it.
#pragma once

#include "platform/RuntimeError.h"

#include <QFileDevice>

namespace ErrorNumber {
inline constexpr int InvalidCall = 5;
inline constexpr int DeviceIO = 57;
inline constexpr int BadRecordLength = 59;
inline constexpr int DiskFull = 61;
inline constexpr int PermissionDenied = 70;
}

// "Input past end of file" for 62, and so on; "Application-defined or object-defined error" for
// numbers without a text of their own.
QString RuntimeErrorDescription(int number);

// The error of that number with its description.
RuntimeError MakeRuntimeError(int number, int line = 0);

// What opening, reading or writing `file` failed with, as the runtime numbers it: a missing file
// (when reading), a missing folder, no permission, a full disk, any other access failure.
RuntimeError FileRuntimeError(const QFileDevice& file, bool writing, int line = 0);

// What the user is told when a file the program keeps could not be replaced: the file, the
// reason, and that the file on disk is as it was.
QString SaveFailedText(const QString& file, const RuntimeError& error);
