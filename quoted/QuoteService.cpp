#include "QuoteService.h"

#include "QuoteConnection.h"
#include "QuoteResponder.h"

#include "Clock.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>

QuoteService::QuoteService(QuoteServiceOptions options, QObject* parent)
    : QObject(parent), m_options(std::move(options))
{
    if (!m_options.nowUtc)
        m_options.nowUtc = [] { return appClock().nowUtc(); };
    if (!m_options.log)
        m_options.log = [](const QString& line) {
            std::fprintf(stderr, "tarnbeck-quoted: %s\n", qPrintable(line));
            std::fflush(stderr);
        };
}

QuoteService::~QuoteService() = default;

bool QuoteService::load(const QString& dir)
{
    m_responder.reset();
    if (!m_market.load(dir, m_options.log)) {
        m_error = m_market.errorString();
        return false;
    }
    m_responder = std::make_unique<QuoteResponder>(m_market, m_options.replay);
    return true;
}

bool QuoteService::listen(const QHostAddress& address, quint16 port)
{
    if (!m_responder) {
        m_error = QStringLiteral("no market data loaded");
        return false;
    }
    close();
    m_server = new QTcpServer(this);
    connect(m_server, &QTcpServer::newConnection, this, &QuoteService::acceptConnections);
    if (!m_server->listen(address, port)) {
        m_error = QStringLiteral("cannot listen on %1:%2: %3")
                      .arg(address.toString())
                      .arg(port)
                      .arg(m_server->errorString());
        delete m_server;
        m_server = nullptr;
        return false;
    }
    return true;
}

void QuoteService::close()
{
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
}

quint16 QuoteService::port() const { return m_server ? m_server->serverPort() : 0; }

QHostAddress QuoteService::address() const
{
    return m_server ? m_server->serverAddress() : QHostAddress();
}

void QuoteService::acceptConnections()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        QuoteConnection::Answer answer;
        if (m_open < m_options.maxConnections)
            answer = [this](const QByteArray& method, const QByteArray& target) {
                return m_responder->respond(method, target, m_options.nowUtc());
            };
        ++m_open;
        auto* connection = new QuoteConnection(socket, std::move(answer), m_options.maxHeadBytes,
                                               m_options.timeoutMs, this);
        connect(connection, &QuoteConnection::finished, this, [this] {
            --m_open;
            emit connectionFinished();
        });
    }
}
