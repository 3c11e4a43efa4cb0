// A program version as the update check compares it.
#pragma once

#include <QtGlobal>

#include <compare>

// "4.1" is newer than "4.0.0", which reading the digits as one number (41 against 400) would get
// wrong. No number at all is 0.0.0, no version.
struct Version {
    qint32 major = 0;
    qint32 minor = 0;
    qint32 revision = 0;

    auto operator<=>(const Version&) const = default;
    bool known() const { return *this != Version(); }
};
