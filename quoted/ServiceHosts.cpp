#include "ServiceHosts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char kSection[] = "services";

bool validHostName(const QString& host)
{
    if (host.isEmpty() || host.size() > 253)
        return false;
    for (QChar c : host)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('-')
            && c != QLatin1Char('.') && c != QLatin1Char('_'))
            return false;
    return true;
}

// An IPv6 address as far as its form goes: groups of up to four hex digits, eight of
// them or fewer around one "::"; the connection finds out the rest.
bool looksLikeIpv6(const QString& host)
{
    const qsizetype colons = host.count(QLatin1Char(':'));
    const bool compressed = host.contains(QLatin1String("::"));
    if (colons < 2 || colons > 7 || (!compressed && colons != 7)
        || host.indexOf(QLatin1String("::")) != host.lastIndexOf(QLatin1String("::")))
        return false;
    for (const QString& group : host.split(QLatin1Char(':'))) {
        if (group.size() > 4)
            return false;
        for (QChar c : group)
            if (!(c.isDigit() || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'))))
                return false;
    }
    return true;
}

} // namespace

QString ServiceEndpoint::authority() const
{
    const QString h = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return h + QLatin1Char(':') + QString::number(port);
}

ServiceHosts ServiceHosts::withBuiltIn(quint16 builtInPort) const
{
    ServiceHosts out = *this;
    for (ServiceEndpoint* e : {&out.quote, &out.index, &out.history})
        if (!e->isSet()) {
            e->host = QStringLiteral("127.0.0.1");
            e->port = builtInPort;
        }
    return out;
}

bool parseEndpoint(const QString& input, ServiceEndpoint& endpoint)
{
    endpoint = ServiceEndpoint();
    QString text = input.trimmed();
    if (text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive))
        text = text.mid(7);
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    if (text.isEmpty())
        return false;

    QString host = text;
    QString portText;
    bool hasPort = false;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0)
            return false;
        host = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':')))
                return false;
            portText = rest.mid(1);
            hasPort = true;
        }
        if (!looksLikeIpv6(host))
            return false;
    } else if (text.count(QLatin1Char(':')) == 1) {
        host = text.section(QLatin1Char(':'), 0, 0);
        portText = text.section(QLatin1Char(':'), 1);
        hasPort = true;
    } else if (text.count(QLatin1Char(':')) > 1 && !looksLikeIpv6(host)) {
        return false;
    }
    if (!host.contains(QLatin1Char(':')) && !validHostName(host))
        return false;

    quint16 port = 80;
    if (hasPort) {
        bool ok = false;
        const int value = portText.toInt(&ok);
        if (!ok || value < 1 || value > 65535)
            return false;
        port = quint16(value);
    }
    endpoint.host = host;
    endpoint.port = port;
    return true;
}

ServiceHosts parseServiceHosts(const QString& iniText)
{
    ServiceHosts hosts;
    bool inSection = false;
    const QStringList lines = iniText.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inSection = line.mid(1, line.size() - 2).trimmed().compare(QLatin1String(kSection),
                                                                       Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inSection || eq < 0)
            continue;
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        ServiceEndpoint* target = key == QLatin1String("quote")     ? &hosts.quote
                                  : key == QLatin1String("index")   ? &hosts.index
                                  : key == QLatin1String("history") ? &hosts.history
                                                                    : nullptr;
        if (!target)
            continue;
        if (value.isEmpty()) {
            *target = ServiceEndpoint();
        } else if (!parseEndpoint(value, *target)) {
            hosts.problems << QStringLiteral("services.ini line %1: \"%2\" is not a host[:port]; "
                                             "the built-in service is used for %3")
                                  .arg(i + 1)
                                  .arg(value, key);
        }
    }
    return hosts;
}

ServiceHosts readServiceHosts(const QString& dataRoot)
{
    QFile file(QDir(dataRoot).filePath(QStringLiteral("services.ini")));
    if (!file.open(QIODevice::ReadOnly))
        return ServiceHosts();
    return parseServiceHosts(QString::fromUtf8(file.readAll()));
}

QString bundledMarketDir()
{
    const QString fromEnvironment = qEnvironmentVariable("TARNBECK_MARKET");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;

    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QDir(QCoreApplication::applicationDirPath())
                          .absoluteFilePath(QStringLiteral("../share/tarnbeck/market"));
    candidates << QStringLiteral(TARNBECK_INSTALLED_MARKET_DIR)
               << QStringLiteral(TARNBECK_SOURCE_MARKET_DIR);
    for (const QString& dir : candidates)
        if (QFileInfo(dir).isDir())
            return QDir::cleanPath(dir);
    return QString();
}
