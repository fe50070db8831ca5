#include "ScriptedServer.h"

ScriptedServer::ScriptedServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedServer::accept);
}

void ScriptedServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++m_connections;
        socket->setParent(this);
        socket->setProperty("request", QByteArray());
        socket->setProperty("answered", false);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (!socket->property("closedHere").toBool())
                ++m_closedByClient;
            socket->deleteLater();
        });
        if (m_mode == Mode::Reset)
            socket->abort();
    }
}

void ScriptedServer::readRequest(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (socket->property("answered").toBool() || !request.contains("\r\n\r\n"))
        return;
    socket->setProperty("answered", true);
    m_requests << request;
    if (m_mode == Mode::Silent)
        return;
    socket->write(m_answer ? m_answer(request) : QByteArray());
    if (m_mode == Mode::Answer) {
        socket->setProperty("closedHere", true);
        socket->disconnectFromHost();
    }
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
