#pragma once

#include <QLineEdit>
#include <QString>

// A line edit with a single-precision property Number. Reading Number parses
// the current text (a comma counts as a decimal point; invalid text gives 0
// and is left as it is); writing it replaces the text by the formatted value:
// "  2.0000" below 1000, " 1.2E+0003" from 1000 on.
class TSingEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(float Number READ Number WRITE setNumber)
public:
    explicit TSingEdit(QWidget* parent = nullptr);

    float Number() const;
    void setNumber(float v);

    // The parsing behind Number: true and the value when the whole text is a
    // number, false otherwise. A value beyond single precision's range counts
    // as invalid (Number then reads 0, as for any other invalid text).
    static bool ParseNumber(const QString& text, float& value);
    static QString FormatNumber(float v);
};
