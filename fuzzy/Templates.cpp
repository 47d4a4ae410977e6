#include "fuzzy/Templates.h"

#include "fuzzy/Language.h"

#include <algorithm>

namespace fuzzy {

namespace {

// A template is the user's first project: its variables and terms are named in
// the language the program speaks (a file keeps the names it was saved with).
std::string N(const char* deutsch) { return Tr("KernVorlagen", deutsch); }

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

namespace {

// One term of a template: its name (German, in the catalogue) and corners.
struct Shape {
    const char* Name;
    float A, B, C, D;
};

void SetTerms(TFuzzy& v, const char* name, float min, float max, const std::vector<Shape>& terms) {
    v.Clear();
    v.Defined = true;
    v.Name = N(name);
    v.RangeMin = min;
    v.RangeMax = max;
    v.TermCount = static_cast<std::int32_t>(std::min<std::size_t>(terms.size(), MaxTerms));
    for (int i = 1; i <= v.TermCount; ++i) {
        const Shape& s = terms[static_cast<std::size_t>(i - 1)];
        v.SetTermName(i, N(s.Name));
        v.SetParam(i, ParamA, s.A);
        v.SetParam(i, ParamB, s.B);
        v.SetParam(i, ParamC, s.C);
        v.SetParam(i, ParamD, s.D);
        v.SetParam(i, ParamH, 1.0f);
    }
}

}  // namespace

Project TemplateTruck() {
    // The terms lie close together near the goal (docking asks for 0.1 m and
    // 1 degree) and far apart where the truck only has to turn towards it;
    // the end terms are shoulders reaching far beyond the range. The output
    // spans Dorvane's +-100 degrees, so that the end terms' centroids
    // (+-83 degrees) turn the truck hard enough for every start of the grid.
    Project p;
    SetTerms(p.A, FUZZY_TR_NOOP("KernVorlagen", "Abstand in m"), -20.0f, 20.0f,
             {{FUZZY_TR_NOOP("KernVorlagen", "negativ groß"), -60.0f, -60.0f, -8.0f, -2.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "negativ klein"), -8.0f, -2.0f, -2.0f, 0.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "null"), -2.0f, 0.0f, 0.0f, 2.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "positiv klein"), 0.0f, 2.0f, 2.0f, 8.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "positiv groß"), 2.0f, 8.0f, 60.0f, 60.0f}});
    SetTerms(p.B, FUZZY_TR_NOOP("KernVorlagen", "Lage in °"), -90.0f, 90.0f,
             {{FUZZY_TR_NOOP("KernVorlagen", "negativ groß"), -270.0f, -270.0f, -40.0f, -10.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "negativ klein"), -40.0f, -10.0f, -10.0f, 0.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "null"), -10.0f, 0.0f, 0.0f, 10.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "positiv klein"), 0.0f, 10.0f, 10.0f, 40.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "positiv groß"), 10.0f, 40.0f, 270.0f, 270.0f}});
    SetTerms(p.Out, FUZZY_TR_NOOP("KernVorlagen", "Lenkwinkel in °"), -100.0f, 100.0f,
             {{FUZZY_TR_NOOP("KernVorlagen", "rechts stark"), -100.0f, -100.0f, -100.0f, -50.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "rechts"), -100.0f, -50.0f, -50.0f, 0.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "geradeaus"), -50.0f, 0.0f, 0.0f, 50.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "links"), 0.0f, 50.0f, 50.0f, 100.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "links stark"), 50.0f, 100.0f, 100.0f, 100.0f}});
    return p;
}

Project TemplateLoco() {
    // The locomotive comes from one side: most terms lie where it approaches
    // (distance above 0, velocity below 0), the finest at the mark, where it
    // has to come to rest within half a centimetre. Around the mark a small
    // patch where only "an der Marke" and "null" fire lets a table hold the
    // force at exactly 0 there. The shoulders reach the lab's start at 100 cm
    // and any speed the locomotive can have.
    Project p;
    SetTerms(p.A, FUZZY_TR_NOOP("KernVorlagen", "Abstand in cm"), -5.0f, 30.0f,
             {{FUZZY_TR_NOOP("KernVorlagen", "hinter der Marke"), -40.0f, -40.0f, -0.25f, 0.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "an der Marke"), -0.25f, 0.0f, 0.25f, 4.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "nah"), 0.25f, 4.0f, 4.0f, 8.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "mittel"), 4.0f, 8.0f, 16.0f, 24.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "weit"), 16.0f, 24.0f, 130.0f, 130.0f}});
    SetTerms(p.B, FUZZY_TR_NOOP("KernVorlagen", "Geschwindigkeit in cm/s"), -100.0f, 20.0f,
             {{FUZZY_TR_NOOP("KernVorlagen", "schnell heran"), -220.0f, -220.0f, -70.0f, -50.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "heran"), -70.0f, -50.0f, -20.0f, -15.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "langsam heran"), -20.0f, -15.0f, -10.0f, -1.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "null"), -10.0f, -1.0f, 0.0f, 8.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "zurück"), 0.0f, 8.0f, 140.0f, 140.0f}});
    SetTerms(p.Out, FUZZY_TR_NOOP("KernVorlagen", "Kraft in N"), -2.5f, 2.5f,
             {{FUZZY_TR_NOOP("KernVorlagen", "negativ groß"), -2.5f, -2.5f, -2.5f, -2.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "negativ klein"), -1.5f, -1.0f, -0.5f, 0.0f},
              {FUZZY_TR_NOOP("KernVorlagen", "null"), -0.5f, 0.0f, 0.0f, 0.5f},
              {FUZZY_TR_NOOP("KernVorlagen", "positiv klein"), 0.0f, 0.5f, 1.0f, 1.5f},
              {FUZZY_TR_NOOP("KernVorlagen", "positiv groß"), 2.0f, 2.5f, 2.5f, 2.5f}});
    return p;
}

std::optional<Project> TemplateNamed(std::string_view name) {
    if (name == "leer") return TemplateEmpty();
    if (name == "truck") return TemplateTruck();
    if (name == "lok") return TemplateLoco();
    return std::nullopt;
}

}  // namespace fuzzy
