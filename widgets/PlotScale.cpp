#include "widgets/PlotScale.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace widgets::plotscale {

namespace {
constexpr double PixelLimit = 1000000.0;
}  // namespace

int NearestPixel(double v) {
    if (std::isnan(v)) return 0;
    v = std::clamp(v, -PixelLimit, PixelLimit);
    return static_cast<int>(std::nearbyint(v));
}

int PlotWidth(int w) { return w - 2 * MarginX - LabelWidth; }

int PlotHeight(int h) { return h - 2 * MarginY; }

float OrderedSpan(float& low, float& high) {
    const float span = static_cast<float>(std::fabs(static_cast<double>(high) - low));
    if (low > high) std::swap(low, high);
    return span;
}

float Norm(float v, float low, float span) {
    if (span == 0.0f) return 0.0f;
    return static_cast<float>((static_cast<double>(v) - low) / span);
}

int FracToPixelX(float f, int plotWidth) {
    return NearestPixel(static_cast<double>(plotWidth) * f) + MarginX + LabelWidth;
}

int FracToPixelY(float f, int plotHeight, int surfaceHeight) {
    const int r = surfaceHeight - (NearestPixel(static_cast<double>(plotHeight) * f) + MarginY);
    if (r < 0) return -10;
    if (r > surfaceHeight) return surfaceHeight;
    return r;
}

double RoundStep(double raw, std::initializer_list<double> mantissas) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : mantissas)
        if (m * power >= raw) return m * power;
    return 10.0 * power;
}

}  // namespace widgets::plotscale
