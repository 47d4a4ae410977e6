#pragma once
// Shared fixture: records the engine's messages instead of printing them.

#include "fuzzy/Project.h"
#include "fuzzy/Messages.h"
#include "tests/support/EvenLok.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

struct RecordedMessage {
    bool warning;
    std::string text;
    bool operator==(const RecordedMessage& o) const { return warning == o.warning && text == o.text; }
};

inline std::ostream& operator<<(std::ostream& os, const RecordedMessage& m) {
    return os << (m.warning ? "Warnung: " : "Fehler: ") << m.text;
}

class RecordingMessages final : public fuzzy::IMessages {
public:
    void Warning(const std::string& text) override { log.push_back({true, text}); }
    void Error(const std::string& text) override { log.push_back({false, text}); }
    std::vector<RecordedMessage> log;
};

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { fuzzy::SetMessages(&messages); }
    void TearDown() override { fuzzy::SetMessages(nullptr); }

    static RecordedMessage Warning(const std::string& t) { return {true, t}; }
    static RecordedMessage Error(const std::string& t) { return {false, t}; }

    RecordingMessages messages;
};

// A variable with the given terms: name and a, b, c, d, h each.
struct TermDef {
    std::string name;
    float a, b, c, d, h;
};

inline fuzzy::TFuzzy MakeVariable(const std::string& name, float rangeMin, float rangeMax,
                                  const std::vector<TermDef>& terms) {
    fuzzy::TFuzzy v;
    v.Name = name;
    v.Defined = true;
    v.RangeMin = rangeMin;
    v.RangeMax = rangeMax;
    v.TermCount = static_cast<int>(terms.size());
    for (int i = 1; i <= v.TermCount; ++i) {
        const TermDef& t = terms[static_cast<std::size_t>(i - 1)];
        v.SetTermName(i, t.name);
        v.SetParam(i, 1, t.a);
        v.SetParam(i, 2, t.b);
        v.SetParam(i, 3, t.c);
        v.SetParam(i, 4, t.d);
        v.SetParam(i, 5, t.h);
    }
    return v;
}

// Names parameterised cases after the `name` field of their row.
struct CaseName {
    template <class T>
    std::string operator()(const ::testing::TestParamInfo<T>& row) const {
        return row.param.name;
    }
};
