#include "ChartModel.h"

void layoutChart(ChartModel& model, int surfaceHeight, qint32 today)
{
    ChartView& view = model.view;
    clampOffset(view);
    view.rightMargin = rightMarginOf(view);
    if (surfaceHeight < ChartView::kMinRedrawHeight)
        view.height = ChartView::kMinRedrawHeight;
    model.rightEdge = rightEdgeDate(today, view.dayOffset);
    CalcHighAndLow(view, model.scale, model.volume, model.series(), model.quote.ECN, model.rightEdge);
    fitScale(view, model.scale);
}
