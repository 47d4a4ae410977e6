#include "Templates.h"

#include <algorithm>

namespace fuzzy {

namespace {

const std::vector<std::string> kFiveTerms{"negativ gro\xC3\x9F", "negativ klein", "null", "positiv klein",
                                          "positiv gro\xC3\x9F"};

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
    SpreadTerms(p.A, "Eingang A", -10.0f, 10.0f, {"negativ", "null", "positiv"}, SpreadEnds::Shoulders);
    SpreadTerms(p.Out, "Ausgang", -10.0f, 10.0f, {"negativ", "null", "positiv"}, SpreadEnds::Inside);
    return p;
}

Project TemplateTruck() {
    Project p;
    SpreadTerms(p.A, "Abstand in m", -20.0f, 20.0f, kFiveTerms, SpreadEnds::Shoulders);
    SpreadTerms(p.B, "Lage in \xC2\xB0", -90.0f, 90.0f, kFiveTerms, SpreadEnds::Shoulders);
    SpreadTerms(p.Out, "Lenkwinkel in \xC2\xB0", -70.0f, 70.0f,
                {"rechts stark", "rechts", "geradeaus", "links", "links stark"}, SpreadEnds::Inside);
    return p;
}

Project TemplateLoco() {
    Project p;
    SpreadTerms(p.A, "Abstand in cm", -100.0f, 100.0f, kFiveTerms, SpreadEnds::Shoulders);
    SpreadTerms(p.B, "Geschwindigkeit in cm/s", -100.0f, 100.0f, kFiveTerms, SpreadEnds::Shoulders);
    SpreadTerms(p.Out, "Kraft in N", -2.5f, 2.5f, kFiveTerms, SpreadEnds::Inside);
    return p;
}

std::optional<Project> TemplateNamed(std::string_view name) {
    if (name == "leer") return TemplateEmpty();
    if (name == "truck") return TemplateTruck();
    if (name == "lok") return TemplateLoco();
    return std::nullopt;
}

}  // namespace fuzzy
