// Opens a web address in the user's default browser, through a function that tests replace.
#pragma once

#include <QUrl>

#include <functional>

// True when the browser could be started.
bool OpenUrl(const QUrl& url);

// An empty function restores the desktop's own opener.
using UrlOpenerHandler = std::function<bool(const QUrl& url)>;
void setUrlOpenerHandler(UrlOpenerHandler handler);
