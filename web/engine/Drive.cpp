// Dorvane's and Pemrak's loops for the page, a step at a time: the truck and
// the locomotive of truck/model and loco/model, the controller of fuzzy/.
#include "web/engine/Drive.h"

#include "web/engine/Whole.h"

#include "fuzzy/Controller.h"
#include "fuzzy/Numbers.h"
#include "lab/Wording.h"
#include "loco/model/LocoModel.h"
#include "truck/model/Control.h"
#include "truck/model/Truck.h"

#include <array>
#include <cmath>
#include <string>

namespace webengine {

namespace {

using nlohmann::json;

struct Refusal {
    std::string code;
    std::string detail;
};

json Exact(float v) { return std::isfinite(v) ? json(fuzzy::NumberText(v)) : json(nullptr); }

// The state's numbers as the page sent them back: exact texts, each a finite float.
template <std::size_t N>
std::array<float, N> Numbers(const json& req) {
    const json& s = req.contains("state") ? req["state"] : json();
    if (!s.is_array() || s.size() != N) throw Refusal{"badRequest", "state"};
    std::array<float, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        if (!s[i].is_string()) throw Refusal{"badRequest", "state"};
        const fuzzy::RealResult r = fuzzy::ParseProjectReal(s[i].get<std::string>());
        if (r.status != fuzzy::RealStatus::Ok || !std::isfinite(r.value)) throw Refusal{"badRequest", "state"};
        out[i] = r.value;
    }
    return out;
}

bool Fuzzy(const json& req) {
    const std::string m = req.value("mode", std::string());
    if (m != "hand" && m != "fuzzy") throw Refusal{"badRequest", "mode"};
    return m == "fuzzy";
}

std::optional<int> Bar(const json& req, int lo, int hi) {
    if (!req.contains("bar") || req["bar"].is_null()) return std::nullopt;
    const std::optional<int> v = WholeIn(req["bar"], lo, hi);
    if (!v) throw Refusal{"badRequest", "bar"};
    return v;
}

json Refused(const Refusal& r) { return {{"refused", {{"code", r.code}, {"detail", r.detail}}}}; }

// ---- the truck -----------------------------------------------------------------

json TruckAnswer(const dorvane::TTruck& k) {
    const float heading = k.Heading();
    return {
        {"state", {Exact(k.RearX), Exact(k.RearY), Exact(k.CabX), Exact(k.CabY), Exact(k.Speed), Exact(k.Steering)}},
        {"heading", Exact(heading)},
        {"shown",
         {{"distance", lab::Number(k.RearX, lab::Quantity::Metres)},
          {"attitude", lab::Number(dorvane::AttitudeOfHeading(heading), lab::Quantity::Degrees)},
          {"steering", lab::Number(dorvane::SteeringDegrees(k), lab::Quantity::Degrees)}}},
        {"attitude", Exact(dorvane::AttitudeOfHeading(heading))},
        {"arrived", dorvane::Arrived(k)},
        {"onRoad", dorvane::OnRoad(k.RearX)}};
}

// ---- the locomotive --------------------------------------------------------------

constexpr int SceneWidth = 529;

float StepLength(float dt) { return dt > 0.0f ? dt : 0.001f; }

json LocoAnswer(const pemrak::SimZustand& z, int steps) {
    const float s = static_cast<float>(double(z.s) * 100.0), v = static_cast<float>(double(z.v) * 100.0);
    return {{"state",
             {Exact(z.s), Exact(z.v), Exact(z.a), Exact(z.t), Exact(z.dt), Exact(z.Kraft), Exact(z.Masse),
              Exact(z.Reibung), Exact(z.s0), Exact(z.s_alt)}},
            {"steps", steps},
            {"shown",
             {{"t", lab::Number(z.t, lab::Quantity::Seconds)},
              {"s", lab::Number(s, lab::Quantity::Centimetres)},
              {"v", lab::Number(v, lab::Quantity::CmPerSecond)},
              {"force", lab::Number(z.Kraft, lab::Quantity::Newtons)}}},
            {"point", {{"t", Exact(z.t)}, {"s", Exact(s)}, {"v", Exact(v)}, {"force", Exact(z.Kraft)}}},
            {"inBand", pemrak::InTargetBand(z)},
            // Where Pemrak's scene (529 pixels wide) draws the locomotive.
            {"column", pemrak::SceneColumn(z.s, z.s0, SceneWidth)}};
}

}  // namespace

json TruckPlace(float cabX, float attitudeDegrees, float speed) {
    dorvane::TTruck k;
    dorvane::PlaceTruck(k, cabX, dorvane::HeadingForAttitude(attitudeDegrees), speed);
    return TruckAnswer(k);
}

json TruckPlaceRandom(float r, float speed) {
    dorvane::TTruck k;
    dorvane::PlaceTruck(k, -10.0f, dorvane::RandomHeading(r), speed);
    return TruckAnswer(k);
}

