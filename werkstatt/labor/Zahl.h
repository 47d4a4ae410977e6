#pragma once

#include <QString>

namespace labor {

// A number as the labs show it: fixed decimals, a decimal comma, a true minus
// sign, and no sign at all on a value that rounds to zero.
QString Zahl(double v, int nachkomma);

}  // namespace labor
