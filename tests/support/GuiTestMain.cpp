// main() of the GUI test executables: an application object as the programs
// have one, on the offscreen platform unless the environment chooses another.
#include "tests/support/CiSkips.h"
#include "widgets/Application.h"
#include "widgets/SprachWahl.h"

#include <gtest/gtest.h>

#include <QByteArray>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    testing::InitGoogleTest(&argc, argv);
    widgets::TApplication app(argc, argv, QStringLiteral("Test"));
    // The tests read today's German texts whatever the machine's locale;
    // a test that wants English says so (SichtbareTexte.h: SpracheFuer).
    widgets::SpracheEinrichten(fuzzy::Language::German, {QStringLiteral("gemeinsam")});
    return testsupport::FailSkipsInCi(RUN_ALL_TESTS());
}
