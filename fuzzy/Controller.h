#pragma once

#include "fuzzy/Project.h"

namespace fuzzy {

// A controller at work: the variables and the rule table that a control step
// reads and writes. It holds references, so it is cheap to make from a
// project (every run, the labs, the tuner) or from the four variables that
// Dorvane and Pemrak keep. A step writes the inputs' values and the output's
// heights: a controller used in another thread needs a project of its own.
struct Controller {
    using CompiledStepFn = float (*)(float a, float b);

    TFuzzy& A;
    TFuzzy& B;
    TFuzzy& Out;
    const RuleTable& Rules;
    // A control step compiled elsewhere, such as the C export of this
    // project: when set, it turns the two inputs into the output in place of
    // Infer and Defuzzify, and the variables are left as they are.
    CompiledStepFn CompiledStep = nullptr;

    Controller(TFuzzy& a, TFuzzy& b, TFuzzy& out, const RuleTable& rules, CompiledStepFn step = nullptr)
        : A(a), B(b), Out(out), Rules(rules), CompiledStep(step) {}
    explicit Controller(Project& p, CompiledStepFn step = nullptr) : Controller(p.A, p.B, p.Out, p.Rules, step) {}

    // True when both inputs and the output are defined.
    bool AllDefined() const { return A.Defined && B.Defined && Out.Defined; }

    // Sets the inputs' values and runs the rule table: afterwards the output's
    // heights hold the activations (also with a compiled step set).
    void Infer(float a, float b) const;
    // One whole control step: Infer, then the output defuzzified; or the
    // compiled step's result when one is set.
    float Step(float a, float b) const;
};

}  // namespace fuzzy
