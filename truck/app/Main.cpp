#include "truck/app/Main.h"

#include "ui_Main.h"

#include "widgets/Application.h"
#include "widgets/Fonts.h"
#include "dialogs/Graph.h"
#include "truck/app/Info.h"
#include "widgets/Ks.h"
#include "widgets/MessageBoxes.h"
#include "dialogs/RegEdit.h"
#include "widgets/SingEdit.h"
#include "fuzzy/Language.h"
#include "truck/app/Werte.h"
#include "widgets/Window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMouseEvent>
#include <QProgressBar>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <exception>

namespace dorvane {

namespace {

constexpr double Pi = 3.14159265358979323846;

void SetColour(QWidget* w, QPalette::ColorRole role, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

QString LoadFailedText() {
    return QCoreApplication::translate("dorvane::TMainForm",
                                       "Die mit dem Parameter übergebene Datei konnte nicht geladen werden!");
}

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      ui_(std::make_unique<Ui::TMainForm>()) {
    ui_->setupUi(this);
    Panel1 = ui_->Panel1;
    Image1 = ui_->Image1;
    KS1 = ui_->KS1;
    HandPnl = ui_->HandPnl;
    BetriebLbl = ui_->BetriebLbl;
    ProgressBar = ui_->ProgressBar;
    Label1 = ui_->Label1;
    Label2 = ui_->Label2;
    StopImage = ui_->StopImage;
    VorImage = ui_->VorImage;
    RueckImage = ui_->RueckImage;
    TruckBtn1 = ui_->TruckBtn1;
    Bevel1 = ui_->Bevel1;
    Label3 = ui_->Label3;
    Label4 = ui_->Label4;
    Label5 = ui_->Label5;
    SingEdit1 = ui_->SingEdit1;
    SingEdit2 = ui_->SingEdit2;
    SingEdit3 = ui_->SingEdit3;
    Panel2 = ui_->Panel2;
    Image2 = ui_->Image2;
    ffnen1 = ui_->ffnen1;
    Fuzzymengenzeigen1 = ui_->Fuzzymengenzeigen1;
    Beenden1 = ui_->Beenden1;
    Start1 = ui_->Start1;
    Stop1 = ui_->Stop1;
    Betriebsart1 = ui_->Betriebsart1;
    Startwerte1 = ui_->Startwerte1;
    Regelneditieren1 = ui_->Regelneditieren1;
    Hilfe2 = ui_->Hilfe2;
    Info1 = ui_->Info1;

    setFont(widgets::PixelFont(widgets::SansFamily(), 13, true));
    BetriebLbl->setFont(widgets::PixelFont(widgets::SansFamily(), 19, true));
    SetColour(BetriebLbl, QPalette::WindowText, QColor(128, 0, 128));
    SetColour(Panel1, QPalette::Window, Qt::white);

    const QImage road(QStringLiteral(":/dorvane/strasse.png"));
    Image1->setPixmap(QPixmap::fromImage(road));
    KS1->SetBackground(road.convertToFormat(QImage::Format_RGB32));
    // The sketch names the three values in the program's language.
    Image2->setPixmap(QPixmap(fuzzy::ActiveLanguage() == fuzzy::Language::English
                                  ? QStringLiteral(":/dorvane/skizze_en.png")
                                  : QStringLiteral(":/dorvane/skizze.png")));
    StopImage->setPixmap(QPixmap(QStringLiteral(":/dorvane/stop.png")));
    VorImage->setPixmap(QPixmap(QStringLiteral(":/dorvane/vor.png")));
    RueckImage->setPixmap(QPixmap(QStringLiteral(":/dorvane/rueck.png")));
    TruckBtn1->setIcon(QIcon(QStringLiteral(":/dorvane/truck.png")));

    ProgressBar->setMouseTracking(true);
    ProgressBar->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);

    // Client area and menu together: the outer size less a standard frame.
    setFixedSize(OuterWidth - 2 * FrameBorder, OuterHeight - FrameCaption - 2 * FrameBorder);

    OpenDialog1 = [this] { return ChooseFile(); };
    rng_.seed(0);
    Random = [this] { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); };

    // A handler's error is reported where the handler ends, not unwound
    // through the toolkit's frames.
    connect(Timer1, &QTimer::timeout, this, widgets::Guarded(this, &TMainForm::Timer1Timer));
    connect(TruckBtn1, &QPushButton::clicked, this, widgets::Guarded(this, &TMainForm::TruckBtn1Click));
    connect(ffnen1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::ffnen1Click));
    connect(Fuzzymengenzeigen1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Fuzzymengenzeigen1Click));
    connect(Beenden1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Beenden1Click));
    connect(Start1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Start1Click));
    connect(Stop1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Stop1Click));
    connect(Betriebsart1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Betriebsart1Click));
    connect(Startwerte1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Startwerte1Click));
    connect(Regelneditieren1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Regelneditieren1Click));
    connect(Hilfe2, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Hilfe2Click));
    connect(Info1, &QAction::triggered, this, widgets::Guarded(this, &TMainForm::Info1Click));
}

