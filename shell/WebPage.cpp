#include "WebPage.h"

#include "Dialogs.h"

#include <QDesktopServices>

namespace {

UrlOpener& opener()
{
    static UrlOpener current;
    return current;
}

} // namespace

void setUrlOpener(UrlOpener o) { opener() = std::move(o); }

bool OpenWebPage(const QString& url)
{
    const QUrl address(url.trimmed(), QUrl::StrictMode);
    bool opened = false;
    if (address.isValid() && !address.isEmpty())
        opened = opener() ? opener()(address) : QDesktopServices::openUrl(address);
    if (!opened)
        dialogs().message(QStringLiteral("Web Page not Opened"), QStringLiteral("URL Failed"),
                          MessageIcon::Exclamation);
    return opened;
}
