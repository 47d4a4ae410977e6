// `--help` and `--version` of the three programs: printed and done without
// a display, where the window would never have returned (or started at all).
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace {

struct Frage {
    const char* name;
    const char* programm;
    QStringList argumente;
    const char* antwort;  // part of standard output
};

class OhneBildschirm : public testing::TestWithParam<Frage> {};

TEST_P(OhneBildschirm, AnswersAndEndsWithoutADisplay) {
    const Frage& f = GetParam();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(v));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QString::fromLocal8Bit(f.programm), f.argumente);
    ASSERT_TRUE(p.waitForFinished(20000)) << "still running";
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QString aus = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(aus.contains(QString::fromUtf8(f.antwort))) << aus.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Programme, OhneBildschirm,
    testing::Values(Frage{"WerkstattHelp", WERKSTATT_PROGRAMM, {QStringLiteral("--help")}, "--blatt"},
                    Frage{"WerkstattHelpInEnglish",
                          WERKSTATT_PROGRAMM,
                          {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("-h")},
                          "Fuzzy-Werkstatt: build, save and understand fuzzy projects."},
                    Frage{"WerkstattVersion", WERKSTATT_PROGRAMM, {QStringLiteral("--version")}, "werkstatt 1.0"},
                    Frage{"DorvaneHelp", DORVANE_PROGRAMM, {QStringLiteral("--help")}, "PROJEKT.fuz"},
                    Frage{"DorvaneVersion", DORVANE_PROGRAMM, {QStringLiteral("--version")}, "dorvane 1.3"},
                    Frage{"PemrakHelp", PEMRAK_PROGRAMM, {QStringLiteral("--help")}, "PROJEKT.fuz"},
                    Frage{"PemrakVersion", PEMRAK_PROGRAMM, {QStringLiteral("--version")}, "pemrak 2.0"}),
    [](const testing::TestParamInfo<Frage>& i) { return std::string(i.param.name); });

}  // namespace
