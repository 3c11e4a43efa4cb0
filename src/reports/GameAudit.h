// The game audit's report: what MAME says of one set's ROMs and samples, under two headings.
#pragma once

#include "platform/RuntimeError.h"
#include "shell/MameCommands.h"

#include <QString>

#include <array>

// One MAME run of the audit and the file in the reports folder that takes its output.
struct AuditRun {
    const char* fileName;
    MameSetReport report;
};

// The runs in the order they take place.
inline constexpr std::array<AuditRun, 4> kAuditRuns{{
    {"temp1.txt", MameSetReport::VerifyRoms},
    {"temp2.txt", MameSetReport::VerifySamples},
    {"temp3.txt", MameSetReport::ListRoms},
    {"temp4.txt", MameSetReport::ListSamples},
}};

// "ROMs" over the lines of temp1.txt and temp3.txt, then "Samples" over those of temp2.txt and
// temp4.txt, every line ending in CR LF whatever ends it in the file. A file that cannot be read
// gives its error, its name in the description.
Result<QString> GameAuditReport(const QString& reportsFolder);
