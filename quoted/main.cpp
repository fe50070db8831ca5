// tarnbeck-quoted: the quote service on its own.
//   tarnbeck-quoted --data DIR [--listen ADDR] [--port N] [--replay] [--timeout SECONDS]
// Prints the address it listens on ("127.0.0.1:8580") as its first line.

#include "QuoteService.h"
#include "ServiceHosts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnbeck-quoted"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Answers quote, details and history requests over HTTP from a folder of "
                       "market data (one SYMBOL.csv per symbol, and symbols.csv)."));
    parser.addHelpOption();
    const QCommandLineOption dataOption(QStringLiteral("data"),
                                        QStringLiteral("The market-data folder (default: the bundled sample data)."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption listenOption(QStringLiteral("listen"),
                                          QStringLiteral("The address to listen on (default 127.0.0.1)."),
                                          QStringLiteral("ADDR"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("The port to listen on, 0 for any free one (default 8580)."),
                                        QStringLiteral("N"), QStringLiteral("8580"));
    const QCommandLineOption replayOption(QStringLiteral("replay"),
                                          QStringLiteral("Move the data forward so that it ends today and "
                                                         "today's prices move through the New York session."));
    const QCommandLineOption timeoutOption(QStringLiteral("timeout"),
                                           QStringLiteral("Seconds a client has to send its request (default 10)."),
                                           QStringLiteral("SECONDS"), QStringLiteral("10"));
    parser.addOptions({dataOption, listenOption, portOption, replayOption, timeoutOption});
    parser.process(app);

    const auto fail = [](const QString& message) {
        std::fprintf(stderr, "tarnbeck-quoted: %s\n", qPrintable(message));
        return 1;
    };
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    const QString dir = parser.isSet(dataOption) ? parser.value(dataOption) : bundledMarketDir();
    if (dir.isEmpty())
        return fail(QStringLiteral("no market-data folder; name one with --data DIR"));
    QHostAddress address;
    if (!address.setAddress(parser.value(listenOption)))
        return fail(QStringLiteral("\"%1\" is not an address").arg(parser.value(listenOption)));
    bool ok = false;
    const int port = parser.value(portOption).toInt(&ok);
    if (!ok || port < 0 || port > 65535)
        return fail(QStringLiteral("\"%1\" is not a port").arg(parser.value(portOption)));
    const double timeout = parser.value(timeoutOption).toDouble(&ok);
    if (!ok || timeout <= 0 || timeout > 3600)
        return fail(QStringLiteral("\"%1\" is not a time-out in seconds").arg(parser.value(timeoutOption)));

    QuoteServiceOptions options;
    options.replay = parser.isSet(replayOption);
    options.timeoutMs = int(timeout * 1000);
    QuoteService service(options);
    if (!service.load(dir) || !service.listen(address, quint16(port)))
        return fail(service.errorString());

    const QHostAddress bound = service.address();
    const QString host = bound.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + bound.toString() + QLatin1Char(']')
                             : bound.toString();
    std::printf("%s:%u\n", qPrintable(host), unsigned(service.port()));
    std::fflush(stdout);
    return app.exec();
}
