// Dorvane: back a truck down the road onto the target line, by hand or with
// a fuzzy controller.
#include "widgets/Application.h"
#include "truck/app/Main.h"
#include "truck/app/Programm.h"

#include <QIcon>

int main(int argc, char** argv) {
    widgets::TApplication app(argc, argv, dorvane::ApplicationTitle(), {QStringLiteral("dorvane")});
    app.setWindowIcon(QIcon(QStringLiteral(":/dorvane/dorvane.png")));
    dorvane::Programm programm(app.arguments().mid(1));
    programm.MainForm->show();
    return app.exec();
}
