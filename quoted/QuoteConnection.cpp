#include "QuoteConnection.h"

#include <QTcpSocket>

#include <sys/socket.h>

QuoteConnection::QuoteConnection(QTcpSocket* socket, Answer answer, int maxHeadBytes,
                                 int timeoutMs, QObject* parent)
    : QObject(parent), m_socket(socket), m_answer(std::move(answer)), m_reader(maxHeadBytes),
      m_timeoutMs(timeoutMs)
{
    m_socket->setParent(this);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QuoteConnection::onTimeout);
    connect(m_socket, &QTcpSocket::readyRead, this, &QuoteConnection::readRequest);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &QuoteConnection::onBytesWritten);
    connect(m_socket, &QTcpSocket::disconnected, this, &QuoteConnection::finish);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error != QAbstractSocket::RemoteHostClosedError || m_socket->state() != QAbstractSocket::ConnectedState)
            finish();
    });
    m_timer.start(m_timeoutMs);

    if (!m_answer) {
        send(errorPage(503, QStringLiteral("Too many connections; try again shortly.")), 0, false);
        return;
    }
    if (m_socket->bytesAvailable() > 0)
        readRequest();
}

QuoteConnection::~QuoteConnection()
{
    if (m_socket)
        m_socket->abort();
}

void QuoteConnection::readRequest()
{
    const QByteArray bytes = m_socket->readAll();
    if (m_replied || m_finished)
        return;   // after the reply: input is read only to be dropped
    switch (m_reader.feed(bytes)) {
    case HttpRequestReader::State::Reading:
        return;
    case HttpRequestReader::State::Failed:
        send(errorPage(m_reader.errorStatus(), m_reader.errorText()), 0, false);
        return;
    case HttpRequestReader::State::Complete:
        send(m_answer(m_reader.method(), m_reader.target()), m_reader.minorVersion(),
             m_reader.method() == "HEAD");
        return;
    }
}

void QuoteConnection::send(const HttpResponse& response, int minorVersion, bool headOnly)
{
    m_replied = true;
    m_timer.start(m_timeoutMs);
    m_socket->write(response.toBytes(minorVersion, headOnly));
}

void QuoteConnection::onBytesWritten()
{
    if (m_finished || !m_replied || m_shutDown)
        return;
    m_timer.start(m_timeoutMs);   // the client is taking the reply
    if (m_socket->bytesToWrite() > 0)
        return;
    // The whole reply is with the system: end the sending side and wait for the
    // client's close, dropping what it still sends.
    m_shutDown = true;
    if (::shutdown(int(m_socket->socketDescriptor()), SHUT_WR) != 0)
        m_socket->disconnectFromHost();
}

void QuoteConnection::onTimeout()
{
    if (m_finished)
        return;
    if (!m_replied) {
        send(errorPage(408, QStringLiteral("The request did not arrive in time.")), 0, false);
        return;
    }
    finish();
}

void QuoteConnection::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer.stop();
    m_socket->abort();
    emit finished();
    deleteLater();
}