json TruckTick(const json& req, const fuzzy::Project* p) {
    try {
        const std::array<float, 6> s = Numbers<6>(req);
        dorvane::TTruck k;
        k.Length = dorvane::TruckLength;
        k.RearX = s[0];
        k.RearY = s[1];
        k.CabX = s[2];
        k.CabY = s[3];
        k.Speed = s[4];
        k.Steering = s[5];
        // A step longer than half the truck is no step of this model (at most 100 m/s as the lab takes it).
        if (!(std::fabs(k.Speed) <= 100.0f)) throw Refusal{"badSpeed", fuzzy::NumberText(k.Speed)};
        const bool fuzzy = Fuzzy(req);
        // The steering bar, 0 (full left, +70 degrees) to 140 (full right, -70 degrees).
        if (const std::optional<int> bar = Bar(req, 0, 140))
            k.Steering = static_cast<float>((70.0 - *bar) * 3.14159265358979323846 / 180.0);
        json control = nullptr;
        bool aborted = false;
        if (req.value("step", true)) {
            if (fuzzy) {
                if (!p || !p->A.Defined || !p->Out.Defined) return {{"defined", false}};
                fuzzy::Project own = *p;
                const fuzzy::Controller c(own);
                const float a = k.RearX, b = dorvane::Attitude(k);
                float out = 0.0f;
                aborted = !dorvane::FuzzyControlStep(k, c, &out);
                control = {{"a", Exact(a)}, {"b", Exact(b)}, {"out", Exact(out)}};
            } else {
                k.Step(dorvane::StepSeconds);
            }
        }
        json answer = TruckAnswer(k);
        answer["control"] = control;
        answer["aborted"] = aborted;
        return answer;
    } catch (const Refusal& r) {
        return Refused(r);
    }
}

json LocoStart(const pemrak::RunOptions& o) {
    pemrak::SimZustand z;
    pemrak::Aufzeichnung unused;
    pemrak::SimInit(z, unused, o.Start);
    z.dt = StepLength(o.FirstDt);
    json answer = LocoAnswer(z, 0);
    answer["ended"] = nullptr;
    answer["control"] = nullptr;
    return answer;
}

json LocoTick(const json& req, const pemrak::RunOptions& o, const fuzzy::Project* p) {
    try {
        const std::array<float, 10> s = Numbers<10>(req);
        pemrak::SimZustand z;
        z.s = s[0];
        z.v = s[1];
        z.a = s[2];
        z.t = s[3];
        z.dt = s[4];
        z.Kraft = s[5];
        z.Masse = s[6];
        z.Reibung = s[7];
        z.s0 = s[8];
        z.s_alt = s[9];
        if (!(z.Masse > 0.0f) || !(z.dt > 0.0f) || z.s0 == 0.0f) throw Refusal{"badRequest", "state"};
        const std::optional<int> steps = req.contains("steps") ? WholeIn(req["steps"], 0, 10000000) : std::nullopt;
        if (!steps) throw Refusal{"badRequest", "steps"};
        const bool fuzzy = Fuzzy(req);
        float kraft = z.Kraft;
        json control = nullptr;
        if (fuzzy) {
            if (!p || !p->A.Defined || !p->B.Defined || !p->Out.Defined) return {{"defined", false}};
            fuzzy::Project own = *p;
            const fuzzy::Controller c(own);
            kraft = pemrak::Kraft(c, z);
            control = {{"a", Exact(static_cast<float>(double(z.s) * 100.0))},
                       {"b", Exact(static_cast<float>(double(z.v) * 100.0))},
                       {"out", Exact(kraft)}};
            if (!std::isfinite(kraft)) {
                json answer = LocoAnswer(z, *steps);
                answer["control"] = control;
                answer["ended"] = "aborted";
                return answer;
            }
        } else if (const std::optional<int> bar = Bar(req, -20, 20)) {
            // The force slider: its left end (-20) drives towards the mark with 1 N.
            kraft = static_cast<float>(-double(*bar) / 20.0);
        }
        z.s_alt = z.s;
        z.Kraft = kraft;
        pemrak::Step(z);
        z.dt = StepLength(o.Dt);
        const int done = *steps + 1;
        json answer = LocoAnswer(z, done);
        answer["control"] = control;
        const bool finite = std::isfinite(z.s) && std::isfinite(z.v);
        answer["ended"] = !finite                                  ? json("notFinite")
                          : !pemrak::OnTrack(z)                    ? json("ranOut")
                          : fuzzy && !pemrak::AnotherStep(o, done) ? json("timeLimit")
                                                                   : json(nullptr);
        return answer;
    } catch (const Refusal& r) {
        return Refused(r);
    }
}

}  // namespace webengine
