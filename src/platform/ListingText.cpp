#include "platform/ListingText.h"

#include <QLatin1String>

namespace {

struct Entity {
    QLatin1String written;
    char16_t shown;
};

constexpr Entity kEntities[] = {
    {QLatin1String("&amp;"), u'&'},  {QLatin1String("&lt;"), u'<'},    {QLatin1String("&gt;"), u'>'},
    {QLatin1String("&quot;"), u'"'}, {QLatin1String("&apos;"), u'\''},
};

} // namespace

qsizetype ListingEntityAt(QStringView text, qsizetype at, QChar& shown)
{
    if (at >= text.size() || text[at] != u'&')
        return 0;
    const QStringView rest = text.sliced(at);
    for (const Entity& e : kEntities) {
        if (rest.startsWith(e.written)) {
            shown = QChar(e.shown);
            return e.written.size();
        }
    }
    return 0;
}

QString ShownListingText(const QString& text)
{
    qsizetype amp = text.indexOf(u'&');
    if (amp < 0)
        return text;
    QString shown;
    shown.reserve(text.size());
    qsizetype copied = 0;
    for (; amp >= 0; amp = text.indexOf(u'&', amp + 1)) {
        QChar c;
        const qsizetype length = ListingEntityAt(text, amp, c);
        if (length == 0)
            continue;
        shown += QStringView(text).sliced(copied, amp - copied);
        shown += c;
        copied = amp + length;
        amp = copied - 1;
    }
    shown += QStringView(text).sliced(copied);
    return shown;
}
