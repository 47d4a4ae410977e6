// Feeds arbitrary bytes to the readers of hand-ins and class lists and checks
// what must hold for whatever they accept: every field within what a typed
// field may be, a hand-in that its writer writes back into the same hand-in,
// names that are names. The fingerprint of the bytes as an exercise never
// fails but by a FormatError.
#include "exercise/ClassList.h"
#include "exercise/HandIn.h"
#include "exercise/Package.h"
#include "exercise/Reader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool ok) {
    if (!ok) std::abort();
}

void CheckHandIn(const exercise::HandIn& h) {
    Require(!exercise::FieldError(exercise::HandInField::Name, h.Name));
    Require(!exercise::FieldError(exercise::HandInField::Class, h.Class));
    Require(!exercise::FieldError(exercise::HandInField::Id, h.Id));
    Require(h.Date.size() == 20 && h.Fingerprint.size() == 64 && !h.Title.empty());
    Require(h.Project.has_value() || h.Given.has_value());
    std::string text;
    try {
        text = exercise::HandInText(h);
    } catch (const fuzzy::Error&) {
        // A project the reader takes that its writer cannot hold (a number
        // beyond single precision) is written by no program: nothing to compare.
        return;
    }
    const exercise::HandIn back = exercise::ParseHandIn(text);
    Require(back.Name == h.Name && back.Class == h.Class && back.Id == h.Id && back.Date == h.Date &&
            back.Title == h.Title && back.Fingerprint == h.Fingerprint);
    Require(back.Project.has_value() == h.Project.has_value() && back.Given.has_value() == h.Given.has_value());
    if (h.Given) Require(exercise::AnswersText(*back.Given) == exercise::AnswersText(*h.Given));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        CheckHandIn(exercise::ParseHandIn(bytes));
    } catch (const exercise::FormatError& e) {
        Require(std::string_view(e.what()).size() > 0);
    }
    try {
        const auto names = exercise::ParseClassList(bytes);
        Require(!names.empty() && names.size() <= exercise::MaxClassList);
        for (const std::string& n : names) Require(!exercise::FieldError(exercise::HandInField::Name, n));
    } catch (const exercise::FormatError& e) {
        Require(std::string_view(e.what()).size() > 0);
    }
    try {
        Require(exercise::ExerciseFingerprint(bytes).size() == 64);
    } catch (const exercise::FormatError&) {}
    return 0;
}