TMainForm::~TMainForm() = default;

QString TMainForm::ChooseFile() {
    // No filter and no options: a typed name need not exist (loading it then
    // fails with the reader's own message).
    QFileDialog d(this, tr("Öffnen"));
    d.setFileMode(QFileDialog::AnyFile);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    // The toolkit's own dialog speaks English unless told otherwise; a
    // native dialog ignores these and is in the desktop's language anyway.
    d.setNameFilter(tr("Alle Dateien (*)"));
    d.setLabelText(QFileDialog::LookIn, tr("Suchen in:"));
    d.setLabelText(QFileDialog::FileName, tr("Datei&name:"));
    d.setLabelText(QFileDialog::FileType, tr("Dateityp:"));
    d.setLabelText(QFileDialog::Accept, tr("Ö&ffnen"));
    d.setLabelText(QFileDialog::Reject, tr("Abbrechen"));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return QString();
    return d.selectedFiles().first();
}

void TMainForm::Load(const QString& file) {
    fuzzy::LoadProject(QFile::encodeName(file).toStdString(), EingangA, EingangB, Ausgang, Regeln);
}

bool TMainForm::Running() const { return Timer1->isActive(); }

void TMainForm::FormCreate(const QStringList& args) {
    args_ = args;
    StartGeschwindigkeit = -1.0f;
    Start1->setEnabled(false);
    Stop1->setEnabled(false);
    Handbetrieb = true;
    EingangA = fuzzy::TFuzzy();
    EingangB = fuzzy::TFuzzy();
    Ausgang = fuzzy::TFuzzy();
    AusgangKopie = fuzzy::TFuzzy();
    rng_.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
    KS1->Canvas().setPenWidth(20);
    KS1->UpdateScale();

    Truck1 = TTruck();
    Truck1.Speed = StartGeschwindigkeit;
    Truck1.CabX = 0.0f;
    Truck1.CabY = 0.0f;
    Truck1.StartHeading = RandomHeading(static_cast<float>(Random()));
    Truck1.Place(TruckLength);
    Truck1.Steering = PlacedSteering;

    if (args.size() == 1) {
        Load(args.first());
        AusgangKopie.Assign(Ausgang);
        Betriebsart1->setEnabled(true);
        setWindowTitle(QStringLiteral("Dorvane 1.3 [") + args.first() + QLatin1Char(']'));
    }
}

void TMainForm::FormActivate() {
    if (args_.isEmpty()) return;
    const QString file = args_.first();
    if (Handbetrieb) {
        Betriebsart1Click();
        StartGeschwindigkeit = -10.0f;
    }
    try {
        Load(file);
        setWindowTitle(QStringLiteral("Dorvane [") + file + QLatin1Char(']'));
        AusgangKopie.Assign(Ausgang);
    } catch (const std::exception&) {
        widgets::ErrorBox(LoadFailedText());
    }
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first showing only: closing a dialog or a message box of our own,
    // or restoring the window, must not load the parameter file again.
    if (event->spontaneous() || activated_) return;
    activated_ = true;
    widgets::CentreOnScreen(*this);
    // The window is not on the screen yet: activation waits until it is
    // exposed and painted, so that the messages of a failing load have the
    // window behind them.
    QWindow* w = windowHandle();
    if (w && !w->isExposed())
        w->installEventFilter(this);
    else
        ActivateLater();
}

