#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Asks the desktop to open a web address in the user's browser; returns whether it did.
using UrlOpener = std::function<bool(const QUrl&)>;

// Installs the opener OpenWebPage uses; an empty opener restores the desktop's
// (QDesktopServices::openUrl). Tests install one that records or fails.
void setUrlOpener(UrlOpener opener);

// Opens `url` in the user's browser. When that fails the user is told so: the
// message "Web Page not Opened", titled "URL Failed", with an exclamation icon.
bool OpenWebPage(const QString& url);
