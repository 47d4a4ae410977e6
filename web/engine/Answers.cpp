#include "web/engine/Answers.h"

#include "exercise/AnswerFields.h"
#include "exercise/Reader.h"
#include "fuzzy/Errors.h"
#include "fuzzy/Numbers.h"
#include "web/engine/Latin1.h"

#include <string>

namespace webengine {

nlohmann::json AnswerBoxes(const nlohmann::json& req, std::string_view data) {
    using nlohmann::json;
    const json text = req.value("answers", json());
    const std::optional<std::string> bytes = text.is_string() ? Utf8AsLatin1(text.get<std::string>()) : std::nullopt;
    if (!bytes) return {{"refused", {{"code", "badRequest"}, {"detail", "answers"}}}};
    try {
        const exercise::Exercise e = exercise::ParseExercise(data);
        const fuzzy::Project p = e.StartProject();
        const exercise::Answers a = exercise::ParseAnswers(*bytes);
        exercise::CheckAnswersFit(e, p, a);
        json points = json::object();
        for (const exercise::AnswerField& f : exercise::AnswerFields(e, p)) {
            const auto it = a.Points.find(f.Point);
            if (it == a.Points.end()) continue;
            const std::optional<float>* v = exercise::AnswerSlot(it->second, f.Key);
            if (v && *v) points[f.Point][f.Key] = fuzzy::NumberText(**v, fuzzy::NumberForm::Fixed);
        }
        return {{"points", points}};
    } catch (const fuzzy::Error& err) {
        return {{"refused", {{"code", "refused"}, {"detail", err.Describe()}}}};
    }
}

}  // namespace webengine
