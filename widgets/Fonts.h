#pragma once

#include <QFont>
#include <QString>

namespace widgets {

// The window layouts give fonts by family and pixel size. The classic dialog
// faces map onto metric-compatible free families: the sans-serif dialog font
// and "Arial" onto Liberation Sans, "Times New Roman" onto Liberation Serif.
inline QString SansFamily() { return QStringLiteral("Liberation Sans"); }
inline QString SerifFamily() { return QStringLiteral("Liberation Serif"); }

inline QFont PixelFont(const QString& family, int pixelSize, bool bold = false) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleHint(family == SerifFamily() ? QFont::Serif : QFont::SansSerif);
    return f;
}

}  // namespace widgets
