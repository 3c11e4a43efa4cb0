#include "platform/OpenUrl.h"

#include <QDesktopServices>

namespace {

UrlOpenerHandler& handler()
{
    static UrlOpenerHandler h;
    return h;
}

} // namespace

bool OpenUrl(const QUrl& url)
{
    if (handler())
        return handler()(url);
    return QDesktopServices::openUrl(url);
}

void setUrlOpenerHandler(UrlOpenerHandler handler_) { handler() = std::move(handler_); }
