// The browser's editing, done by the Werkstatt's own editing code
// (werkstatt/kern): handles kept in order and snapped to their grid, terms
// added, removed and moved with the rules in step, ranges with the terms
// taken along, input B switched, templates. The page keeps the history; this
// file only makes one step.
#include "web/engine/Changes.h"

#include "web/engine/Latin1.h"
#include "web/engine/Whole.h"

#include "fuzzy/Errors.h"
#include "fuzzy/FuzUnits.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/Project.h"
#include "fuzzy/ProjectCheck.h"
#include "fuzzy/Templates.h"
#include "werkstatt/kern/Bearbeitung.h"

#include <optional>
#include <string>

namespace webengine {

namespace {

using nlohmann::json;

struct Refusal {
    std::string code;
    std::string detail;
};

werkstatt::Rolle RoleOf(const json& c) {
    const std::string r = c.value("var", "");
    if (r == "A") return werkstatt::Rolle::A;
    if (r == "B") return werkstatt::Rolle::B;
    if (r == "Out") return werkstatt::Rolle::Aus;
    throw Refusal{"badRequest", "var"};
}

int Whole(const json& c, const char* key, int lo, int hi) {
    const std::optional<int> v = c.contains(key) ? WholeIn(c[key], lo, hi) : std::nullopt;
    if (!v) throw Refusal{"badRequest", key};
    return *v;
}

bool Flag(const json& c, const char* key) {
    if (!c.contains(key)) return false;
    if (!c[key].is_boolean()) throw Refusal{"badRequest", key};
    return c[key].get<bool>();
}

std::string Text(const json& c, const char* key) {
    if (!c.contains(key) || !c[key].is_string()) throw Refusal{"badRequest", key};
    return c[key].get<std::string>();
}

// A number as a project file writes it; within single precision.
float Number(const json& c, const char* key) {
    const std::string t = Text(c, key);
    const fuzzy::RealResult r = fuzzy::ParseProjectReal(t);
    if (r.status != fuzzy::RealStatus::Ok) throw Refusal{"notANumber", t};
    return r.value;
}

// A defined variable's term and handle.
struct Handle {
    fuzzy::TFuzzy* v;
    int term, param;
};

Handle HandleOf(fuzzy::Project& p, const json& c) {
    fuzzy::TFuzzy& v = werkstatt::Variable(p, RoleOf(c));
    if (!v.Defined) throw Refusal{"badRequest", "var"};
    return {&v, Whole(c, "term", 1, v.UsedTerms()), Whole(c, "param", fuzzy::ParamA, fuzzy::ParamH)};
}

void Name(const std::string& name) {
    if (const auto why = werkstatt::NamensFehler(name)) throw Refusal{"badName", *why};
}

// One change as the Werkstatt's model makes it (TProjektModell).
void Apply(fuzzy::Project& p, const json& c) {
    if (!c.is_object()) throw Refusal{"badRequest", "changes"};
    const std::string op = c.value("op", "");
    if (op == "drag" || op == "key") {
        const Handle h = HandleOf(p, c);
        float wish = 0.0f;
        if (op == "drag") {
            wish = werkstatt::GriffGezogen(*h.v, h.param, Number(c, "value"), Flag(c, "free"));
        } else {
            const int dir = Whole(c, "dir", -1, 1);
            if (dir == 0) throw Refusal{"badRequest", "dir"};
            wish = werkstatt::GriffTaste(*h.v, h.term, h.param, dir, Flag(c, "big"));
        }
        h.v->SetParam(h.term, h.param, werkstatt::GriffBegrenzen(*h.v, h.term, h.param, wish));
    } else if (op == "addTerm") {
        if (!werkstatt::Variable(p, RoleOf(c)).Defined || !werkstatt::TermHinzufuegen(p, RoleOf(c)))
            throw Refusal{"badRequest", "var"};
    } else if (op == "removeTerm") {
        const werkstatt::Rolle r = RoleOf(c);
        if (!werkstatt::TermEntfernen(p, r, Whole(c, "term", 1, werkstatt::Variable(p, r).UsedTerms())))
            throw Refusal{"badRequest", "term"};
    } else if (op == "moveTerm") {
        const werkstatt::Rolle r = RoleOf(c);
        const int n = werkstatt::Variable(p, r).UsedTerms();
        if (!werkstatt::TermeTauschen(p, r, Whole(c, "term", 1, n), Whole(c, "to", 1, n)))
            throw Refusal{"badRequest", "to"};
    } else if (op == "termName") {
        fuzzy::TFuzzy& v = werkstatt::Variable(p, RoleOf(c));
        const int term = Whole(c, "term", 1, v.UsedTerms());
        const std::string name = Text(c, "name");
        Name(name);
        v.SetTermName(term, name);
    } else if (op == "name") {
        fuzzy::TFuzzy& v = werkstatt::Variable(p, RoleOf(c));
        const std::string name = Text(c, "name");
        Name(name);
        v.Name = name;
    } else if (op == "range") {
        fuzzy::TFuzzy& v = werkstatt::Variable(p, RoleOf(c));
        const float min = Number(c, "min"), max = Number(c, "max");
        // Without a width on either side the terms cannot go along: the range alone changes.
        if (!Flag(c, "terms") || !werkstatt::BereichMitTermen(v, min, max)) {
            v.RangeMin = min;
            v.RangeMax = max;
        }
    } else if (op == "inputB") {
        if (Flag(c, "on"))
            werkstatt::EingangBEinschalten(p);
        else
            p.B.Defined = false;
    } else if (op == "template") {
        const auto t = fuzzy::TemplateNamed(Text(c, "name"));
        if (!t) throw Refusal{"badRequest", "name"};
        p = *t;
    } else {
        throw Refusal{"badRequest", op};
    }
}

}  // namespace

json Change(const json& req, std::string_view data) {
    try {
        const json changes = req.value("changes", json::array());
        if (!changes.is_array() || changes.empty()) throw Refusal{"badRequest", "changes"};
        fuzzy::Project p;
        // A template replaces the project: there need be none before it.
        if (!(changes.size() == 1 && changes[0].is_object() && changes[0].value("op", "") == "template")) {
            const fuzzy::ProjectDiagnosis d = fuzzy::DiagnoseProject(data);
            if (!d.ok) throw Refusal{"refused", d.Describe()};
            p = fuzzy::LoadProjectBytes(data);
        }
        for (const json& c : changes) Apply(p, c);
        return {{"fuz", Latin1AsUtf8(fuzzy::ProjectText(p))}};
    } catch (const Refusal& r) {
        return {{"refused", {{"code", r.code}, {"detail", r.detail}}}};
    } catch (const fuzzy::Error& e) {
        // A project the writer cannot hold.
        return {{"refused", {{"code", "unsaveable"}, {"detail", e.Describe()}}}};
    }
}

}  // namespace webengine
