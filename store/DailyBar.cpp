#include "DailyBar.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

void putI32(char* p, qint32 v) { qToLittleEndian<qint32>(v, p); }
void putF32(char* p, float v) { qToLittleEndian<quint32>(std::bit_cast<quint32>(v), p); }
qint32 getI32(const char* p) { return qFromLittleEndian<qint32>(p); }
float getF32(const char* p) { return std::bit_cast<float>(qFromLittleEndian<quint32>(p)); }

} // namespace

void encodeBar(const DailyBar& bar, char* out)
{
    putI32(out + 0, bar.Date);
    putF32(out + 4, bar.Open);
    putF32(out + 8, bar.High);
    putF32(out + 12, bar.Low);
    putF32(out + 16, bar.Close);
    putF32(out + 20, bar.Volume);
    putI32(out + 24, bar.Status);
    putF32(out + 28, 0.0f);
    putF32(out + 32, 0.0f);
}

QByteArray encodeBar(const DailyBar& bar)
{
    QByteArray out(kDailyBarSize, '\0');
    encodeBar(bar, out.data());
    return out;
}

DailyBar decodeBar(const char* p)
{
    DailyBar bar;
    bar.Date = getI32(p + 0);
    bar.Open = getF32(p + 4);
    bar.High = getF32(p + 8);
    bar.Low = getF32(p + 12);
    bar.Close = getF32(p + 16);
    bar.Volume = getF32(p + 20);
    bar.Status = getI32(p + 24);
    bar.Spare1 = getF32(p + 28);
    bar.Spare2 = getF32(p + 32);
    return bar;
}

DailyBar decodeBar(const QByteArray& record)
{
    char buf[kDailyBarSize] = {};
    std::memcpy(buf, record.constData(), std::min<qsizetype>(record.size(), kDailyBarSize));
    return decodeBar(buf);
}
