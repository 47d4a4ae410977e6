#pragma once

// "Schülerpaket…": what the class gets of exercises, into one folder: each
// exercise's students' copy (exercise/Package.h) and its students' sheet as
// PDF, the sheet `werkstatt --blatt` writes. No reference solution, no
// reference answers, no teacher's sheet.

#include <QString>
#include <QStringList>

class QWidget;

namespace werkstatt {

struct Paket {
    QStringList geschrieben;  // the files written, in order
    QStringList fehler;       // one sentence per exercise that could not go in
};

Paket SchuelerpaketSchreiben(const QStringList& aufgaben, const QString& ordner);

// Asks for the exercises and the folder and writes; names what could not go
// in in a message and returns a sentence on what was written (empty: nothing).
QString SchuelerpaketFragen(QWidget* eltern, const QString& start);

}  // namespace werkstatt