void TMainForm::ActivateLater() {
    QMetaObject::invokeMethod(this, widgets::Guarded(this, &TMainForm::FormActivate), Qt::QueuedConnection);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        ActivateLater();  // after the paint that this exposure brings
        return false;
    }
    if (watched == ProgressBar) {
        if (event->type() == QEvent::MouseMove) {
            ProgressBarMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint().x());
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            ProgressBarMouseDown(static_cast<QMouseEvent*>(event)->buttons());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::ShowValues() {
    SingEdit1->setNumber(Truck1.RearX);
    SingEdit2->setNumber(Attitude(Truck1));
    SingEdit3->setNumber(SteeringDegrees(Truck1));
}

void TMainForm::Timer1Timer() {
    if (Handbetrieb) {
        Truck1.Draw(*KS1);
    } else {
        InferFromTruck(Truck1, Regler());
        Truck1.Draw(*KS1);
        Truck1.Steering = SteeringFromOutput(Ausgang);
    }
    Truck1.Step(StepSeconds);
    Truck1.Draw(*KS1);
    ShowValues();
    if (Arrived(Truck1)) Stop1Click();
}

void TMainForm::Start1Click() {
    Timer1->start();
    Start1->setEnabled(false);
    Stop1->setEnabled(true);
}

void TMainForm::Stop1Click() {
    Timer1->stop();
    Start1->setEnabled(true);
    Stop1->setEnabled(false);
}

void TMainForm::TruckBtn1Click() {
    StopImage->show();
    ProgressBar->show();
    const bool random = dialogs_.WerteForm && dialogs_.WerteForm->CheckBox1->isChecked();
    const float x0 = random ? -10.0f : StartAbstand;
    KS1->UpdateScale();
    KS1->Refresh();
    Linie();
    const float heading = random ? RandomHeading(static_cast<float>(Random())) : HeadingForAttitude(StartLage);
    PlaceTruck(Truck1, x0, heading, StartGeschwindigkeit);
    Truck1.Draw(*KS1);
    ShowValues();
    Start1->setEnabled(true);
    Stop1->setEnabled(true);
    if (!Handbetrieb) {
        Timer1->start();
        Start1->setEnabled(false);
        StopImage->hide();
        ProgressBar->hide();
    }
}

void TMainForm::Betriebsart1Click() {
    if (Handbetrieb) {
        ProgressBar->hide();
        Handbetrieb = false;
        BetriebLbl->setText(tr("Fuzzyregelung"));
        StopImage->hide();
        RueckImage->hide();
        VorImage->hide();
    } else {
        ProgressBar->show();
        Handbetrieb = true;
        BetriebLbl->setText(tr("Handsteuerung"));
    }
}

void TMainForm::ffnen1Click() {
    const QString file = OpenDialog1 ? OpenDialog1() : QString();
    if (file.isEmpty()) return;
    Load(file);
    setWindowTitle(QStringLiteral("Dorvane [") + file + QLatin1Char(']'));
    AusgangKopie.Assign(Ausgang);
    Betriebsart1->setEnabled(true);
}

void TMainForm::Startwerte1Click() {
    TWerteForm* w = dialogs_.WerteForm;
    if (!w || w->exec() != QDialog::Accepted) return;
    StartGeschwindigkeit = w->GeschwindigkeitEdit->Number();
    StartAbstand = w->AbstandEdit->Number();
    StartLage = w->LageEdit->Number();
}

void TMainForm::Regelneditieren1Click() {
    if (dialogs_.RegEditForm) dialogs_.RegEditForm->EditProjectRules(EingangA, EingangB, Ausgang, Regeln);
}

void TMainForm::Fuzzymengenzeigen1Click() {
    if (dialogs_.Graphform) dialogs_.Graphform->exec();
}

void TMainForm::Hilfe2Click() {
    if (ShowHelp) ShowHelp(0);
}

void TMainForm::Info1Click() {
    if (dialogs_.InfoForm) dialogs_.InfoForm->exec();
}

void TMainForm::Beenden1Click() { close(); }

int TMainForm::BarPosition(int X, int width) {
    if (width <= 0) return 70;
    // The quotient as a single, then the nearest integer, a half to the even one.
    const float q = static_cast<float>(static_cast<double>(X) * 140.0 / width);
    const float pos = std::nearbyint(q);
    if (!(pos > 0.0f)) return 0;
    return pos > 140.0f ? 140 : static_cast<int>(pos);
}

void TMainForm::ProgressBarMouseMove(int X) {
    const int pos = BarPosition(X, ProgressBar->width());
    ProgressBar->setValue(pos);
    Truck1.Draw(*KS1);
    Truck1.Steering = static_cast<float>((70 - pos) * Pi / 180.0);
    Truck1.Draw(*KS1);
    SingEdit3->setNumber(SteeringDegrees(Truck1));
}

void TMainForm::ProgressBarMouseDown(Qt::MouseButtons buttons) {
    if (buttons & Qt::LeftButton) {
        if (Timer1->isActive()) {
            Timer1->stop();
            VorImage->hide();
            RueckImage->hide();
            StopImage->show();
        } else {
            Timer1->start();
            StopImage->hide();
            if (Truck1.Speed > 0.0f)
                VorImage->show();
            else
                RueckImage->show();
        }
    }
    if (buttons & Qt::RightButton) {
        Truck1.Speed = -Truck1.Speed;
        if (!RueckImage->isHidden()) {
            RueckImage->hide();
            VorImage->show();
        } else if (!VorImage->isHidden()) {
            VorImage->hide();
            RueckImage->show();
        }
    }
}

void TMainForm::Linie() {
    TCanvas& c = KS1->Canvas();
    const QColor colour = c.penColor();
    const int width = c.penWidth();
    c.setPenColor(QColor(255, 0, 0));
    KS1->Setx(0.0f);
    const int column = KS1->xint();
    KS1->Sety(30.0f);
    const int top = KS1->yint();
    KS1->Sety(-30.0f);
    const int bottom = KS1->yint();
    c.setPenWidth(1);
    c.setPenStyle(Qt::DashLine);
    c.MoveTo(column, top);
    c.LineTo(column, bottom);
    c.setPenColor(colour);
    c.setPenWidth(width);
    c.setPenStyle(Qt::SolidLine);
}

}  // namespace dorvane
