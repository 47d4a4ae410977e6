#include "werkstatt/labor/Zahl.h"

namespace labor {

QString Zahl(double v, int nachkomma) { return zahl::Fest(v, nachkomma); }

QString Zahl(double v, zahl::Art a) { return Zahl(v, zahl::Nachkomma(a)); }

}  // namespace labor
