#include "Application.h"

#include "Messages.h"

#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace widgets {

TApplication::TApplication(int& argc, char** argv, const QString& title) : QApplication(argc, argv), title_(title) {
    fuzzy::SetMessages(&messages_);
    // The programs speak German, whatever the system's language: the toolkit's
    // own texts (file dialog, edit menus) too, where its translation is installed.
    auto* toolkitTexts = new QTranslator(this);
    if (toolkitTexts->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(toolkitTexts);
}

TApplication::~TApplication() { fuzzy::SetMessages(nullptr); }

TApplication* TApplication::Instance() { return qobject_cast<TApplication*>(QCoreApplication::instance()); }

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ReportException(e);
    } catch (...) {
        ReportUnknownException();
    }
    // The event counts as handled: it must not be delivered a second time.
    return true;
}

namespace {

void Report(const QString& message) {
    TApplication* app = TApplication::Instance();
    const QString title = app ? app->Title() : QString();
    // An empty title would fall back to "Fehler", which is what a program
    // without a title should show anyway.
    ShowMessage(MessageKind::Error, message, title);
}

}  // namespace

void TApplication::ReportException(const std::exception& e) {
    QString text = QString::fromUtf8(e.what());
    // The full stop closes the sentence; a text that already ends with one
    // does not get a second.
    if (!text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
    Report(text);
}

void TApplication::ReportUnknownException() { Report(QStringLiteral("Unbekannter Fehler.")); }

}  // namespace widgets
