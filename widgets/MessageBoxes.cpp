#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <memory>

namespace widgets {

std::unique_ptr<QMessageBox> BuildMessageBox(MessageKind kind, const QString& title, const QString& text) {
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    box->setWindowTitle(title);
    box->setText(text);
    box->setTextFormat(Qt::PlainText);
    switch (kind) {
    case MessageKind::Warning: box->setIcon(QMessageBox::Warning); break;
    case MessageKind::Error: box->setIcon(QMessageBox::Critical); break;
    case MessageKind::Confirmation:
    case MessageKind::Question: box->setIcon(QMessageBox::Question); break;
    }
    if (kind == MessageKind::Question || kind == MessageKind::Confirmation) {
        QPushButton* yes = box->addButton(QCoreApplication::translate("MessageBoxes", "&Ja"), QMessageBox::YesRole);
        QPushButton* no = box->addButton(QCoreApplication::translate("MessageBoxes", "&Nein"), QMessageBox::NoRole);
        box->setDefaultButton(yes);
        if (kind == MessageKind::Question)
            box->setEscapeButton(
                box->addButton(QCoreApplication::translate("MessageBoxes", "Abbrechen"), QMessageBox::RejectRole));
        else
            box->setEscapeButton(no);
        return box;
    }
    QPushButton* ok = box->addButton(QCoreApplication::translate("MessageBoxes", "OK"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    return box;
}

namespace {

MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}

MessageAnswer RealBox(MessageKind kind, const QString& title, const QString& text) {
    const std::unique_ptr<QMessageBox> box = BuildMessageBox(kind, title, text);
    box->exec();
    QAbstractButton* clicked = box->clickedButton();
    switch (clicked ? box->buttonRole(clicked) : QMessageBox::InvalidRole) {
    case QMessageBox::YesRole: return MessageAnswer::Yes;
    case QMessageBox::NoRole: return MessageAnswer::No;
    case QMessageBox::RejectRole: return MessageAnswer::Cancel;
    case QMessageBox::AcceptRole: return MessageAnswer::Ok;
    default: break;
    }
    // Closed without a button: what Escape would have answered.
    if (kind == MessageKind::Question) return MessageAnswer::Cancel;
    if (kind == MessageKind::Confirmation) return MessageAnswer::No;
    return MessageAnswer::Ok;
}

}  // namespace

QString DefaultTitle(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning: return QCoreApplication::translate("MessageBoxes", "Warnung");
    case MessageKind::Error: return QCoreApplication::translate("MessageBoxes", "Fehler");
    case MessageKind::Confirmation:
    case MessageKind::Question: return QCoreApplication::translate("MessageBoxes", "Bestätigung");
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
