// Pemrak: bring a toy locomotive to a stop at the mark, by hand or with a
// fuzzy controller.
#include "widgets/Application.h"
#include "loco/app/Main.h"
#include "loco/app/Programm.h"

#include <QIcon>

int main(int argc, char** argv) {
    widgets::TApplication app(argc, argv, pemrak::AnwendungsTitel(), {QStringLiteral("pemrak")});
    app.setWindowIcon(QIcon(QStringLiteral(":/pemrak/pemrak.png")));
    pemrak::Programm programm(app.arguments().mid(1));
    programm.MainForm->show();
    return app.exec();
}
