// Save/Print: the results file and the finalists report.

#include "charts/chart_form.h"

namespace tallyvex::charts {

void ChartForm::saveResults() {}

}  // namespace tallyvex::charts
