#include "web/engine/Sheets.h"

#include "exercise/Reader.h"
#include "exercise/TaskText.h"
#include "fuzzy/Errors.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/Project.h"
#include "fuzzy/ProjectCheck.h"
#include "lab/TruckLab.h"
#include "truck/model/Grid.h"

#include <cmath>
#include <string>
#include <vector>

namespace webengine {

nlohmann::json SheetInfo(const nlohmann::json&, std::string_view data) {
    using nlohmann::json;
    try {
        const exercise::Exercise e = exercise::ParseExercise(data);
        const auto exact = [](float v) { return fuzzy::NumberText(v); };
        json hand = json::array();
        for (const exercise::HandCheck& h : e.Hand)
            hand.push_back({{"point", h.Point}, {"a", exact(h.A)}, {"b", h.B ? json(exact(*h.B)) : json(nullptr)}});
        // As the Werkstatt's teacher's sheet runs the lab: the first speed.
        const float speed = !e.Truck.empty() && !e.Truck[0].Speeds.empty() ? e.Truck[0].Speeds[0] : -1.0f;
        // Every setting the check runs: a lab table for each on the teacher's sheet.
        json locoRuns = json::array();
        for (const exercise::LocoCheck& l : e.Loco) {
            json masses = json::array();
            for (const float m : l.Masses) masses.push_back(exact(m));
            const std::vector<float> steps = l.Steps.empty() ? std::vector<float>{0.055f} : l.Steps;
            for (const float dt : steps)
                locoRuns.push_back({{"friction", exact(l.Friction)},
                                    {"distance", exact(l.DistanceCm)},
                                    {"dt", exact(dt)},
                                    {"masses", masses}});
        }
        const char* plant = e.OnPlant() == exercise::Plant::Truck  ? "truck"
                            : e.OnPlant() == exercise::Plant::Loco ? "loco"
                                                                   : "";
        return {{"teacherNoteParagraphs", exercise::TaskParagraphs(e.TeacherNote.Active())},
                {"drawing", e.Drawing},
                {"plant", plant},
                {"truckSpeed", exact(speed)},
                {"locoRuns", locoRuns},
                {"hand", hand}};
    } catch (const fuzzy::Error& err) {
        return {{"refused", {{"code", "refused"}, {"detail", err.Describe()}}}};
    }
}

nlohmann::json TruckSheet(const nlohmann::json& req, std::string_view data) {
    using nlohmann::json;
    const fuzzy::ProjectDiagnosis d = fuzzy::DiagnoseProject(data);
    if (!d.ok) return {{"refused", {{"code", "refused"}, {"detail", d.Describe()}}}};
    fuzzy::Project p = fuzzy::LoadProjectBytes(data);
    if (!p.A.Defined || !p.Out.Defined) return {{"defined", false}};
    const fuzzy::RealResult speed = fuzzy::ParseProjectReal(req.value("speed", std::string()));
    if (speed.status != fuzzy::RealStatus::Ok || !(std::fabs(speed.value) <= 100.0f))
        return {{"refused", {{"code", "badSpeed"}, {"detail", req.value("speed", std::string())}}}};
    // The grid as the Werkstatt's lab runs it for its sheet.
    lab::TruckRequest request;
    request.Speed = speed.value;
    request.KeepTracks = false;
    const lab::TruckSet set = lab::RunTrucks(p, request);
    const dorvane::GridFigures& z = set.Figures.Grid;
    const int atStart = set.Figures.NoRuleAtStart, onTheWay = set.Figures.NoRuleOnTheWay;
    return {{"defined", true},
            {"worstX", fuzzy::NumberText(z.WorstX)},
            {"worstAttitude", fuzzy::NumberText(z.WorstAttitude)},
            {"starts", z.Starts},
            {"noRuleAtStart", atStart},
            {"noRuleOnTheWay", onTheWay},
            {"fallback", fuzzy::NumberText(p.Out.RangeMin)}};
}

}  // namespace webengine
