#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace widgets {

namespace {

MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}

MessageAnswer RealBox(MessageKind kind, const QString& title, const QString& text) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    switch (kind) {
    case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageKind::Confirmation:
    case MessageKind::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (kind == MessageKind::Question) {
        QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == yes) return MessageAnswer::Yes;
        if (box.clickedButton() == no) return MessageAnswer::No;
        return MessageAnswer::Cancel;
    }
    if (kind == MessageKind::Confirmation) {
        QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MessageAnswer::Ok;
}

}  // namespace

QString DefaultTitle(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning: return QStringLiteral("Warnung");
    case MessageKind::Error: return QStringLiteral("Fehler");
    case MessageKind::Confirmation:
    case MessageKind::Question: return QStringLiteral("Bestätigung");
    }
    return QString();
}

MessageAnswer ShowMessage(MessageKind kind, const QString& text, const QString& title) {
    const QString shownTitle = title.isEmpty() ? DefaultTitle(kind) : title;
    // A copy: the handler may replace itself while it runs.
    const MessageHandler handler = Handler();
    if (handler) return handler(kind, shownTitle, text);
    return RealBox(kind, shownTitle, text);
}

void WarningBox(const QString& text) { ShowMessage(MessageKind::Warning, text); }

void ErrorBox(const QString& text) { ShowMessage(MessageKind::Error, text); }

bool ConfirmBox(const QString& text) { return ShowMessage(MessageKind::Confirmation, text) == MessageAnswer::Yes; }

MessageAnswer QuestionBox(const QString& text) { return ShowMessage(MessageKind::Question, text); }

MessageHandler SetMessageHandler(MessageHandler h) {
    MessageHandler previous = std::move(Handler());
    Handler() = std::move(h);
    return previous;
}

void GuiMessages::Warning(const std::string& text) { WarningBox(QString::fromStdString(text)); }

void GuiMessages::Error(const std::string& text) { ErrorBox(QString::fromStdString(text)); }

}  // namespace widgets
