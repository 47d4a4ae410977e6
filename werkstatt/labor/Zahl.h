#pragma once

#include "lab/Wording.h"

#include <QString>

namespace labor {

// A figure as the labs show it: lab's one formatter (fixed decimals, the
// decimal sign of the language, a true minus sign, no sign on a value that
// rounds to zero), as a QString.
QString Zahl(double v, int nachkomma);
QString Zahl(double v, lab::Quantity q);

}  // namespace labor
