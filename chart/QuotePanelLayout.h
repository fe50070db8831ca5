#pragma once

#include "Palette.h"
#include "QuoteRecord.h"

#include <QString>

#include <functional>
#include <vector>

// The two small quote panels over the chart: `picQuote` (open, high, low, last, net
// and percent change) and `picBidAsk` (bid, ECN, ask). A panel 15 pixels wide is
// collapsed and shows only its handle; a wider one shows its cells.
enum class QuotePanelKind { Quote, BidAsk };

struct PanelCell {
    int left = 0;
    int width = 0;
    QString text;
    ColorValue fill = 0;
};

struct PanelLayout {
    int cellHeight = 0;           // cells run from y 0 to cellHeight - 1
    std::vector<PanelCell> cells;
    std::vector<int> separators;  // left x of each two-pixel separator
    int width = 0;                // the panel's width: 15 when collapsed
};

constexpr int kCollapsedPanelWidth = 15;

// Lays a panel out. `textWidth` measures a text in the panel's font; xWidth and
// xHeight are the size of "x" in it.
PanelLayout layoutQuotePanel(QuotePanelKind kind, const QuoteRecord& quote, bool expanded,
                             const std::function<int(const QString&)>& textWidth, int xWidth, int xHeight);
