#pragma once
// The browser's editing: changes to a project as the Werkstatt's editor makes
// them (werkstatt/kern), one request a list of them.

#include <nlohmann/json.hpp>

#include <string_view>

namespace webengine {

// {changes: [{op, ...}, ...]} on the project of `data` (a .fuz file), in
// order. Each change is what one action of the Werkstatt's variable page
// does:
//   {op: "drag", var, term, param, value, free}  a handle dragged to `value`
//       (snapped to the handle's grid unless `free`), kept in order
//   {op: "key", var, term, param, dir: 1|-1, big}  one arrow key on a handle
//   {op: "addTerm", var}, {op: "removeTerm", var, term},
//   {op: "moveTerm", var, term, to}             the rules kept in step
//   {op: "termName", var, term, name}, {op: "name", var, name}
//   {op: "range", var, min, max, terms}         with the terms taken along
//   {op: "inputB", on}                          input B used or not
//   {op: "template", name: "leer"|"truck"|"lok"}  a new project
// `var` is "A", "B" or "Out"; numbers are texts as a project file writes
// them (the page turns what a person typed into that). Answers {fuz: the
// changed project's file, each byte one character U+0000..U+00FF}, or
// {refused: {code, detail}} for a change that cannot be made: "badRequest"
// (a change the page never asks for), "notANumber" (detail: the text),
// "badName" (detail: why, in the request's language), "refused" (a file the
// reader refuses).
nlohmann::json Change(const nlohmann::json& req, std::string_view data);

}  // namespace webengine
