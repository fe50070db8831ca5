#pragma once

#include "QuotePanelLayout.h"
#include "SurfaceWidget.h"

// One quote panel over the top-left of a chart (`picQuote` or `picBidAsk`). A click
// or double-click collapses it to its handle or opens it to its full width. Keys
// pressed while it has the focus reach the chart through keyPressed.
class QuotePanel : public SurfaceWidget {
    Q_OBJECT
public:
    QuotePanel(QuotePanelKind kind, QWidget* parent = nullptr);

    void setQuote(const QuoteRecord& quote);
    // Lays the panel out for its current width (wider than 15: open), sizes it to the
    // result and draws it.
    void draw();
    // Opens a collapsed panel, collapses an open one.
    void toggle();
    bool isCollapsed() const { return width() <= kCollapsedPanelWidth; }
    const PanelLayout& layout() const { return m_layout; }

signals:
    // The panel has been drawn at this size; its container follows.
    void drawn(QSize size);

private:
    QuotePanelKind m_kind;
    QuoteRecord m_quote;
    PanelLayout m_layout;
};
