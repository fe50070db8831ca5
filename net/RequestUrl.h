#pragma once

#include "DownloadRequest.h"

#include <QByteArray>
#include <QString>

// The three services the downloader talks to, each "host" or "host:port" (port 80
// when absent).
struct ServiceEndpoints {
    QString quote;    // quotes of ordinary symbols, and details
    QString index;    // quotes of index symbols (those containing "^")
    QString history;  // daily price history
};

// Field lists sent to the quote service.
inline constexpr char kQuoteFields[] = "s0d1t1o0h0g0l1v0c1p2t5b1a3l9c6p4";
inline constexpr char kIndexQuoteFields[] = "s0d1t1o0h0g0l1v0c1p2";
inline constexpr char kDetailsFields[] = "sd1t1ohgl1vc1p2nj2xkja2j1redyqr1t2";

// A symbol as it goes into a query: everything but letters, digits and "-._~" is
// percent-encoded, so a symbol can neither add keys to the query nor leave the path.
QString queryTicker(const QString& ticker);

// The path and query of a request ("/d/table.csv?s=..." or "/table.csv?a=..."), or an
// empty text for an unknown type. A history block asks for the three months that end
// on the request's Date.
QString requestPath(const DownloadRequest& req);
// "http://" + the request's host + its path; empty for an unknown type.
QString requestUrl(const DownloadRequest& req, const ServiceEndpoints& hosts);

// The URL split as the client sees it: the URL is trimmed and loses a leading
// "http://" (in any case); the host is the text before the first "/" (all of it when
// there is none) and the path the text after it.
QString HostFromUrl(const QString& url);
QString PathFromUrl(const QString& url);
// "name", "name:port" or "[v6 address]:port" split into the name and the port; port 80
// when none is written. False for a port that is not a number from 1 to 65535.
bool splitHostPort(const QString& hostText, QString& host, quint16& port);

// The request text sent for `url`: an HTTP/1.0 GET of "/" + path with two Accept lines,
// "Connection: Close" and the blank line, as 8-bit characters. No other header is sent.
QByteArray BuildGetRequest(const QString& url);
