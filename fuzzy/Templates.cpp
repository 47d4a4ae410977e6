#include "fuzzy/Templates.h"

#include "fuzzy/Language.h"

#include <algorithm>

namespace fuzzy {

namespace {

// A template is the user's first project: its variables and terms are named in
// the language the program speaks (a file keeps the names it was saved with).
std::string N(const char* deutsch) { return Tr("KernVorlagen", deutsch); }

std::vector<std::string> FuenfTerme() {
    return {N(FUZZY_TR_NOOP("KernVorlagen", "negativ groß")), N(FUZZY_TR_NOOP("KernVorlagen", "negativ klein")),
            N(FUZZY_TR_NOOP("KernVorlagen", "null")), N(FUZZY_TR_NOOP("KernVorlagen", "positiv klein")),
            N(FUZZY_TR_NOOP("KernVorlagen", "positiv groß"))};
}

}  // namespace

void SpreadTerms(TFuzzy& v, const std::string& name, float min, float max, const std::vector<std::string>& termNames,
                 SpreadEnds ends) {
    v.Clear();
    v.Defined = true;
    v.Name = name;
    v.RangeMin = min;
    v.RangeMax = max;
    const int n = std::min(static_cast<int>(termNames.size()), MaxTerms);
    v.TermCount = n;
    const double step = (static_cast<double>(max) - min) / (n > 1 ? n - 1 : 1);
    // Peak k of n, the last one exactly at the end of the range; -1 and n,
    // where the shoulders end, a whole range width beyond: inputs a little
    // outside the range (a truck turned round, a locomotive that overshoots)
    // still meet the end terms.
    const double width = static_cast<double>(max) - min;
    auto peak = [&](int k) {
        if (k == n - 1) return max;
        return static_cast<float>(k < 0 ? min - width : k >= n ? max + width : min + step * k);
    };
    const bool shoulders = ends == SpreadEnds::Shoulders;
    for (int k = 0; k < n; ++k) {
        const int i = k + 1;
        const bool first = k == 0, last = k == n - 1;
        v.SetTermName(i, termNames[static_cast<std::size_t>(k)]);
        float a = peak(k - 1), b = peak(k), c = peak(k), d = peak(k + 1);
        if (first) {
            a = shoulders ? peak(-1) : min;
            b = a;
            c = min;
        }
        if (last) {
            d = shoulders ? peak(n) : max;
            c = d;
            b = max;
        }
        v.SetParam(i, ParamA, a);
        v.SetParam(i, ParamB, b);
        v.SetParam(i, ParamC, c);
        v.SetParam(i, ParamD, d);
        v.SetParam(i, ParamH, 1.0f);
    }
}

Project TemplateEmpty() {
    Project p;
    const std::vector<std::string> drei{N(FUZZY_TR_NOOP("KernVorlagen", "negativ")),
                                        N(FUZZY_TR_NOOP("KernVorlagen", "null")),
                                        N(FUZZY_TR_NOOP("KernVorlagen", "positiv"))};
    SpreadTerms(p.A, N(FUZZY_TR_NOOP("KernVorlagen", "Eingang A")), -10.0f, 10.0f, drei, SpreadEnds::Shoulders);
    SpreadTerms(p.Out, N(FUZZY_TR_NOOP("KernVorlagen", "Ausgang")), -10.0f, 10.0f, drei, SpreadEnds::Inside);
    return p;
}

Project TemplateTruck() {
    Project p;
    SpreadTerms(p.A, N(FUZZY_TR_NOOP("KernVorlagen", "Abstand in m")), -20.0f, 20.0f, FuenfTerme(),
                SpreadEnds::Shoulders);
    SpreadTerms(p.B, N(FUZZY_TR_NOOP("KernVorlagen", "Lage in °")), -90.0f, 90.0f, FuenfTerme(), SpreadEnds::Shoulders);
    SpreadTerms(p.Out, N(FUZZY_TR_NOOP("KernVorlagen", "Lenkwinkel in °")), -70.0f, 70.0f,
                {N(FUZZY_TR_NOOP("KernVorlagen", "rechts stark")), N(FUZZY_TR_NOOP("KernVorlagen", "rechts")),
                 N(FUZZY_TR_NOOP("KernVorlagen", "geradeaus")), N(FUZZY_TR_NOOP("KernVorlagen", "links")),
                 N(FUZZY_TR_NOOP("KernVorlagen", "links stark"))},
                SpreadEnds::Inside);
    return p;
}

Project TemplateLoco() {
    Project p;
    SpreadTerms(p.A, N(FUZZY_TR_NOOP("KernVorlagen", "Abstand in cm")), -100.0f, 100.0f, FuenfTerme(),
                SpreadEnds::Shoulders);
    SpreadTerms(p.B, N(FUZZY_TR_NOOP("KernVorlagen", "Geschwindigkeit in cm/s")), -100.0f, 100.0f, FuenfTerme(),
                SpreadEnds::Shoulders);
    SpreadTerms(p.Out, N(FUZZY_TR_NOOP("KernVorlagen", "Kraft in N")), -2.5f, 2.5f, FuenfTerme(), SpreadEnds::Inside);
    return p;
}

std::optional<Project> TemplateNamed(std::string_view name) {
    if (name == "leer") return TemplateEmpty();
    if (name == "truck") return TemplateTruck();
    if (name == "lok") return TemplateLoco();
    return std::nullopt;
}

}  // namespace fuzzy
