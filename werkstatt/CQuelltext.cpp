#include "werkstatt/CQuelltext.h"

#include "fuzzy/AtomicFile.h"
#include "exchange/ExportC.h"

#include <QFile>

#include <filesystem>

namespace werkstatt {

bool IstCQuelltext(const QString& datei) {
    return !exchange::CHeaderPath(QFile::encodeName(datei).toStdString()).empty();
}

std::optional<QString> CQuelltextSchreiben(const fuzzy::Project& p, const QString& quelle, const QString& projektDatei,
                                           const QString& datei) {
    const std::string ziel = QFile::encodeName(datei).toStdString();
    exchange::CExportOptions o;
    o.quelle = quelle.toStdString();
    o.headerName = std::filesystem::path(exchange::CHeaderPath(ziel)).filename().string();
    try {
        exchange::WriteCExport(exchange::ExportC(p, o), ziel, QFile::encodeName(projektDatei).toStdString());
    } catch (const fuzzy::Error& e) {
        return QString::fromStdString(e.Describe());
    }
    return std::nullopt;
}

}  // namespace werkstatt
