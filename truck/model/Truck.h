#pragma once

#include "fuzzy/Plot.h"

namespace dorvane {

struct TPointF {
    float x = 0.0f;
    float y = 0.0f;
};

// The truck: a rigid body of length Length between a rear point and a cab
// point. The cab point is steered; the rear point is dragged after it along
// the body. World units are metres, angles radians counter-clockwise from +x.
//
// A plain aggregate: a new instance has every field 0. All numbers are kept in
// single precision, each stored result rounded to float.
struct TTruck {
    TPointF NextCab;            // scratch: the cab position of the step in progress
    float Length = 0.0f;        // rear point to cab point
    float StartHeading = 0.0f;  // used only by Place
    float Steering = 0.0f;      // relative to the body axis, positive turns left
    float Speed = 0.0f;         // of the cab point along its steered direction; negative = backwards
    float RearX = 0.0f;
    float RearY = 0.0f;
    float CabX = 0.0f;
    float CabY = 0.0f;

    // Direction from the rear point to the cab point, in (0, 2*pi].
    float Heading() const;
    // Cab position after dt seconds, into NextCab; nothing else changes.
    void PredictCab(float dt);
    // The same with the body's heading already known: heading must be the
    // value Heading() gives for the current position.
    void PredictCabFrom(float heading, float dt);
    // Moves the cab point to p and drags the rear point after it.
    void MoveCab(TPointF p);
    // Advances the truck by dt seconds.
    void Step(float dt);
    // The same with Heading() of the current position already known, as the
    // control loop has it from computing the attitude: saves one arctangent.
    void StepFrom(float heading, float dt);
    // Sets Length and puts the rear point behind the cab, opposite StartHeading.
    void Place(float length);
    // Body and cab direction as two strokes with the plot's current pen.
    void Draw(fuzzy::IPlot& plot) const;

    // A step is cut into parts no longer than this share of the body, so that
    // the rear point always has a place on the body line (see Step).
    static constexpr float MaxPartOfLength = 0.5f;
    // Upper bound on the parts of one step; beyond it MoveCab's fallback keeps
    // the body intact instead of looping for ever on absurd speeds.
    static constexpr int MaxParts = 10000;
};

}  // namespace dorvane
