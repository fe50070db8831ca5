#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

// A loopback HTTP peer for the client tests: records each request and answers it the
// way the test says.
class ScriptedServer : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        Answer,        // sends the answer and closes
        AnswerOpen,    // sends the answer and keeps the connection open
        Silent,        // never answers, never closes
        Reset,         // resets the connection at once
    };

    ScriptedServer();
    quint16 port() const { return m_server.serverPort(); }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }

    void setMode(Mode m) { m_mode = m; }
    // The answer for a request, given its request text.
    void setAnswer(std::function<QByteArray(const QByteArray& request)> answer) { m_answer = std::move(answer); }
    void setAnswer(const QByteArray& answer)
    {
        m_answer = [answer](const QByteArray&) { return answer; };
    }

    const QList<QByteArray>& requests() const { return m_requests; }
    // Connections the client closed (or reset).
    int closedByClient() const { return m_closedByClient; }
    int connections() const { return m_connections; }

private:
    void accept();
    void readRequest(QTcpSocket* socket);

    QTcpServer m_server;
    Mode m_mode = Mode::Answer;
    std::function<QByteArray(const QByteArray&)> m_answer;
    QList<QByteArray> m_requests;
    int m_closedByClient = 0;
    int m_connections = 0;
};

// A port on 127.0.0.1 where nothing listens.
quint16 closedPort();
