// Draws Dorvane's pictures: the road, the explanatory sketch (German and
// English), the three run indicators, the truck picture and the program icon. Run it with the output
// folder as its argument (normally assets/dorvane) after changing a picture:
//   cmake --build build/dev --target dorvane_assets && build/dev/truck/dorvane_assets assets/dorvane
// The PNGs it writes are committed, so building the program never needs it.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

namespace {

const QColor Grass(78, 150, 62);
const QColor GrassDark(64, 128, 50);
// The truck (yellow, 255 255 0) and the target line (red, 255 0 0) are drawn
// by exclusive-or onto the road: on a dark asphalt of grey 52 they come out
// as 203 203 52, still yellow, and 203 52 52, still red. On a light grey
// they would turn blue and teal.
const QColor Asphalt(52, 52, 52);
const QColor TargetRed(210, 20, 20);
const QColor TruckYellow(255, 220, 0);
const QColor IndicatorBlue(20, 70, 200);

// The road picture is stretched over the plot component (239 x 415) whose
// plot area maps x -20.1 .. 2 onto columns 50 .. 209 and y 25 .. -25 onto rows
// 30 .. 385. These map world metres to pixels of the 371 x 459 picture, so the
// road's edges and the red bar line up with the truck's world.
constexpr double PicW = 371, PicH = 459, CanvasW = 239, CanvasH = 415;
double PicX(double x) { return (50 + 159 * (x + 20.1) / 22.1) * PicW / CanvasW; }
double PicY(double y) { return (CanvasH - 30 - 355 * (y + 25) / 50) * PicH / CanvasH; }

QFont SansFont(int pixels, bool bold = false) {
    QFont f("Liberation Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QImage Road() {
    QImage img(371, 459, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(img.rect(), Grass);
    // A little texture in the verges, the same every time.
    QRandomGenerator rng(1234);
    for (int i = 0; i < 900; ++i) {
        const int x = rng.bounded(371), y = rng.bounded(459);
        p.fillRect(x, y, 2, 2, rng.bounded(2) ? GrassDark : QColor(96, 170, 76));
    }
    const double left = PicX(-20.1), right = PicX(2.0), bottom = PicY(-25.0);
    p.fillRect(QRectF(left, 0, right - left, PicH), Asphalt);
    // Solid edge lines and the dashed centre line.
    p.fillRect(QRectF(left, 0, 3, PicH), QColor(235, 235, 235));
    p.fillRect(QRectF(right - 3, 0, 3, PicH), QColor(235, 235, 235));
    const double centre = (left + right) / 2;
    for (double y = 6; y < bottom - 10; y += 40) p.fillRect(QRectF(centre - 2, y, 4, 22), Qt::white);
    // The red bar at the bottom with the black cross at the target line.
    p.fillRect(QRectF(left, bottom + 2, right - left, PicH - bottom - 8), TargetRed);
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = PicX(0.0), cy = (bottom + 2 + PicH - 6) / 2, r = 10;
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(cx - r, cy - r), QPointF(cx + r, cy + r));
    p.drawLine(QPointF(cx - r, cy + r), QPointF(cx + r, cy - r));
    return img;
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c) {
    p.setPen(QPen(c, 1.2));
    p.drawLine(from, to);
    const double a = std::atan2(to.y() - from.y(), to.x() - from.x());
    auto head = [&](QPointF tip, double dir) {
        QPolygonF h;
        h << tip << tip - QPointF(std::cos(dir - 0.4) * 6, std::sin(dir - 0.4) * 6)
          << tip - QPointF(std::cos(dir + 0.4) * 6, std::sin(dir + 0.4) * 6);
        p.setBrush(c);
        p.drawPolygon(h);
    };
    head(to, a);
    head(from, a + M_PI);
}

// The three quantities the controller works with, drawn on one truck. The
// picture is 231 x 140; the window stretches it over its 240 x 137 panel, so
// it is drawn squeezed by the inverse of that stretch and looks right there.
// The sketch's three words, in German or in English.
struct SketchWords {
    const char* distance;
    const char* attitude;
    const char* steering;
};
const SketchWords German{"Abstand", "Lage", "Lenkwinkel"};
const SketchWords English{"Distance", "Angle", "Steering angle"};

QImage Sketch(const SketchWords& words) {
    QImage img(231, 140, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(231.0 / 240.0, 140.0 / 137.0);

    const QPointF rear(150, 112);
    const double attitude = 28 * M_PI / 180, steering = 30 * M_PI / 180, body = 66, cabStroke = 26;
    // Screen y grows downwards: "up the road" is -y.
    const QPointF up(0, -1);
    const QPointF dir(-std::sin(attitude), -std::cos(attitude));
    const QPointF cab = rear + dir * body;
    const QPointF steerDir(-std::sin(attitude + steering), -std::cos(attitude + steering));
    const double targetX = 216;

    // Target line.
    p.setPen(QPen(TargetRed, 1.5, Qt::DashLine));
    p.drawLine(QPointF(targetX, 6), QPointF(targetX, 131));
    // Helper lines: the vertical through the rear point, the body's axis beyond the cab.
    p.setPen(QPen(QColor(110, 110, 110), 1, Qt::DotLine));
    p.drawLine(rear, rear + up * 90);
    p.drawLine(cab, cab + dir * 30);
    // The truck as the program draws it: a broad bar and the cab stroke.
    p.setPen(QPen(QColor(120, 100, 0), 12, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(rear, cab);
    p.setPen(QPen(TruckYellow, 10, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(rear, cab);
    p.setPen(QPen(QColor(120, 100, 0), 7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(cab, cab + steerDir * cabStroke);
    p.setPen(QPen(TruckYellow, 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(cab, cab + steerDir * cabStroke);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(rear, 2.5, 2.5);

    // Angle arcs (Qt: degrees counter-clockwise from 3 o'clock, in 1/16).
    const QColor arcColour(128, 0, 128);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(arcColour, 1.3));
    const double r1 = 58;
    p.drawArc(QRectF(rear.x() - r1, rear.y() - r1, 2 * r1, 2 * r1), 90 * 16, static_cast<int>(28 * 16));
    const double r2 = 18;
    p.drawArc(QRectF(cab.x() - r2, cab.y() - r2, 2 * r2, 2 * r2), static_cast<int>((90 + 28) * 16),
              static_cast<int>(30 * 16));

    // "Abstand": from the rear point to the target line.
    Arrow(p, QPointF(rear.x() + 4, 124), QPointF(targetX - 2, 124), QColor(0, 0, 0));
    p.setPen(QPen(QColor(110, 110, 110), 1, Qt::DotLine));
    p.drawLine(rear, QPointF(rear.x(), 128));

    p.setPen(Qt::black);
    p.setFont(SansFont(11, true));
    p.drawText(QRectF(rear.x() + 2, 106, targetX - rear.x() - 4, 14), Qt::AlignHCenter | Qt::AlignVCenter,
               words.distance);
    p.setPen(arcColour);
    p.drawText(QPointF(rear.x() + 8, rear.y() - 44), words.attitude);
    p.drawText(QPointF(8, 20), words.steering);
    p.setPen(QPen(arcColour, 1, Qt::SolidLine));
    const QPointF arcMid = cab + QPointF(-std::sin((28 + 15) * M_PI / 180), -std::cos((28 + 15) * M_PI / 180)) * r2;
    p.drawLine(QPointF(44, 23), arcMid);
    const QPointF lageArc = rear + QPointF(-std::sin(14 * M_PI / 180), -std::cos(14 * M_PI / 180)) * r1;
    p.drawLine(QPointF(rear.x() + 7, rear.y() - 48), lageArc);
    return img;
}

QImage Indicator(int kind) {
    // Drawn four times larger and scaled down, for clean edges at 32 x 32.
    QImage big(128, 128, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    if (kind == 0) {
        p.setPen(QPen(Qt::white, 6));
        p.setBrush(TargetRed);
        p.drawEllipse(QPointF(64, 64), 58, 58);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(24, 54, 80, 20));
    } else {
        QPolygonF arrow;
        arrow << QPointF(64, 8) << QPointF(118, 64) << QPointF(84, 64) << QPointF(84, 120) << QPointF(44, 120)
              << QPointF(44, 64) << QPointF(10, 64);
        if (kind == 2) {
            for (QPointF& pt : arrow) pt.setY(128 - pt.y());
        }
        p.setPen(QPen(QColor(10, 30, 110), 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(IndicatorBlue);
        p.drawPolygon(arrow);
    }
    p.end();
    return big.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A side view: box trailer on the left, cab on the right, facing right.
void DrawTruckSide(QPainter& p, double w, double h) {
    p.setRenderHint(QPainter::Antialiasing);
    const double s = w / 94.0;
    p.scale(s, h / 45.0);
    const QPen outline(QColor(40, 40, 40), 1.2);
    // Trailer box.
    p.setPen(outline);
    p.setBrush(QColor(235, 235, 240));
    p.drawRoundedRect(QRectF(2, 4, 60, 28), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 190));
    p.drawRect(QRectF(4, 16, 56, 5));
    // Chassis.
    p.setBrush(QColor(50, 50, 50));
    p.drawRect(QRectF(2, 32, 88, 4));
    // Cab.
    QPainterPath cab;
    cab.moveTo(65, 34);
    cab.lineTo(65, 10);
    cab.lineTo(80, 10);
    cab.lineTo(91, 22);
    cab.lineTo(91, 34);
    cab.closeSubpath();
    p.setPen(outline);
    p.setBrush(QColor(200, 30, 30));
    p.drawPath(cab);
    QPainterPath window;
    window.moveTo(78, 13);
    window.lineTo(87, 22);
    window.lineTo(78, 22);
    window.closeSubpath();
    p.setBrush(QColor(170, 215, 240));
    p.drawPath(window);
    p.setBrush(QColor(255, 200, 0));
    p.drawRect(QRectF(88, 26, 3, 3));
    // Wheels.
    for (double x : {14.0, 26.0, 52.0, 80.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(25, 25, 25));
        p.drawEllipse(QPointF(x, 37), 6, 6);
        p.setBrush(QColor(170, 170, 170));
        p.drawEllipse(QPointF(x, 37), 2.5, 2.5);
    }
}

QImage TruckPicture() {
    QImage img(94, 45, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    DrawTruckSide(p, 94, 45);
    return img;
}

QImage Icon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Grass);
    p.drawRoundedRect(QRectF(4, 4, 120, 120), 18, 18);
    p.setBrush(Asphalt);
    p.drawRect(QRectF(30, 4, 68, 120));
    p.setBrush(Qt::white);
    for (double y = 10; y < 96; y += 24) p.drawRect(QRectF(62, y, 4, 12));
    p.setBrush(TargetRed);
    p.drawRect(QRectF(30, 100, 68, 18));
    p.setPen(QPen(Qt::black, 4));
    p.drawLine(QPointF(58, 103), QPointF(70, 115));
    p.drawLine(QPointF(58, 115), QPointF(70, 103));
    // The truck from above, backing in at an angle.
    p.translate(64, 58);
    p.rotate(-20);
    p.setPen(QPen(QColor(90, 70, 0), 2));
    p.setBrush(TruckYellow);
    p.drawRect(QRectF(-9, -38, 18, 56));
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRectF(-8, -52, 16, 12));
    return img;
}

bool Save(const QImage& img, const QDir& dir, const char* name) {
    const QString path = dir.filePath(name);
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "%s konnte nicht geschrieben werden.\n", qPrintable(path));
        return false;
    }
    std::printf("%s (%d x %d)\n", qPrintable(path), img.width(), img.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: dorvane_assets AUSGABEORDNER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "Den Ordner %s gibt es nicht.\n", argv[1]);
        return 2;
    }
    bool ok = Save(Road(), dir, "strasse.png");
    ok = Save(Sketch(German), dir, "skizze.png") && ok;
    ok = Save(Sketch(English), dir, "skizze_en.png") && ok;
    ok = Save(Indicator(0), dir, "stop.png") && ok;
    ok = Save(Indicator(1), dir, "vor.png") && ok;
    ok = Save(Indicator(2), dir, "rueck.png") && ok;
    ok = Save(TruckPicture(), dir, "truck.png") && ok;
    ok = Save(Icon(128), dir, "dorvane.png") && ok;
    return ok ? 0 : 1;
}
