#pragma once

#include "fuzzy/Colour.h"

#include <string>

namespace fuzzy {

// How a stroke combines with what is already on the canvas.
enum class PenMode { Copy, Xor };

// The drawing surface of a coordinate-system plot, as the engine and the
// vehicle models see it. The GUI's plot component implements it; the engine
// itself never depends on a toolkit.
class IPlot {
public:
    virtual ~IPlot() = default;

    virtual float x1() const = 0;
    virtual float x2() const = 0;
    virtual float y1() const = 0;
    virtual float y2() const = 0;
    // Each bound write stores the value, then recomputes the scale (which
    // keeps both pairs in ascending order).
    virtual void setX1(float v) = 0;
    virtual void setX2(float v) = 0;
    virtual void setY1(float v) = 0;
    virtual void setY2(float v) = 0;

    virtual void setStiftart(PenMode mode) = 0;
    virtual void setGraphFarbe(TColor c) = 0;
    virtual TColor KSFarbe() const = 0;

    // Writes the current world x and updates xint from it.
    virtual void Setx(float x) = 0;
    virtual int xint() const = 0;

    // Repaints the plot with what lies beneath it, clearing earlier drawing.
    virtual void Refresh() = 0;
    virtual void UpdateScale() = 0;
    virtual void DrawAxes() = 0;
    virtual void MoveToWorld(float x, float y) = 0;
    virtual void LineToWorld(float x, float y) = 0;

    virtual void SetFontColour(TColor c) = 0;
    // Text (UTF-8) with its top-left corner at the given pixel.
    virtual void TextOut(int column, int row, const std::string& text) = 0;
};

}  // namespace fuzzy
