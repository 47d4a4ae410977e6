#include "Hinweise.h"

#include <algorithm>
#include <array>
#include <locale>
#include <sstream>
#include <utility>

namespace werkstatt {

namespace {

struct Rollenbild {
    Rolle rolle;
    Ort::Seite seite;
    const char* name;
};

constexpr std::array<Rollenbild, 3> kRollen{{
    {Rolle::A, Ort::Seite::EingangA, "Eingang A"},
    {Rolle::B, Ort::Seite::EingangB, "Eingang B"},
    {Rolle::Aus, Ort::Seite::Ausgang, "Ausgang"},
}};

std::string Zahl(float x) {
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s.precision(6);
    s << x;
    return s.str();
}

std::string Termbild(const char* rolle, const fuzzy::TFuzzy& v, int i) {
    return std::string(rolle) + ", Term " + std::to_string(i) + " \xE2\x80\x9E" + v.GetTermName(i) + "\xE2\x80\x9C";
}

bool EckenGeordnet(const fuzzy::TFuzzy& v, int i) {
    const float a = v.GetParam(i, 1), b = v.GetParam(i, 2), c = v.GetParam(i, 3), d = v.GetParam(i, 4);
    return a <= b && b <= c && c <= d;
}

bool AlleEckenGeordnet(const fuzzy::TFuzzy& v) {
    for (int i = 1; i <= v.UsedTerms(); ++i)
        if (!EckenGeordnet(v, i)) return false;
    return true;
}

bool BereichGut(const fuzzy::TFuzzy& v) { return v.RangeMin < v.RangeMax; }

// The open stretches of the range where no term is above 0. A single point
// between two terms that meet at their feet is no gap.
std::vector<std::pair<float, float>> Luecken(const fuzzy::TFuzzy& v) {
    std::vector<std::pair<float, float>> stuecke;
    for (int i = 1; i <= v.UsedTerms(); ++i) {
        const float a = v.GetParam(i, 1), d = v.GetParam(i, 4), h = v.GetParam(i, 5);
        if (!(h > 0.0f) || !(a < d)) continue;
        stuecke.emplace_back(a, d);
    }
    std::sort(stuecke.begin(), stuecke.end());
    std::vector<std::pair<float, float>> luecken;
    float bis = v.RangeMin;
    for (const auto& [a, d] : stuecke) {
        if (a >= v.RangeMax) break;
        if (a > bis) luecken.emplace_back(bis, a);
        bis = std::max(bis, d);
    }
    if (bis < v.RangeMax) luecken.emplace_back(bis, v.RangeMax);
    return luecken;
}

std::string Regelbild(const Projekt& p, int r, int c) {
    auto kuerzel = [](const fuzzy::TFuzzy& v, int i) {
        return i <= v.UsedTerms() ? v.GetTermAbbrev(i) : "Term " + std::to_string(i);
    };
    std::string s = "Regel A = " + kuerzel(p.A, c);
    if (p.B.Defined) s += ", B = " + kuerzel(p.B, r);
    return s;
}

}  // namespace

bool TermWirktImBereich(const fuzzy::TFuzzy& v, int i) {
    const float a = v.GetParam(i, 1), b = v.GetParam(i, 2), d = v.GetParam(i, 4), h = v.GetParam(i, 5);
    if (!(h > 0.0f)) return false;
    // A vertical left flank makes the foot itself count.
    if (a == b && a < d && a >= v.RangeMin && a <= v.RangeMax) return true;
    return a < d && a < v.RangeMax && d > v.RangeMin;
}

std::vector<Hinweis> Analysiere(const Projekt& p) {
    std::vector<Hinweis> hinweise;
    auto neu = [&hinweise](HinweisArt art, Ort ort, std::string text) {
        hinweise.push_back({art, ort, std::move(text)});
    };

    for (const Rollenbild& rb : kRollen) {
        const fuzzy::TFuzzy& v = Variable(p, rb.rolle);
        if (!v.Defined) {
            if (rb.rolle == Rolle::A)
                neu(HinweisArt::NichtDefiniert, {rb.seite}, "Eingang A ist nicht definiert; keine Regel kann wirken.");
            if (rb.rolle == Rolle::Aus)
                neu(HinweisArt::NichtDefiniert, {rb.seite}, "Der Ausgang ist nicht definiert.");
            continue;
        }
        const bool bereichGut = BereichGut(v);
        if (!bereichGut)
            neu(HinweisArt::BereichVerkehrt, {rb.seite},
                std::string(rb.name) + ": Der Bereich beginnt nicht unterhalb seines Endes.");
        for (int i = 1; i <= v.UsedTerms(); ++i) {
            const Ort ort{rb.seite, i};
            if (!EckenGeordnet(v, i))
                neu(HinweisArt::EckenVerkehrt, ort,
                    Termbild(rb.name, v, i) + ": Die Ecken a \xE2\x89\xA4 b \xE2\x89\xA4 c \xE2\x89\xA4 d sind nicht in Ordnung.");
            const float h = v.GetParam(i, 5);
            if (!(h >= 0.0f && h <= 1.0f))
                neu(HinweisArt::HoeheAusserhalb, ort,
                    Termbild(rb.name, v, i) + ": Die H\xC3\xB6he h liegt nicht zwischen 0 und 1.");
            const float a = v.GetParam(i, 1), d = v.GetParam(i, 4);
            if (bereichGut && EckenGeordnet(v, i) && !TermWirktImBereich(v, i) && (d <= v.RangeMin || a >= v.RangeMax))
                neu(HinweisArt::TermAusserhalb, ort,
                    Termbild(rb.name, v, i) + ": Der Term liegt ganz au\xC3\x9F" "erhalb des Bereichs.");
        }
        if (rb.rolle != Rolle::Aus && bereichGut && AlleEckenGeordnet(v)) {
            for (const auto& [von, bis] : Luecken(v))
                neu(HinweisArt::Luecke, {rb.seite},
                    std::string(rb.name) + ": Zwischen " + Zahl(von) + " und " + Zahl(bis) +
                        " ist kein Term gr\xC3\xB6\xC3\x9F" "er als 0.");
        }
    }

    const int spalten = p.A.Defined ? p.A.UsedTerms() : 0;
    const int zeilen = p.B.Defined ? p.B.UsedTerms() : 1;
    const int ausTerme = p.Aus.Defined ? p.Aus.UsedTerms() : 0;
    std::array<bool, fuzzy::MaxTerms + 1> benutzt{};
    bool irgendeineRegel = false;
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 5; ++c) {
            const std::int32_t k = p.Regeln.Get(r, c);
            if (k <= 0) continue;
            const Ort ort{Ort::Seite::Regeln, 0, r, c};
            const std::string zelle = "Regel in Zeile " + std::to_string(r) + ", Spalte " + std::to_string(c);
            if (r > zeilen || c > spalten) {
                neu(HinweisArt::RegelNieAktiv, ort,
                    zelle + " (Ausgangsterm " + std::to_string(k) + ") wird nie ausgewertet: " +
                        (c > spalten ? "Eingang A hat keinen Term " + std::to_string(c)
                                     : (p.B.Defined ? "Eingang B hat keinen Term " + std::to_string(r)
                                                    : std::string("ohne Eingang B gilt nur Zeile 1"))) +
                        ".");
                continue;
            }
            irgendeineRegel = true;
            if (k > ausTerme) {
                neu(HinweisArt::KeinTerm, ort,
                    Regelbild(p, r, c) + ": Der Ausgang hat keinen Term " + std::to_string(k) + ".");
                continue;
            }
            benutzt[static_cast<std::size_t>(k)] = true;
            const bool aWirkt = TermWirktImBereich(p.A, c);
            const bool bWirkt = !p.B.Defined || TermWirktImBereich(p.B, r);
            if (!aWirkt || !bWirkt)
                neu(HinweisArt::RegelNieAktiv, ort,
                    Regelbild(p, r, c) + ": Die Regel kann nie feuern, weil " +
                        (!aWirkt ? "Term " + std::to_string(c) + " von Eingang A"
                                 : "Term " + std::to_string(r) + " von Eingang B") +
                        " im Bereich nirgends gr\xC3\xB6\xC3\x9F" "er als 0 ist.");
        }
    }
    if (ausTerme > 0 && spalten > 0) {
        if (!irgendeineRegel) {
            neu(HinweisArt::AusgangstermUnbenutzt, {Ort::Seite::Regeln},
                "Es gibt noch keine Regel; der Ausgang bleibt immer am unteren Ende seines Bereichs.");
        } else {
            for (int k = 1; k <= ausTerme; ++k)
                if (!benutzt[static_cast<std::size_t>(k)])
                    neu(HinweisArt::AusgangstermUnbenutzt, {Ort::Seite::Ausgang, k},
                        Termbild("Ausgang", p.Aus, k) + ": Keine Regel verwendet diesen Term.");
        }
    }
    return hinweise;
}

}  // namespace werkstatt
