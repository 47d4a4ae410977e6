#include "tests/exchange/c/CProbe.h"

#include "exchange/ExportC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>

#include <sys/wait.h>

namespace cprobe {

namespace fs = std::filesystem;

bool Have(const std::string& program) { return Shell("command -v " + Quote(program) + " >/dev/null 2>&1").status == 0; }

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

Outcome Shell(const std::string& command) {
    Outcome o;
    FILE* p = ::popen((command + " 2>&1").c_str(), "r");
    if (p == nullptr) return o;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) o.output.append(buf, n);
    const int raw = ::pclose(p);
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return o;
}

const std::vector<std::string>& StrictFlags() {
    static const std::vector<std::string> flags = {"-std=c99", "-Wall", "-Wextra", "-pedantic", "-Werror"};
    return flags;
}

std::string Compiler::Label() const {
    std::string s = cc;
    for (const auto& f : flags) s += " " + f;
    return s;
}

std::uint32_t Bits(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, sizeof u);
    return u;
}

float FromBits(std::uint32_t u) {
    float v;
    std::memcpy(&v, &u, sizeof v);
    return v;
}

bool SameResult(std::uint32_t x, std::uint32_t y) {
    return x == y || (std::isnan(FromBits(x)) && std::isnan(FromBits(y)));
}

std::uint32_t EngineBits(fuzzy::Project& p, float a, float b) {
    p.A.Value = a;
    p.B.Value = b;
    fuzzy::Infer(p.Rules, p.A, p.B, p.Out);
    return Bits(p.Out.Defuzzify());
}

std::vector<float> Probes(const fuzzy::TFuzzy& v) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    std::vector<float> at = {v.RangeMin, v.RangeMax, 0.0f, -0.0f};
    for (int i = 1; i <= v.UsedTerms(); ++i) {
        for (int j = 1; j <= 4; ++j) at.push_back(v.GetParam(i, j));
    }
    std::vector<float> probes;
    for (float x : at) {
        probes.push_back(x);
        probes.push_back(std::nextafter(x, inf));
        probes.push_back(std::nextafter(x, -inf));
    }
    for (float x : {1e30f, -1e30f, std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(), inf, -inf,
                    std::numeric_limits<float>::quiet_NaN()}) {
        probes.push_back(x);
    }
    return probes;
}

namespace {

void WriteText(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

std::string Driver(std::size_t count, bool separately) {
    std::string s = "#include <stdio.h>\n#include <string.h>\n";
    for (std::size_t i = 0; i < count; ++i) {
        s += "#include \"p" + std::to_string(i) + (separately ? ".h" : ".c") + "\"\n";
    }
    s += "typedef float (*schritt)(float, float);\nstatic const schritt schritte[] = {\n";
    for (std::size_t i = 0; i < count; ++i) s += "    p" + std::to_string(i) + "_step,\n";
    s += "};\n"
         "int main(void)\n{\n"
         "    unsigned char satz[12];\n"
         "    while (fread(satz, 1, sizeof satz, stdin) == sizeof satz) {\n"
         "        unsigned long k = satz[0] | (unsigned long)satz[1] << 8 | (unsigned long)satz[2] << 16 |\n"
         "                          (unsigned long)satz[3] << 24;\n"
         "        float a, b, y;\n"
         "        memcpy(&a, satz + 4, 4);\n"
         "        memcpy(&b, satz + 8, 4);\n"
         "        if (k >= sizeof schritte / sizeof schritte[0]) return 3;\n"
         "        y = schritte[k](a, b);\n"
         "        if (fwrite(&y, 4, 1, stdout) != 1) return 4;\n"
         "    }\n"
         "    return 0;\n}\n";
    return s;
}

}  // namespace

Run Compile(const std::vector<fuzzy::Project>& projects, const std::vector<Case>& cases, const Compiler& c,
            const fs::path& dir, bool separately) {
    Run run;
    fs::create_directories(dir);
    std::string files;
    for (std::size_t i = 0; i < projects.size(); ++i) {
        exchange::CExportOptions o;
        o.name = "p" + std::to_string(i);
        o.quelle = o.name + ".fuz";
        o.headerName = o.name + ".h";
        const exchange::CExport e = exchange::ExportC(projects[i], o);
        WriteText(dir / (o.name + ".h"), e.header);
        WriteText(dir / (o.name + ".c"), e.source);
        if (separately) files += " " + Quote((dir / (o.name + ".c")).string());
    }
    WriteText(dir / "treiber.c", Driver(projects.size(), separately));
    const fs::path exe = dir / "treiber";
    std::string cmd = Quote(c.cc);
    for (const auto& f : c.flags) cmd += " " + Quote(f);
    cmd +=
        " -I" + Quote(dir.string()) + " " + Quote((dir / "treiber.c").string()) + files + " -o " + Quote(exe.string());
    const Outcome built = Shell(cmd);
    if (built.status != 0) {
        run.log = built.output;
        return run;
    }
    run.compiled = true;
    {
        std::ofstream in(dir / "eingaben.bin", std::ios::binary);
        for (const Case& k : cases) {
            const std::uint32_t ab[3] = {k.project, Bits(k.a), Bits(k.b)};
            unsigned char rec[12];
            for (int n = 0; n < 3; ++n) {
                for (int byte = 0; byte < 4; ++byte)
                    rec[n * 4 + byte] = static_cast<unsigned char>(ab[n] >> (8 * byte));
            }
            in.write(reinterpret_cast<const char*>(rec), sizeof rec);
        }
    }
    const Outcome ran = Shell(Quote(exe.string()) + " <" + Quote((dir / "eingaben.bin").string()) + " >" +
                              Quote((dir / "ergebnisse.bin").string()));
    if (ran.status != 0) {
        run.log = "Treiber endete mit " + std::to_string(ran.status) + ": " + ran.output;
        return run;
    }
    std::ifstream out(dir / "ergebnisse.bin", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(out)), std::istreambuf_iterator<char>());
    for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        std::uint32_t u;
        std::memcpy(&u, bytes.data() + i, 4);
        run.bits.push_back(u);
    }
    return run;
}

}  // namespace cprobe
