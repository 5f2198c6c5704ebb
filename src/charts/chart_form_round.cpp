// Print Round: one round of the chart on paper.

#include "charts/chart_form.h"

namespace tallyvex::charts {

void ChartForm::printRound(int /*button*/) {}

}  // namespace tallyvex::charts
