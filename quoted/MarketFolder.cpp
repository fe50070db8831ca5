#include "MarketFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const char kListingsFile[] = "symbols.csv";

void say(const LogFunction& log, const QString& line)
{
    if (log)
        log(line);
}

} // namespace

bool MarketFolder::load(const QString& dir, const LogFunction& log)
{
    m_symbols.clear();
    m_listings.clear();
    m_error.clear();

    const QDir folder(dir);
    if (dir.isEmpty() || !folder.exists()) {
        m_error = QStringLiteral("%1: no such folder").arg(dir);
        return false;
    }

    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("*.csv"), QStringLiteral("*.CSV")},
                             QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& file : files) {
        QFile f(file.filePath());
        if (!f.open(QIODevice::ReadOnly)) {
            say(log, QStringLiteral("%1: cannot be read").arg(file.fileName()));
            continue;
        }
        const QByteArray text = f.readAll();
        if (file.fileName().compare(QLatin1String(kListingsFile), Qt::CaseInsensitive) == 0) {
            int bad = 0;
            m_listings = parseSymbolsCsv(text, &bad);
            if (bad > 0)
                say(log, QStringLiteral("%1: skipped %2 bad lines").arg(file.fileName()).arg(bad));
            continue;
        }

        const QString symbol = file.completeBaseName().trimmed().toUpper();
        if (symbol.isEmpty() || m_symbols.contains(symbol)) {
            say(log, QStringLiteral("%1: ignored, symbol %2 already read")
                         .arg(file.fileName(), symbol));
            continue;
        }
        PriceTable table = parsePriceCsv(text);
        if (!table.error.isEmpty()) {
            say(log, QStringLiteral("%1: %2").arg(file.fileName(), table.error));
            continue;
        }
        if (table.badRows > 0)
            say(log, QStringLiteral("%1: skipped %2 bad rows, the first at line %3")
                         .arg(file.fileName())
                         .arg(table.badRows)
                         .arg(table.firstBadLine));
        if (table.rows.isEmpty()) {
            say(log, QStringLiteral("%1: no price rows").arg(file.fileName()));
            continue;
        }
        SymbolHistory history;
        history.symbol = symbol;
        history.rows = std::move(table.rows);
        m_symbols.insert(symbol, std::move(history));
    }

    for (SymbolHistory& history : m_symbols)
        history.info = m_listings.value(history.symbol);

    if (m_symbols.isEmpty()) {
        m_error = QStringLiteral("%1: no price files").arg(dir);
        return false;
    }
    return true;
}

const SymbolHistory* MarketFolder::find(const QString& symbol) const
{
    const auto it = m_symbols.constFind(symbol.toUpper());
    return it == m_symbols.cend() ? nullptr : &*it;
}

QStringList MarketFolder::symbols() const
{
    QStringList list = m_symbols.keys();
    list.sort();
    return list;
}
