#include "SocketReport.h"

#include <QNetworkInterface>
#include <QtGlobal>

#include <sys/resource.h>

SocketLayerFacts socketLayerFacts()
{
    SocketLayerFacts f;
    f.version = kSocketModelVersion;
    const QStringList qt = QString::fromLatin1(qVersion()).split(QLatin1Char('.'));
    const int major = qt.value(0).toInt();
    const int minor = qt.value(1).toInt();
    f.highVersion = (minor << 8) | major;
    f.description = QStringLiteral("Qt Network %1 sockets (QTcpSocket, QHostInfo)").arg(QString::fromLatin1(qVersion()));

    int up = 0;
    const QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : all)
        up += i.flags().testFlag(QNetworkInterface::IsUp);
    f.systemStatus = QStringLiteral("Running, %1 of %2 network interfaces up").arg(up).arg(all.size());

    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) == 0)
        f.maxSockets = files.rlim_cur == RLIM_INFINITY ? -1 : static_cast<long long>(files.rlim_cur);
    f.maxUdpDatagram = 65507;
    return f;
}

QString socketReportText(const SocketLayerFacts& facts)
{
    const QString crlf = QStringLiteral("\r\n");
    QString t = crlf;
    t += QStringLiteral("  wVersion= %1").arg(facts.version) + crlf;
    t += QStringLiteral("  wHighVersion = %1").arg(facts.highVersion) + crlf;
    t += QStringLiteral("  If wVersion = 257 then everything is cool") + crlf;
    t += QStringLiteral("  szDescription = ") + facts.description + crlf;
    t += QStringLiteral("  szSystemStatus = ") + facts.systemStatus + crlf;
    t += QStringLiteral("  iMaxSockets = %1").arg(facts.maxSockets) + crlf;
    t += QStringLiteral("  iMaxUdpDg = %1").arg(facts.maxUdpDatagram) + crlf;
    t += facts.description + crlf;
    t += facts.systemStatus + crlf;
    return t;
}

int BluePulse::tick()
{
    blue += step;
    if (blue >= 244)
        step = -10;
    if (blue <= 50)
        step = 10;
    return blue;
}
