#pragma once

#include "Zahlformat.h"

#include <QString>

namespace labor {

// A number as the labs show it: fixed decimals, a decimal comma, a true minus
// sign, and no sign at all on a value that rounds to zero (the workshop's one
// number style).
QString Zahl(double v, int nachkomma);
inline QString Zahl(double v, zahl::Art a) { return zahl::Text(v, a); }

}  // namespace labor
