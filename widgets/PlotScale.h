#pragma once

// The arithmetic by which a plot maps world coordinates onto its pixels. The
// plot component and a plot painted into any QPainter (pictures for
// worksheets) both use it, so that a point lands on the same pixel in each.

#include <initializer_list>

namespace widgets::plotscale {

// A round step for the marks of an axis or a legend: the smallest m * 10^k
// not below `raw`, m taken from `mantissas` (ascending, from 1 up to below
// 10), 10^(k+1) when none of them reaches it; 10^k is the power of ten at or
// below raw.
double RoundStep(double raw, std::initializer_list<double> mantissas);

// The plot area leaves these margins, and room for the y labels at the left.
constexpr int MarginX = 30;
constexpr int MarginY = 30;
constexpr int LabelWidth = 20;

// nearest(v), a half going to the even neighbour; not-a-number counts as 0.
// Positions stay within a million pixels of the origin, far out of view but
// safely inside integer range.
int NearestPixel(double v);

// Width and height of the plot area on a surface of w x h pixels.
int PlotWidth(int w);
int PlotHeight(int h);

// The span of a bound pair, then the pair in ascending order.
float OrderedSpan(float& low, float& high);

// v as a fraction of the span from low; 0 for an empty span.
float Norm(float v, float low, float span);

// A fraction of the plot area as a column, and as a row of a surface of the
// given height: a row above the surface reads -10, one below it the height.
int FracToPixelX(float f, int plotWidth);
int FracToPixelY(float f, int plotHeight, int surfaceHeight);

}  // namespace widgets::plotscale
