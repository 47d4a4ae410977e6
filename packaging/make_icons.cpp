// Writes the program icons in the sizes of the hicolor icon theme, from the
// pictures the programs already have, so that menus and file managers get a
// sharp icon instead of scaling one themselves:
//   dorvane    assets/dorvane/dorvane.png (128, drawn smoothly) scaled down
//   pemrak     assets/pemrak/info.png (32, pixel art) enlarged by whole factors,
//              so the pixels stay square, and scaled down to 16 and 24
//   werkstatt  packaging/icons/werkstatt.svg rendered at every size
// and the browser page's icons (web/icons): the Werkstatt's at 192 and 512
// pixels, and at 512 as a "maskable" icon, whose picture keeps to the
// middle 80 % that every mask leaves (the ground reaches to the edges).
// Run it after changing one of them; the PNGs are committed:
//   cmake --build build/dev --target package_icons && build/dev/packaging/package_icons .
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool Save(const QImage& img, const QDir& root, const char* name) {
    const QString folder = QStringLiteral("packaging/icons/hicolor/%1x%1/apps").arg(img.width());
    const QString path = root.filePath(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    if (!root.mkpath(folder) || !img.save(path, "PNG")) {
        std::fprintf(stderr, "%s konnte nicht geschrieben werden.\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

QImage Load(const QDir& root, const char* path) {
    QImage img(root.filePath(QLatin1String(path)));
    if (img.isNull()) std::fprintf(stderr, "%s konnte nicht gelesen werden.\n", path);
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage Render(QSvgRenderer& svg, int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: package_icons QUELLORDNER\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QImage dorvane = Load(root, "assets/dorvane/dorvane.png");
    const QImage pemrak = Load(root, "assets/pemrak/info.png");
    QSvgRenderer werkstatt(root.filePath(QStringLiteral("packaging/icons/werkstatt.svg")));
    if (dorvane.isNull() || pemrak.isNull() || !werkstatt.isValid()) {
        std::fprintf(stderr, "Ist %s der Quellordner?\n", argv[1]);
        return 2;
    }

    bool ok = true;
    for (const int size : {16, 24, 32, 48, 64}) {
        ok = Save(dorvane.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), root, "dorvane") && ok;
    }
    for (const int size : {16, 24}) {
        ok = Save(pemrak.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), root, "pemrak") && ok;
    }
    for (const int factor : {1, 2, 4, 8}) {
        const int size = pemrak.width() * factor;
        ok = Save(pemrak.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation), root, "pemrak") && ok;
    }
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        ok = Save(Render(werkstatt, size), root, "werkstatt") && ok;
    }
    if (!root.mkpath(QStringLiteral("web/icons"))) return 1;
    auto web = [&root](const QImage& img, const char* name) {
        const QString path = root.filePath(QStringLiteral("web/icons/%1.png").arg(QLatin1String(name)));
        if (!img.save(path, "PNG")) {
            std::fprintf(stderr, "%s konnte nicht geschrieben werden.\n", qPrintable(path));
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    };
    ok = web(Render(werkstatt, 192), "icon-192") && ok;
    ok = web(Render(werkstatt, 512), "icon-512") && ok;
    {
        QImage maske(512, 512, QImage::Format_ARGB32_Premultiplied);
        maske.fill(QColor(0x35, 0x60, 0x7f));
        QPainter p(&maske);
        p.setRenderHint(QPainter::Antialiasing);
        werkstatt.render(&p, QRectF(64, 64, 384, 384));
        p.end();
        ok = web(maske.convertToFormat(QImage::Format_ARGB32), "maskable-512") && ok;
    }
    return ok ? 0 : 1;
}
