#pragma once

// The English edition of a picture, read back from its SVG: which of its
// texts the program wrote (not the project's names, numbers or units), and
// which of those it left in German.

#include "fuzzy/Project.h"
#include "tests/support/SvgTexte.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <set>
#include <vector>

namespace ansichtentest {

// What the user named: the variables, their terms and the terms' short names.
inline QStringList Namen(const fuzzy::Project& p) {
    QStringList n;
    for (const fuzzy::TFuzzy* v : {&p.A, &p.B, &p.Out}) {
        if (!v->Defined) continue;
        n << QString::fromStdString(v->Name);
        for (int i = 1; i <= v->UsedTerms(); ++i)
            n << QString::fromStdString(v->GetTermName(i)) << QString::fromStdString(v->GetTermAbbrev(i));
    }
    n.removeAll(QString());
    // The longest first, so that a name is not cut by a shorter one inside it.
    std::sort(n.begin(), n.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return n;
}

// A text holds a word of the program when, without the user's names, a run
// of three letters is left: units and axis letters ("cm/s", "A: ") are
// shorter.
inline bool VomProgramm(QString text, const QStringList& namen) {
    // A name cut short to fit ("B: Geschwindigkeit in…") is still the name.
    if (text.endsWith(QStringLiteral("…"))) {
        text.chop(1);
        for (const QString& n : namen)
            for (qsizetype k = std::min(n.size(), text.size()); k > 0; --k)
                if (text.endsWith(n.left(k))) {
                    text.chop(k);
                    break;
                }
    }
    for (const QString& n : namen) text.remove(n);
    static const QRegularExpression wort(QStringLiteral("\\p{L}{3,}"));
    return wort.match(text).hasMatch();
}

// The program's texts of the English picture that the German one holds as
// they are. `fremd` are sentences of another catalogue (the engine's), which
// a picture may show wrapped over several lines.
inline std::vector<QString> DeutschGeblieben(const std::vector<testsupport::SvgText>& deutsch,
                                             const std::vector<testsupport::SvgText>& englisch,
                                             const QStringList& namen, const QStringList& fremd = {}) {
    auto fremdesTeil = [&](const QString& t) {
        for (const QString& satz : fremd)
            if (satz.contains(t.trimmed())) return true;
        return false;
    };
    std::set<QString> de;
    for (const auto& t : deutsch)
        if (VomProgramm(t.text, namen) && !fremdesTeil(t.text)) de.insert(t.text);
    std::vector<QString> aus;
    for (const auto& t : englisch)
        if (de.count(t.text)) aus.push_back(t.text);
    return aus;
}

}  // namespace ansichtentest
