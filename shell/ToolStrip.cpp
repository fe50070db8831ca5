#include "ToolStrip.h"

#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

namespace {

const char* const kTips[ToolStrip::kButtonCount] = {"Quick view",    "New Chart", "New Info Grid",
                                                    "New Data Grid", "Zoom out",  "Zoom In"};

const QColor kInk(0x20, 0x20, 0x40);
const QColor kBlue(0x30, 0x60, 0xC0);
const QColor kGreen(0x20, 0x90, 0x40);
const QColor kRed(0xC0, 0x30, 0x30);
const QColor kPaper(0xFF, 0xFF, 0xF4);

// Each drawing fills one 20 by 20 cell whose top left corner is the origin.

void drawQuickView(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(2, 2, 15, 15);
    p.fillRect(3, 3, 14, 3, kBlue);
    p.fillRect(3, 6, 5, 11, QColor(0xD8, 0xE4, 0xF8));
    p.setPen(kInk);
    p.drawLine(8, 6, 8, 16);
    for (int y = 9; y <= 15; y += 3)
        p.drawLine(10, y, 15, y);
}

void drawNewChart(QPainter& p)
{
    p.setPen(kInk);
    p.drawLine(2, 17, 17, 17);
    p.drawLine(2, 2, 2, 17);
    const int highs[4] = {10, 7, 9, 4};
    const int lows[4] = {15, 13, 14, 10};
    p.setPen(QPen(kGreen, 1));
    for (int i = 0; i < 4; ++i) {
        const int x = 5 + 3 * i;
        p.drawLine(x, highs[i], x, lows[i]);
        p.drawLine(x - 1, highs[i] + 2, x, highs[i] + 2);
        p.drawLine(x, lows[i] - 2, x + 1, lows[i] - 2);
    }
}

void drawInfoGrid(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(2, 2, 15, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(10, 6), 1.6, 1.6);
    p.fillRect(9, 9, 3, 7, kBlue);
    p.fillRect(7, 9, 2, 1, kBlue);
    p.fillRect(7, 15, 7, 1, kBlue);
}

void drawDataGrid(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(2, 2, 15, 15);
    p.fillRect(3, 3, 14, 3, QColor(0xC0, 0xC0, 0xC0));
    for (int x = 7; x < 17; x += 5)
        p.drawLine(x, 2, x, 17);
    for (int y = 6; y < 17; y += 4)
        p.drawLine(2, y, 17, y);
}

void drawMagnifier(QPainter& p, bool plus)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 12.5), QPointF(17, 17));
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor sign = plus ? kGreen : kRed;
    p.fillRect(5, 7, 7, 2, sign);
    if (plus)
        p.fillRect(7, 5, 2, 7, sign);
}

} // namespace

ToolStrip::ToolStrip(QWidget* parent) : QWidget(parent), m_strip(buttonImages())
{
    setObjectName(QStringLiteral("mToolBar"));
    setMouseTracking(true);
    setFixedSize(sizeHint());

    auto* source = new QLabel(this);
    source->setObjectName(QStringLiteral("picSource"));
    source->setPixmap(QPixmap::fromImage(m_strip));
    source->hide();
}

QImage ToolStrip::buttonImages()
{
    QImage strip(kButtonImage * kButtonCount, kButtonImage, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (int i = 0; i < kButtonCount; ++i) {
        p.save();
        p.translate(i * kButtonImage, 0);
        switch (i) {
        case 0: drawQuickView(p); break;
        case 1: drawNewChart(p); break;
        case 2: drawInfoGrid(p); break;
        case 3: drawDataGrid(p); break;
        case 4: drawMagnifier(p, false); break;
        case 5: drawMagnifier(p, true); break;
        }
        p.restore();
    }
    return strip;
}

QString ToolStrip::tipOf(int button)
{
    return button >= 0 && button < kButtonCount ? QString::fromLatin1(kTips[button]) : QString();
}

QRect ToolStrip::buttonRect(int button) { return QRect(button * kButtonSize, 0, kButtonSize, kButtonSize); }

int ToolStrip::buttonAt(const QPoint& pos)
{
    if (pos.y() < 0 || pos.y() >= kButtonSize || pos.x() < 0)
        return -1;
    const int i = pos.x() / kButtonSize;
    return i < kButtonCount ? i : -1;
}

QSize ToolStrip::sizeHint() const { return QSize(kButtonSize * kButtonCount, kButtonSize); }

bool ToolStrip::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const int i = buttonAt(help->pos());
        if (i >= 0)
            QToolTip::showText(help->globalPos(), tipOf(i), this, buttonRect(i));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void ToolStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    for (int i = 0; i < kButtonCount; ++i) {
        const QRect r = buttonRect(i);
        const bool sunken = i == m_pressed && i == m_hot;
        if (sunken || i == m_hot) {
            const QColor topLeft = sunken ? QColor(0x80, 0x80, 0x80) : Qt::white;
            const QColor bottomRight = sunken ? Qt::white : QColor(0x80, 0x80, 0x80);
            p.setPen(topLeft);
            p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
            p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
            p.setPen(bottomRight);
            p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
            p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        }
        const int inset = (kButtonSize - kButtonImage) / 2 + (sunken ? 1 : 0);
        p.drawImage(r.topLeft() + QPoint(inset, inset), m_strip,
                    QRect(i * kButtonImage, 0, kButtonImage, kButtonImage));
    }
}

void ToolStrip::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_pressed = buttonAt(e->position().toPoint());
    m_hot = m_pressed;
    update();
}

void ToolStrip::mouseMoveEvent(QMouseEvent* e)
{
    const int hot = buttonAt(e->position().toPoint());
    if (hot != m_hot) {
        m_hot = hot;
        update();
    }
}

void ToolStrip::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int released = buttonAt(e->position().toPoint());
    const int pressed = m_pressed;
    m_pressed = -1;
    update();
    if (pressed >= 0 && pressed == released)
        emit buttonClicked(pressed);
}

void ToolStrip::leaveEvent(QEvent*)
{
    m_hot = -1;
    update();
}
