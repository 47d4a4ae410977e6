#include "widgets/Beispiele.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace widgets {

QStringList BeispielKandidaten(const QString& programmOrdner) {
    const QDir ordner(programmOrdner);
    return {QDir::cleanPath(ordner.filePath(QStringLiteral(FUZZY_BEISPIELE_RELATIV))),
            QStringLiteral(FUZZY_BEISPIELE_QUELLE)};
}

QString Beispielordner(const QString& programmOrdner, fuzzy::Language sprache, const QString& unterordner) {
    auto ordner = [](const QString& pfad) { return !pfad.isEmpty() && QFileInfo(pfad).isDir(); };
    for (const QString& basis : BeispielKandidaten(programmOrdner)) {
        if (!ordner(basis)) continue;
        QStringList reihe;
        if (sprache == fuzzy::Language::English) reihe << QDir(basis).filePath(QStringLiteral("en"));
        reihe << basis;
        for (const QString& r : reihe) {
            const QString pfad = unterordner.isEmpty() ? r : QDir(r).filePath(unterordner);
            if (ordner(pfad)) return QDir::cleanPath(pfad);
        }
    }
    return {};
}

QString Beispielordner(const QString& unterordner) {
    return Beispielordner(QCoreApplication::applicationDirPath(), fuzzy::ActiveLanguage(), unterordner);
}

QStringList BeispielProjekte(const QString& ordner) {
    if (ordner.isEmpty()) return {};
    QStringList pfade;
    const QDir d(ordner);
    for (const QString& name : d.entryList({QStringLiteral("*.fuz")}, QDir::Files, QDir::Name))
        pfade << d.filePath(name);
    return pfade;
}

}  // namespace widgets
