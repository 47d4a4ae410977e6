#pragma once

#include "fuzzy/FuzUnits.h"
#include "widgets/Ks.h"

#include <QPointF>
#include <QRect>

#include <optional>
#include <string>
#include <vector>

// The term diagram of one variable, drawn through the plot component and the
// engine's term drawing, with handles on a, b, c, d and h of the chosen term.
// The mouse drags a handle; the keyboard moves it (Tab / Shift+Tab choose
// the handle, the arrows move it, Shift makes the step ten times larger,
// 1 to 5 choose the term). Handles land on the grid of the keyboard's step;
// Ctrl while dragging moves them freely. The diagram only reports the wished value; the
// owner keeps the corners in order and sets the variable again.
class TTermDiagramm : public TKoordinatensystem {
    Q_OBJECT
public:
    explicit TTermDiagramm(QWidget* parent = nullptr);

    void setVariable(const fuzzy::TFuzzy& v);
    const fuzzy::TFuzzy& variable() const { return var_; }

    int ausgewaehlterTerm() const { return term_; }
    void setAusgewaehlterTerm(int term);
    // The handle keys act on: fuzzy::ParamA .. fuzzy::ParamH.
    int aktiverGriff() const { return griff_; }
    void setAktiverGriff(int param);

    // A vertical line at a value of the variable (e.g. the inspector's
    // input), or none.
    void setMarke(std::optional<float> wert);
    std::optional<float> marke() const { return marke_; }

    // Where a handle of a term sits, in pixels of the component.
    QPointF griffPosition(int term, int param) const;

    // Redraws terms and handles now.
    void zeichnen();

    // The plot as the engine's term drawing uses it: round ticks, terms by
    // dash pattern, lines and labels kept clear of each other.
    void DrawAxes() override;
    using TKoordinatensystem::setGraphFarbe;
    void setGraphFarbe(fuzzy::TColor c) override;
    void LineToWorld(float x, float y) override;
    void TextOut(int column, int row, const std::string& text) override;
    // The labels written (axes, terms), for the tests: none on another.
    const std::vector<QRect>& beschriftungen() const { return labels_; }

signals:
    // A handle is to move to `wert` (x for a..d, height for h). `neuerZug`
    // marks the first move of a drag or a single key press.
    void griffBewegt(int term, int param, float wert, bool neuerZug);
    // The user picked another term in the diagram.
    void termGewaehlt(int term);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The handle under a pixel, preferring the chosen term: {term, param}.
    std::optional<std::pair<int, int>> griffBei(QPointF pos) const;
    float weltwert(int param, QPointF pos) const;

    fuzzy::TFuzzy var_;
    int term_ = 0;
    int griff_ = fuzzy::ParamB;
    bool ziehen_ = false;
    bool ersterZug_ = false;
    bool spitze_ = false;  // pressed on a peak: the first move picks b or c
    double druckX_ = 0.0;
    std::optional<float> marke_;
    int termNr_ = 0;
    std::vector<QRect> labels_;
};
