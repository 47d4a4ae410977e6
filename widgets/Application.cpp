#include "widgets/Application.h"

#include "fuzzy/Messages.h"

#include "widgets/SprachWahl.h"

#include <QEvent>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace widgets {

TApplication::TApplication(int& argc, char** argv, const QString& title, const QStringList& kataloge)
    : QApplication(argc, argv), title_(title) {
    fuzzy::SetMessages(&messages_);
    // German unless --lang or the locale ask for English; the C locale stays
    // German, so that scripts and tests see the texts they always saw.
    std::string fehler;
    const std::optional<fuzzy::Language> gewaehlt = SpracheAusArgumenten(argc, argv, fehler);
    if (!fehler.empty()) {
        std::fputs(fehler.c_str(), stderr);
        std::exit(2);
    }
    QStringList alle{QStringLiteral("gemeinsam")};
    alle += kataloge;
    SpracheEinrichten(gewaehlt.value_or(fuzzy::LanguageFromEnvironment()), alle);
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

void TApplication::ReportUnknownException() { Report(tr("Unbekannter Fehler.")); }

}  // namespace widgets
