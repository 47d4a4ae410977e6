#include "loco/app/Main.h"

#include "ui_Main.h"

#include "widgets/Application.h"
#include "loco/app/Controls.h"
#include "widgets/Fonts.h"
#include "dialogs/Graph.h"
#include "loco/app/Info.h"
#include "widgets/MessageBoxes.h"
#include "loco/app/PlotForm.h"
#include "dialogs/RegEdit.h"
#include "widgets/SingEdit.h"
#include "loco/app/Typ.h"
#include "widgets/Window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QShowEvent>
#include <QThread>

namespace pemrak {

namespace {

const QColor Rot(255, 0, 0);
const QColor Gruen(0, 255, 0);  // lime
const QColor Blau(0, 0, 255);

QImage Bild(const char* name) { return QImage(QString::fromLatin1(name)).convertToFormat(QImage::Format_RGB32); }

void Farbe(QWidget* w, QPalette::ColorRole rolle, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(rolle, c);
    w->setPalette(p);
}

}  // namespace

std::uint32_t SystemTick() {
    static QElapsedTimer uhr;
    if (!uhr.isValid()) uhr.start();
    return static_cast<std::uint32_t>(static_cast<quint64>(uhr.elapsed()) & 0xFFFFFFFFu);
}

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      ui_(std::make_unique<Ui::TMainForm>()) {
    ui_->setupUi(this);
    Panel1 = ui_->Panel1;
    PaintBox1 = ui_->PaintBox1;
    Bevel1 = ui_->Bevel1;
    Bevel2 = ui_->Bevel2;
    Label1 = ui_->Label1;
    Label2 = ui_->Label2;
    Label3 = ui_->Label3;
    Label4 = ui_->Label4;
    Label5 = ui_->Label5;
    Label6 = ui_->Label6;
    Label7 = ui_->Label7;
    Label8 = ui_->Label8;
    Label9 = ui_->Label9;
    Label11 = ui_->Label11;
    MasseEdit = ui_->MasseEdit;
    Abstand = ui_->Abstand;
    ReibungEdit = ui_->ReibungEdit;
    KraftEdit = ui_->KraftEdit;
    sim_s = ui_->sim_s;
    sim_v = ui_->sim_v;
    sim_t = ui_->sim_t;
    Start = ui_->Start;
    TrackBar1 = ui_->TrackBar1;
    Shape1 = ui_->Shape1;
    ffnen1 = ui_->ffnen1;
    Beenden1 = ui_->Beenden1;
    Whlen1 = ui_->Whlen1;
    Regelneditieren1 = ui_->Regelneditieren1;
    Fuzzydiagrammzeigen1 = ui_->Fuzzydiagrammzeigen1;
    Plot1 = ui_->Plot1;
    Info2 = ui_->Info2;

    // Fonts by pixel size; the window's own is the 13-pixel system font.
    setFont(widgets::PixelFont(widgets::SansFamily(), 13, true));
    Label5->setFont(widgets::PixelFont(widgets::SerifFamily(), 19, true));
    Farbe(Label5, QPalette::WindowText, QColor(128, 0, 128));
    Start->setFont(widgets::PixelFont(widgets::SansFamily(), 19, true));
    QFont gross = widgets::PixelFont(widgets::SerifFamily(), 29, true);
    gross.setItalic(true);
    Label9->setFont(gross);
    Farbe(Label9, QPalette::WindowText, Blau);
    Farbe(Panel1, QPalette::Window, Qt::white);
    Farbe(KraftEdit, QPalette::Base, palette().color(QPalette::Button));
    Farbe(sim_s, QPalette::Base, QColor(0, 255, 0));
    Farbe(sim_v, QPalette::Base, QColor(255, 255, 0));
    Farbe(sim_t, QPalette::Base, QColor(0, 255, 255));
    Shape1->SetBrush(Rot);
    for (QLabel* l : {Label3, Label4, Label5, Label6, Label7, Label8, Label11}) l->adjustSize();

    Image1 = Bild(":/pemrak/landschaft.png");
    Image2 = Bild(":/pemrak/maske.png");
    Image3 = Bild(":/pemrak/lok.png");
    Szene = Image1.copy();
    PaintBox1->SetImage(&Szene);
    PaintBox1->SetOnPaint([this] { PaintBox1Paint(); });

    // Client area and menu together: the outer size less a standard frame.
    setFixedSize(OuterWidth - 2 * FrameBorder, OuterHeight - FrameCaption - 2 * FrameBorder);

    Ruhen = [] { QThread::msleep(1); };
    OpenDialog1 = [this] { return DateiWaehlen(); };

    connect(Start, &QPushButton::clicked, this, widgets::Guarded(this, &TMainForm::StartClick));
    connect(TrackBar1, &QSlider::valueChanged, this, &TMainForm::TrackBar1Change);
    connect(ffnen1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::ffnen1Click));
    connect(Beenden1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Beenden1Click));
    connect(Whlen1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Whlen1Click));
    connect(Regelneditieren1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Regelneditieren1Click));
    connect(Fuzzydiagrammzeigen1, &QAction::triggered, this,
            widgets::Guarded(this, &TMainForm::Fuzzydiagrammzeigen1Click));
    connect(Plot1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Plot1Click));
    connect(Info2, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Info2Click));
}

