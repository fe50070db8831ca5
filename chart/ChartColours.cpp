#include "ChartColours.h"

ChartColours& chartColours()
{
    static ChartColours colours;
    return colours;
}
