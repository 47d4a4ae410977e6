#include "fuzzy/StepGrid.h"

#include <cmath>
#include <cstring>

namespace fuzzy {

double ReadableStep(double raw) {
    if (!(raw > 0.0) || !std::isfinite(raw)) return 1.0;
    const double tens = std::pow(10.0, std::floor(std::log10(raw)));
    // The nearest on a logarithmic scale: 3.3 rounds to 2.5, 3.7 to 5.
    double best = tens;
    for (const double f : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (std::fabs(std::log(f * tens / raw)) < std::fabs(std::log(best / raw))) best = f * tens;
    return best;
}

float CornerStep(const TFuzzy& v) {
    const double raw = std::fabs(double(v.RangeMax) - double(v.RangeMin)) / 100.0;
    if (!(raw > 0.0) || !std::isfinite(raw)) return 0.01f;
    const float step = static_cast<float>(ReadableStep(raw));
    return step > 0.0f && std::isfinite(step) ? step : 0.01f;
}

float OnStepGrid(float v, double step) {
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(v)) return v;
    const double k = std::round(double(v) / step);
    // Below one, the multiples come from the step's inverse ("k / 100" rather
    // than "k * 0.01"): the division rounds once, the product twice.
    const double inverse = 1.0 / step;
    const double whole = std::round(inverse);
    const double value = step < 1.0 && std::fabs(inverse - whole) < 1e-6 * inverse ? k / whole : k * step;
    // A grid point is never -0: a corner "rounded to 0" reads 0.
    const float f = static_cast<float>(value + 0.0);
    return std::isfinite(f) ? f : v;
}

bool IsOnStepGrid(float v, double step) {
    const float g = OnStepGrid(v, step);
    return std::memcmp(&g, &v, sizeof g) == 0;
}

}  // namespace fuzzy
