#pragma once

#include "widgets/Zahlformat.h"

#include <QString>

namespace labor {

// A number as the labs show it: fixed decimals, the decimal sign of the
// language (comma in German, point in English), a true minus sign, and no
// sign at all on a value that rounds to zero (the workshop's one number
// style).
QString Zahl(double v, int nachkomma);
QString Zahl(double v, zahl::Art a);

}  // namespace labor
