// Fuzzy-Werkstatt: build, save and understand fuzzy projects.
#include "widgets/Application.h"
#include "werkstatt/Main.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace {

// Whether the command line asks for the worksheet: "--blatt" first, perhaps
// after the language ("werkstatt --lang en --blatt …").
bool BlattVerlangt(int argc, char** argv) {
    int i = 1;
    while (i < argc) {
        if (std::strcmp(argv[i], "--lang") == 0)
            i += 2;
        else if (std::strncmp(argv[i], "--lang=", 7) == 0)
            ++i;
        else
            break;
    }
    return i < argc && std::strcmp(argv[i], "--blatt") == 0;
}

}  // namespace

int main(int argc, char** argv) {
    // The worksheet from the command line needs no display: a script or a
    // test makes it on the offscreen platform unless told otherwise.
    const bool blatt = BlattVerlangt(argc, argv);
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
