#include "Zahl.h"

namespace labor {

QString Zahl(double v, int nachkomma) {
    QString s = QString::number(v, 'f', nachkomma);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    // A value that rounds to zero shows no sign.
    if (s.startsWith(QLatin1Char('-')) && s.count(QLatin1Char('0')) == s.size() - (nachkomma > 0 ? 2 : 1))
        s.remove(0, 1);
    if (s.startsWith(QLatin1Char('-'))) s.replace(0, 1, QChar(0x2212));
    return s;
}

}  // namespace labor
