#pragma once

#include <QString>
#include <QStringList>

// Where the program sends its quote, index-quote and history requests.
//
// The settings live in "services.ini" in the data root:
//     [services]
//     quote=quotes.example.net
//     index=127.0.0.1:8580
//     history=127.0.0.1:8580
// Each value is a host name or address, optionally followed by ":port" (80 when
// absent); an IPv6 address with a port is written in brackets ("[::1]:8580"). A key
// that is missing or empty, or whose value cannot be read, means the built-in service.

struct ServiceEndpoint {
    QString host;       // empty: use the built-in service
    quint16 port = 80;

    bool isSet() const { return !host.isEmpty(); }
    // "host:port" as a URL authority ("[::1]:8580" for an IPv6 address).
    QString authority() const;
};

struct ServiceHosts {
    ServiceEndpoint quote;     // quotes of ordinary symbols and details
    ServiceEndpoint index;     // quotes of index symbols (those holding "^")
    ServiceEndpoint history;   // history tables
    QStringList problems;      // one line per value that could not be read

    // True when at least one endpoint is left to the built-in service.
    bool needsBuiltIn() const { return !quote.isSet() || !index.isSet() || !history.isSet(); }
    // The same hosts with every unset endpoint pointed at 127.0.0.1:`builtInPort`.
    ServiceHosts withBuiltIn(quint16 builtInPort) const;
};

// Reads services.ini from `dataRoot`; every endpoint unset when the file is absent.
ServiceHosts readServiceHosts(const QString& dataRoot);

// Reads the text of a services.ini file.
ServiceHosts parseServiceHosts(const QString& iniText);

// Reads one "host[:port]" value; false (endpoint unset) when it is not one.
bool parseEndpoint(const QString& text, ServiceEndpoint& endpoint);

// The folder of the bundled sample market data: $TARNBECK_MARKET when set, else the
// installed copy (share/tarnbeck/market beside the program, then under the configured
// install prefix), else the copy in the source tree. Empty when none of them exists.
QString bundledMarketDir();
