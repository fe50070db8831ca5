#include "MarketCsv.h"

#include <QMap>

#include <algorithm>
#include <cmath>

namespace {

const char* const kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                               "jul", "aug", "sep", "oct", "nov", "dec"};

int fullYear(int year, int digits)
{
    if (digits > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

bool allDigits(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (!c.isDigit())
            return false;
    return true;
}

// Index of each named column, -1 when absent.
struct Columns {
    int date = -1, open = -1, high = -1, low = -1, close = -1, volume = -1, adjClose = -1;
    int count = 0;
    bool usable() const { return date >= 0 && open >= 0 && high >= 0 && low >= 0 && close >= 0; }
};

QString columnKey(QString name)
{
    name = name.trimmed().toLower();
    name.remove(QLatin1Char(' '));
    name.remove(QLatin1Char('_'));
    name.remove(QLatin1Char('.'));
    return name;
}

Columns headerColumns(const QStringList& fields)
{
    Columns c;
    c.count = int(fields.size());
    for (int i = 0; i < fields.size(); ++i) {
        const QString key = columnKey(fields[i]);
        int* slot = nullptr;
        if (key == QLatin1String("date"))
            slot = &c.date;
        else if (key == QLatin1String("open"))
            slot = &c.open;
        else if (key == QLatin1String("high"))
            slot = &c.high;
        else if (key == QLatin1String("low"))
            slot = &c.low;
        else if (key == QLatin1String("close"))
            slot = &c.close;
        else if (key == QLatin1String("volume"))
            slot = &c.volume;
        else if (key == QLatin1String("adjclose") || key == QLatin1String("adjustedclose"))
            slot = &c.adjClose;
        if (slot && *slot < 0)
            *slot = i;
    }
    return c;
}

Columns standardColumns(int fieldCount)
{
    Columns c;
    c.count = fieldCount;
    c.date = 0, c.open = 1, c.high = 2, c.low = 3, c.close = 4;
    c.volume = fieldCount > 5 ? 5 : -1;
    c.adjClose = fieldCount > 6 ? 6 : -1;
    return c;
}

bool readNumber(const QStringList& fields, int column, double& value)
{
    if (column < 0 || column >= fields.size())
        return false;
    QString text = fields[column].trimmed();
    text.remove(QLatin1Char(','));
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value >= 0;
}

bool isBlank(const QStringList& fields, int column)
{
    return column < 0 || (column < fields.size() && fields[column].trimmed().isEmpty());
}

bool readRow(const QStringList& fields, const Columns& c, PriceRow& row)
{
    if (c.date >= fields.size())
        return false;
    const QDate date = parseMarketDate(fields[c.date]);
    if (!date.isValid())
        return false;
    row.day = int(date.toJulianDay());
    if (!readNumber(fields, c.open, row.open) || !readNumber(fields, c.high, row.high)
        || !readNumber(fields, c.low, row.low) || !readNumber(fields, c.close, row.close)
        || row.close <= 0)
        return false;
    // Volume and Adj Close are optional, also as blank fields of a row.
    double volume = 0;
    if (!isBlank(fields, c.volume) && !readNumber(fields, c.volume, volume))
        return false;
    if (volume > 9.0e18)
        return false;
    row.volume = std::llround(volume);
    row.adjClose = row.close;
    if (!isBlank(fields, c.adjClose) && !readNumber(fields, c.adjClose, row.adjClose))
        return false;
    if (row.open == 0)
        row.open = row.close;
    if (row.high == 0)
        row.high = row.close;
    if (row.low == 0)
        row.low = row.close;
    return true;
}

// The file's lines with line ends removed; blank lines are kept as empty strings so
// that line numbers in messages match the file.
QStringList fileLines(const QByteArray& text)
{
    QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
    }
    return lines;
}

} // namespace

