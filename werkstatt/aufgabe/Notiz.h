#pragma once

#include <QLabel>
#include <QSize>
#include <QString>
#include <QWidget>

#include <algorithm>

namespace werkstatt {

// The note under the boxes keeps the room of its longest wording (with the
// sentence on red entries), so that the sentence appearing or going moves
// nothing below it.
class Notiz : public QLabel {
public:
    explicit Notiz(QWidget* parent) : QLabel(parent) {
        for (QLabel* l : {static_cast<QLabel*>(this), &platz_}) {
            l->setTextFormat(Qt::PlainText);
            l->setWordWrap(true);
        }
    }
    void setzen(const QString& text, const QString& laengste) {
        platz_.setFont(font());
        platz_.setText(laengste);
        setText(text);
        updateGeometry();
    }
    int heightForWidth(int w) const override { return std::max(QLabel::heightForWidth(w), platz_.heightForWidth(w)); }
    QSize sizeHint() const override { return Hoeher(QLabel::sizeHint()); }
    QSize minimumSizeHint() const override { return Hoeher(QLabel::minimumSizeHint()); }

private:
    QSize Hoeher(QSize s) const {
        if (!platz_.text().isEmpty()) s.setHeight(std::max(s.height(), heightForWidth(std::max(width(), 100))));
        return s;
    }
    QLabel platz_;
};

}  // namespace werkstatt
