#pragma once

#include <QDialog>

#include <memory>

class QImage;
class QTextBrowser;
class QUrl;

namespace Ui {
class THilfeForm;
}

namespace werkstatt {

// The short help page in the program's language, beside the main window
// (not modal).
class THilfeForm : public QDialog {
    Q_OBJECT
public:
    explicit THilfeForm(QWidget* parent = nullptr);
    ~THilfeForm() override;

    QTextBrowser* Text() const;
    // Shows the section with this anchor (empty: the beginning).
    void zeigeAbschnitt(const QString& anker);
    // The picture of one inference step in the section that explains it:
    // the inspector as it stands for the project being edited.
    void setSchrittbild(const QImage& bild);
    static QUrl SchrittbildUrl();

private:
    std::unique_ptr<Ui::THilfeForm> ui_;
};

}  // namespace werkstatt
