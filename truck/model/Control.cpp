#include "truck/model/Control.h"

#include <algorithm>
#include <cmath>

namespace dorvane {

namespace {
constexpr double Pi = 3.14159265358979323846;
}

float AttitudeOfHeading(float heading) {
    return static_cast<float>((static_cast<double>(heading) - Pi / 2) * 180.0 / Pi);
}

float Attitude(const TTruck& truck) { return AttitudeOfHeading(truck.Heading()); }

float SteeringDegrees(const TTruck& truck) {
    return static_cast<float>(static_cast<double>(truck.Steering) * 180.0 / Pi);
}

float HeadingForAttitude(float attitudeDegrees) { return static_cast<float>(Pi * attitudeDegrees / 180.0 + Pi / 2); }

float RandomHeading(float r) { return static_cast<float>(r * Pi / 2 + Pi / 4); }

void PlaceTruck(TTruck& truck, float cabX, float startHeading, float speed) {
    truck.Speed = speed;
    truck.CabX = cabX;
    truck.CabY = StartCabY;
    truck.StartHeading = startHeading;
    truck.Place(TruckLength);
    truck.Steering = PlacedSteering;
}

void InferFromTruck(const TTruck& truck, const fuzzy::Controller& c) { c.Infer(truck.RearX, Attitude(truck)); }

namespace {

float Radians(float degrees) { return static_cast<float>(static_cast<double>(degrees) * Pi / 180.0); }

}  // namespace

float SteeringFromOutput(const fuzzy::TFuzzy& Ausgang) { return Radians(Ausgang.Defuzzify()); }

bool FuzzyControlStep(TTruck& truck, const fuzzy::Controller& c, float* steering) {
    return FuzzyControlStepFrom(truck, c, truck.Heading(), steering);
}

bool FuzzyControlStepFrom(TTruck& truck, const fuzzy::Controller& c, float heading, float* steering) {
    // The heading serves the attitude input and the step alike: computed once.
    const float out = c.Step(truck.RearX, AttitudeOfHeading(heading));
    if (steering) *steering = out;
    if (!std::isfinite(out)) return false;
    truck.Steering = Radians(out);
    truck.StepFrom(heading, StepSeconds);
    return true;
}

bool Arrived(const TTruck& truck) { return !(truck.RearY > ArrivalY); }

bool OnRoad(float rearX) { return rearX >= RoadLeft && rearX <= RoadRight; }

RunResult RunFuzzy(const fuzzy::Controller& c, StartValues start, float speed, int maxSteps, bool record) {
    RunResult r;
    r.Start = start;
    TTruck truck;
    PlaceTruck(truck, start.CabX, HeadingForAttitude(start.Attitude), speed);
    // The heading of the current position serves the record, the next
    // control step and the result: one arctangent per step.
    float heading = truck.Heading();
    if (record) r.Track.reserve(static_cast<std::size_t>(std::min(maxSteps, 2000)) + 1);

    float control = 0.0f;
    auto note = [&] {
        // fmax without the call: MaxAbsX starts at 0 and is never NaN, and a
        // NaN position is passed over, as fmax would.
        const float ax = std::fabs(truck.RearX);
        if (ax > r.MaxAbsX) r.MaxAbsX = ax;
        if (!OnRoad(truck.RearX)) r.LeftRoad = true;
        if (record)
            r.Track.push_back({truck.RearX, truck.RearY, truck.CabX, truck.CabY, AttitudeOfHeading(heading),
                               SteeringDegrees(truck), control});
    };
    note();
    while (r.Steps < maxSteps && !Arrived(truck)) {
        if (!FuzzyControlStepFrom(truck, c, heading, &control)) {
            r.Aborted = true;
            break;
        }
        ++r.Steps;
        heading = truck.Heading();
        note();
    }
    r.Arrived = !r.Aborted && Arrived(truck);
    r.X = truck.RearX;
    r.Attitude = AttitudeOfHeading(heading);
    return r;
}

std::vector<StartValues> GridStarts() {
    std::vector<StartValues> starts;
    for (int x = -20; x <= 0; x += 2) {
        for (int att = -45; att <= 40; att += 5) {
            const StartValues s{static_cast<float>(x), static_cast<float>(att)};
            if (OnRoad(RearXAtStart(s))) starts.push_back(s);
        }
    }
    return starts;
}

float RearXAtStart(StartValues start) {
    TTruck truck;
    PlaceTruck(truck, start.CabX, HeadingForAttitude(start.Attitude), -1.0f);
    return truck.RearX;
}

Quality Judge(const RunResult& r, float startRearX) {
    Quality q;
    q.ArrivedWell = r.Arrived && std::fabs(r.X) < 0.1f && std::fabs(r.Attitude) < 1.0f;
    q.MustKeepRoad = startRearX <= 0.0f;
    q.KeptRoad = !r.LeftRoad;
    return q;
}

}  // namespace dorvane
