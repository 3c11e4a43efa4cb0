// The bad-set list of a verify report: the report's lines that end in "is bad", copied to a file
// of their own and counted.
#pragma once

#include "platform/RuntimeError.h"

#include <QString>

// Copies each line of `reportPath` whose last six characters are exactly "is bad" to `badPath`
// (CR LF after each) and returns how many there were. Counted in 32 bits: a large collection can
// hold more bad sets than 16 bits count.
Result<qint32> WriteBadSets(const QString& reportPath, const QString& badPath);
