// The engine for the browser: one exported function takes a request (JSON)
// and the bytes that go with it (a project file, a file to import) and
// answers in JSON. Every command is one row of kCommands; the page's worker
// (web/src/worker.js) calls them by name.
//
// The page's command line ("run") is fuzzysim's own (commands/CommandLine.h),
// on the files of an in-memory file system, so that the page shows exactly
// what the tool prints. Everything else the engine answers
// itself, from the engine, lab/ and exercise/.
#include "exercise/AnswerFields.h"
#include "exercise/HandIn.h"
#include "exercise/Reader.h"
#include "exercise/TaskText.h"
#include "exercise/Variants.h"
#include "fuzzy/Controller.h"
#include "fuzzy/FuzUnits.h"
#include "fuzzy/Hints.h"
#include "fuzzy/Language.h"
#include "fuzzy/Messages.h"
#include "fuzzy/NoRuleRegions.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/Project.h"
#include "fuzzy/ProjectCheck.h"
#include "fuzzy/Surface.h"
#include "lab/LocoLab.h"
#include "lab/LocoOptions.h"
#include "lab/TruckLab.h"
#include "lab/Wording.h"
#include "loco/model/LocoVersuch.h"
#include "commands/CommandLine.h"
#include "truck/model/Grid.h"
#include "web/engine/Answers.h"
#include "web/engine/Changes.h"
#include "web/engine/Sheets.h"
#include "web/engine/Whole.h"
#include "web/engine/Drive.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

// ---- bytes beside the JSON ---------------------------------------------------

// What a call hands back as bytes rather than as text: the page takes them
// as they are, without base64 or JSON to read (the truck lab's tracks are
// most of its answer). Each part starts at a multiple of 4, for a view of
// floats.
std::string g_binary;

// Bytes put beside the answer: {"at": offset, "length": size}.
json Beside(std::string_view bytes) {
    g_binary.resize((g_binary.size() + 3) / 4 * 4, '\0');
    const std::size_t at = g_binary.size();
    g_binary.append(bytes);
    return {{"at", at}, {"length", bytes.size()}};
}

// ---- bytes in JSON -----------------------------------------------------------

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Base64(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const auto n = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16 |
                       static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8 |
                       static_cast<unsigned char>(bytes[i + 2]);
        for (int k = 18; k >= 0; k -= 6) out += kBase64[n >> k & 63];
    }
    if (i < bytes.size()) {
        std::uint32_t n = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
        if (i + 1 < bytes.size()) n |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
        out += kBase64[n >> 18 & 63];
        out += kBase64[n >> 12 & 63];
        out += i + 1 < bytes.size() ? kBase64[n >> 6 & 63] : '=';
        out += '=';
    }
    return out;
}

int Base64Digit(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// Bytes from base64; nullopt for text that is none (wrong letters, padding
// inside, a length that is no multiple of four).
std::optional<std::string> FromBase64(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        const int pad = last ? (text[i + 3] == '=') + (text[i + 2] == '=' && text[i + 3] == '=') : 0;
        std::uint32_t n = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const int d = k >= 4 - static_cast<std::size_t>(pad) ? 0 : Base64Digit(text[i + k]);
            if (d < 0) return std::nullopt;
            n = n << 6 | static_cast<std::uint32_t>(d);
        }
        out += static_cast<char>(n >> 16 & 255);
        if (pad < 2) out += static_cast<char>(n >> 8 & 255);
        if (pad < 1) out += static_cast<char>(n & 255);
    }
    return out;
}

// A request that cannot be served; the page words it from `code`.
struct RequestError {
    std::string code;
    std::string detail;
};

// ---- numbers -----------------------------------------------------------------

// A number as the page shows it: plain digits where they stay short, the
// shortest form with an exponent otherwise, either reading back as the same
// float; the language's decimal sign and a true minus.
std::string Shown(float v) {
    if (!std::isfinite(v)) return fuzzy::GermanNumber(v);
    std::string s = fuzzy::NumberText(v, fuzzy::NumberForm::Fixed);
    if (s.size() > 12) s = fuzzy::NumberText(v);
    if (s == "-0") s = "0";
    return lab::OnScreen(s);
}

// The exact float for the page's drawing and for the next request: its
// shortest text reads back as the same float.
json Exact(float v) { return std::isfinite(v) ? json(fuzzy::NumberText(v)) : json(nullptr); }

// A number typed by a person: blanks around it, a comma or a point, a true
// minus; within the range of single precision.
float Typed(const json& req, const char* key) {
    if (!req.contains(key) || !req[key].is_string()) throw RequestError{"missingNumber", key};
    std::string t = req[key].get<std::string>();
    std::string s;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t.compare(i, 3, "\xE2\x88\x92") == 0) {
            s += '-';
            i += 2;
        } else {
            s += t[i] == ',' ? '.' : t[i];
        }
    }
    const auto first = s.find_first_not_of(" \t");
    const auto last = s.find_last_not_of(" \t");
    s = first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
    const fuzzy::RealResult r = fuzzy::ParseProjectReal(s);
    if (r.status != fuzzy::RealStatus::Ok) throw RequestError{"notANumber", t};
    return r.value;
}

