#include "QuotedTestSupport.h"

#include <QEventLoop>
#include <QFile>
#include <QTcpSocket>
#include <QTimer>

MarketFixture::MarketFixture()
{
    QDir(m_root.path()).mkpath(QStringLiteral("market"));
    write(QStringLiteral("AAA.csv"),
          "Date,Open,High,Low,Close,Volume,Adj Close\n"
          "2004-03-01,10.00,10.50,9.80,10.20,1000,10.20\n"
          "2004-03-02,10.20,10.90,10.10,10.80,2000,10.80\n"
          "2004-03-03,10.80,11.00,10.40,10.50,3000,10.50\n"
          "2004-03-04,10.50,10.70,10.00,10.10,4000,10.10\n"
          "2004-03-05,10.10,10.30,9.50,9.60,5000,9.60\n"
          "2004-03-08,9.60,9.90,9.40,9.80,6000,9.80\n"
          "2004-03-09,9.80,10.40,9.70,10.30,7000,10.30\n"
          "2004-03-10,10.30,10.60,10.20,10.40,8000,10.40\n"
          "2004-03-11,10.40,10.50,10.00,10.05,9000,10.05\n"
          "2004-03-12,10.05,10.65,10.05,10.60,10000,10.60\n");
    write(QStringLiteral("BBB.csv"),
          "close,DATE,Volume,High,low,Open\r\n"
          "\r\n"
          "63.4375,3/12/2004,53077800,64,62.5,63\r\n"
          "62.25,3/11/2004,26180200,63,61.875,62.5\r\n"
          "\r\n"
          "62.5,3/10/2004,30000000,62.75,61.5,61.75\r\n");
    write(QStringLiteral("CCC.csv"),
          "Date,Open,High,Low,Close,Volume,Adj Close\n"
          "2004-03-08,5.00,5.20,4.90,5.10,100,5.10\n"
          "2004-03-09,5.10,abc,4.90,5.00,100,5.00\n"
          "2004-13-10,5.00,5.20,4.90,5.10,100,5.10\n"
          "2004-03-10,5.10,5.30,5.00,5.20,100,5.20\n"
          "2004-03-11,5.20\n"
          "2004-03-11,5.20,5.40,5.10,5.30,100,5.30\n"
          "2004-03-12,5.30,5.50,5.20,5.40,100,5.40\n");
    write(QStringLiteral("^IDX.csv"),
          "Date,Open,High,Low,Close,Volume\n"
          "2004-03-11,1100.00,1110.00,1090.00,1105.50,1500000000\n"
          "2004-03-12,1105.50,1120.25,1100.00,1118.75,5792140000\n");
    write(QStringLiteral("symbols.csv"),
          "Symbol,Name,Exchange,MarketCapMillions\n"
          "AAA,\"Alpha, Inc.\",NYSE,9375.492\n"
          "BBB,Beta Corporation,NASDAQ,850\n"
          "CCC,Gamma \"Quoted\" Co,AMEX,\n"
          "^IDX,Test Index,SNP,\n"
          "ZZZ,Listed Without Prices,NYSE,12.5\n");
    QFile secret(QDir(m_root.path()).filePath(QStringLiteral("SECRET.csv")));
    secret.open(QIODevice::WriteOnly);
    secret.write("Date,Open,High,Low,Close,Volume\n2004-03-12,1,1,1,1,1\n");
}

void MarketFixture::write(const QString& name, const QByteArray& text) const
{
    QFile f(QDir(dir()).filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(text);
}

QVector<PriceRow> weekdayRows(const QDate& first, int count)
{
    QVector<PriceRow> rows;
    QDate d = first;
    for (int i = 0; i < count; ++i) {
        while (d.dayOfWeek() > 5)
            d = d.addDays(1);
        PriceRow r;
        r.day = int(d.toJulianDay());
        r.close = 10 + i;
        r.open = r.close - 0.5;
        r.high = r.close + 1;
        r.low = r.open - 1;
        r.volume = 1000 * (i + 1);
        r.adjClose = r.close;
        rows.append(r);
        d = d.addDays(1);
    }
    return rows;
}

QByteArray Exchange::body() const
{
    const qsizetype split = reply.indexOf("\r\n\r\n");
    return split < 0 ? QByteArray() : reply.mid(split + 4);
}

Exchange exchange(quint16 port, const QByteArray& request, int waitMs, int chunk)
{
    Exchange result;
    QTcpSocket socket;
    QEventLoop loop;
    QObject::connect(&socket, &QTcpSocket::connected, [&] {
        if (chunk <= 0) {
            socket.write(request);
            return;
        }
        for (qsizetype i = 0; i < request.size(); i += chunk)
            socket.write(request.mid(i, chunk));
    });
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { result.reply += socket.readAll(); });
    QObject::connect(&socket, &QTcpSocket::disconnected, [&] {
        result.closedByServer = true;
        loop.quit();
    });
    QObject::connect(&socket, &QTcpSocket::errorOccurred, [&](QAbstractSocket::SocketError e) {
        if (e != QAbstractSocket::RemoteHostClosedError)
            loop.quit();
    });
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    socket.connectToHost(QHostAddress::LocalHost, port);
    loop.exec();
    result.reply += socket.readAll();
    return result;
}

QByteArray programRequest(const QByteArray& path)
{
    return "GET " + path + " HTTP/1.0\r\nAccept: */*\r\nAccept: text/html\r\nConnection: Close\r\n\r\n";
}

QString takeToken(QString& s, const QString& d)
{
    const qsizetype at = s.indexOf(d);
    if (at <= 0)
        return QString();
    const QString token = s.left(at);
    s = s.mid(at + d.size());
    return token;
}
