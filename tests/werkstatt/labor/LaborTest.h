#pragma once

#include "fuzzy/Project.h"
#include "tests/support/MessageRecorder.h"

#include <QImage>
#include <QString>
#include <QThreadPool>
#include <QWidget>

#include <string>

namespace labortest {

// A shipped example project, read by the engine's own reader.
inline fuzzy::Project Beispiel(const char* name) {
    return fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/examples/" + name);
}

// The example with every input term's height at 3.4e38: where two rules fire,
// the centroid's sums overflow in single precision and the step gives no number.
inline fuzzy::Project Uebergelaufen(const char* name) {
    fuzzy::Project p = Beispiel(name);
    for (fuzzy::TFuzzy* v : {&p.A, &p.B})
        for (int i = 1; i <= v->UsedTerms(); ++i) v->SetParam(i, fuzzy::ParamH, 3.4e38f);
    return p;
}

// Lets the worker finish its job without delivering the result: the result
// then waits in the event queue, as when an edit arrives at the wrong moment.
inline void ArbeiterFertig() { QThreadPool::globalInstance()->waitForDone(); }

inline void SaveShot(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("FUZZY_SHOT_DIR");
    if (dir.isEmpty()) return;
    w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace labortest
