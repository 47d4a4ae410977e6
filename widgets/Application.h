#pragma once

#include "MessageBoxes.h"

#include <QApplication>
#include <QString>

#include <exception>

namespace widgets {

// The application object of both programs. It carries the application title,
// shows the engine's messages in message boxes, and is the default error
// handling: an exception that escapes an event handler is shown as its text
// followed by "." in an error box titled with the application title, and the
// event loop carries on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv, const QString& title);
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

}  // namespace widgets
