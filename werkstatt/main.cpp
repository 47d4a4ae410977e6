// Fuzzy-Werkstatt: build, save and understand fuzzy projects.
#include "Application.h"
#include "Main.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    widgets::TApplication app(argc, argv, QStringLiteral("Fuzzy-Werkstatt"));
    // Recent files and the window's geometry are kept under these names.
    QCoreApplication::setOrganizationName(QStringLiteral("FuzzyLehre"));
    QCoreApplication::setApplicationName(QStringLiteral("Fuzzy-Werkstatt"));
    werkstatt::TMainForm form;
    form.show();
    try {
        form.FormCreate(app.arguments().mid(1));
    } catch (const std::exception& e) {
        widgets::TApplication::ReportException(e);
    }
    return app.exec();
}
