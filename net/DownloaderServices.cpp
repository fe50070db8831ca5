#include "DownloaderServices.h"

#include "BuiltInQuoteService.h"
#include "ServiceHosts.h"

DownloaderServices::DownloaderServices() = default;
DownloaderServices::~DownloaderServices() = default;
DownloaderServices::DownloaderServices(DownloaderServices&&) noexcept = default;
DownloaderServices& DownloaderServices::operator=(DownloaderServices&&) noexcept = default;

DownloaderServices startDownloaderServices(const QString& dataRoot)
{
    DownloaderServices out;
    ServiceHosts hosts = readServiceHosts(dataRoot);
    out.problems = hosts.problems;
    if (hosts.needsBuiltIn()) {
        const QString dir = bundledMarketDir();
        out.builtIn = std::make_unique<BuiltInQuoteService>(dir);
        if (out.builtIn->isRunning()) {
            hosts = hosts.withBuiltIn(out.builtIn->port());
        } else {
            out.problems << QStringLiteral("The built-in quote service could not start over \"%1\": %2")
                                .arg(dir, out.builtIn->errorString());
        }
    }
    out.endpoints.quote = hosts.quote.authority();
    out.endpoints.index = hosts.index.authority();
    out.endpoints.history = hosts.history.authority();
    return out;
}