QDate parseMarketDate(const QString& input)
{
    const QString text = input.trimmed();
    if (text.size() == 8 && allDigits(text))
        return QDate(text.left(4).toInt(), text.mid(4, 2).toInt(), text.right(2).toInt());

    for (QChar sep : {QLatin1Char('-'), QLatin1Char('/')}) {
        const QStringList parts = text.split(sep);
        if (parts.size() != 3)
            continue;
        if (sep == QLatin1Char('-') && parts[0].size() == 4 && allDigits(parts[0])
            && allDigits(parts[1]) && allDigits(parts[2]))
            return QDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
        if (sep == QLatin1Char('/') && allDigits(parts[0]) && allDigits(parts[1])
            && allDigits(parts[2]) && parts[2].size() != 3 && parts[2].size() <= 4)
            return QDate(fullYear(parts[2].toInt(), int(parts[2].size())), parts[0].toInt(),
                         parts[1].toInt());
        if (sep == QLatin1Char('-') && allDigits(parts[0]) && allDigits(parts[2])
            && (parts[2].size() == 2 || parts[2].size() == 4)) {
            const QString month = parts[1].toLower();
            for (int m = 0; m < 12; ++m)
                if (month == QLatin1String(kMonths[m]))
                    return QDate(fullYear(parts[2].toInt(), int(parts[2].size())), m + 1,
                                 parts[0].toInt());
        }
    }
    return QDate();
}

QStringList splitCsvLine(const QString& line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

PriceTable parsePriceCsv(const QByteArray& text)
{
    PriceTable table;
    const QStringList lines = fileLines(text);
    Columns columns;
    bool haveColumns = false;
    QMap<int, PriceRow> byDay;

    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QStringList fields = splitCsvLine(lines[i]);
        if (!haveColumns) {
            haveColumns = true;
            columns = headerColumns(fields);
            if (columns.usable())
                continue;
            if (!parseMarketDate(fields.value(0)).isValid()) {
                table.error = QStringLiteral("line %1: no Date, Open, High, Low and Close columns")
                                  .arg(i + 1);
                return table;
            }
            columns = standardColumns(int(fields.size()));
        }
        PriceRow row;
        if (!readRow(fields, columns, row) || byDay.contains(row.day)) {
            if (table.badRows++ == 0)
                table.firstBadLine = i + 1;
            continue;
        }
        byDay.insert(row.day, row);
    }
    table.rows.reserve(byDay.size());
    for (const PriceRow& row : std::as_const(byDay))
        table.rows.append(row);
    return table;
}

QHash<QString, SymbolInfo> parseSymbolsCsv(const QByteArray& text, int* badRows)
{
    QHash<QString, SymbolInfo> symbols;
    int bad = 0;
    const QStringList lines = fileLines(text);
    int symbolColumn = -1, nameColumn = -1, exchangeColumn = -1, capColumn = -1;
    bool haveHeader = false;
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = splitCsvLine(line);
        if (!haveHeader) {
            haveHeader = true;
            for (int i = 0; i < fields.size(); ++i) {
                const QString key = columnKey(fields[i]);
                if (key == QLatin1String("symbol") && symbolColumn < 0)
                    symbolColumn = i;
                else if (key == QLatin1String("name") && nameColumn < 0)
                    nameColumn = i;
                else if (key == QLatin1String("exchange") && exchangeColumn < 0)
                    exchangeColumn = i;
                else if (key.startsWith(QLatin1String("marketcap")) && capColumn < 0)
                    capColumn = i;
            }
            if (symbolColumn < 0)
                return symbols;
            continue;
        }
        const QString symbol = fields.value(symbolColumn).trimmed().toUpper();
        if (symbol.isEmpty() || fields.size() <= std::max({nameColumn, exchangeColumn, capColumn})) {
            ++bad;
            continue;
        }
        SymbolInfo info;
        info.name = nameColumn >= 0 ? fields[nameColumn].simplified() : QString();
        info.exchange = exchangeColumn >= 0 ? fields[exchangeColumn].trimmed() : QString();
        if (capColumn >= 0) {
            bool ok = false;
            const double cap = fields[capColumn].trimmed().toDouble(&ok);
            info.marketCapMillions = ok && std::isfinite(cap) && cap > 0 ? cap : 0;
        }
        if (!symbols.contains(symbol))
            symbols.insert(symbol, info);
    }
    if (badRows)
        *badRows = bad;
    return symbols;
}
