#include "wizard/NewsAndUpdates.h"

#include <gtest/gtest.h>

#include <optional>


namespace {

// A page of `size` characters with `text` starting at the 1-based position `at`.
QString pageWith(const QString& text, int at, int size = 2500)
{
    QString page = QString(at - 1, QLatin1Char('x')) + text;
    return page + QString(qMax(0, size - int(page.size())), QLatin1Char('y'));
}

} // namespace

TEST(NewsIsNew, ShowsOncePerStampOrAlwaysWithASemicolon)
{
    const struct {
        const char* news;
        const char* last;
        bool shown;
    } cases[] = {
        {"20260101 new text", "20260101", false},
        {"20260101 new text", "20251224", true},
        {"20260101;every start", "20260101", true},
        {"20260101:not a semicolon", "20260101", false},
        {"20260101", "", true},
        {"20260101", "20260101", false},
        {"Error", "", false},
        {"Error", "Error", false},
        {"", "", false},
        {"", "20260101", false},
        {"short", "", true},
        // The stamp as options.ini gives it back: blanks at its ends dropped, a line break
        // stored as a blank, one pair of quotes taken off.
        {"2026-01 blank at the end", "2026-01", false},
        {"2026-01 blank at the end", "2026-02", true},
        {"2026\r\n01 a line break", "2026  01", false},
        {"\"quoted\" news", "quoted", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NewsIsNew(QString::fromLatin1(c.news), QString::fromLatin1(c.last)), c.shown) << c.news << " / " << c.last;
}

TEST(ParseVersion, MajorMinorAndRevisionEachANumber)
{
    const struct {
        const char* dotted;
        Version version;
        bool ok;
    } cases[] = {
        {"4.0.0", {4, 0, 0}, true},
        {"4.1", {4, 1, 0}, true},
        {"4.0.0.7", {4, 0, 0}, true},
        {" 4 . 2", {4, 2, 0}, true},
        {"4..1", {4, 0, 1}, true},
        {"5.1 final", {5, 1, 0}, true},
        {"beta", {0, 0, 0}, true},
        {"", {0, 0, 0}, true},
        {"4.99999999999", {}, false},
    };
    for (const auto& c : cases) {
        const Result<Version> v = ParseVersion(c.dotted);
        ASSERT_EQ(v.ok(), c.ok) << c.dotted;
        if (c.ok) {
            EXPECT_EQ(*v, c.version) << c.dotted;
        }
    }
}

TEST(WebVersion, ReadsTheNumberAfterCharacterOneThousand)
{
    const struct {
        const char* what;
        QString page;
        std::optional<Version> version; // none: an error
    } cases[] = {
        {"at 1200", pageWith("Version 4.0.0<br>", 1200), Version{4, 0, 0}},
        {"at 1000 exactly", pageWith("Version 4.0.1<br>", 1000), Version{4, 0, 1}},
        {"at 999: begins before", pageWith("Version 3.9.9<br>", 999), std::nullopt},
        {"wholly before 1000", pageWith("Version 4.0.0<br>", 500), std::nullopt},
        {"first one before 1000 is skipped", pageWith("Version 1.0.0<br>", 10).left(900) + pageWith("Version 3.9.9<br>", 200), Version{3, 9, 9}},
        {"past the first 2000 characters", pageWith("Version 4.0.0<br>", 1995), std::nullopt},
        {"no <br>", pageWith("Version 4.0.0 and more", 1200), std::nullopt},
        {"no number", pageWith("Version beta<br>", 1200), Version{}},
        {"beyond 32 bits", pageWith("Version 99999999999<br>", 1200), std::nullopt},
        {"empty page", QString(), std::nullopt},
    };
    for (const auto& c : cases) {
        const Result<Version> v = WebVersion(c.page);
        if (!c.version) {
            EXPECT_FALSE(v.ok()) << c.what;
        } else {
            ASSERT_TRUE(v.ok()) << c.what;
            EXPECT_EQ(*v, *c.version) << c.what;
        }
    }
}

TEST(UpdateVerdict, ComparesMajorMinorAndRevisionWithOurs)
{
    const QString site = QStringLiteral("http://site.example");
    const QString newer = "There is a new version of Zelvane available.\r\nYou can get it from http://site.example.";
    const QString older = "You are running a newer version of Zelvane than the one that is available on the website.";
    const QString same = "No updates available.  You are running the current version of Zelvane.";
    const struct {
        Version web;
        QString verdict;
    } cases[] = {
        {{4, 0, 1}, newer},
        {{4, 1, 0}, newer},   // "4.1": 41 against 400 as digits alone
        {{10, 0, 0}, newer},
        {{3, 9, 9}, older},
        {{3, 10, 0}, older},  // 3100 against 400 as digits alone
        {{0, 0, 5}, older},
        {{4, 0, 0}, same},
        {{0, 0, 0}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UpdateVerdict(c.web, Version{4, 0, 0}, site), c.verdict)
            << c.web.major << "." << c.web.minor << "." << c.web.revision;
}
