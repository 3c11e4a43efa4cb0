// The text handling of the news and of the update check: where the documents are, whether the
// news is new, and the version number read from the home page.
#pragma once

#include "platform/RuntimeError.h"
#include "wizard/ProgramVersion.h"

#include <QString>
#include <QtGlobal>

inline constexpr char kNewsPath[] = "/zelvane/news.txt";
inline constexpr char kUpdatesPath[] = "/zelvane/index.html";

// How long a request may run before it counts as failed: the start-up news must not hold the
// program's start, and a menu command must give its menu items back.
inline constexpr int kStartupNewsTimeoutMs = 5000;
inline constexpr int kMenuRequestTimeoutMs = 15000;

// The web site, without a trailing slash: ZELVANE_WEB_HOST when set, else the product's site.
QString WebHost();

// The news is shown at start-up unless the request failed ("Error"), nothing came, or it carries
// the stamp shown last; a ";" as its ninth character shows it every time. The stamp is compared
// as options.ini gives it back, so news whose stamp ends in a blank is not shown at every start.
bool NewsIsNew(const QString& newsText, const QString& lastNews);

// The first eight characters of the news, stored as the stamp of the last news shown.
QString NewsStamp(const QString& newsText);

// The dotted version: each of the first three parts its leading number (missing parts 0, later
// ones ignored). A part beyond 32 bits is an error.
Result<Version> ParseVersion(const QString& dotted);

// The program's own version.
Version OwnVersion();

// The newest version from the home page's first 2000 characters: the dotted number after
// "Version " (found at or after the 1000th character) up to "<br>". A page without that text
// there is an error, as is a number beyond 32 bits.
Result<Version> WebVersion(const QString& page);

// What Check For Updates tells the user about `webVersion` against `ownVersion`; empty when no
// version was read.
QString UpdateVerdict(const Version& webVersion, const Version& ownVersion, const QString& site);
