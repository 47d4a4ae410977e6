#pragma once
// Driving in the page: the truck backed to its line and the locomotive run to
// its mark, one control step per request, by hand or by the controller. The
// engine keeps no state: the page sends the vehicle's state with each step,
// every number as its shortest exact text, so that the page's steps are the
// model's steps bit for bit (fuzzysim truck --start and fuzzysim loco make
// the same ones).

#include "fuzzy/Project.h"
#include "loco/model/LocoLauf.h"

#include <nlohmann/json.hpp>

#include <optional>

namespace webengine {

// The start of a truck run as Dorvane places it: cab at (cabX, 25), the
// attitude in degrees, 10 m long, steering 18 degrees.
nlohmann::json TruckPlace(float cabX, float attitudeDegrees, float speed);
// The same with the attitude drawn from r in [0, 1), uniform in [-45, 45): cab at x = -10.
nlohmann::json TruckPlaceRandom(float r, float speed);

// {state, mode: "hand"|"fuzzy", bar (0..140, hand: the steering bar's
// position), step (false: only steer)}: one tick of Dorvane's 100 ms loop.
// `p` is the project (fuzzy mode only). Answers {state, heading, shown:
// {distance, attitude, steering}, arrived, control: {a, b, out}} or
// {refused: {code, detail}}.
nlohmann::json TruckTick(const nlohmann::json& req, const fuzzy::Project* p);

// The start of a locomotive run with these options, as fuzzysim loco starts it.
nlohmann::json LocoStart(const pemrak::RunOptions& o);
// {state, steps, mode, bar (-20..20, hand: the force slider's position)}:
// one step of the run; fuzzy mode with the project `p`. Answers {state,
// steps, shown: {t, s, v, force}, point: {t, s, v, force} (exact), control:
// {a, b, out}, inBand, ended: null|"ranOut"|"timeLimit"|"aborted"} or
// {refused: {code, detail}}.
nlohmann::json LocoTick(const nlohmann::json& req, const pemrak::RunOptions& o, const fuzzy::Project* p);

}  // namespace webengine
