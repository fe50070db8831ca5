#pragma once

#include "ChartView.h"

#include <QString>

#include <vector>

// One label of the price scale right of the price pane, with its grid line at y.
struct PriceLabel {
    double value = 0;
    int y = 0;    // the grid line
    int top = 0;  // top of the label box, the text centred on y
};

struct PriceAxis {
    double step = 0;
    QString format;  // number pattern for the labels
    std::vector<PriceLabel> labels;
};

// A round step that puts about one label every 45 pixels of the price pane:
// 0.1, 0.25, 0.5 or 1 times a power of ten.
double priceStep(double range, float paneHeight);
// The pattern of the labels: more decimals for a scale that tops out at a low price.
QString priceLabelFormat(double topValue);

// The labels of the price scale: every multiple of the step from just above the low
// to just above the high, keeping only boxes that end above the bottom of the price
// pane. Reuses the storage of `axis`.
void layoutPriceAxis(const ChartView& view, const PriceScale& scale, PriceAxis& axis);
