#include "werkstatt/kern/Bearbeitung.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <vector>

#include "fuzzy/Language.h"
#include "fuzzy/StepGrid.h"
#include "fuzzy/Templates.h"
#include "fuzzy/Text.h"

namespace werkstatt {

Fahrzeug FahrzeugAusWort(const std::string& wort) {
    if (wort == "truck") return Fahrzeug::Truck;
    if (wort == "lok") return Fahrzeug::Lok;
    return Fahrzeug::Unbestimmt;
}

const char* FahrzeugWort(Fahrzeug f) {
    switch (f) {
    case Fahrzeug::Truck: return "truck";
    case Fahrzeug::Lok: return "lok";
    case Fahrzeug::Unbestimmt: break;
    }
    return "";
}

namespace {

std::uint32_t Bits(float f) {
    std::uint32_t u = 0;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

bool GleicheBits(float x, float y) { return Bits(x) == Bits(y); }

struct Term {
    std::string name;
    std::array<float, 5> p{};
};

Term LiesTerm(const fuzzy::TFuzzy& v, int i) {
    Term t;
    t.name = v.GetTermName(i);
    for (int j = 1; j <= 5; ++j) t.p[static_cast<std::size_t>(j - 1)] = v.GetParam(i, j);
    return t;
}

void SchreibTerm(fuzzy::TFuzzy& v, int i, const Term& t) {
    v.SetTermName(i, t.name);
    for (int j = 1; j <= 5; ++j) v.SetParam(i, j, t.p[static_cast<std::size_t>(j - 1)]);
}

// An empty slot as Clear leaves it.
void LeererTerm(fuzzy::TFuzzy& v, int i) {
    v.SetTermName(i, std::string());
    for (int j = 1; j <= 4; ++j) v.SetParam(i, j, 0.0f);
    v.SetParam(i, 5, 1.0f);
}

}  // namespace

fuzzy::TFuzzy& Variable(fuzzy::Project& p, Rolle r) {
    switch (r) {
    case Rolle::A: return p.A;
    case Rolle::B: return p.B;
    case Rolle::Aus: break;
    }
    return p.Out;
}

const fuzzy::TFuzzy& Variable(const fuzzy::Project& p, Rolle r) { return Variable(const_cast<fuzzy::Project&>(p), r); }

bool GleicheVariable(const fuzzy::TFuzzy& x, const fuzzy::TFuzzy& y) {
    if (x.Defined != y.Defined) return false;
    if (!x.Defined) return true;
    if (x.Name != y.Name || x.TermCount != y.TermCount) return false;
    if (!GleicheBits(x.RangeMin, y.RangeMin) || !GleicheBits(x.RangeMax, y.RangeMax)) return false;
    for (int i = 1; i <= x.UsedTerms(); ++i) {
        if (x.GetTermName(i) != y.GetTermName(i) || x.GetTermAbbrev(i) != y.GetTermAbbrev(i)) return false;
        for (int j = 1; j <= 5; ++j)
            if (!GleicheBits(x.GetParam(i, j), y.GetParam(i, j))) return false;
    }
    return true;
}

bool GleichesProjekt(const fuzzy::Project& x, const fuzzy::Project& y) {
    return GleicheVariable(x.A, y.A) && GleicheVariable(x.B, y.B) && GleicheVariable(x.Out, y.Out) &&
           x.Rules == y.Rules;
}

bool TermHinzufuegen(fuzzy::Project& p, Rolle r) {
    fuzzy::TFuzzy& v = Variable(p, r);
    const int n = v.UsedTerms();
    if (n >= fuzzy::MaxTerms) return false;
    const float mitte = v.RangeMin + (v.RangeMax - v.RangeMin) / 2.0f;
    const float breite = (v.RangeMax - v.RangeMin) / 8.0f;
    const int i = n + 1;
    v.TermCount = i;
    v.SetTermName(i, "Term " + std::to_string(i));
    v.SetParam(i, fuzzy::ParamA, mitte - breite);
    v.SetParam(i, fuzzy::ParamB, mitte);
    v.SetParam(i, fuzzy::ParamC, mitte);
    v.SetParam(i, fuzzy::ParamD, mitte + breite);
    v.SetParam(i, fuzzy::ParamH, 1.0f);
    return true;
}

bool TermEntfernen(fuzzy::Project& p, Rolle r, int i) {
    fuzzy::TFuzzy& v = Variable(p, r);
    const int n = v.UsedTerms();
    if (i < 1 || i > n) return false;
    for (int t = i; t < n; ++t) SchreibTerm(v, t, LiesTerm(v, t + 1));
    LeererTerm(v, n);
    v.TermCount = n - 1;

    fuzzy::RuleTable& R = p.Rules;
    switch (r) {
    case Rolle::A:
        for (int row = 1; row <= 5; ++row) {
            for (int c = i; c < 5; ++c) R.Set(row, c, R.Get(row, c + 1));
            R.Set(row, 5, 0);
        }
        break;
    case Rolle::B:
        for (int c = 1; c <= 5; ++c) {
            for (int row = i; row < 5; ++row) R.Set(row, c, R.Get(row + 1, c));
            R.Set(5, c, 0);
        }
        break;
    case Rolle::Aus:
        for (auto& e : R.Entries) {
            if (e == i)
                e = 0;
            else if (e > i && e <= n)
                --e;
        }
        break;
    }
    return true;
}

bool TermeTauschen(fuzzy::Project& p, Rolle r, int i, int j) {
    fuzzy::TFuzzy& v = Variable(p, r);
    const int n = v.UsedTerms();
    if (i < 1 || i > n || j < 1 || j > n || i == j) return false;
    const Term ti = LiesTerm(v, i);
    SchreibTerm(v, i, LiesTerm(v, j));
    SchreibTerm(v, j, ti);

    fuzzy::RuleTable& R = p.Rules;
    switch (r) {
    case Rolle::A:
        for (int row = 1; row <= 5; ++row) {
            const auto e = R.Get(row, i);
            R.Set(row, i, R.Get(row, j));
            R.Set(row, j, e);
        }
        break;
    case Rolle::B:
        for (int c = 1; c <= 5; ++c) {
            const auto e = R.Get(i, c);
            R.Set(i, c, R.Get(j, c));
            R.Set(j, c, e);
        }
        break;
    case Rolle::Aus:
        for (auto& e : R.Entries) {
            if (e == i)
                e = j;
            else if (e == j)
                e = i;
        }
        break;
    }
    return true;
}

float GriffBegrenzen(const fuzzy::TFuzzy& v, int term, int param, float wunsch) {
    if (std::isnan(wunsch)) return v.GetParam(term, param);
    if (param == fuzzy::ParamH) return std::clamp(wunsch, 0.0f, 1.0f);
    if (param < fuzzy::ParamA || param > fuzzy::ParamD) return v.GetParam(term, param);
    float wert = wunsch;
    // The lower neighbour wins when the corners are already out of order:
    // moving one corner never pushes another.
    if (param < fuzzy::ParamD) wert = std::min(wert, v.GetParam(term, param + 1));
    if (param > fuzzy::ParamA) wert = std::max(wert, v.GetParam(term, param - 1));
    return wert;
}

float GriffSchritt(const fuzzy::TFuzzy& v, int param) {
    return param == fuzzy::ParamH ? fuzzy::HeightStep : fuzzy::CornerStep(v);
}

float GriffTaste(const fuzzy::TFuzzy& v, int term, int param, int richtung, bool zehnfach) {
    const float raster = GriffSchritt(v, param);
    const double schritt = double(raster) * (zehnfach ? 10.0 : 1.0);
    const double alt = v.GetParam(term, param);
    double ziel = alt + richtung * schritt;
    const float gerastert = AufRaster(static_cast<float>(ziel), raster);
    if ((richtung > 0 && gerastert > alt) || (richtung < 0 && gerastert < alt)) ziel = gerastert;
    return static_cast<float>(ziel);
}

float GriffGezogen(const fuzzy::TFuzzy& v, int param, float wunsch, bool frei) {
    return frei ? wunsch : AufRaster(wunsch, GriffSchritt(v, param));
}

bool BereichMitTermen(fuzzy::TFuzzy& v, float min, float max) {
    const double alt0 = v.RangeMin, alt1 = v.RangeMax;
    const double altSpanne = alt1 - alt0, neuSpanne = double(max) - double(min);
    if (!(altSpanne > 0.0) || !(neuSpanne > 0.0) || !std::isfinite(altSpanne) || !std::isfinite(neuSpanne))
        return false;
    const double faktor = neuSpanne / altSpanne;
    // Computed whole first: a corner beyond single precision refuses the lot.
    std::vector<float> neu;
    for (int t = 1; t <= v.UsedTerms(); ++t) {
        for (int p = fuzzy::ParamA; p <= fuzzy::ParamD; ++p) {
            const double x = double(min) + (double(v.GetParam(t, p)) - alt0) * faktor;
            const float f = static_cast<float>(x);
            if (!std::isfinite(f)) return false;
            neu.push_back(f);
        }
    }
    std::size_t i = 0;
    for (int t = 1; t <= v.UsedTerms(); ++t)
        for (int p = fuzzy::ParamA; p <= fuzzy::ParamD; ++p) v.SetParam(t, p, neu[i++]);
    v.RangeMin = min;
    v.RangeMax = max;
    return true;
}

double RundeSchritt(double roh) { return fuzzy::ReadableStep(roh); }

float AufRaster(float v, double schritt) { return fuzzy::OnStepGrid(v, schritt); }

void TermeVerteilen(fuzzy::TFuzzy& v, const std::string& name, float min, float max,
                    const std::vector<std::string>& termNamen) {
    fuzzy::SpreadTerms(v, name, min, max, termNamen, fuzzy::SpreadEnds::Shoulders);
}

void EingangBEinschalten(fuzzy::Project& p) {
    if (p.B.Defined) return;
    // Switched off in this session: its terms are still there.
    if (!p.B.Name.empty() && p.B.UsedTerms() > 0) {
        p.B.Defined = true;
        return;
    }
    TermeVerteilen(p.B, "Eingang B", -1.0f, 1.0f, {"negativ", "null", "positiv"});
}

}  // namespace werkstatt

namespace werkstatt {

namespace {

// The code points Windows-1252 places at 0x80 .. 0x9F.
constexpr char32_t kCp1252Hoch[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
                                    0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};

bool InCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return true;
    return std::find(std::begin(kCp1252Hoch), std::end(kCp1252Hoch), c) != std::end(kCp1252Hoch);
}

}  // namespace

std::optional<std::string> NamensFehler(const std::string& name) {
    if (name.empty()) return fuzzy::Tr("KernWerkstatt", "Der Name darf nicht leer sein.");
    const std::u32string cps = fuzzy::text::Utf8ToCodePoints(name);
    for (char32_t c : cps) {
        if (c == U'\r' || c == U'\n' || c == 0x1A)
            return fuzzy::Tr("KernWerkstatt", "Der Name muss in eine Zeile passen.");
        if (!InCp1252(c) || c == 0xFFFD)
            return fuzzy::Fmt(fuzzy::Tr("KernWerkstatt",
                                        "Der Name enth\xC3\xA4lt das Zeichen \xE2\x80\x9E%1\xE2\x80\x9C, "
                                        "das eine Projektdatei nicht speichern kann."),
                              {fuzzy::text::CodePointsToUtf8(std::u32string(1, c))});
    }
    return std::nullopt;
}

}  // namespace werkstatt
