#include "CQuelltext.h"

#include "AtomicFile.h"
#include "ExportC.h"

#include <QFile>
#include <QFileInfo>

namespace werkstatt {

bool IstCQuelltext(const QString& datei) { return datei.endsWith(QStringLiteral(".c"), Qt::CaseInsensitive); }

std::optional<QString> CQuelltextSchreiben(const fuzzy::Project& p, const QString& quelle,
                                           const QString& projektDatei, const QString& datei) {
    const QString kopf = datei.left(datei.size() - 2) + QStringLiteral(".h");
    for (const QString& ziel : {datei, kopf}) {
        // Through a link as well: the canonical paths of existing files.
        const QString echt = QFileInfo(ziel).canonicalFilePath();
        if (!projektDatei.isEmpty() && !echt.isEmpty() && echt == QFileInfo(projektDatei).canonicalFilePath()) {
            return QStringLiteral("%1 ist die Projektdatei selbst; sie wird nicht \u00FCberschrieben.")
                .arg(QFileInfo(ziel).fileName());
        }
    }
    exchange::CExportOptions o;
    o.quelle = quelle.toStdString();
    o.headerName = QFile::encodeName(QFileInfo(kopf).fileName()).toStdString();
    try {
        const exchange::CExport c = exchange::ExportC(p, o);
        fuzzy::WriteFileAtomic(QFile::encodeName(kopf).toStdString(), c.header);
        fuzzy::WriteFileAtomic(QFile::encodeName(datei).toStdString(), c.source);
    } catch (const fuzzy::Error& e) {
        return QString::fromStdString(e.Describe());
    }
    return std::nullopt;
}

}  // namespace werkstatt
