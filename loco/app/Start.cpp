// Pemrak: bring a toy locomotive to a stop at the mark, by hand or with a
// fuzzy controller.
#include "widgets/Application.h"
#include "widgets/Auskunft.h"
#include "loco/app/Main.h"
#include "loco/app/Programm.h"

#include <QCoreApplication>
#include <QIcon>

namespace {

widgets::Auskunft Selbstauskunft() {
    widgets::Auskunft a;
    a.beschreibung = QCoreApplication::translate(
        "pemrak::Start", "Pemrak: eine Spielzeuglok an der Marke anhalten, von Hand oder mit einem Fuzzy-Regler.");
    a.argument = QCoreApplication::translate("pemrak::Start", "PROJEKT.fuz");
    a.argumentHilfe = QCoreApplication::translate("pemrak::Start", "das Projekt, mit dem der Fuzzy-Regler startet");
    a.argumentSyntax = QCoreApplication::translate("pemrak::Start", "[PROJEKT.fuz]");
    return a;
}

}  // namespace

int main(int argc, char** argv) {
    // Help and version need no display and open no window.
    if (const auto code =
            widgets::AuskunftGeben(argc, argv, "pemrak", "2.0", Selbstauskunft, {QStringLiteral("pemrak")}))
        return *code;
    widgets::TApplication app(argc, argv, pemrak::AnwendungsTitel(), {QStringLiteral("pemrak")});
    app.setWindowIcon(QIcon(QStringLiteral(":/pemrak/pemrak.png")));
    pemrak::Programm programm(app.arguments().mid(1));
    programm.MainForm->show();
    return app.exec();
}
