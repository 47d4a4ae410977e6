#include "exercise/Points.h"

#include "fuzzy/Language.h"
#include "fuzzy/Numbers.h"

#include <algorithm>
#include <cmath>

namespace exercise {

namespace {

void Plan(std::vector<PlannedCriterion>& out, const char* id, int line, const Scoring& score) {
    PlannedCriterion c;
    c.Id = id;
    c.Line = line;
    c.Points = score.Of(id);
    c.EvenAtStart = score.CountsAtStart(id);
    out.push_back(c);
}

const char* HandId(Quantity q) {
    switch (q) {
    case Quantity::Membership: return "hand.membership";
    case Quantity::Firing: return "hand.firing";
    case Quantity::Heights: return "hand.heights";
    case Quantity::Output: break;
    }
    return "hand.output";
}

}  // namespace

std::vector<PlannedCriterion> PlannedCriteria(const Exercise& e) {
    std::vector<PlannedCriterion> out;
    for (const CoverageCheck& c : e.Coverage) Plan(out, "coverage", c.Line, c.Score);
    for (const HandCheck& h : e.Hand)
        for (const Quantity q : h.Asked) {
            Plan(out, HandId(q), h.Line, h.Score);
            out.back().Point = h.Point;
        }
    for (const TruckCheck& t : e.Truck) {
        for (const float v : t.Speeds) {
            if (t.MinDocked) Plan(out, "truck.docked", t.Line, t.Score);
            if (t.MinDocked) out.back().Speed = v;
            if (t.MaxLeftRoad) Plan(out, "truck.left_road", t.Line, t.Score);
            if (t.MaxLeftRoad) out.back().Speed = v;
            Plan(out, "truck.no_rule", t.Line, t.Score);
            out.back().Speed = v;
        }
        if (t.MaxRules) Plan(out, "rules", t.Line, t.Score);
    }
    for (const LocoCheck& l : e.Loco) {
        if (l.RestWithin) Plan(out, "loco.rest", l.Line, l.Score);
        if (l.MaxOvershootCm) Plan(out, "loco.overshoot", l.Line, l.Score);
        if (l.ForceInRange) Plan(out, "loco.force", l.Line, l.Score);
        if (l.MaxSignChanges) Plan(out, "loco.sign_changes", l.Line, l.Score);
        if (l.MaxRules) Plan(out, "rules", l.Line, l.Score);
    }
    return out;
}

double TotalPoints(const Exercise& e) {
    double sum = 0.0;
    for (const PlannedCriterion& c : PlannedCriteria(e)) sum += c.Points;
    return sum;
}

CheckResult StartCheck(const Exercise& e, const CheckOptions& options) {
    return Check(e, e.StartProject(), Answers{}, options);
}

namespace {

// Whether the check's criteria are the planned ones, one for one.
bool Fits(const std::vector<PlannedCriterion>& plan, const CheckResult& r) {
    if (plan.size() != r.Criteria.size()) return false;
    for (std::size_t i = 0; i < plan.size(); ++i)
        if (plan[i].Id != r.Criteria[i].Id || plan[i].Line != r.Criteria[i].Line) return false;
    return true;
}

}  // namespace

Worth WorthOf(const Exercise& e, const CheckResult& start) {
    Worth w;
    w.Criteria = PlannedCriteria(e);
    // A start that cannot be judged (it never is refused by its own exercise)
    // takes nothing away.
    const bool judged = Fits(w.Criteria, start) && !start.Cancelled;
    for (std::size_t i = 0; i < w.Criteria.size(); ++i) {
        const bool met = judged && start.Criteria[i].Passed;
        w.MetAtStart.push_back(met);
        w.Points.push_back(met && !w.Criteria[i].EvenAtStart ? 0.0 : w.Criteria[i].Points);
        w.Total += w.Points.back();
    }
    return w;
}

Score ScoreOf(const Worth& w, const CheckResult& r) {
    Score s;
    s.Total = w.Total;
    if (r.Overall == Verdict::Refused || r.Cancelled || !Fits(w.Criteria, r)) return s;
    s.Graded = true;
    // What the start met counts (startpunkte) only beside some work of the
    // student's own: a criterion the start fails, passed.
    bool progress = false;
    for (std::size_t i = 0; i < r.Criteria.size(); ++i)
        progress = progress || (!w.MetAtStart[i] && r.Criteria[i].Passed);
    for (std::size_t i = 0; i < r.Criteria.size(); ++i) {
        const bool counts = r.Criteria[i].Passed && (progress || !w.MetAtStart[i]);
        s.PerCriterion.push_back(counts ? w.Points[i] : 0.0);
        s.Points += s.PerCriterion.back();
    }
    return s;
}

std::string PointsText(double v) {
    // Points are given to at most two decimals; what a sum adds beyond is noise.
    const double r = std::round(v * 100.0) / 100.0;
    std::string t = std::fabs(r - std::round(r)) < 1e-9 ? fuzzy::FixedText(r, 0) : fuzzy::GeneralText(r, 6);
    if (t == "-0") t = "0";
    if (fuzzy::DecimalSign() == ',') std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

}  // namespace exercise
