#pragma once

#include "MarketCsv.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

// One symbol's market data: its history, oldest first, and what the listings say.
struct SymbolHistory {
    QString symbol;
    QVector<PriceRow> rows;
    SymbolInfo info;
};

// Receives the loader's and the service's messages, one line each.
using LogFunction = std::function<void(const QString&)>;

// The market-data folder, read once: every "SYMBOL.csv" in it is a price file (the
// symbol is the file name without ".csv", upper-cased), "symbols.csv" the listings.
// Requests are answered from this map only; no request text ever becomes a path.
class MarketFolder {
public:
    // Reads `dir`. Files with bad rows keep their good rows, and each such file is
    // reported once through `log`. False (with errorString()) when the folder cannot be
    // read or holds no usable price file.
    bool load(const QString& dir, const LogFunction& log = {});

    // The symbol's data, or nullptr; `symbol` is compared upper-cased.
    const SymbolHistory* find(const QString& symbol) const;
    // Listings entry of a symbol that may have no price file.
    SymbolInfo info(const QString& symbol) const { return m_listings.value(symbol.toUpper()); }

    QStringList symbols() const;
    QString errorString() const { return m_error; }

private:
    QHash<QString, SymbolHistory> m_symbols;
    QHash<QString, SymbolInfo> m_listings;
    QString m_error;
};
