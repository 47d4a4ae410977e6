#pragma once
// What the worksheet tests share: the real program run as a teacher's script
// runs it, and poppler's pdfinfo and pdftotext to read its PDF back.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

inline QString Beispiel(const char* name) {
    return QStringLiteral(FUZZY_SOURCE_DIR "/examples/") + QString::fromLatin1(name);
}

inline QByteArray Inhalt(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Lauf {
    int code = -1;
    QString fehler;
};

// The program's settings (the vehicles remembered for files) live in
// `einstellungen`, never in the user's own; by default an empty folder. The
// language is German, as under the C locale, whatever the desktop speaks,
// unless the arguments say --lang. `bildschirm` false: neither a display
// nor a platform named, as a script on a server runs it.
inline Lauf Werkstatt(const QStringList& args, const QString& einstellungen = QString(), bool bildschirm = true) {
    static QTemporaryDir leer;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) env.remove(QString::fromLatin1(v));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    if (bildschirm) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    } else {
        for (const char* v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(QString::fromLatin1(v));
    }
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), einstellungen.isEmpty() ? leer.path() : einstellungen);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(WERKSTATT_EXE), args);
    if (!p.waitForFinished(120000)) return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

// A poppler tool's output, or a null string when it cannot be run.
inline QString Poppler(const QString& werkzeug, const QStringList& args) {
    if (QStandardPaths::findExecutable(werkzeug).isEmpty()) return {};
    QProcess p;
    p.start(werkzeug, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return QStringLiteral("(%1 scheiterte)").arg(werkzeug);
    return QString::fromUtf8(p.readAllStandardOutput());
}

#define POPPLER_ODER_SKIP()                                                      \
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() || \
        QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())     \
    GTEST_SKIP() << "pdftotext/pdfinfo (poppler-utils) fehlen; scripts/test.sh installiert sie"

inline int Seitenzahl(const QString& info) {
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}
