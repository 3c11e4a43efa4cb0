#include "wizard/NewsAndUpdates.h"

#include <gtest/gtest.h>


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
        {"short", "", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NewsIsNew(QString::fromLatin1(c.news), QString::fromLatin1(c.last)), c.shown) << c.news << " / " << c.last;
}

TEST(WebVersion, ReadsTheNumberAfterCharacterOneThousand)
{
    const struct {
        const char* what;
        QString page;
        int version; // -1: an error
    } cases[] = {
        {"at 1200", pageWith("Version 4.0.0<br>", 1200), 400},
        {"at 1000 exactly", pageWith("Version 4.0.1<br>", 1000), 401},
        {"at 999: begins before", pageWith("Version 3.9.9<br>", 999), -1},
        {"wholly before 1000", pageWith("Version 4.0.0<br>", 500), -1},
        {"first one before 1000 is skipped", pageWith("Version 1.0.0<br>", 10).left(900) + pageWith("Version 3.9.9<br>", 200), 399},
        {"past the first 2000 characters", pageWith("Version 4.0.0<br>", 1995), -1},
        {"no <br>", pageWith("Version 4.0.0 and more", 1200), -1},
        {"no number", pageWith("Version beta<br>", 1200), 0},
        {"number then text", pageWith("Version 5.1 final<br>", 1200), 51},
        {"beyond 32 bits", pageWith("Version 99999999999<br>", 1200), -1},
        {"empty page", QString(), -1},
    };
    for (const auto& c : cases) {
        const Result<qint32> v = WebVersion(c.page);
        if (c.version < 0) {
            EXPECT_FALSE(v.ok()) << c.what;
        } else {
            ASSERT_TRUE(v.ok()) << c.what;
            EXPECT_EQ(*v, c.version) << c.what;
        }
    }
}

TEST(UpdateVerdict, ComparesTheWebNumberWithOurs)
{
    const QString site = QStringLiteral("http://site.example");
    const struct {
        int web;
        const char* verdict;
    } cases[] = {
        {401, "There is a new version of Zelvane available.\r\nYou can get it from http://site.example."},
        {399, "You are running a newer version of Zelvane than the one that is available on the website."},
        {400, "No updates available.  You are running the current version of Zelvane."},
        {0, ""},
        {-5, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UpdateVerdict(c.web, 400, site), QString::fromLatin1(c.verdict)) << c.web;
}
