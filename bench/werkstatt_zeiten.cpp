// From an input event to the redrawn page, in the real window: a mouse move
// dragging a handle, a key moving a handle, a key setting a rule, undo of a
// step. Each iteration sends the event and repaints the visible page at once
// (the model, all pages, the hints and the paint of the diagram or grid).
// Run with a release build: werkstatt_bench [--benchmark_...]
#include "widgets/Application.h"
#include "werkstatt/Main.h"
#include "werkstatt/seiten/RegelSeite.h"
#include "dialogs/RuleGrid.h"
#include "werkstatt/seiten/TermDiagramm.h"
#include "werkstatt/seiten/VariablenSeite.h"

#include <benchmark/benchmark.h>

#if __has_include("KennfeldAnsicht.h")
#include "werkstatt/ansichten/KennfeldAnsicht.h"
#define MIT_KENNFELD 1
#endif

#include <QMouseEvent>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The window lives from the first benchmark to the end of main.
std::unique_ptr<werkstatt::TMainForm> form;

werkstatt::TMainForm* Form() {
    if (!form) {
        form = std::make_unique<werkstatt::TMainForm>();
        form->resize(960, 760);
        form->show();
        form->OeffnenDatei(QStringLiteral(FUZZY_SOURCE_DIR "/examples/truck.fuz"));
        QCoreApplication::processEvents();
    }
    return form.get();
}

void Bewegen(QWidget* w, QPointF p, Qt::MouseButtons knoepfe) {
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, knoepfe, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void BM_GriffZiehen(benchmark::State& state) {
    auto* f = Form();
    f->Seiten->setCurrentWidget(f->SeiteA);
    TTermDiagramm* d = f->SeiteA->Diagramm;
    f->SeiteA->WaehleTerm(3);
    const QPointF start = d->griffPosition(3, fuzzy::ParamD);
    QTest::mousePress(d, Qt::LeftButton, Qt::NoModifier, start.toPoint());
    int i = 0;
    for (auto _ : state) {
        Bewegen(d, start + QPointF(i++ % 40, 0), Qt::LeftButton);
        d->repaint();
    }
    QTest::mouseRelease(d, Qt::LeftButton, Qt::NoModifier, start.toPoint());
}
BENCHMARK(BM_GriffZiehen)->Unit(benchmark::kMicrosecond);

void BM_GriffTaste(benchmark::State& state) {
    auto* f = Form();
    f->Seiten->setCurrentWidget(f->SeiteB);
    TTermDiagramm* d = f->SeiteB->Diagramm;
    f->SeiteB->WaehleTerm(3);
    d->setFocus();
    d->setAktiverGriff(fuzzy::ParamH);
    int i = 0;
    for (auto _ : state) {
        QTest::keyClick(d, (i++ / 10) % 2 ? Qt::Key_Up : Qt::Key_Down);
        d->repaint();
    }
}
BENCHMARK(BM_GriffTaste)->Unit(benchmark::kMicrosecond);

void BM_RegelTaste(benchmark::State& state) {
    auto* f = Form();
    f->Seiten->setCurrentWidget(f->SeiteRegeln);
    f->SeiteRegeln->WaehleRegel(2, 2);
    int i = 0;
    for (auto _ : state) {
        QTest::keyClick(f->SeiteRegeln->RegelGitter, static_cast<Qt::Key>(Qt::Key_1 + i++ % 5));
        f->SeiteRegeln->RegelGitter->repaint();
    }
}
BENCHMARK(BM_RegelTaste)->Unit(benchmark::kMicrosecond);

void BM_Rueckgaengig(benchmark::State& state) {
    auto* f = Form();
    f->Seiten->setCurrentWidget(f->SeiteA);
    QUndoStack& s = f->Modell.undoStack();
    for (auto _ : state) {
        if (s.canUndo())
            s.undo();
        else
            s.redo();
        f->SeiteA->Diagramm->repaint();
    }
}
BENCHMARK(BM_Rueckgaengig)->Unit(benchmark::kMicrosecond);

#ifdef MIT_KENNFELD
// A handle move until the control surface of the new project is computed
// (off the GUI thread) and painted: what a user sees who drags on one
// screen and watches the surface on another.
void BM_ZugBisKennfeld(benchmark::State& state) {
    auto* f = Form();
    auto* kennfeld = qobject_cast<ansichten::Kennfeld*>(f->Kennfeld());
    f->Seiten->setCurrentWidget(kennfeld);
    kennfeld->warteAufErgebnis();
    const int zug = f->Modell.neuerZug();
    int i = 0;
    for (auto _ : state) {
        f->Modell.zieheGriff(werkstatt::Rolle::A, 3, fuzzy::ParamD, 1.0f + static_cast<float>(i++ % 40) / 10.0f, zug);
        kennfeld->warteAufErgebnis();
        kennfeld->bild()->repaint();
    }
}
BENCHMARK(BM_ZugBisKennfeld)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    widgets::TApplication app(argc, argv, QStringLiteral("Fuzzy-Werkstatt"));
    QTemporaryDir einstellungen;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, einstellungen.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    form.reset();
    return 0;
}
