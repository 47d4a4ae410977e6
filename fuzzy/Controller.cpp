#include "fuzzy/Controller.h"

namespace fuzzy {

void Controller::Infer(float a, float b) const {
    A.Value = a;
    B.Value = b;
    fuzzy::Infer(Rules, A, B, Out);
}

float Controller::Step(float a, float b) const {
    if (CompiledStep != nullptr) return CompiledStep(a, b);
    Infer(a, b);
    return Out.Defuzzify();
}

}  // namespace fuzzy
