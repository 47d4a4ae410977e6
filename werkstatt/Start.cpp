// Fuzzy-Werkstatt: build, save and understand fuzzy projects.
#include "Application.h"
#include "Main.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // The worksheet from the command line needs no display: a script or a
    // test makes it on the offscreen platform unless told otherwise.
    const bool blatt = argc > 1 && std::strcmp(argv[1], "--blatt") == 0;
    if (blatt && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    widgets::TApplication app(argc, argv, QStringLiteral("Fuzzy-Werkstatt"),
                              {QStringLiteral("werkstatt"), QStringLiteral("labor")});
    // Recent files, the window's geometry and the vehicles chosen for files
    // are kept under these names; the worksheet reads the vehicles too.
    QCoreApplication::setOrganizationName(QStringLiteral("FuzzyLehre"));
    QCoreApplication::setApplicationName(QStringLiteral("Fuzzy-Werkstatt"));
    if (blatt) {
        QTextStream fehler(stderr);
        return werkstatt::BlattBefehl(app.arguments().mid(1), fehler);
    }
    werkstatt::TMainForm form;
    form.show();
    try {
        form.FormCreate(app.arguments().mid(1));
    } catch (const std::exception& e) {
        widgets::TApplication::ReportException(e);
    }
    return app.exec();
}
