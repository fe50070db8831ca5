#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// One HTTP request head, read as it arrives.
//
// The head (request line and header lines, up to the blank line) is held in at most
// `maxHeadBytes`; a longer one is refused: 414 when the request line alone does not
// fit, 431 otherwise. Lines may end in CR LF or LF. HTTP/1.0 and HTTP/1.1 are served,
// with or without a Host header; a request's body is never read.
class HttpRequestReader {
public:
    enum class State { Reading, Complete, Failed };

    explicit HttpRequestReader(int maxHeadBytes = 8192) : m_maxHeadBytes(maxHeadBytes) {}

    // Takes the next bytes received. Bytes after the head are ignored.
    State feed(const QByteArray& bytes);
    State state() const { return m_state; }

    // When Failed: the status to answer with (400, 414, 431, 505) and why.
    int errorStatus() const { return m_errorStatus; }
    QString errorText() const { return m_errorText; }

    // When Complete:
    QByteArray method() const { return m_method; }
    QByteArray target() const { return m_target; }   // as sent, e.g. "/d/table.csv?s=ORCL&f=sl1"
    int minorVersion() const { return m_minorVersion; }   // 0 or 1
    QByteArray header(const QByteArray& name) const;       // first header of that name, any case

private:
    State fail(int status, const QString& text);
    State parseHead(const QByteArray& head);

    int m_maxHeadBytes;
    QByteArray m_buffer;
    State m_state = State::Reading;
    int m_errorStatus = 0;
    QString m_errorText;
    QByteArray m_method;
    QByteArray m_target;
    int m_minorVersion = 0;
    QList<QPair<QByteArray, QByteArray>> m_headers;
};

// What the service answers; written out by toBytes().
struct HttpResponse {
    int status = 200;
    QByteArray contentType = "text/plain";
    QByteArray body;
    QByteArray extraHeaders;   // whole lines, each ended by CR LF

    // The status line in the request's version, Content-Type, Content-Length and
    // "Connection: close" (in lower case: a history reader looks for the word "Close"
    // as the start of its table), then the body unless `headOnly`.
    QByteArray toBytes(int minorVersion, bool headOnly = false) const;
};

QByteArray reasonPhrase(int status);

// A small HTML page for an error status; `detail` is escaped.
HttpResponse errorPage(int status, const QString& detail);
