#include "StatusStrip.h"

#include "QtColor.h"

#include <QLabel>
#include <QPainter>

DownloaderBox::DownloaderBox(int slot, QWidget* parent) : QWidget(parent), m_slot(slot)
{
    setObjectName(QStringLiteral("dtbDownloader_%1").arg(slot - 1));
    setFixedSize(kSize, kSize);
}

QColor DownloaderBox::idleColor() { return toQColor(qbColor(PaletteIndex::LightGrey)); }

void DownloaderBox::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void DownloaderBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_color);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont f = font();
    f.setPixelSize(9);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(rect(), Qt::AlignCenter, QString::number(m_slot));
}

StatusStrip::StatusStrip(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("mStatusBox"));
    setFixedHeight(kHeight);
    m_label = new QLabel(QStringLiteral("Internet Connections :"), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->adjustSize();
    placeChildren();
}

void StatusStrip::createConnectionBoxes(int count)
{
    qDeleteAll(m_boxes);
    m_boxes.clear();
    for (int slot = 1; slot <= count; ++slot) {
        auto* box = new DownloaderBox(slot, this);
        box->show();
        m_boxes.append(box);
    }
    placeChildren();
}

void StatusStrip::setClockText(const QString& text)
{
    m_clockText = text;
    update();
}

void StatusStrip::setWindowMaximized(bool maximized)
{
    m_maximized = maximized;
    update();
}

QRect StatusStrip::clockRect() const
{
    const int textWidth = fontMetrics().horizontalAdvance(m_clockText);
    const int right = width() - (m_maximized ? 2 : 0);
    return QRect(right - textWidth, 0, textWidth, height());
}

QSize StatusStrip::sizeHint() const { return QSize(400, kHeight); }

void StatusStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (m_clockText.isEmpty())
        return;
    const QRect clock = clockRect();
    p.setPen(grooveDark());
    p.drawLine(clock.left() - 2, 2, clock.left() - 2, height() - 3);
    p.setPen(grooveLight());
    p.drawLine(clock.left() - 1, 2, clock.left() - 1, height() - 3);
    p.setPen(palette().windowText().color());
    p.drawText(clock, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_clockText);
}

void StatusStrip::resizeEvent(QResizeEvent*) { placeChildren(); }

void StatusStrip::placeChildren()
{
    m_label->move(4, (height() - m_label->height()) / 2);
    int left = m_label->geometry().right() + 5;
    for (DownloaderBox* box : m_boxes) {
        box->move(left, (height() - box->height()) / 2);
        left += box->width() - 1;
    }
}
