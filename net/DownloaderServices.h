#pragma once

#include "RequestUrl.h"

#include <QString>
#include <QStringList>

#include <memory>

class BuiltInQuoteService;

// The services the downloader talks to at this run: the hosts of services.ini in the
// data root, and for every host left unset the built-in quote service, started here
// over the bundled market data on 127.0.0.1.
struct DownloaderServices {
    ServiceEndpoints endpoints;
    std::unique_ptr<BuiltInQuoteService> builtIn;
    // What could not be read or started, one line each; empty when all went well.
    QStringList problems;

    DownloaderServices();
    ~DownloaderServices();
    DownloaderServices(DownloaderServices&&) noexcept;
    DownloaderServices& operator=(DownloaderServices&&) noexcept;
};

DownloaderServices startDownloaderServices(const QString& dataRoot);
