#include "widgets/SingEdit.h"

#include "fuzzy/Numbers.h"

#include <cmath>
#include <string>

TSingEdit::TSingEdit(QWidget* parent) : QLineEdit(parent) {}

float TSingEdit::Number() const {
    float v = 0.0f;
    return ParseNumber(text(), v) ? v : 0.0f;
}

void TSingEdit::setNumber(float v) { setText(FormatNumber(v)); }

bool TSingEdit::ParseNumber(const QString& text, float& value) {
    // Only ASCII can form a number; a comma counts as the decimal point.
    std::string s;
    s.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u > 0x7f) return false;
        s.push_back(u == ',' ? '.' : static_cast<char>(u));
    }
    // The grammar of a project file's real lines: blanks, sign, digits with an
    // optional point, optional exponent, nothing after. A value beyond single
    // precision is no number the programs can work with; one too small is 0.
    const fuzzy::RealResult r = fuzzy::ParseProjectReal(s);
    if (r.status != fuzzy::RealStatus::Ok) return false;
    value = r.value;
    return true;
}

QString TSingEdit::FormatNumber(float v) {
    if (std::isnan(v)) return QStringLiteral("NAN");
    if (std::isinf(v)) return v > 0 ? QStringLiteral(" INF") : QStringLiteral("-INF");
    const double d = v;
    if (std::fabs(d) < 1000.0) return QString::asprintf("%8.4f", d);
    // Two significant digits, a sign position and a four-digit exponent.
    const QString e = QString::asprintf("% .1E", d);  // e.g. " 1.2E+03"
    const int ePos = e.indexOf(QLatin1Char('E'));
    const QString mantissa = e.left(ePos + 2);     // " 1.2E+"
    const int exponent = e.mid(ePos + 2).toInt();  // digits after the sign
    return mantissa + QString::asprintf("%04d", exponent);
}
