#pragma once

#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QString>
#include <QStringList>

#include <exception>
#include <utility>

namespace widgets {

// The application object of both programs. It carries the application title,
// shows the engine's messages in message boxes, and is the default error
// handling: an exception that escapes an event handler is shown as its text
// followed by "." in an error box titled with the application title, and the
// event loop carries on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    // Also sets up the language: "--lang de|en" is taken out of the
    // arguments, else the locale decides; `kataloge` names the program's own
    // catalogues besides the shared one (see Sprache.h).
    TApplication(int& argc, char** argv, const QString& title, const QStringList& kataloge = {});
    ~TApplication() override;

    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }

    bool notify(QObject* receiver, QEvent* event) override;

    // The same report for code outside the event loop (e.g. creating the
    // windows in main). Uses the running TApplication's title, if any.
    static void ReportException(const std::exception& e);
    // For an exception that is not a std::exception.
    static void ReportUnknownException();

    // The running TApplication, or nullptr.
    static TApplication* Instance();

private:
    QString title_;
    GuiMessages messages_;
};

// An exception that leaves a handler passes through the toolkit's own frames
// on its way to TApplication::notify; those frames do not all clean up after
// themselves (a few hundred bytes stay allocated per exception). A handler
// connected through Guarded is reported right where it ends instead, with the
// same message box:
//   connect(button, &QPushButton::clicked, this, widgets::Guarded(this, &TMainForm::StartClick));
template <class F>
auto Guarded(F f) {
    return [f = std::move(f)]() {
        try {
            f();
        } catch (const std::exception& e) {
            TApplication::ReportException(e);
        } catch (...) {
            TApplication::ReportUnknownException();
        }
    };
}

template <class T>
auto Guarded(T* object, void (T::*handler)()) {
    return Guarded([object, handler] { (object->*handler)(); });
}

}  // namespace widgets
