#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <ostream>

// Readable failure output for the Qt values the tests compare.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "QRect(" << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height() << ')';
}
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << "QPoint(" << p.x() << ',' << p.y() << ')'; }
