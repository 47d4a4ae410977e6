#include "Errors.h"
#include "FuzUnits.h"
#include "Messages.h"
#include "Numbers.h"
#include "Text.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace fuzzy {

namespace {

constexpr int kFileNotOpen = 103;

// A format error ends the reading at once.
struct FormatError {};

// Lines of a project's text: LF or CR LF ends a line, a lone CR is dropped,
// Ctrl-Z ends the text, reading past the end gives empty lines.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) {
        const auto eof = bytes.find('\x1A');
        text_ = bytes.substr(0, eof);
    }

    std::string Next() {
        if (pos_ >= text_.size()) return {};
        const auto lf = text_.find('\n', pos_);
        const auto end = lf == std::string_view::npos ? text_.size() : lf;
        std::string raw;
        raw.reserve(end - pos_);
        for (auto k = pos_; k < end; ++k) {
            if (text_[k] != '\r') raw += text_[k];
        }
        pos_ = lf == std::string_view::npos ? text_.size() : lf + 1;
        return text::Cp1252ToUtf8(raw);
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::int32_t ReadInt(LineReader& in) {
    const auto v = ParseProjectInt(in.Next());
    if (!v) throw FormatError{};
    return *v;
}

float ReadReal(LineReader& in) {
    bool ok = true;
    const float v = StrToSingle(in.Next(), ok);
    if (!ok) throw FormatError{};
    return v;
}

void ReadVariable(LineReader& in, TFuzzy& v) {
    const std::string name = in.Next();
    if (name.empty()) {
        v.Defined = false;
        return;
    }
    v.Defined = true;
    v.Name = name;
    v.TermCount = ReadInt(in);
    // Only five term slots exist; a larger count cannot be stored.
    if (v.TermCount > MaxTerms) throw FormatError{};
    v.RangeMin = ReadReal(in);
    v.RangeMax = ReadReal(in);
    for (int i = 1; i <= v.TermCount; ++i) {
        const std::string term = in.Next();
        if (term.empty()) throw FormatError{};
        v.SetTermName(i, term);
    }
    for (int i = 1; i <= v.TermCount; ++i) {
        for (int j = 1; j <= 5; ++j) v.SetParam(i, j, ReadReal(in));
    }
}

// The contents could not be read: report it and leave nothing half-loaded.
void FailFormat(TFuzzy& A, TFuzzy& B, TFuzzy& Out, RuleTable& Rules) {
    Messages().Error(texts::FormatError);
    for (TFuzzy* v : {&A, &B, &Out}) {
        v->Clear();
        v->Name.clear();
    }
    Rules.Entries.fill(0);
}

void ReadProject(std::string_view bytes, TFuzzy& A, TFuzzy& B, TFuzzy& Out, RuleTable& Rules) {
    A.Clear();
    B.Clear();
    Out.Clear();
    LineReader in(bytes);
    try {
        ReadVariable(in, A);
        ReadVariable(in, B);
        ReadVariable(in, Out);
        for (int r = 1; r <= 5; ++r) {
            for (int c = 1; c <= 5; ++c) Rules.Set(r, c, ReadInt(in));
        }
    } catch (const FormatError&) {
        FailFormat(A, B, Out, Rules);
    }
}

[[noreturn]] void CannotOpen() {
    Messages().Warning(texts::CannotRead);
    throw EInOutError(kFileNotOpen);
}

}  // namespace

void LoadProjectBytes(std::string_view bytes, TFuzzy& A, TFuzzy& B, TFuzzy& Out, RuleTable& Rules) {
    ReadProject(bytes, A, B, Out, Rules);
}

void LoadProject(const std::string& FileName, TFuzzy& A, TFuzzy& B, TFuzzy& Out, RuleTable& Rules) {
    // Only regular files: a directory cannot be read as text, and a device or
    // pipe might never end.
    std::error_code ec;
    if (FileName.empty() || !std::filesystem::is_regular_file(FileName, ec)) CannotOpen();
    std::ifstream file(FileName, std::ios::binary);
    if (!file) CannotOpen();
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        // A read error of the medium is a failure to read the contents.
        FailFormat(A, B, Out, Rules);
        return;
    }
    ReadProject(bytes, A, B, Out, Rules);
}

}  // namespace fuzzy
