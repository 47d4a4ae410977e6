#include "werkstatt/labor/Zahl.h"

namespace labor {

QString Zahl(double v, int nachkomma) { return QString::fromStdString(lab::Number(v, nachkomma)); }

QString Zahl(double v, lab::Quantity q) { return Zahl(v, lab::Decimals(q)); }

}  // namespace labor
