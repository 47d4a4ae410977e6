// Build-time tool: turns the finished translations of Qt Linguist .ts files
// into the sorted C++ table of fuzzy/Katalog.h, so that the Qt-free programs
// read the same .ts files as the windows do without linking the toolkit.
//
//   katalog OUT.cpp IN.ts...
//
// Unfinished, vanished and obsolete messages are left out (the text then stays
// German). Plural forms and disambiguation comments are refused: Tr() has
// neither. The same source in the same context with two different
// translations is refused too.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

std::string Entschluesseln(const std::string& xml) {
    std::string out;
    for (std::size_t i = 0; i < xml.size(); ++i) {
        if (xml[i] != '&') {
            out += xml[i];
            continue;
        }
        const std::size_t ende = xml.find(';', i);
        if (ende == std::string::npos) throw std::runtime_error("'&' without ';'");
        const std::string name = xml.substr(i + 1, ende - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (!name.empty() && name[0] == '#') {
            const bool hex = name.size() > 1 && name[1] == 'x';
            const unsigned long cp = std::stoul(name.substr(hex ? 2 : 1), nullptr, hex ? 16 : 10);
            if (cp < 0x80)
                out += char(cp);
            else if (cp < 0x800) {
                out += char(0xC0 | (cp >> 6));
                out += char(0x80 | (cp & 0x3F));
            } else if (cp < 0x10000) {
                out += char(0xE0 | (cp >> 12));
                out += char(0x80 | ((cp >> 6) & 0x3F));
                out += char(0x80 | (cp & 0x3F));
            } else {
                out += char(0xF0 | (cp >> 18));
                out += char(0x80 | ((cp >> 12) & 0x3F));
                out += char(0x80 | ((cp >> 6) & 0x3F));
                out += char(0x80 | (cp & 0x3F));
            }
        } else
            throw std::runtime_error("unknown entity &" + name + ";");
        i = ende;
    }
    return out;
}

// The text between <tag...> and </tag> starting at pos, or nothing when the
// next element of that name lies beyond `bis`. `attrs` gets the opening tag's
// attributes.
bool Element(const std::string& s, const std::string& tag, std::size_t pos, std::size_t bis, std::string& inhalt,
             std::string* attrs = nullptr) {
    std::size_t a = pos;
    for (;;) {
        a = s.find("<" + tag, a);
        if (a == std::string::npos || a >= bis) return false;
        const char nach = s[a + 1 + tag.size()];
        if (nach == '>' || nach == ' ' || nach == '/') break;
        ++a;
    }
    const std::size_t zu = s.find('>', a);
    if (attrs) *attrs = s.substr(a + 1 + tag.size(), zu - a - 1 - tag.size());
    if (s[zu - 1] == '/') {
        inhalt.clear();
        return true;
    }
    const std::size_t ende = s.find("</" + tag + ">", zu);
    if (ende == std::string::npos) throw std::runtime_error("<" + tag + "> not closed");
    inhalt = s.substr(zu + 1, ende - zu - 1);
    return true;
}

std::string Literal(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += char(c);
        } else if (c >= 0x20 && c < 0x7F && c != '?') {
            out += char(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", c);
            out += buf;
        }
    }
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: katalog OUT.cpp IN.ts...\n";
        return 2;
    }
    std::map<std::pair<std::string, std::string>, std::string> eintraege;
    try {
        for (int i = 2; i < argc; ++i) {
            std::ifstream in(argv[i], std::ios::binary);
            if (!in) throw std::runtime_error(std::string("cannot read ") + argv[i]);
            std::stringstream buf;
            buf << in.rdbuf();
            const std::string ts = buf.str();
            std::size_t pos = 0;
            std::string kontext;
            while ((pos = ts.find("<context>", pos)) != std::string::npos) {
                const std::size_t ende = ts.find("</context>", pos);
                if (ende == std::string::npos) throw std::runtime_error("<context> not closed");
                std::string name;
                if (!Element(ts, "name", pos, ende, name)) throw std::runtime_error("context without name");
                kontext = Entschluesseln(name);
                std::size_t m = pos;
                while ((m = ts.find("<message", m)) != std::string::npos && m < ende) {
                    const std::size_t mende = ts.find("</message>", m);
                    const std::string kopf = ts.substr(m, ts.find('>', m) - m);
                    if (kopf.find("numerus=\"yes\"") != std::string::npos)
                        throw std::runtime_error("plural forms are not supported (context " + kontext + ")");
                    std::string quelle, uebersetzung, attrs, kommentar;
                    if (!Element(ts, "source", m, mende, quelle)) throw std::runtime_error("message without source");
                    if (Element(ts, "comment", m, mende, kommentar))
                        throw std::runtime_error("disambiguation is not supported: " + Entschluesseln(quelle));
                    Element(ts, "translation", m, mende, uebersetzung, &attrs);
                    m = mende;
                    if (attrs.find("type=") != std::string::npos || uebersetzung.empty()) continue;
                    const auto key = std::make_pair(kontext, Entschluesseln(quelle));
                    const std::string text = Entschluesseln(uebersetzung);
                    const auto [it, neu] = eintraege.emplace(key, text);
                    if (!neu && it->second != text)
                        throw std::runtime_error("two translations of \"" + key.second + "\" in " + kontext);
                }
                pos = ende;
            }
        }
    } catch (const std::exception& e) {
        std::cerr << "katalog: " << e.what() << '\n';
        return 1;
    }
    std::ostringstream out;
    out << "// Generated by tools/katalog from i18n/*.ts; do not edit.\n"
           "#include \"fuzzy/Katalog.h\"\n\nnamespace fuzzy::katalog {\n\nconst Eintrag kEnglisch[] = {\n";
    for (const auto& [key, text] : eintraege)
        out << "    {" << Literal(key.first) << ", " << Literal(key.second) << ",\n     " << Literal(text) << "},\n";
    if (eintraege.empty()) out << "    {\"\", \"\", \"\"},\n";
    out << "};\n\nconst std::size_t kEnglischAnzahl = " << eintraege.size() << ";\n\n}  // namespace fuzzy::katalog\n";
    // Written only when it changed, so that a .ts edit that touches no
    // finished translation rebuilds nothing.
    const std::string neu = out.str();
    {
        std::ifstream alt(argv[1], std::ios::binary);
        std::stringstream b;
        b << alt.rdbuf();
        if (alt && b.str() == neu) return 0;
    }
    std::ofstream datei(argv[1], std::ios::binary | std::ios::trunc);
    datei << neu;
    return datei ? 0 : 1;
}
