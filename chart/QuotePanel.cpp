#include "QuotePanel.h"

#include "UiFont.h"

#include <QSignalBlocker>

QuotePanel::QuotePanel(QuotePanelKind kind, QWidget* parent) : SurfaceWidget(parent), m_kind(kind)
{
    setObjectName(kind == QuotePanelKind::Quote ? QStringLiteral("picQuote") : QStringLiteral("picBidAsk"));
    setAcceptDrops(false);
    surface().setFont(panelFont());
    resize(kCollapsedPanelWidth + 1, 1);
    connect(this, &SurfaceWidget::mousePressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            toggle();
    });
    connect(this, &SurfaceWidget::mouseDoubleClicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            toggle();
    });
}

void QuotePanel::setQuote(const QuoteRecord& quote)
{
    m_quote = quote;
}

void QuotePanel::toggle()
{
    if (isCollapsed()) {
        resize(kCollapsedPanelWidth + 1, height());
        draw();
    } else {
        resize(kCollapsedPanelWidth, height());
        draw();
    }
}

void QuotePanel::draw()
{
    DrawingSurface& s = surface();
    const auto measure = [&s](const QString& text) { return s.textWidth(text); };
    const QString x = QStringLiteral("x");
    m_layout = layoutQuotePanel(m_kind, m_quote, !isCollapsed(), measure, s.textWidth(x), s.textHeight(x));
    const int h = m_layout.cellHeight;

    move(0, 0);
    resize(m_layout.width, std::max(h - 1, 1));
    // A hidden panel gets its resize event only when shown; the surface is sized now.
    s.resize(width(), height());
    {
        const QSignalBlocker quiet(&s);
        s.setBackColor(Edge::kFace);
        s.cls();
        s.drawEdge(PixelRect{3, 3, 13, h - 2}, Edge::Raised);
        for (int sep : m_layout.separators)
            s.drawEdge(PixelRect{sep, 0, sep + 2, h}, Edge::RaisedInner);
        s.setForeColor(0x000000);
        for (const PanelCell& cell : m_layout.cells) {
            const PixelRect r{cell.left, 0, cell.left + cell.width, h - 1};
            s.fillRect(r, cell.fill);
            s.drawText(r, cell.text, 5);
        }
        s.drawEdge(PixelRect{0, 0, 16, h}, Edge::Bump);
    }
    update();
    emit drawn(size());
}
