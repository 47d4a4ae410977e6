#include "truck/model/Truck.h"

#include <cmath>

namespace dorvane {

namespace {
constexpr double Pi = 3.14159265358979323846;
}

float TTruck::Heading() const {
    const float dx = CabX - RearX;
    const float dy = CabY - RearY;
    if (std::fabs(dx) <= 0.00001f) return dy > 0.0f ? static_cast<float>(Pi / 2) : static_cast<float>(3 * Pi / 2);

    const double a = std::atan(static_cast<double>(dy) / dx);
    double result = a;
    // Four tests in this order, a later match replacing an earlier one: a body
    // pointing exactly along +x ends in the third case and so yields 2*pi.
    if (dy >= 0 && dx > 0) result = a;
    if (dy >= 0 && dx < 0) result = a + Pi;
    if (dy <= 0 && dx > 0) result = a + 2 * Pi;
    if (dy < 0 && dx < 0) result = a + Pi;
    return static_cast<float>(result);
}

void TTruck::PredictCab(float dt) { PredictCabFrom(Heading(), dt); }

void TTruck::PredictCabFrom(float heading, float dt) {
    const double a = static_cast<double>(heading) + Steering;
    const double d = static_cast<double>(Speed) * dt;
    const float ox = static_cast<float>(std::cos(a) * d);
    const float oy = static_cast<float>(std::sin(a) * d);
    NextCab.x = CabX + ox;
    NextCab.y = CabY + oy;
}

void TTruck::MoveCab(TPointF p) {
    const float Rx = RearX, Ry = RearY;
    const float Fx = CabX, Fy = CabY;
    const double ux = static_cast<double>(Rx) - p.x;
    const double uy = static_cast<double>(Ry) - p.y;

    const float l2 = static_cast<float>(static_cast<double>(Length) * Length);
    CabX = p.x;
    CabY = p.y;
    if (l2 == 0.0f) {
        // A body without length: the rear point is the cab point.
        RearX = p.x;
        RearY = p.y;
        return;
    }

    const float a = static_cast<float>(ux * ux + uy * uy);
    const float b = static_cast<float>(ux * (static_cast<double>(Fx) - Rx) + uy * (static_cast<double>(Fy) - Ry));
    const float h = static_cast<float>(static_cast<double>(b) / l2);
    const float q = static_cast<float>((static_cast<double>(a) - l2) / l2);
    const double radicand = static_cast<double>(h) * h - q;
    if (!(radicand >= 0.0)) {
        // The new cab point lies farther than the body's length from the old
        // body line: no place on that line fits. Drag the rear point straight
        // towards the cab instead, as a rope would, which keeps the length.
        const double dist = std::sqrt(ux * ux + uy * uy);
        RearX = static_cast<float>(p.x + ux / dist * Length);
        RearY = static_cast<float>(p.y + uy / dist * Length);
        return;
    }
    const float s = static_cast<float>(std::sqrt(radicand));
    float t = s - h;
    if (t > 1.0f || !(t >= 0.0f)) t = -h - s;

    RearX = static_cast<float>(Rx + (static_cast<double>(Fx) - Rx) * t);
    RearY = static_cast<float>(Ry + (static_cast<double>(Fy) - Ry) * t);
}

void TTruck::Step(float dt) { StepFrom(Heading(), dt); }

void TTruck::StepFrom(float heading, float dt) {
    const double d = std::fabs(static_cast<double>(Speed) * dt);
    if (!std::isfinite(d) || !std::isfinite(static_cast<double>(dt)))
        return;  // a step of no definite length moves nothing

    // A step as long as the body or longer can leave the rear point without a
    // place on the body line. Such a step is cut into parts no longer than
    // half the body, which keeps every part solvable; shorter steps (below
    // 100 m/s at 0.1 s for a 10 m truck) stay one part, computed as always.
    int parts = 1;
    if (Length > 0.0f && d >= Length) {
        const double wanted = std::ceil(d / (static_cast<double>(Length) * MaxPartOfLength));
        parts = wanted > MaxParts ? MaxParts : static_cast<int>(wanted);
    }
    const float part = parts == 1 ? dt : static_cast<float>(static_cast<double>(dt) / parts);
    for (int i = 0; i < parts; ++i) {
        PredictCabFrom(i == 0 ? heading : Heading(), part);
        MoveCab(NextCab);
    }
}

void TTruck::Place(float length) {
    Length = length;
    const double back = static_cast<double>(StartHeading) + Pi;
    RearX = static_cast<float>(std::cos(back) * Length + CabX);
    RearY = static_cast<float>(std::sin(back) * Length + CabY);
}

void TTruck::Draw(fuzzy::IPlot& plot) const {
    if (RearY <= -30.0f) return;
    plot.MoveToWorld(RearX, RearY);
    plot.LineToWorld(CabX, CabY);
    plot.MoveToWorld(CabX, CabY);
    const float a = static_cast<float>(static_cast<double>(Heading()) + Steering);
    plot.LineToWorld(static_cast<float>(CabX + 2.0 * std::cos(a)), static_cast<float>(CabY + 2.0 * std::sin(a)));
}

}  // namespace dorvane