TMainForm::~TMainForm() = default;

QString TMainForm::DateiWaehlen() {
    QFileDialog d(this, tr("Fuzzyprojekt öffnen"), QString(), tr("Fuzzyprojekt (*.fuz)"));
    d.setFileMode(QFileDialog::ExistingFile);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return QString();
    return QFileInfo(d.selectedFiles().first()).absoluteFilePath();
}

void TMainForm::FormCreate(const QStringList& args) {
    Handbetrieb = true;
    if (args.size() == 1) {
        fuzzy::LoadProject(QFile::encodeName(args.first()).toStdString(), EingangA, EingangB, Ausgang, Regeln);
        AusgangKopie.Assign(Ausgang);
        setWindowTitle(QStringLiteral("Pemrak [") + args.first() + QLatin1Char(']'));
        Regelneditieren1->setEnabled(true);
        Fuzzydiagrammzeigen1->setEnabled(true);
        Handbetrieb = false;
    }
    Einstellen();
}

void TMainForm::FormActivate() { Punkte.Anzahl = 0; }

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous() || aktiviert_) return;
    aktiviert_ = true;
    widgets::CentreOnScreen(*this);
    FormActivate();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (laufAktiv_) {
        // Closing in the middle of a run: the run ends after its current
        // step, as after "Stop", and then the window closes (StartClick).
        // Waiting for the run to end by itself could keep the program open
        // for good: a locomotive standing still, or held at the mark by its
        // controller, never runs 30 cm past it.
        schliessenNachLauf_ = true;
        SetStart(0, tr("Start"));
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TMainForm::PaintBox1Paint() {
    QPainter p(&Szene);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, Image1);
}

void TMainForm::Einstellen() {
    if (Handbetrieb) {
        Label9->setText(tr("Handregelung"));
        Farbe(Label9, QPalette::WindowText, Blau);
    } else {
        Label9->setText(tr("Fuzzyregelung"));
        Farbe(Label9, QPalette::WindowText, Rot);
    }
}

void TMainForm::SetStart(int tag, const QString& caption) {
    startTag_ = tag;
    Start->setText(caption);
}

void TMainForm::StartClick() {
    Einstellen();
    if (startTag_ != 0) {
        SetStart(0, tr("Start"));
        return;
    }
    SetStart(1, tr("Stop"));
    // "Stop" was pressed, but the run has not finished its step yet: it simply
    // goes on, rather than a second run starting inside the first.
    if (laufAktiv_) return;
    // A press of "Start" while a run was ending (in its last dispatch of
    // events) finds the flag set again when that run returns: the button
    // says "Stop", so the next run follows.
    do {
        if (!Handbetrieb && !Regler().AllDefined()) {
            widgets::ErrorBox(tr("Kein (geeignetes) Fuzzyprojekt vorhanden"));
            SetStart(0, tr("Start"));
            return;
        }
        const StartValues werte{MasseEdit->Number(), ReibungEdit->Number(), Abstand->Number()};
        if (const auto fehler = StartValuesError(werte)) {
            widgets::ErrorBox(QString::fromStdString(*fehler));
            SetStart(0, tr("Start"));
            return;
        }
        Simulieren();
        if (schliessenNachLauf_) {
            schliessenNachLauf_ = false;
            SetStart(0, tr("Start"));
            close();
            return;
        }
    } while (startTag_ == 1);
}

void TMainForm::TrackBar1Change() {
    if (!Handbetrieb) return;
    Zustand.Kraft = static_cast<float>(-double(TrackBar1->value()) / double(TrackBar1->maximum()));
    KraftEdit->setNumber(Zustand.Kraft);
}

