#include "exercise/ClassList.h"

#include "exercise/HandIn.h"
#include "exercise/Reader.h"
#include "exercise/Sections.h"
#include "exercise/Variants.h"
#include "fuzzy/Language.h"

namespace exercise {

using fuzzy::Fmt;
using fuzzy::Tr;

std::vector<std::string> ParseClassList(std::string_view bytes) {
    if (bytes.size() > MaxFileBytes)
        throw FormatError(Fmt(Tr("Aufgabe",
                                 "Die Datei ist gr\xC3\xB6\xC3\x9F"
                                 "er als %1 KiB."),
                              {std::to_string(MaxFileBytes / 1024)}));
    // The reader of the exercise files checks every line; a list is one section of text.
    const std::string text = "[liste]\n" + std::string(bytes.substr(bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0));
    std::vector<Section> sections;
    try {
        sections = SplitSections(text);
    } catch (const FormatError& e) {
        // The line the header added is no line of the file.
        throw FormatError(e.what(), e.Line() > 1 ? e.Line() - 1 : 0);
    }
    if (sections.size() != 1)
        throw FormatError(Tr("Aufgabe", "Eine Klassenliste hat je Zeile einen Namen, keine Abschnitte [\xE2\x80\xA6]."),
                          sections.size() > 1 ? sections[1].Line - 1 : 0);
    std::vector<std::string> names, seen;
    for (const TextLine& l : sections.front().Lines) {
        std::string_view t = l.Text;
        while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
        while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
        if (t.empty() || t.front() == '#') continue;
        const int line = l.Number - 1;
        if (const auto why = FieldError(HandInField::Name, t)) throw FormatError(*why, line);
        const std::string key = NormalName(t);
        for (std::size_t i = 0; i < seen.size(); ++i)
            if (seen[i] == key)
                throw FormatError(Fmt(Tr("Aufgabe", "%1 steht schon in der Liste."), {std::string(t)}), line);
        if (names.size() == MaxClassList)
            throw FormatError(Fmt(Tr("Aufgabe",
                                     "H\xC3\xB6"
                                     "chstens %1 Namen."),
                                  {std::to_string(MaxClassList)}),
                              line);
        names.emplace_back(t);
        seen.push_back(key);
    }
    if (names.empty()) throw FormatError(Tr("Aufgabe", "Die Klassenliste enth\xC3\xA4lt keinen Namen."));
    return names;
}

std::vector<std::string> ReadClassList(const std::string& path) { return ParseClassList(ReadBoundedFile(path)); }

}  // namespace exercise
