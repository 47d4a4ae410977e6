#pragma once

#include <QDialog>

#include <memory>

class QTextBrowser;

namespace Ui {
class THilfeForm;
}

namespace werkstatt {

// The short German help page, beside the main window (not modal).
class THilfeForm : public QDialog {
    Q_OBJECT
public:
    explicit THilfeForm(QWidget* parent = nullptr);
    ~THilfeForm() override;

    QTextBrowser* Text() const;
    // Shows the section with this anchor (empty: the beginning).
    void zeigeAbschnitt(const QString& anker);

private:
    std::unique_ptr<Ui::THilfeForm> ui_;
};

}  // namespace werkstatt
