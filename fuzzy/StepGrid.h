#pragma once

// The grid that corners of terms lie on when a person sets them: the
// Werkstatt's editor snaps a dragged corner to it and moves one by it from
// the keyboard, and the tuner writes only corners on it, so that a tuned
// term reads "-2.5, 0, 0, 2.5" and not "-2.4871, 0.0113, ...".

#include "fuzzy/FuzUnits.h"

namespace fuzzy {

// The readable step nearest to `raw` on a logarithmic scale: 1, 2, 2.5 or 5
// times a power of ten. 1 for a raw step that is not a positive number.
double ReadableStep(double raw);

// The step of a variable's corners: about a hundredth of its range, made
// readable; 0.01 for a range without width. The heights have a grid of
// their own (HeightStep).
float CornerStep(const TFuzzy& v);
constexpr float HeightStep = 0.05f;

// `v` on the grid of `step`: the nearest multiple, computed so that a step of
// 0.01 from 0.84 gives the float nearest to 0.85. Values that are not finite,
// and steps that are not positive, leave v as it is.
float OnStepGrid(float v, double step);

// Whether v lies on the grid already (OnStepGrid changes nothing).
bool IsOnStepGrid(float v, double step);

}  // namespace fuzzy
