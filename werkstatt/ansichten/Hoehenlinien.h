#pragma once

#include <vector>

namespace ansichten {

// One piece of a contour line, in grid coordinates: x = i + t runs along
// the columns, y = j + t along the rows of the sampled field.
struct Strecke {
    float x0, y0, x1, y1;
};

// The contour line at the given level through a field of nx x ny values
// stored row by row (marching squares). A value equal to the level counts
// as above it; a saddle cell is decided by the mean of its four corners.
std::vector<Strecke> Hoehenlinie(const std::vector<float>& werte, int nx, int ny, float niveau);

// Round values for axes, legend and contour levels: multiples of 1, 2, 2.5 or 5
// times a power of ten from lo to hi, about `ungefaehr` of them.
std::vector<double> RundeTeilung(double lo, double hi, int ungefaehr);

}  // namespace ansichten
