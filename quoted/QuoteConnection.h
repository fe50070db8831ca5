#pragma once

#include "HttpMessage.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>

class QTcpSocket;

// One client of the quote service, from its request to the close.
//
// The connection reads the request head (HttpRequestReader), has it answered, writes
// the reply, then shuts its sending side and reads and drops whatever else the client
// sends until the client closes, so that the reply is never cut off by a reset. A
// client that does not finish its request, or does not take the reply, within the
// time-out is closed. The object deletes itself and its socket when done.
class QuoteConnection : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<HttpResponse(const QByteArray& method, const QByteArray& target)>;

    // Takes ownership of `socket`. `answer` is null for a connection turned away with 503.
    QuoteConnection(QTcpSocket* socket, Answer answer, int maxHeadBytes, int timeoutMs,
                    QObject* parent = nullptr);
    ~QuoteConnection() override;

signals:
    void finished();

private:
    void readRequest();
    void send(const HttpResponse& response, int minorVersion, bool headOnly);
    void onBytesWritten();
    void onTimeout();
    void finish();

    QTcpSocket* m_socket;
    Answer m_answer;
    HttpRequestReader m_reader;
    QTimer m_timer;
    int m_timeoutMs;
    bool m_replied = false;
    bool m_shutDown = false;
    bool m_finished = false;
};
