#include "tests/support/Zugaenglich.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTabBar>
#include <QTextEdit>
#include <QWidget>

namespace testsupport {
namespace {

QString Ort(const QWidget* w) {
    QStringList teile;
    for (const QObject* o = w; o != nullptr; o = o->parent()) {
        QString teil = o->objectName();
        if (teil.isEmpty()) {
            teil = QString::fromLatin1(o->metaObject()->className());
            if (const QObject* eltern = o->parent())
                teil += QLatin1Char('#') + QString::number(eltern->children().indexOf(const_cast<QObject*>(o)));
        }
        teile.prepend(teil);
    }
    return teile.join(QLatin1Char('/'));
}

// A scroll bar belongs to its area, a menu is named by its title in the
// menu bar, a widget inside a combo box or spin box (its line edit, its
// popup list) by the box: none of them is a control of its own.
bool GehoertZuEinemAnderen(const QWidget* w) {
    if (qobject_cast<const QScrollBar*>(w) || qobject_cast<const QMenu*>(w)) return true;
    // A table's headers are read out with its cells; Qt's own helpers
    // (the menu bar's extension button, a table's corner button) have names
    // of their own making.
    if (qobject_cast<const QHeaderView*>(w) && qobject_cast<const QAbstractItemView*>(w->parent())) return true;
    if (w->objectName().startsWith(QLatin1String("qt_"))) return true;
    for (const QObject* o = w->parent(); o != nullptr; o = o->parent())
        if (qobject_cast<const QComboBox*>(o) || qobject_cast<const QAbstractSpinBox*>(o)) return true;
    return QString::fromLatin1(w->metaObject()->className()).startsWith(QLatin1String("QTableCornerButton"));
}

bool IstBedienelement(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QTabBar*>(w) || qobject_cast<const QTextEdit*>(w) ||
           (w->focusPolicy() & Qt::TabFocus) != 0;
}

}  // namespace

QStringList OhneZugaenglichenNamen(QWidget* wurzel) {
    QStringList aus;
    QList<QWidget*> alle = wurzel->findChildren<QWidget*>();
    alle.prepend(wurzel);
    for (QWidget* w : alle) {
        if (!IstBedienelement(w) || GehoertZuEinemAnderen(w)) continue;
        QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(w);
        const QString name = ai ? ai->text(QAccessible::Name).trimmed() : QString();
        if (name.isEmpty())
            aus << Ort(w) + QStringLiteral(" (") + QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(')');
    }
    return aus;
}

}  // namespace testsupport
