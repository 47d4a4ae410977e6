// `--help` and `--version` of the three programs: printed and done without a
// display, where the window opened and never returned (or failed to start).
#include <gtest/gtest.h>

#include <QProcess>

namespace {

TEST(OhneBildschirm, HelpAndVersionAnswerAndEnd) {
    const struct {
        const char* programm;
        const char* argument;
        const char* antwort;  // part of standard output
    } faelle[] = {{WERKSTATT_PROGRAMM, "--help", "--blatt"},
                  {WERKSTATT_PROGRAMM, "--version", "werkstatt 1.0"},
                  {DORVANE_PROGRAMM, "--help", "PROJEKT.fuz"},
                  {PEMRAK_PROGRAMM, "--version", "pemrak 2.0"}};
    for (const auto& f : faelle) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(v));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QString::fromLocal8Bit(f.programm), {QString::fromLatin1(f.argument)});
        ASSERT_TRUE(p.waitForFinished(20000)) << f.programm << " still running";
        EXPECT_EQ(p.exitCode(), 0) << f.programm << p.readAllStandardError().toStdString();
        EXPECT_TRUE(p.readAllStandardOutput().contains(f.antwort)) << f.programm << ' ' << f.argument;
    }
}

}  // namespace
