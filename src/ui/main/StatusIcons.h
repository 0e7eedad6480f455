// The marks of the publisher list: what a line's report for the collection month is. Each
// state has its own shape as well as its own colour, so that it reads in high contrast and in
// dark themes, and in grey for those who cannot tell the colours apart.
#pragma once

#include "collection/MonthOverview.h"

#include <QIcon>

namespace kolekt {

// late: a late report for an earlier month was posted in this file (a small clock face).
QIcon statusIcon(ReportState state, bool late);

} // namespace kolekt
