#include "Zahl.h"

namespace labor {

QString Zahl(double v, int nachkomma) { return zahl::Fest(v, nachkomma); }

}  // namespace labor
