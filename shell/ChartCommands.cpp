#include "ChartCommands.h"

#include <QMdiSubWindow>

ChartTarget* chartOf(QMdiSubWindow* window)
{
    if (!window || window->property(kTagProperty).toString() != QLatin1String(kChartTag))
        return nullptr;
    if (auto* chart = dynamic_cast<ChartTarget*>(window))
        return chart;
    return dynamic_cast<ChartTarget*>(window->widget());
}
