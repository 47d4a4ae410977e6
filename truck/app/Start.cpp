// Dorvane: back a truck down the road onto the target line, by hand or with
// a fuzzy controller.
#include "widgets/Application.h"
#include "widgets/Auskunft.h"
#include "truck/app/Main.h"
#include "truck/app/Programm.h"

#include <QCoreApplication>
#include <QIcon>

namespace {

widgets::Auskunft Selbstauskunft() {
    widgets::Auskunft a;
    a.beschreibung = QCoreApplication::translate(
        "dorvane::Start",
        "Dorvane: einen Truck rückwärts auf die Ziellinie fahren, von Hand oder mit einem Fuzzy-Regler.");
    a.argument = QCoreApplication::translate("dorvane::Start", "PROJEKT.fuz");
    a.argumentHilfe = QCoreApplication::translate("dorvane::Start", "das Projekt, mit dem der Fuzzy-Regler startet");
    a.argumentSyntax = QCoreApplication::translate("dorvane::Start", "[PROJEKT.fuz]");
    return a;
}

}  // namespace

int main(int argc, char** argv) {
    // Help and version need no display and open no window.
    if (const auto code =
            widgets::AuskunftGeben(argc, argv, "dorvane", "1.3", Selbstauskunft, {QStringLiteral("dorvane")}))
        return *code;
    widgets::TApplication app(argc, argv, dorvane::ApplicationTitle(), {QStringLiteral("dorvane")});
    app.setWindowIcon(QIcon(QStringLiteral(":/dorvane/dorvane.png")));
    dorvane::Programm programm(app.arguments().mid(1));
    programm.MainForm->show();
    return app.exec();
}
