#include "platform/Inet.h"
#include "platform/ShownText.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/LocalWebServer.h"

namespace {

// One request run to its end, with every state it reported and the text read in chunks.
struct Outcome {
    std::vector<qint16> states;
    QStringList chunks;
};

Outcome fetch(const QString& url, int chunkSize, int timeoutMs = 10000)
{
    Inet inet;
    Outcome out;
    QObject::connect(&inet, &Inet::StateChanged, [&](qint16 state) {
        out.states.push_back(state);
        EXPECT_TRUE(inet.StillExecuting()) << "the end is reported while the request still counts as running";
        if (state == Inet::icResponseCompleted)
            for (QString chunk = inet.GetChunk(chunkSize); !chunk.isEmpty(); chunk = inet.GetChunk(chunkSize))
                out.chunks.append(chunk);
    });
    inet.Execute(url, timeoutMs);
    EXPECT_TRUE(inet.StillExecuting());
    inet.waitWhileExecuting();
    EXPECT_FALSE(inet.StillExecuting());
    return out;
}

} // namespace

TEST(Inet, CompletedResponseReadInChunks)
{
    LocalWebServer server;
    const QByteArray news = QByteArray("20260101;") + QByteArray(241, 'n');
    server.serve("/zelvane/news.txt", news);
    const Outcome out = fetch(server.host() + "/zelvane/news.txt", 100);
    EXPECT_EQ(out.states, std::vector<qint16>{Inet::icResponseCompleted});
    ASSERT_EQ(out.chunks.size(), 3);
    EXPECT_EQ(out.chunks[0].size(), 100);
    EXPECT_EQ(out.chunks[1].size(), 100);
    EXPECT_EQ(out.chunks[2].size(), 50);
    EXPECT_EQ(out.chunks.join(QString()), QString::fromLatin1(news));
    EXPECT_EQ(server.requested(), QList<QByteArray>{"/zelvane/news.txt"});
}

TEST(Inet, FailuresReportTheErrorState)
{
    LocalWebServer server;
    server.serve("/gone", "<html>Not Found</html>", 404);
    server.serve("/broken", "oops", 500);
    server.hold("/silent");
    const struct {
        const char* what;
        QString url;
        int timeoutMs;
    } cases[] = {
        {"refused", RefusingHost() + "/zelvane/news.txt", 10000},
        {"not found", server.host() + "/gone", 10000},
        {"server error", server.host() + "/broken", 10000},
        {"never answered, given up", server.host() + "/silent", 50},
    };
    for (const auto& c : cases) {
        const Outcome out = fetch(c.url, 100, c.timeoutMs);
        EXPECT_EQ(out.states, std::vector<qint16>{Inet::icError}) << c.what;
        EXPECT_TRUE(out.chunks.isEmpty()) << c.what;
    }
}

// A reply longer than the panel shows is cut there, with a note; an error page stays an error
// however long it is.
TEST(Inet, LongReplyIsCutWhereThePanelStops)
{
    LocalWebServer server;
    const QByteArray big(kShownTextLength + 100000, 'n');
    server.serve("/zelvane/news.txt", big);
    server.serve("/gone", big, 404);
    const Outcome out = fetch(server.host() + "/zelvane/news.txt", 1 << 20);
    EXPECT_EQ(out.states, std::vector<qint16>{Inet::icResponseCompleted});
    const QString text = out.chunks.join(QString());
    EXPECT_EQ(text, QString(kShownTextLength, QLatin1Char('n')) + "\r\n" + TextCutNote());
    EXPECT_EQ(fetch(server.host() + "/gone", 100).states, std::vector<qint16>{Inet::icError});
}
