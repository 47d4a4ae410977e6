#pragma once

// The texts of a picture as an SVG file holds them, each with the rectangle
// it covers on the picture: the painter's transform of its group applied to
// the font's box around the baseline's start. The tests use it to check that
// labels stay where they belong and do not run into one another.

#include "werkstatt/ansichten/Bildexport.h"

#include <QByteArray>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>
#include <QXmlStreamReader>

#include <functional>
#include <vector>

namespace testsupport {

struct SvgText {
    QString text;
    QPointF anker;  // the baseline's start on the picture
    QRectF kasten;  // what the glyphs cover on the picture
};

// The picture through the views' own SVG export.
inline QByteArray AlsSvg(QSize groesse, const std::function<void(QPainter&, QSize)>& malen) {
    return ansichten::AlsSvg(groesse, malen, QString());
}

inline QTransform Matrix(const QString& attribut) {
    // "matrix(a,b,c,d,e,f)" as the generator writes it.
    const int auf = static_cast<int>(attribut.indexOf(QLatin1Char('(')));
    const int zu = static_cast<int>(attribut.indexOf(QLatin1Char(')')));
    if (!attribut.startsWith(QLatin1String("matrix")) || auf < 0 || zu < auf) return {};
    const QStringList z = attribut.mid(auf + 1, zu - auf - 1).split(QLatin1Char(','));
    if (z.size() != 6) return {};
    return QTransform(z[0].toDouble(), z[1].toDouble(), z[2].toDouble(), z[3].toDouble(), z[4].toDouble(),
                      z[5].toDouble());
}

inline std::vector<SvgText> Texte(const QByteArray& svg) {
    std::vector<SvgText> aus;
    QXmlStreamReader r(svg);
    std::vector<QTransform> stapel{QTransform()};
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("g")) {
            const auto a = r.attributes();
            stapel.push_back(a.hasAttribute(QLatin1String("transform"))
                                 ? Matrix(a.value(QLatin1String("transform")).toString()) * stapel.back()
                                 : stapel.back());
        } else if (r.isEndElement() && r.name() == QLatin1String("g")) {
            if (stapel.size() > 1) stapel.pop_back();
        } else if (r.isStartElement() && r.name() == QLatin1String("text")) {
            const auto a = r.attributes();
            const double x = a.value(QLatin1String("x")).toDouble(), y = a.value(QLatin1String("y")).toDouble();
            QFont f(a.value(QLatin1String("font-family")).toString());
            f.setPixelSize(qRound(a.value(QLatin1String("font-size")).toDouble()));
            f.setWeight(static_cast<QFont::Weight>(a.value(QLatin1String("font-weight")).toInt()));
            const QString text = r.readElementText(QXmlStreamReader::IncludeChildElements);
            if (text.trimmed().isEmpty()) continue;
            const QFontMetricsF fm(f);
            // The ink of the text, a pixel in from the advance box.
            const QRectF box(x, y - fm.ascent() + 1, fm.horizontalAdvance(text), fm.ascent() + fm.descent() - 2);
            aus.push_back({text, stapel.back().map(QPointF(x, y)), stapel.back().mapRect(box)});
        }
    }
    return aus;
}

// The pairs of texts whose rectangles overlap by more than `toleranz`
// pixels both ways, as readable lines.
inline std::vector<QString> Ueberlappungen(const std::vector<SvgText>& t, double toleranz = 1.0) {
    std::vector<QString> aus;
    for (std::size_t i = 0; i < t.size(); ++i)
        for (std::size_t k = i + 1; k < t.size(); ++k) {
            const QRectF s = t[i].kasten.intersected(t[k].kasten);
            if (s.width() > toleranz && s.height() > toleranz)
                aus.push_back(QStringLiteral("„%1“ und „%2“ bei (%3, %4)")
                                  .arg(t[i].text, t[k].text)
                                  .arg(s.x(), 0, 'f', 0)
                                  .arg(s.y(), 0, 'f', 0));
        }
    return aus;
}

}  // namespace testsupport
