#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QPushButton;
class QTextBrowser;

namespace dorvane {

// The help window: Dorvane's help pages (HTML in the resources) in a small
// browser, opened at the contents page or at the page of a context number.
class THelpForm : public QDialog {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* parent = nullptr);

    // The page of a context number: 2 is the rule editor; every other number
    // (0 included) opens the contents.
    // In the language of the program at the moment of the call.
    static QUrl PageFor(int context);
    // The resource folder of the pages in that language.
    static QString Folder();

    // Shows the help at a context. While a modal dialog is open (the rule
    // editor's "&Hilfe") the help is shown modally on top of it, so it can be
    // read and closed; otherwise it stays open beside the main window.
    void ShowContext(int context);

    QTextBrowser* Browser = nullptr;
    QPushButton* ContentsBtn = nullptr;
    QPushButton* BackBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};

}  // namespace dorvane
