#pragma once

#include "fuzzy/Messages.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

class QMessageBox;

namespace widgets {

enum class MessageKind { Warning, Error, Confirmation, Question };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Every message box of both programs goes through ShowMessage. The title
// defaults by kind to "Warnung", "Fehler" or "Bestätigung"; a non-empty title
// replaces it (the default error handling uses the application title).
// Warning and Error have one button "OK" (answer Ok); Confirmation has "&Ja"
// and "&Nein" (answer Yes or No; Escape and the close box answer No).
// Question has "&Ja", "&Nein" and "Abbrechen" (answer Yes, No or Cancel;
// Escape and the close box answer Cancel); its default title is that of a
// confirmation. The box is modal, its parent the active window.
MessageAnswer ShowMessage(MessageKind kind, const QString& text, const QString& title = QString());

void WarningBox(const QString& text);
void ErrorBox(const QString& text);
// True when the user answers "&Ja".
bool ConfirmBox(const QString& text);
// Ja / Nein / Abbrechen, e.g. "Änderungen speichern?".
MessageAnswer QuestionBox(const QString& text);

// The box ShowMessage shows, built but not yet shown: its title, text, icon
// and buttons in the program's language (lets a test read the buttons).
std::unique_ptr<QMessageBox> BuildMessageBox(MessageKind kind, const QString& title, const QString& text);

// The title a box of this kind gets when the caller gives none.
QString DefaultTitle(MessageKind kind);

// Replaces the real boxes, e.g. in tests to record what would be shown and to
// answer it. Returns the handler installed before; an empty handler restores
// the real boxes.
using MessageHandler = std::function<MessageAnswer(MessageKind, const QString& title, const QString& text)>;
MessageHandler SetMessageHandler(MessageHandler h);

// The engine's messages shown as WarningBox / ErrorBox (UTF-8 texts).
class GuiMessages : public fuzzy::IMessages {
public:
    void Warning(const std::string& text) override;
    void Error(const std::string& text) override;
};

}  // namespace widgets