void TMainForm::ffnen1Click() {
    const QString datei = OpenDialog1 ? OpenDialog1() : QString();
    if (datei.isEmpty()) return;
    try {
        fuzzy::LoadProject(QFile::encodeName(datei).toStdString(), EingangA, EingangB, Ausgang, Regeln);
    } catch (const std::exception& e) {
        // The file could not be opened: the default error handling reports
        // it; caption, menu and the copy of the output stay as they were.
        widgets::TApplication::ReportException(e);
        return;
    }
    AusgangKopie.Assign(Ausgang);
    setWindowTitle(QStringLiteral("Pemrak [") + datei + QLatin1Char(']'));
    Fuzzydiagrammzeigen1->setEnabled(true);
    Regelneditieren1->setEnabled(true);
}

void TMainForm::Beenden1Click() { close(); }

void TMainForm::Whlen1Click() {
    if (!dialoge_.TypForm) return;
    dialoge_.TypForm->Hand = Handbetrieb;
    if (dialoge_.TypForm->exec() == QDialog::Accepted) Handbetrieb = dialoge_.TypForm->Hand;
    Einstellen();
}

void TMainForm::Regelneditieren1Click() {
    if (dialoge_.RegEditForm) dialoge_.RegEditForm->EditProjectRules(EingangA, EingangB, Ausgang, Regeln);
}

void TMainForm::Fuzzydiagrammzeigen1Click() {
    if (dialoge_.Graphform) dialoge_.Graphform->exec();
}

void TMainForm::Plot1Click() {
    if (dialoge_.PlotForm) dialoge_.PlotForm->exec();
}

void TMainForm::Info2Click() {
    if (dialoge_.Infoform) dialoge_.Infoform->exec();
}

void TMainForm::GraphInit() {
    PaintBox1Paint();
    Puffer = QImage(101, 33, QImage::Format_RGB32);
    Puffer.fill(Qt::black);
    PaintBox1->Zeigen();
}

void TMainForm::Pemrak_zeigen(float x) {
    if (Puffer.isNull()) {
        Puffer = QImage(101, 33, QImage::Format_RGB32);
        Puffer.fill(Qt::black);
    }
    const int px = SceneColumn(x, Zustand.s0, PaintBox1->width());
    {
        QPainter p(&Puffer);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(0, 0), Image1, QRect(px, 110, 101, 33));
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawImage(QPoint(1, 1), Image2);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.drawImage(QPoint(1, 1), Image3);
    }
    {
        QPainter p(&Szene);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(px, 110), Puffer, QRect(0, 0, 100, 32));
    }
    PaintBox1->Zeigen();
}

void TMainForm::Ereignisse() { QCoreApplication::processEvents(); }

void TMainForm::Pause(std::uint32_t ms) {
    const std::uint32_t start = Tick();
    for (;;) {
        Ereignisse();
        if (static_cast<std::uint32_t>(Tick() - start) > ms) return;
        if (Ruhen) Ruhen();
    }
}

void TMainForm::SimInit() {
    const StartValues werte{MasseEdit->Number(), ReibungEdit->Number(), Abstand->Number()};
    pemrak::SimInit(Zustand, Punkte, werte);
    Shape1->SetBrush(Rot);
}

void TMainForm::Simulieren() {
    laufAktiv_ = true;
    SimInit();
    GraphInit();
    SimZustand& z = Zustand;
    do {
        const std::uint32_t start = Tick();
        Punkte.Zaehlen();
        Pemrak_zeigen(z.s);
        Ereignisse();
        z.s_alt = z.s;
        if (!Handbetrieb) {
            z.Kraft = Kraft(Regler(), z);
            KraftEdit->setNumber(z.Kraft);
        }
        Step(z);
        Punkte.Speichern(z);
        sim_s->setNumber(static_cast<float>(double(z.s) * 100.0));
        sim_v->setNumber(static_cast<float>(double(z.v) * 100.0));
        sim_t->setNumber(z.t);
        Pause(50);
        Pemrak_zeigen(z.s_alt);
        Ereignisse();
        z.dt = TickSeconds(start, Tick());
        Shape1->SetBrush(InTargetBand(z) ? Gruen : Rot);
    } while (startTag_ == 1 && OnTrack(z));
    // Ended by itself (past the mark, or a state that is no number any more):
    // the button is Start again. After "Stop" it already is.
    if (z.s <= 0.0f || !OnTrack(z)) SetStart(0, tr("Start"));
    Pemrak_zeigen(z.s);
    Ereignisse();
    laufAktiv_ = false;
}

}  // namespace pemrak
