#include "widgets/Zahlformat.h"

#include "widgets/SingEdit.h"
#include "fuzzy/Language.h"
#include "fuzzy/Numbers.h"

#include <QLocale>

#include <cmath>

namespace zahl {

namespace {

const QChar Minus(0x2212);

bool Englisch() { return fuzzy::ActiveLanguage() == fuzzy::Language::English; }

// The numbers of the active language, asked at each call: the tests switch
// between the languages, the programs choose once at the start.
const QLocale& Zahlen() {
    static const QLocale deutsch = [] {
        QLocale d(QLocale::German, QLocale::Germany);
        // No thousands separator: "1000,5" reads back as typed.
        d.setNumberOptions(QLocale::OmitGroupSeparator);
        return d;
    }();
    static const QLocale englisch = [] {
        QLocale e(QLocale::English, QLocale::UnitedStates);
        e.setNumberOptions(QLocale::OmitGroupSeparator);
        return e;
    }();
    return Englisch() ? englisch : deutsch;
}

QString WahresMinus(QString s) {
    if (s.startsWith(QLatin1Char('-'))) s.replace(0, 1, Minus);
    return s;
}

}  // namespace

int Nachkomma(Art a) {
    switch (a) {
    case Art::Sekunden: return 3;
    case Art::Rechenzeit: return 1;
    case Art::Meter: return 3;
    case Art::Winkel: return 2;
    case Art::Zentimeter: return 2;
    case Art::CmProSekunde: return 2;
    case Art::Newton: return 3;
    case Art::Zugehoerigkeit: return 2;
    }
    return 2;
}

QString Fest(double v, int nachkomma) {
    if (std::isnan(v)) return QStringLiteral("NaN");
    if (std::isinf(v)) return v > 0 ? QStringLiteral("\u221E") : QString(Minus) + QStringLiteral("\u221E");
    nachkomma = std::max(0, std::min(nachkomma, 9));
    // A value that rounds to zero shows no sign ("0,00", not "−0,00").
    const double schwelle = 0.5 * std::pow(10.0, -nachkomma);
    if (std::fabs(v) < schwelle) v = 0.0;
    return WahresMinus(Zahlen().toString(v, 'f', nachkomma));
}

QString Text(double v, Art a) { return Fest(v, Nachkomma(a)); }

int WertNachkomma(double bereichVon, double bereichBis) {
    const double spanne = std::fabs(bereichBis - bereichVon);
    if (!(spanne > 0.0) || !std::isfinite(spanne)) return 2;
    const int n = 3 - static_cast<int>(std::floor(std::log10(spanne)));
    return std::max(0, std::min(n, 6));
}

QString Wert(double v, double bereichVon, double bereichBis) { return Fest(v, WertNachkomma(bereichVon, bereichBis)); }

QString Kurz(float v) {
    if (std::isnan(v) || std::isinf(v)) return Fest(v, 0);
    // Plain digits where they stay short ("100000", not "1e+05"), else the
    // shortest form with an exponent.
    std::string t = fuzzy::NumberText(v, fuzzy::NumberForm::Fixed);
    if (t.size() > 12) t = fuzzy::NumberText(v);
    QString s = QString::fromStdString(t);
    if (s == QLatin1String("-0")) s = QStringLiteral("0");
    if (!Englisch()) s.replace(QLatin1Char('.'), QLatin1Char(','));
    s.replace(QStringLiteral("e-"), QStringLiteral("e\u2212"));
    return WahresMinus(s);
}

bool Lesen(const QString& text, float& value) {
    // Blanks around a typed number are no mistake (the file's grammar is
    // stricter; this reads what a person types).
    QString t = text.trimmed();
    t.replace(Minus, QLatin1Char('-'));
    return TSingEdit::ParseNumber(t, value);
}

QString ImText(const QString& text) {
    QString s = text;
    const bool komma = !Englisch();
    auto ziffer = [&s](qsizetype i) { return i >= 0 && i < s.size() && s[i].isDigit(); };
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (komma && s[i] == QLatin1Char('.') && ziffer(i - 1) && ziffer(i + 1)) s[i] = QLatin1Char(',');
        // A sign: at the start or after a blank or bracket, right before a digit.
        if (s[i] == QLatin1Char('-') && ziffer(i + 1) &&
            (i == 0 || s[i - 1].isSpace() || s[i - 1] == QLatin1Char('(') || s[i - 1] == QLatin1Char('=')))
            s[i] = Minus;
    }
    return s;
}

}  // namespace zahl
