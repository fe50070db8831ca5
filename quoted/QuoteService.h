#pragma once

#include "MarketFolder.h"

#include <QDateTime>
#include <QHostAddress>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QTcpServer;
class QuoteResponder;

struct QuoteServiceOptions {
    // Replay the data so that it looks current (see Replay.h); otherwise serve it as it stands.
    bool replay = false;
    // A client must send its whole request head within this time, and a reply must be
    // taken within it; then the connection is closed.
    int timeoutMs = 10000;
    // Longest request head accepted (request line and headers).
    int maxHeadBytes = 8192;
    // Connections served at once; one more is answered 503 and closed.
    int maxConnections = 256;
    // The current UTC time; the program's clock (appClock()) when empty.
    std::function<QDateTime()> nowUtc;
    // Where the service says what went wrong with its data files; stderr when empty.
    LogFunction log;
};

// The quote service: answers quote, details and history requests over HTTP from a
// market-data folder read once at start (see QuoteResponder.h for the requests). Every
// reply ends the connection. Runs on the Qt event loop of the thread that owns it.
class QuoteService : public QObject {
    Q_OBJECT
public:
    explicit QuoteService(QuoteServiceOptions options = {}, QObject* parent = nullptr);
    ~QuoteService() override;

    // Reads the folder; false with errorString() when it holds no usable price file.
    bool load(const QString& dir);
    // Starts listening; port 0 takes a free port. False with errorString() on failure.
    bool listen(const QHostAddress& address = QHostAddress::LocalHost, quint16 port = 0);
    void close();

    quint16 port() const;
    QHostAddress address() const;
    QString errorString() const { return m_error; }
    const MarketFolder& market() const { return m_market; }
    int openConnections() const { return m_open; }

signals:
    // A connection was closed and its resources released.
    void connectionFinished();

private:
    void acceptConnections();

    QuoteServiceOptions m_options;
    MarketFolder m_market;
    std::unique_ptr<QuoteResponder> m_responder;
    QTcpServer* m_server = nullptr;
    QString m_error;
    int m_open = 0;
};
