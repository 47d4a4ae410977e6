#pragma once

#include "fuzzy/FuzUnits.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <string>
#include <utility>

namespace dialogtest {

struct Term {
    const char* name;
    float a, b, c, d, h;
};

inline fuzzy::TFuzzy MakeVariable(const char* name, float lo, float hi, std::initializer_list<Term> terms) {
    fuzzy::TFuzzy v;
    v.Name = name;
    v.RangeMin = lo;
    v.RangeMax = hi;
    v.Defined = true;
    for (const Term& t : terms) {
        const int i = ++v.TermCount;
        v.SetTermName(i, t.name);
        v.SetParam(i, fuzzy::ParamA, t.a);
        v.SetParam(i, fuzzy::ParamB, t.b);
        v.SetParam(i, fuzzy::ParamC, t.c);
        v.SetParam(i, fuzzy::ParamD, t.d);
        v.SetParam(i, fuzzy::ParamH, t.h);
    }
    return v;
}

// Saves a picture of the window when FUZZY_SHOT_DIR names a folder, so the
// layouts can be looked at; does nothing otherwise.
inline void SaveShot(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("FUZZY_SHOT_DIR");
    if (dir.isEmpty()) return;
    w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace dialogtest