// Up to about `count` round tick marks between lo and hi, as values and texts.
json Ticks(double lo, double hi, int count = 6) {
    json ticks = json::array();
    if (!(hi > lo) || !std::isfinite(lo) || !std::isfinite(hi)) return ticks;
    const double raw = (hi - lo) / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double factor = 10.0;
    for (const double f : {1.0, 2.0, 2.5, 5.0})
        if (f * power >= raw) {
            factor = f;
            break;
        }
    const double step = factor * power;
    // 2.5 needs one decimal more than its power of ten.
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)) + (factor == 2.5 ? 1 : 0));
    if (!(step > 0.0) || !std::isfinite(step)) return ticks;
    // Bounded: far from 0 a range of a few steps may not tell k from k + 1.
    double k = std::ceil(lo / step - 1e-9);
    for (int n = 0; n <= 2 * count + 2 && k * step <= hi + step * 1e-9; ++n, k += 1.0)
        ticks.push_back({{"value", k * step}, {"text", lab::Number(k * step, decimals)}});
    return ticks;
}

// ---- projects ----------------------------------------------------------------

// Messages of the engine while a request runs, as fuzzysim words them.
class Collect final : public fuzzy::IMessages {
public:
    void Warning(const std::string& text) override {
        warnings.push_back(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Warnung: %1"), {text}));
    }
    void Error(const std::string& text) override { errors.push_back(fuzzysim::ErrorLine(text)); }
    std::vector<std::string> warnings, errors;
};

class CollectScope {
public:
    explicit CollectScope(Collect& c) { fuzzy::SetMessages(&c); }
    ~CollectScope() { fuzzy::SetMessages(nullptr); }
    CollectScope(const CollectScope&) = delete;
    CollectScope& operator=(const CollectScope&) = delete;
};

// The name of the request's file as a refusal names it: the page's text,
// one line, nothing a reader could take for a further line of the refusal.
std::string FileName(const json& req) {
    std::string name = req.contains("name") && req["name"].is_string() ? req["name"].get<std::string>() : "";
    if (name.size() > 255) name.resize(255);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '_';
    return name.empty() ? std::string("in.fuz") : name;
}

// The project of the request's bytes; a file the reader refuses is refused
// with the lines `fuzzysim check NAME` prints: the reader's messages, then
// the line where the file stops fitting the format and what was expected.
fuzzy::Project ProjectOf(std::string_view bytes, const std::string& name = "in.fuz") {
    Collect messages;
    CollectScope scope(messages);
    fuzzy::Project p = fuzzy::LoadProjectBytes(bytes);
    if (messages.errors.empty()) return p;
    std::string lines;
    for (const std::string& e : messages.errors) lines += e + '\n';
    const fuzzy::ProjectDiagnosis diag = fuzzy::DiagnoseProject(bytes);
    if (!diag.ok) lines += fuzzysim::ErrorLine(name + ": " + diag.Describe()) + '\n';
    lines.pop_back();
    throw RequestError{"refused", lines};
}

fuzzy::TFuzzy& Role(fuzzy::Project& p, const json& req) {
    const std::string r = req.value("var", "");
    if (r == "A") return p.A;
    if (r == "B") return p.B;
    if (r == "Out") return p.Out;
    throw RequestError{"badRequest", "var"};
}

int IntOf(const json& req, const char* key, int lo, int hi) {
    const std::optional<int> v = req.contains(key) ? webengine::WholeIn(req[key], lo, hi) : std::nullopt;
    if (!v) throw RequestError{"badRequest", key};
    return *v;
}

json VariableView(const fuzzy::TFuzzy& v) {
    json out = {{"defined", v.Defined}};
    if (!v.Defined) return out;
    out["name"] = v.Name;
    out["termCount"] = v.TermCount;
    out["min"] = {{"text", Shown(v.RangeMin)}, {"exact", Exact(v.RangeMin)}};
    out["max"] = {{"text", Shown(v.RangeMax)}, {"exact", Exact(v.RangeMax)}};
    out["ticks"] = Ticks(v.RangeMin, v.RangeMax);
    json terms = json::array();
    for (int i = 1; i <= v.UsedTerms(); ++i) {
        json params = json::array();
        for (int j = fuzzy::ParamA; j <= fuzzy::ParamH; ++j)
            params.push_back({{"text", Shown(v.GetParam(i, j))}, {"exact", Exact(v.GetParam(i, j))}});
        terms.push_back({{"name", v.GetTermName(i)}, {"abbrev", v.GetTermAbbrev(i)}, {"params", params}});
    }
    out["terms"] = terms;
    return out;
}

json ProjectView(const fuzzy::Project& p) {
    json rules = json::array();
    for (int r = 1; r <= 5; ++r) {
        json row = json::array();
        for (int c = 1; c <= 5; ++c) row.push_back(p.Rules.Get(r, c));
        rules.push_back(row);
    }
    // Where no rule fires, in the hints' words.
    json noRule = json::array();
    if (p.A.Defined && p.Out.Defined)
        for (const fuzzy::NoRuleBox& box : fuzzy::FindNoRuleRegions(p).Boxes)
            noRule.push_back(fuzzy::NoRuleText(p, box));
    json fuz = nullptr;
    try {
        fuz = Base64(fuzzy::ProjectText(p));
    } catch (const fuzzy::ESaveError&) {
        // A project the writer cannot hold: shown, not saved.
    }
    return {{"A", VariableView(p.A)},
            {"B", VariableView(p.B)},
            {"Out", VariableView(p.Out)},
            {"rules", rules},
            {"check", json::parse(fuzzysim::CheckDocument(p))},
            {"noRule", noRule},
            {"fuz", fuz}};
}

// ---- commands ------------------------------------------------------------------

// The subcommands of fuzzysim the page uses, run as its main() runs them: a
// wrong call is status 2 with the error line alone, any other failure status 1.
int RunSubcommand(const std::vector<std::string>& argv) {
    static const std::vector<std::string> used = {"aufgabe", "check", "eval",  "export", "format",
                                                  "import",  "loco",  "truck", "tune"};
    if (std::find(used.begin(), used.end(), argv.front()) == used.end()) throw RequestError{"badRequest", argv.front()};
    return fuzzysim::RunCommandLine(argv, fuzzysim::UsageHint::None);
}

// A name in the engine's folder: no folders, not "." or "..", no NUL.
bool PlainName(const std::string& name) {
    return !name.empty() && name.find_first_of(std::string("/\0", 2)) == std::string::npos && name != "." &&
           name != "..";
}

// The files of one request in the engine's folder, removed however the
// request ends: the next one starts with an empty folder.
class Scratch {
public:
    Scratch() = default;
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ~Scratch() {
        for (const std::string& n : names_) std::remove(n.c_str());
    }
    void Write(const std::string& name, std::string_view bytes) {
        Forget(name);
        std::ofstream f(name, std::ios::binary | std::ios::trunc);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    void Forget(const std::string& name) { names_.push_back(name); }
    bool Has(const std::string& name) const { return std::find(names_.begin(), names_.end(), name) != names_.end(); }

private:
    std::vector<std::string> names_;
};

// {argv: [...], input, files: {name: base64}, read: [...], stdin}: one
// fuzzysim subcommand on files in memory, in the folder it starts in; the
// request's bytes are the file named `input`, `files` are further files
// (an exercise, answers). Answers the exit status, standard output (base64:
// files may be Windows-1252), standard error and the files named in `read`
// (base64). Every file of the request is gone afterwards.
json Run(const json& req, std::string_view data) {
    const std::vector<std::string> argv = req.value("argv", std::vector<std::string>{});
    if (argv.empty()) throw RequestError{"badRequest", "argv"};
    std::string input = req.value("input", std::string("in.fuz"));
    if (!PlainName(input)) input = "in.fuz";
    Scratch folder;
    folder.Write(input, data);
    const json extra = req.value("files", json::object());
    if (!extra.is_object()) throw RequestError{"badRequest", "files"};
    for (const auto& [name, text] : extra.items()) {
        if (!PlainName(name) || folder.Has(name)) throw RequestError{"badRequest", name};
        const std::optional<std::string> bytes = text.is_string() ? FromBase64(text.get<std::string>()) : std::nullopt;
        if (!bytes) throw RequestError{"badRequest", name};
        folder.Write(name, *bytes);
    }
    const std::vector<std::string> read = req.value("read", std::vector<std::string>{});
    for (const std::string& name : read) {
        if (!PlainName(name)) throw RequestError{"badRequest", name};
        folder.Forget(name);
    }
    std::ostringstream out, err;
    std::istringstream in(req.value("stdin", std::string()));
    auto* oldOut = std::cout.rdbuf(out.rdbuf());
    auto* oldErr = std::cerr.rdbuf(err.rdbuf());
    auto* oldIn = std::cin.rdbuf(in.rdbuf());
    int status = 0;
    try {
        status = RunSubcommand(argv);
    } catch (...) {
        std::cout.rdbuf(oldOut);
        std::cerr.rdbuf(oldErr);
        std::cin.rdbuf(oldIn);
        throw;
    }
    std::cout.rdbuf(oldOut);
    std::cerr.rdbuf(oldErr);
    std::cin.rdbuf(oldIn);
    json files = json::object();
    for (const std::string& name : read) {
        std::ifstream f(name, std::ios::binary);
        if (!f) continue;
        std::ostringstream s;
        s << f.rdbuf();
        files[name] = Base64(s.str());
    }
    return {{"status", status}, {"out", Base64(out.str())}, {"err", err.str()}, {"files", files}};
}

// The project with every number as the page shows it, its check document and
// its file as the writer makes it.
// {name}: the file's name, for a refusal.
json View(const json& req, std::string_view data) { return ProjectView(ProjectOf(data, FileName(req))); }

// {edits: [...]}: changes as the Werkstatt makes them, in order; answers the
// changed project's view (its "fuz" is what saving writes).
json Edit(const json& req, std::string_view data) {
    fuzzy::Project p = ProjectOf(data);
    for (const json& e : req.value("edits", json::array())) {
        const std::string op = e.value("op", "");
        if (op == "param") {
            fuzzy::TFuzzy& v = Role(p, e);
            const int term = IntOf(e, "term", 1, v.UsedTerms());
            const int param = IntOf(e, "param", fuzzy::ParamA, fuzzy::ParamH);
            v.SetParam(term, param, Typed(e, "text"));
        } else if (op == "rule") {
            const int row = IntOf(e, "row", 1, 5), col = IntOf(e, "col", 1, 5);
            p.Rules.Set(row, col, IntOf(e, "term", 0, p.Out.UsedTerms()));
        } else if (op == "range") {
            fuzzy::TFuzzy& v = Role(p, e);
            v.RangeMin = Typed(e, "min");
            v.RangeMax = Typed(e, "max");
        } else {
            throw RequestError{"badRequest", op};
        }
    }
    return ProjectView(p);
}

// {nx, ny}: the Kennfeld as the Werkstatt computes it; every position as its
// exact text (what fuzzysim eval reads), every value as its exact text and as
// fuzzysim eval prints it (nine digits, which tell every float apart).
json Kennfeld(const json& req, std::string_view data) {
    const fuzzy::Project p = ProjectOf(data);
    const int nx = IntOf(req, "nx", 2, 401), ny = IntOf(req, "ny", 1, 401);
    const fuzzy::SurfaceGrid k = fuzzy::ComputeSurface(p, nx, ny);
    if (k.Empty()) return {{"defined", false}};
    json a = json::array(), b = json::array(), values = json::array(), printed = json::array();
    for (int i = 0; i < k.Nx; ++i) a.push_back(fuzzy::NumberText(k.A(i)));
    for (int j = 0; j < k.Ny; ++j) b.push_back(k.TwoInputs ? fuzzy::NumberText(k.B(j)) : std::string("0"));
    for (const float v : k.Values) {
        values.push_back(Exact(v));
        printed.push_back(fuzzy::GeneralText(v, 9));
    }
    return {{"defined", true},
            {"twoInputs", k.TwoInputs},
            {"nx", k.Nx},
            {"ny", k.Ny},
            {"a", a},
            {"b", b},
            {"values", values},
            {"eval", printed},
            {"min", {{"text", Shown(k.Min)}, {"exact", Exact(k.Min)}}},
            {"max", {{"text", Shown(k.Max)}, {"exact", Exact(k.Max)}}},
            {"ticksA", Ticks(k.AMin, k.AMax)},
            {"ticksB", Ticks(k.BMin, k.BMax)}};
}

// {a, b} (typed texts): one control step taken apart for the inspector.
json Inspect(const json& req, std::string_view data) {
    const fuzzy::Project p = ProjectOf(data);
    if (!p.A.Defined || !p.Out.Defined) return {{"defined", false}};
    const float a = Typed(req, "a");
    const float b = p.B.Defined ? Typed(req, "b") : 0.0f;
    const fuzzy::StepBreakdown w = fuzzy::BreakDownStep(p, a, b);
    auto degrees = [](const fuzzy::TFuzzy& v, const std::array<float, fuzzy::MaxTerms>& g) {
        json list = json::array();
        for (int i = 1; i <= v.UsedTerms(); ++i)
            list.push_back({{"term", v.GetTermName(i)}, {"text", Shown(g[i - 1])}, {"exact", Exact(g[i - 1])}});
        return list;
    };
    json strengths = json::array();
    for (int r = 1; r <= 5; ++r) {
        json row = json::array();
        for (int c = 1; c <= 5; ++c)
            row.push_back({{"text", Shown(w.Strength[r - 1][c - 1])}, {"exact", Exact(w.Strength[r - 1][c - 1])}});
        strengths.push_back(row);
    }
    json activations = json::array();
    for (int i = 1; i <= p.Out.UsedTerms(); ++i)
        activations.push_back({{"term", p.Out.GetTermName(i)},
                               {"text", Shown(w.Activation[i - 1])},
                               {"exact", Exact(w.Activation[i - 1])},
                               {"cell", {w.Decisive[i - 1][0], w.Decisive[i - 1][1]}}});
    const bool fires = std::any_of(w.Activation.begin(), w.Activation.end(), [](float x) { return x > 0.0f; });
    json out = {{"defined", true},
                {"twoInputs", w.TwoInputs},
                {"a", {{"text", Shown(w.A)}, {"exact", Exact(w.A)}}},
                {"b", {{"text", Shown(w.B)}, {"exact", Exact(w.B)}}},
                {"degreesA", degrees(p.A, w.DegreeA)},
                {"degreesB", degrees(p.B, w.DegreeB)},
                {"strengths", strengths},
                {"activations", activations},
                // The text reads 0 where the centroid is zero up to rounding; exact and eval keep the float.
                {"output",
                 {{"text", Shown(fuzzy::ZeroBelowRounding(w.Output, p.Out.RangeMin, p.Out.RangeMax))},
                  {"exact", Exact(w.Output)},
                  {"eval", fuzzy::GeneralText(w.Output, 9)}}},
                {"scaled", VariableView(w.Scaled)}};
    if (!fires) out["noRule"] = fuzzy::NoRuleAtText(p, w.A, w.B);
    return out;
}

const char* ClassName(lab::TruckVerdict v) {
    switch (lab::ClassOf(v)) {
    case lab::TruckClass::Docked: return "docked";
    case lab::TruckClass::LeftRoad: return "leftRoad";
    case lab::TruckClass::Missed: break;
    }
    return "missed";
}

// {speed} (typed): the truck lab, every start of the teaching grid as the
// Werkstatt runs it; the figures as the lab shows them ("–" where no truck
// arrived), the places where no rule fires, the rear point's path of every
// start as float pairs (little-endian floats beside the answer).
json TruckLab(const json& req, std::string_view data) {
    fuzzy::Project p = ProjectOf(data);
    if (!p.A.Defined || !p.Out.Defined) return {{"defined", false}};
    const float speed = Typed(req, "speed");
    if (!(std::fabs(speed) <= 100.0f)) throw RequestError{"badSpeed", req.value("speed", "")};
    lab::TruckRequest request;
    request.Speed = speed;
    const lab::TruckSet set = lab::RunTrucks(p, request);
    const dorvane::GridFigures& z = set.Figures.Grid;
    json list = json::array();
    for (const lab::TruckRun& t : set.Runs) {
        const dorvane::StartRun& r = t.Run;
        std::string track;
        track.reserve(r.Result.Track.size() * 8);
        for (const dorvane::TrackPoint& q : r.Result.Track)
            for (const float f : {q.RearX, q.RearY}) track.append(reinterpret_cast<const char*>(&f), sizeof f);
        list.push_back({{"cabX", Exact(r.Result.Start.CabX)},
                        {"attitude", Exact(r.Result.Start.Attitude)},
                        {"cabXText", Shown(r.Result.Start.CabX)},
                        {"attitudeText", Shown(r.Result.Start.Attitude)},
                        {"verdict", ClassName(t.Verdict)},
                        {"arrived", r.Result.Arrived},
                        {"steps", r.Result.Steps},
                        {"endX", lab::Number(r.Result.X, lab::Quantity::Metres)},
                        {"endAttitude", lab::Number(r.Result.Attitude, lab::Quantity::Degrees)},
                        {"track", Beside(track)}});
    }
    const auto worst = [&z](double v) { return z.Arrived > 0 ? std::optional<double>(v) : std::nullopt; };
    return {{"defined", true},
            {"speed", Shown(speed)},
            {"figures",
             {{"starts", z.Starts},
              {"docked", z.Docked},
              {"arrived", z.Arrived},
              {"leftRoad", z.LeftRoad()},
              {"mustKeepRoad", z.MustKeepRoad},
              {"worstX", lab::Figure(worst(z.WorstX), lab::Quantity::Metres)},
              {"worstAttitude", lab::Figure(worst(z.WorstAttitude), lab::Quantity::Degrees)},
              {"mostSteps", z.MostSteps},
              {"maxSteps", dorvane::DefaultMaxSteps},
              {"slow", set.Figures.Slow},
              {"noRuleAtStart", set.Figures.NoRuleAtStart},
              {"noRuleOnTheWay", set.Figures.NoRuleOnTheWay},
              {"fallback", Shown(set.Fallback)}}},
            {"runs", list}};
}

// {cabX, attitude, speed} (typed): one truck run with every step, for the
// road picture and the inspector at a chosen step (the inputs of step k+1
// are rear x and attitude after step k).
json TruckRun(const json& req, std::string_view data) {
    fuzzy::Project p = ProjectOf(data);
    if (!p.A.Defined || !p.Out.Defined) return {{"defined", false}};
    const float speed = Typed(req, "speed");
    if (!(std::fabs(speed) <= 100.0f)) throw RequestError{"badSpeed", req.value("speed", "")};
    lab::TruckRequest request;
    request.Speed = speed;
    request.Starts = {dorvane::StartValues{Typed(req, "cabX"), Typed(req, "attitude")}};
    const lab::TruckSet set = lab::RunTrucks(p, request);
    const lab::TruckRun& t = set.Runs.front();
    const dorvane::StartRun& r = t.Run;
    json steps = json::array();
    for (const dorvane::TrackPoint& q : r.Result.Track)
        steps.push_back({Exact(q.RearX), Exact(q.RearY), Exact(q.CabX), Exact(q.CabY), Exact(q.Attitude),
                         Exact(q.Steering), lab::Number(q.RearX, lab::Quantity::Metres),
                         lab::Number(q.Attitude, lab::Quantity::Degrees),
                         lab::Number(q.Steering, lab::Quantity::Degrees)});
    return {{"defined", true},
            {"arrived", r.Result.Arrived},
            {"docked", lab::Docked(t.Verdict)},
            {"steps", r.Result.Steps},
            {"endX", lab::Number(r.Result.X, lab::Quantity::Metres)},
            {"endAttitude", lab::Number(r.Result.Attitude, lab::Quantity::Degrees)},
            {"track", steps}};
}

// The options of a request as a command line gives them: "--name value" or
// "--name=value", each known option at most once.
std::map<std::string, std::string> LocoOptionsOf(const std::vector<std::string>& options) {
    std::map<std::string, std::string> given;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const std::string& o = options[i];
        const auto eq = o.find('=');
        const std::string name = o.substr(0, eq);
        const bool known = std::any_of(lab::LocoRanges().begin(), lab::LocoRanges().end(),
                                       [&](const lab::LocoRange& r) { return name == r.Option; });
        if (!known) throw lab::OptionError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Unbekannte Option: %1"), {o}));
        if (given.count(name))
            throw lab::OptionError(
                fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Die Option %1 ist mehr als einmal angegeben."), {name}));
        if (eq != std::string::npos)
            given[name] = o.substr(eq + 1);
        else if (i + 1 < options.size())
            given[name] = options[++i];
        else
            throw lab::OptionError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Zur Option %1 fehlt der Wert."), {name}));
    }
    return given;
}

// {options: ["--dt", "0.05", ...]}: the states of a locomotive run, as
// `fuzzysim loco` runs it with these options, exactly: the inputs of step
// k+1 are distance and velocity after step k.
pemrak::RunOptions RunOptionsOf(const json& req) {
    try {
        const json& list = req.contains("options") ? req["options"] : json::array();
        if (!list.is_array() || list.size() > 40) throw RequestError{"badRequest", "options"};
        std::vector<std::string> options;
        for (const json& x : list) {
            if (!x.is_string()) throw RequestError{"badRequest", "options"};
            options.push_back(x.get<std::string>());
        }
        const std::map<std::string, std::string> given = LocoOptionsOf(options);
        return lab::LocoOptions([&given](std::string_view name) -> std::optional<std::string> {
            const auto it = given.find(std::string(name));
            return it == given.end() ? std::nullopt : std::optional<std::string>(it->second);
        });
    } catch (const lab::OptionError& e) {
        throw RequestError{"refused", fuzzysim::ErrorLine(e.what())};
    }
}

json LocoStates(const json& req, std::string_view data) {
    const pemrak::RunOptions o = RunOptionsOf(req);
    const fuzzy::Project p = ProjectOf(data);
    lab::LocoRequest request;
    request.Base = o;
    const lab::LocoSet set = lab::RunLocos(p, request);
    if (set.Error) return {{"defined", false}};
    const pemrak::JudgedRun& versuch = set.Runs.front();
    json states = json::array();
    for (const pemrak::TrackPoint& q : versuch.Run.Track)
        states.push_back({Exact(q.sCm), Exact(q.vCms), lab::Number(q.t, lab::Quantity::Seconds),
                          lab::Number(q.sCm, lab::Quantity::Centimetres),
                          lab::Number(q.vCms, lab::Quantity::CmPerSecond),
                          lab::Number(q.Kraft, lab::Quantity::Newtons)});
    const pemrak::RunFigures& k = versuch.Figures;
    const auto from = [](const std::optional<float>& t) {
        return t ? json(lab::Number(*t, lab::Quantity::Seconds)) : json(nullptr);
    };
    const char* ending = k.Aborted ? "aborted" : !k.Finite ? "notFinite" : k.RanOut ? "ranOut" : "timeLimit";
    // The plots end a little after the run has come to rest, as in the
    // Werkstatt's Lok-Labor: the stop fills the picture, not a flat tail.
    const double end = k.EndT;
    const double rest = versuch.AtRestFrom ? double(*versuch.AtRestFrom) : end;
    const double plotEnd = std::isfinite(end) ? std::min(end, std::max(2.0, rest * 1.25 + 0.5)) : 0.0;
    const json figures = {{"mass", Shown(o.Start.Masse)},
                          {"friction", Shown(o.Start.Reibung)},
                          {"distance", Shown(o.Start.AbstandCm)},
                          {"firstDt", Shown(o.FirstDt)},
                          {"dt", Shown(o.Dt)},
                          {"ending", ending},
                          {"endT", lab::Number(k.EndT, lab::Quantity::Seconds)},
                          {"steps", k.Steps},
                          {"endS", lab::Number(k.EndSCm, lab::Quantity::Centimetres)},
                          {"endV", lab::Number(k.EndVCms, lab::Quantity::CmPerSecond)},
                          {"atRest", from(versuch.AtRestFrom)},
                          {"exact", from(versuch.ExactFrom)},
                          {"overshoot", lab::Number(k.OvershootCm, lab::Quantity::Centimetres)},
                          {"bandReached", k.BandReached},
                          {"signChanges", k.SignChanges}};
    return {{"defined", true}, {"states", states}, {"figures", figures}, {"plotEnd", plotEnd}};
}

// Dorvane's loop a tick at a time: {place: {cabX, attitude, speed}} (typed;
// {random, speed} with random the exact r of [0, 1) for an attitude drawn as
// Dorvane draws it) places the truck; {state, mode, bar, step} drives it one
// 100 ms tick, in fuzzy mode with the project of `data` (see Drive.h).
json TruckDrive(const json& req, std::string_view data) {
    if (req.contains("place")) {
        const json& at = req["place"];
        if (!at.is_object()) throw RequestError{"badRequest", "place"};
        const float speed = Typed(at, "speed");
        if (!(std::fabs(speed) <= 100.0f)) throw RequestError{"badSpeed", at.value("speed", "")};
        if (at.contains("random")) {
            const float r = Typed(at, "random");
            if (!(r >= 0.0f && r < 1.0f)) throw RequestError{"badRequest", "random"};
            return webengine::TruckPlaceRandom(r, speed);
        }
        const float cabX = Typed(at, "cabX"), attitude = Typed(at, "attitude");
        if (!(std::fabs(cabX) <= 1000.0f) || !(std::fabs(attitude) <= 360.0f))
            throw RequestError{"badStart", at.value("cabX", "") + " " + at.value("attitude", "")};
        return webengine::TruckPlace(cabX, attitude, speed);
    }
    if (req.value("mode", "") == "fuzzy") {
        const fuzzy::Project p = ProjectOf(data);
        return webengine::TruckTick(req, &p);
    }
    return webengine::TruckTick(req, nullptr);
}

// Pemrak's loop a step at a time, with the options of `fuzzysim loco`:
// {options, start: true} starts a run; {options, state, steps, mode, bar}
// makes its next step, in fuzzy mode with the project of `data` (see Drive.h).
json LocoDrive(const json& req, std::string_view data) {
    const pemrak::RunOptions o = RunOptionsOf(req);
    if (const std::optional<std::string> why = pemrak::StartValuesError(o.Start)) throw RequestError{"refused", *why};
    if (req.value("start", false)) return webengine::LocoStart(o);
    if (req.value("mode", "") == "fuzzy") {
        const fuzzy::Project p = ProjectOf(data);
        return webengine::LocoTick(req, o, &p);
    }
    return webengine::LocoTick(req, o, nullptr);
}

// The options of a locomotive run and the values fuzzysim takes without them.
json LocoDefaults(const json&, std::string_view) {
    json out = json::object();
    for (const lab::LocoRange& r : lab::LocoRanges()) out[r.Option] = Shown(static_cast<float>(r.Fallback));
    return out;
}

// The number of ticks asked for: 2 to 20, whatever the page sent.
int TickCount(const json& n) {
    if (webengine::WholeIn(n, 2, 20)) return *webengine::WholeIn(n, 2, 20);
    if (!n.is_number_integer()) throw RequestError{"badRequest", "ranges"};
    return n.is_number_unsigned() || n.get<std::int64_t>() > 20 ? 20 : 2;
}

// {lo, hi} pairs: round tick marks for the page's axes.
json AxisTicks(const json& req, std::string_view) {
    json out = json::array();
    for (const json& r : req.value("ranges", json::array()))
        out.push_back(Ticks(r.at(0).get<double>(), r.at(1).get<double>(), r.size() > 2 ? TickCount(r.at(2)) : 6));
    return out;
}

// {name}: an exercise file (the request's bytes, read as fuzzysim reads a
// file of that name) as the page shows it: title and task (as paragraphs of
// lines, exercise::TaskParagraphs) in the request's language, who marks it, what the student may change, and for each hand
// step the point and the fields of its answers (keys as in a .fuzantwort
// file, from the starting project's terms and rules). A file the reader
// refuses is refused with fuzzysim's line.
json ExerciseView(const json& req, std::string_view data) {
    std::string name = req.value("name", std::string("aufgabe.fuzaufgabe"));
    if (!PlainName(name)) name = "aufgabe.fuzaufgabe";
    exercise::Exercise e;
    {
        Scratch folder;
        folder.Write(name, data);
        try {
            e = exercise::ReadExercise(name);
        } catch (const fuzzy::Error& err) {
            throw RequestError{"refused", fuzzysim::ErrorLine(name + ": " + err.Describe())};
        }
    }
    // {student}: the numbers of a step drawn by name are this student's.
    const bool byName = e.NeedsName();
    const std::string student = req.value("student", std::string());
    if (student.size() > 100) throw RequestError{"badRequest", "student"};
    e = exercise::ForStudent(e, student);
    const fuzzy::Project p = e.StartProject();
    const std::vector<exercise::AnswerField> boxes = exercise::AnswerFields(e, p);
    json hand = json::array();
    for (const exercise::HandCheck& h : e.Hand) {
        json questions = json::array();
        for (const exercise::Quantity q : h.Asked) {
            json fields = json::array();
            for (const exercise::AnswerField& f : boxes) {
                if (f.Point != h.Point || f.Asked != q) continue;
                json label;
                switch (q) {
                case exercise::Quantity::Membership: {
                    const fuzzy::TFuzzy& v = f.Input == 'A' ? p.A : p.B;
                    label = {{"var", std::string(1, f.Input)}, {"term", v.GetTermName(f.Term)}};
                    break;
                }
                case exercise::Quantity::Firing:
                    label = {{"a", p.A.GetTermName(f.Column)}};
                    if (p.B.Defined) label["b"] = p.B.GetTermName(f.Row);
                    break;
                case exercise::Quantity::Heights: label = {{"var", "Out"}, {"term", p.Out.GetTermName(f.Term)}}; break;
                case exercise::Quantity::Output: label = {{"var", "Out"}, {"name", p.Out.Name}}; break;
                }
                fields.push_back({{"key", f.Key}, {"label", std::move(label)}});
            }
            static const char* const kQuantity[] = {"membership", "firing", "heights", "output"};
            questions.push_back({{"quantity", kQuantity[static_cast<int>(q)]}, {"fields", fields}});
        }
        // A step still to be drawn by a name has no numbers yet.
        const bool undrawn = h.ByName() && !h.FromName;
        hand.push_back({{"point", h.Point},
                        {"undrawn", undrawn},
                        {"a", Shown(h.A)},
                        {"b", h.B ? json(Shown(*h.B)) : json(nullptr)},
                        {"aName", p.A.Name},
                        {"bName", p.B.Defined ? json(p.B.Name) : json(nullptr)},
                        {"questions", questions}});
    }
    const char* marking = e.MarkedBy == exercise::Marking::Teacher ? "teacher"
                          : e.MarkedBy == exercise::Marking::Both  ? "both"
                                                                   : "automatic";
    return {{"title", e.Title.Active()},
            {"taskParagraphs", exercise::TaskParagraphs(e.Task.Active())},
            {"marking", marking},
            {"mayChange", {{"rules", e.MayChange.Rules}, {"terms", e.MayChange.Terms}, {"ranges", e.MayChange.Ranges}}},
            {"needsProject", e.NeedsProject()},
            {"needsAnswers", e.NeedsAnswers()},
            {"byName", byName},
            {"edition", e.ForStudents() ? "students" : "teacher"},
            {"hand", hand}};
}

// {points: {P1: {key: text}}}: the answers typed into the page's fields as
// the answers file the Werkstatt writes (keys as ExerciseView names them,
// numbers as a person types them, read as exercise::AnswerNumber reads them;
// empty fields are no answer).
json AnswersFile(const json& req, std::string_view) {
    const json points = req.value("points", json::object());
    if (!points.is_object()) throw RequestError{"badRequest", "points"};
    exercise::Answers answers;
    for (const auto& [point, values] : points.items()) {
        if (point.empty() || point.size() > 40 ||
            point.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_") !=
                std::string::npos ||
            !values.is_object())
            throw RequestError{"badRequest", point};
        exercise::PointAnswers& a = answers.Points[point];
        for (const auto& item : values.items()) {
            const std::string key = item.key();
            const json& text = item.value();
            if (!text.is_string()) throw RequestError{"badRequest", key};
            if (text.get<std::string>().find_first_not_of(" \t") == std::string::npos) continue;
            std::optional<float>* slot = exercise::AnswerSlot(a, key);
            if (!slot) throw RequestError{"badRequest", key};
            // Read as the answers file reads it, so that the file written reads back.
            const std::optional<float> v = exercise::AnswerNumber(text.get<std::string>());
            if (!v) throw RequestError{"notANumber", text.get<std::string>()};
            *slot = *v;
        }
    }
    return {{"file", Base64(exercise::AnswersText(answers))}};
}

// A hand-in (.fuzabgabe) as the class overview opens it: who handed it in
// and their work, the project as the writer makes it and the answers as an
// answers file. A file the reader refuses is refused with its line.
json HandInView(const json&, std::string_view data) {
    exercise::HandIn h;
    try {
        h = exercise::ParseHandIn(data);
    } catch (const fuzzy::Error& err) {
        throw RequestError{"refused", fuzzysim::ErrorLine(err.Describe())};
    }
    return {{"name", h.Name},
            {"class", h.Class},
            {"id", h.Id},
            {"date", h.Date},
            {"title", h.Title},
            {"project", h.Project ? json(Base64(fuzzy::ProjectText(*h.Project))) : json(nullptr)},
            {"answers", h.Given ? json(Base64(exercise::AnswersText(*h.Given))) : json(nullptr)}};
}

using Command = json (*)(const json& req, std::string_view data);

// One row per command: adding one means a function above and a row here.
const std::map<std::string, Command> kCommands = {
    {"run", Run},
    {"view", View},
    {"edit", Edit},
    {"kennfeld", Kennfeld},
    {"inspect", Inspect},
    {"truckLab", TruckLab},
    {"truckRun", TruckRun},
    {"locoStates", LocoStates},
    {"locoDefaults", LocoDefaults},
    {"ticks", AxisTicks},
    {"exercise", ExerciseView},
    {"answers", AnswersFile},
    {"handIn", HandInView},
    {"change", webengine::Change},
    {"answerBoxes", webengine::AnswerBoxes},
    {"sheetInfo", webengine::SheetInfo},
    {"sheetTruck", webengine::TruckSheet},
    {"truckDrive", TruckDrive},
    {"locoDrive", LocoDrive},
};

std::string g_answer;

}  // namespace

extern "C" {

// request: JSON {"cmd": NAME, "lang": "de"|"en", ...}; data: size bytes.
// Returns the answer, JSON, valid until the next call:
// {"ok": true, "result": ...} or {"ok": false, "error": CODE, "detail": TEXT}.
const char* fuzzy_call(const char* request, const char* data, int size) {
    json answer;
    g_binary.clear();
    try {
        const json req = json::parse(request);
        fuzzy::SetLanguage(req.value("lang", "de") == "en" ? fuzzy::Language::English : fuzzy::Language::German);
        const auto it = kCommands.find(req.value("cmd", ""));
        if (it == kCommands.end()) throw RequestError{"unknownCommand", req.value("cmd", "")};
        answer = {{"ok", true},
                  {"result", it->second(req, data && size > 0 ? std::string_view(data, static_cast<std::size_t>(size))
                                                              : std::string_view())}};
    } catch (const RequestError& e) {
        answer = {{"ok", false}, {"error", e.code}, {"detail", e.detail}};
    } catch (const std::exception& e) {
        answer = {{"ok", false}, {"error", "failed"}, {"detail", e.what()}};
    }
    if (!answer.value("ok", false)) g_binary.clear();
    g_answer = answer.dump(-1, ' ', false, json::error_handler_t::replace);
    return g_answer.c_str();
}

// The bytes beside the last answer, valid until the next call.
const char* fuzzy_binary() { return g_binary.data(); }
int fuzzy_binary_size() { return static_cast<int>(g_binary.size()); }

}  // extern "C"
