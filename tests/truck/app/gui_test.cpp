// Dorvane's windows driven as the user and the event loop drive them: start
// with and without a project, "Truck setzen", the steering bar, the run's end,
// the rule editor, the start values, the help.
#include "truck/model/Control.h"
#include "fuzzy/Errors.h"
#include "dialogs/Graph.h"
#include "truck/app/Help.h"
#include "truck/app/Info.h"
#include "widgets/Ks.h"
#include "truck/app/Main.h"
#include "tests/support/MessageRecorder.h"
#include "truck/app/Programm.h"
#include "dialogs/RegEdit.h"
#include "widgets/SingEdit.h"
#include "truck/app/Werte.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

using dorvane::TMainForm;
using testsupport::MessageRecorder;
using widgets::MessageKind;

namespace {

const QString TruckFuz = QStringLiteral(FUZZY_SOURCE_DIR "/examples/truck.fuz");
const QString OneInputFuz = QStringLiteral(FUZZY_SOURCE_DIR "/examples/truck_einachsig.fuz");
const QString Missing = QStringLiteral(FUZZY_SOURCE_DIR "/examples/gibt-es-nicht.fuz");

const QString ReadFailed = QStringLiteral("Daten konnten nicht gelesen werden!");
const QString ParameterFailed =
    QStringLiteral("Die mit dem Parameter \u00FCbergebene Datei konnte nicht geladen werden!");

// Runs f on the modal dialog once its event loop is running.
void WhenModal(std::function<void(QWidget*)> f) {
    QTimer::singleShot(0, [f] { f(QApplication::activeModalWidget()); });
}

// The program as main() builds it, started with the given arguments; the
// recorder answers every message box.
class Dorvane : public testing::Test {
protected:
    void Start(const QStringList& args, bool show = true) {
        program = std::make_unique<dorvane::Programm>(args);
        if (show) ShowMain();
    }
    // Shows the main window and lets its activation run, which waits until
    // the window is on the screen.
    void ShowMain() {
        program->MainForm->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(program->MainForm.get()));
        QCoreApplication::processEvents();
    }
    TMainForm& M() { return *program->MainForm; }
    dorvane::TWerteForm& Werte() { return *program->WerteForm; }

    void MouseOnBar(QEvent::Type type, int x, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(x, 10), M().ProgressBar->mapToGlobal(QPointF(x, 10)), button, buttons,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(M().ProgressBar, &e);
    }
    void MoveOverBar(int x) { MouseOnBar(QEvent::MouseMove, x, Qt::NoButton, Qt::NoButton); }
    void ClickBar(Qt::MouseButton b) { MouseOnBar(QEvent::MouseButtonPress, 100, b, b); }

    void ConfirmStartValues(const QString& abstand, const QString& lage, bool random, bool ok = true) {
        dorvane::TWerteForm& w = Werte();
        WhenModal([&w, abstand, lage, random, ok](QWidget*) {
            w.AbstandEdit->setText(abstand);
            w.LageEdit->setText(lage);
            w.CheckBox1->setChecked(random);
            (ok ? w.OKBtn : w.CancelBtn)->click();
        });
        M().Startwerte1Click();
    }

    MessageRecorder messages;
    std::unique_ptr<dorvane::Programm> program;
};

TEST_F(Dorvane, StartWithoutParameterInHandSteering) {
    Start({});
    EXPECT_EQ(M().windowTitle(), QStringLiteral("Dorvane 1.3"));
    EXPECT_EQ(M().BetriebLbl->text(), QStringLiteral("Handsteuerung"));
    EXPECT_TRUE(M().Handbetrieb);
    EXPECT_EQ(M().ProgressBar->value(), 70);
    EXPECT_TRUE(M().ProgressBar->isVisible());
    EXPECT_TRUE(M().StopImage->isHidden());
    EXPECT_TRUE(M().VorImage->isHidden());
    EXPECT_TRUE(M().RueckImage->isHidden());
    for (TSingEdit* e : {M().SingEdit1, M().SingEdit2, M().SingEdit3}) EXPECT_EQ(e->text(), QStringLiteral("0"));
    EXPECT_FALSE(M().Start1->isEnabled());
    EXPECT_FALSE(M().Stop1->isEnabled());
    EXPECT_FALSE(M().Betriebsart1->isEnabled());
    EXPECT_TRUE(M().Regelneditieren1->isEnabled());
    EXPECT_FALSE(M().Running());
    EXPECT_EQ(M().StartGeschwindigkeit, -1.0f);
    EXPECT_EQ(messages.Count(), 0);
    // The truck waits at the origin, 10 m long, with 18 degrees of steering.
    EXPECT_NEAR(std::hypot(M().Truck1.CabX - M().Truck1.RearX, M().Truck1.CabY - M().Truck1.RearY), 10.0, 1e-4);
    EXPECT_FLOAT_EQ(M().Truck1.Steering, 0.31415927f);
}

TEST_F(Dorvane, StartWithReadableProjectSwitchesToFuzzyControl) {
    Start({TruckFuz});
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(M().windowTitle(), QStringLiteral("Dorvane [") + TruckFuz + QLatin1Char(']'));
    EXPECT_FALSE(M().Handbetrieb);
    EXPECT_EQ(M().BetriebLbl->text(), QStringLiteral("Fuzzyregelung"));
    EXPECT_FALSE(M().ProgressBar->isVisible());
    EXPECT_TRUE(M().Betriebsart1->isEnabled());
    EXPECT_EQ(M().StartGeschwindigkeit, -10.0f);
    EXPECT_TRUE(M().EingangA.Defined && M().EingangB.Defined && M().Ausgang.Defined);
    EXPECT_EQ(M().AusgangKopie.Name, "Lenkwinkel");
}

TEST_F(Dorvane, CaptionBeforeActivationCarriesTheVersion) {
    Start({TruckFuz}, false);
    EXPECT_EQ(M().windowTitle(), QStringLiteral("Dorvane 1.3 [") + TruckFuz + QLatin1Char(']'));
    EXPECT_TRUE(M().Handbetrieb);
}

TEST_F(Dorvane, StartWithUnreadableProjectReportsBothLoads) {
    Start({Missing});
    ASSERT_EQ(messages.Count(), 4);
    // FormCreate: the reader's warning, then the default error handling.
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.Messages()[0].text, ReadFailed);
    EXPECT_EQ(messages.Messages()[1].kind, MessageKind::Error);
    EXPECT_EQ(messages.Messages()[1].title, QStringLiteral("Dorvane"));
    EXPECT_EQ(messages.Messages()[1].text, QStringLiteral("E/A-Fehler 103."));
    // FormActivate: the reader's warning again, then its own error box.
    EXPECT_EQ(messages.Messages()[2].text, ReadFailed);
    EXPECT_EQ(messages.Messages()[3].kind, MessageKind::Error);
    EXPECT_EQ(messages.Messages()[3].title, QStringLiteral("Fehler"));
    EXPECT_EQ(messages.Messages()[3].text, ParameterFailed);

    EXPECT_EQ(M().windowTitle(), QStringLiteral("Dorvane 1.3"));
    EXPECT_FALSE(M().Handbetrieb);
    EXPECT_EQ(M().StartGeschwindigkeit, -10.0f);
    EXPECT_FALSE(M().Betriebsart1->isEnabled());
    EXPECT_FALSE(M().AusgangKopie.Defined);
}

TEST_F(Dorvane, ActivationRunsOnlyOnceWhenShown) {
    Start({Missing});
    const int shown = messages.Count();
    M().hide();
    ShowMain();
    program->InfoForm->show();
    program->InfoForm->close();
    M().activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.Count(), shown);
}

// The messages of a failing parameter file used to appear before the main
// window was on the screen, with nothing behind them.
TEST_F(Dorvane, ActivationWaitsUntilTheWindowIsOnTheScreen) {
    Start({Missing}, false);
    std::vector<bool> exposed;
    const widgets::MessageHandler recorder =
        widgets::SetMessageHandler([this, &exposed](MessageKind, const QString&, const QString&) {
            exposed.push_back(M().windowHandle() && M().windowHandle()->isExposed());
            return widgets::MessageAnswer::Ok;
        });
    M().show();
    EXPECT_TRUE(exposed.empty());  // not while the window is being shown
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&M()));
    QCoreApplication::processEvents();
    widgets::SetMessageHandler(recorder);
    EXPECT_EQ(exposed, std::vector<bool>({true, true}));  // the reader's warning, then the error box
    M().hide();
    M().show();
    QCoreApplication::processEvents();
    EXPECT_EQ(exposed.size(), 2u);
}

// The main window's outer size is 569 x 506 with a standard frame (4 px
// borders, 19 px caption); it was 25 px short. The dialogs give their client
// areas, which the frame then surrounds.
TEST_F(Dorvane, WindowsHaveTheSizesOfTheLayout) {
    Start({});
    const struct {
        const char* name;
        QWidget* window;
        QSize size;
    } windows[] = {
        {"main window: client area and menu", &M(), QSize(569 - 8, 506 - 19 - 8)},
        {"start values", program->WerteForm.get(), QSize(393, 298)},
        {"about box", program->InfoForm.get(), QSize(298, 213)},
        {"diagram dialog", program->Graphform.get(), QSize(480, 193)},
    };
    for (const auto& w : windows) {
        w.window->show();
        EXPECT_EQ(w.window->size(), w.size) << w.name;
        EXPECT_EQ(w.window->minimumSize(), w.window->maximumSize()) << w.name << " is not of fixed size";
        if (w.window != &M()) w.window->hide();
    }
    // The sketch is 231 x 140, stretched over its 240 x 137 panel.
    EXPECT_EQ(QImage(QStringLiteral(":/dorvane/skizze.png")).size(), QSize(231, 140));
    EXPECT_EQ(M().Image2->size(), QSize(240, 137));
    EXPECT_TRUE(M().Image2->hasScaledContents());
    // The lowest controls stay inside the client area below the menu.
    EXPECT_LE(M().menuBar()->height() + 425, M().height());
}

TEST_F(Dorvane, TwoParametersLoadOnlyOnActivation) {
    Start({TruckFuz, OneInputFuz});
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(M().windowTitle(), QStringLiteral("Dorvane [") + TruckFuz + QLatin1Char(']'));
    EXPECT_FALSE(M().Handbetrieb);
    EXPECT_FALSE(M().Betriebsart1->isEnabled());
    EXPECT_TRUE(M().EingangB.Defined);
}

TEST_F(Dorvane, StartValuesDialogOpensWithItsDefaults) {
    Start({});
    EXPECT_EQ(Werte().windowTitle(), QStringLiteral("Startwerte"));
    EXPECT_EQ(Werte().AbstandEdit->text(), QStringLiteral("-10.0000"));
    EXPECT_EQ(Werte().LageEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(Werte().GeschwindigkeitEdit->text(), QStringLiteral(" -1.0000"));
    EXPECT_TRUE(Werte().CheckBox1->isChecked());
    EXPECT_EQ(program->InfoForm->windowTitle(), QStringLiteral("Infos"));
    EXPECT_EQ(program->InfoForm->ProductName->text(), QStringLiteral("Dorvane"));
    EXPECT_EQ(program->InfoForm->Version->text(), QStringLiteral("Version 1.3"));
}

TEST_F(Dorvane, TruckSetzenAtRandomKeepsTheCabAtMinus10) {
    Start({});
    for (int i = 0; i < 20; ++i) {
        M().TruckBtn1Click();
        EXPECT_FLOAT_EQ(M().Truck1.CabX, -10.0f);
        EXPECT_FLOAT_EQ(M().Truck1.CabY, 25.0f);
        const float lage = M().SingEdit2->Number();
        EXPECT_GE(lage, -45.0f);
        EXPECT_LE(lage, 45.0f);
        EXPECT_FLOAT_EQ(M().SingEdit3->Number(), 18.0f);
        EXPECT_NEAR(M().SingEdit1->Number(), -10.0 - 10.0 * std::cos((lage + 90.0) * M_PI / 180.0), 2e-4);
    }
    EXPECT_TRUE(M().Start1->isEnabled());
    EXPECT_TRUE(M().Stop1->isEnabled());
    EXPECT_FALSE(M().StopImage->isHidden());
    EXPECT_FALSE(M().Running());
}

TEST_F(Dorvane, TruckSetzenWithConfirmedStartValues) {
    Start({});
    ConfirmStartValues(QStringLiteral("-5"), QStringLiteral("10"), false);
    M().TruckBtn1Click();
    EXPECT_FLOAT_EQ(M().Truck1.CabX, -5.0f);
    EXPECT_FLOAT_EQ(M().Truck1.CabY, 25.0f);
    EXPECT_EQ(M().SingEdit1->text(), QStringLiteral(" -3.2635"));
    EXPECT_NEAR(M().SingEdit2->Number(), 10.0f, 1e-4f);
    EXPECT_EQ(M().Truck1.Speed, -1.0f);
}

TEST_F(Dorvane, CancelledStartValuesStillClearRandomPlacement) {
    Start({});
    ConfirmStartValues(QStringLiteral("-5"), QStringLiteral("10"), false, false);
    M().TruckBtn1Click();
    EXPECT_FLOAT_EQ(M().Truck1.CabX, 0.0f);
    EXPECT_FLOAT_EQ(M().Truck1.CabY, 25.0f);
    EXPECT_NEAR(M().SingEdit2->Number(), 0.0f, 1e-4f);
    // The fields keep what was typed for the next opening.
    EXPECT_EQ(Werte().AbstandEdit->text(), QStringLiteral("-5"));
}

TEST_F(Dorvane, PositiveSpeedDrivesForwards) {
    Start({});
    Werte().GeschwindigkeitEdit->setText(QStringLiteral("1"));
    ConfirmStartValues(QStringLiteral("-10"), QStringLiteral("0"), false);
    M().TruckBtn1Click();
    M().Start1Click();
    M().Timer1Timer();
    EXPECT_GT(M().Truck1.CabY, 25.0f);
}

struct BarCase {
    const char* name;
    int column;
    int position;
    float degrees;
};

class SteeringBar : public Dorvane, public testing::WithParamInterface<BarCase> {};

TEST_P(SteeringBar, PointerColumnSetsPositionAndSteering) {
    Start({});
    M().TruckBtn1Click();
    MoveOverBar(GetParam().column);
    EXPECT_EQ(M().ProgressBar->value(), GetParam().position);
    EXPECT_NEAR(M().Truck1.Steering * 180.0 / M_PI, GetParam().degrees, 1e-4);
    EXPECT_FLOAT_EQ(M().SingEdit3->Number(), GetParam().degrees);
}

INSTANTIATE_TEST_SUITE_P(
    Dorvane, SteeringBar,
    testing::Values(BarCase{"LeftEndFullLeft", 0, 0, 70.0f}, BarCase{"HalfGoesToEven32", 45, 32, 38.0f},
                    BarCase{"HalfGoesToEven38", 55, 38, 32.0f}, BarCase{"MiddleStraight", 100, 70, 0.0f},
                    BarCase{"LastColumn", 199, 139, -69.0f}, BarCase{"BeyondTheRightEndIsLimited", 260, 140, -70.0f},
                    BarCase{"BeyondTheLeftEndIsLimited", -30, 0, 70.0f}),
    [](const testing::TestParamInfo<BarCase>& i) { return std::string(i.param.name); });

TEST_F(Dorvane, SteeringRedrawLeavesNoTraceOnTheRoad) {
    Start({});
    M().TruckBtn1Click();
    const QImage placed = M().KS1->Image().copy();
    MoveOverBar(10);
    EXPECT_NE(M().KS1->Image(), placed);
    // Back to the placed steering (18 degrees = position 52 = column 74.3).
    M().Truck1.Draw(*M().KS1);
    M().Truck1.Steering = 0.31415927f;
    M().Truck1.Draw(*M().KS1);
    EXPECT_EQ(M().KS1->Image(), placed);
}

TEST_F(Dorvane, ClicksOnTheBarStartReverseAndStop) {
    Start({});
    M().TruckBtn1Click();
    ClickBar(Qt::LeftButton);
    EXPECT_TRUE(M().Running());
    EXPECT_FALSE(M().RueckImage->isHidden());
    EXPECT_TRUE(M().StopImage->isHidden());

    ClickBar(Qt::RightButton);
    EXPECT_EQ(M().Truck1.Speed, 1.0f);
    EXPECT_FALSE(M().VorImage->isHidden());
    EXPECT_TRUE(M().RueckImage->isHidden());
    M().Timer1Timer();
    EXPECT_GT(M().Truck1.CabY, 25.0f);

    ClickBar(Qt::LeftButton);
    EXPECT_FALSE(M().Running());
    EXPECT_FALSE(M().StopImage->isHidden());
    EXPECT_TRUE(M().VorImage->isHidden());
    // The menu is not updated by clicks on the bar.
    EXPECT_TRUE(M().Start1->isEnabled());
    EXPECT_TRUE(M().Stop1->isEnabled());
}

TEST_F(Dorvane, ClickBeforeAnyPlacementStartsFromTheOrigin) {
    Start({});
    ClickBar(Qt::LeftButton);
    EXPECT_TRUE(M().Running());
    EXPECT_FALSE(M().RueckImage->isHidden());
}

TEST_F(Dorvane, FuzzyTruckSetzenStartsTheRunAtOnce) {
    Start({TruckFuz});
    M().TruckBtn1Click();
    EXPECT_TRUE(M().Running());
    EXPECT_FALSE(M().Start1->isEnabled());
    EXPECT_TRUE(M().Stop1->isEnabled());
    EXPECT_TRUE(M().StopImage->isHidden());
    EXPECT_FALSE(M().ProgressBar->isVisible());
    EXPECT_EQ(M().Truck1.Speed, -10.0f);
}

TEST_F(Dorvane, ArrivalStopsTheTimerAndStartGoesOnForOneTick) {
    Start({TruckFuz});
    M().TruckBtn1Click();
    int ticks = 0;
    while (M().Running() && ticks < 1000) {
        M().Timer1Timer();
        ++ticks;
    }
    EXPECT_FALSE(M().Running());
    EXPECT_LE(M().Truck1.RearY, -25.0f);
    EXPECT_LT(std::fabs(M().SingEdit1->Number()), 0.1f);
    EXPECT_LT(std::fabs(M().SingEdit2->Number()), 1.0f);
    EXPECT_TRUE(M().Start1->isEnabled());
    EXPECT_FALSE(M().Stop1->isEnabled());

    const float y = M().Truck1.RearY;
    M().Start1Click();
    EXPECT_TRUE(M().Running());
    M().Timer1Timer();
    EXPECT_FALSE(M().Running());
    EXPECT_LT(M().Truck1.RearY, y);
}

TEST_F(Dorvane, TheWindowRunsTheSameStepsAsTheSimulation) {
    Start({TruckFuz});
    ConfirmStartValues(QStringLiteral("-16"), QStringLiteral("-20"), false);
    M().TruckBtn1Click();
    const dorvane::RunResult sim =
        dorvane::RunFuzzy(M().Regler(), {-16.0f, -20.0f}, M().StartGeschwindigkeit, dorvane::DefaultMaxSteps);
    int ticks = 0;
    while (M().Running() && ticks < 1000) {
        M().Timer1Timer();
        ++ticks;
    }
    EXPECT_EQ(ticks, sim.Steps);
    EXPECT_EQ(M().Truck1.RearX, sim.X);
}

TEST_F(Dorvane, FuzzyModeWithoutProjectDrivesStraight) {
    Start({});
    M().Betriebsart1Click();
    M().TruckBtn1Click();
    const float heading = M().Truck1.Heading();
    for (int i = 0; i < 10; ++i) M().Timer1Timer();
    // No terms: the output's fallback, 0 degrees, keeps the body's direction.
    EXPECT_EQ(M().Truck1.Steering, 0.0f);
    EXPECT_NEAR(M().Truck1.Heading(), heading, 1e-5f);
    EXPECT_LT(M().Truck1.CabY, 24.5f);
}

TEST_F(Dorvane, SwitchingModesTogglesBarAndLabel) {
    Start({TruckFuz});
    M().Betriebsart1Click();
    EXPECT_TRUE(M().Handbetrieb);
    EXPECT_EQ(M().BetriebLbl->text(), QStringLiteral("Handsteuerung"));
    EXPECT_TRUE(M().ProgressBar->isVisible());
    ClickBar(Qt::LeftButton);
    M().Betriebsart1Click();
    EXPECT_TRUE(M().RueckImage->isHidden());
    EXPECT_TRUE(M().Running());  // the timer is not touched
}

TEST_F(Dorvane, RulesBeforeAnyProjectWarn) {
    Start({});
    M().Regelneditieren1Click();
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().kind, MessageKind::Warning);
    EXPECT_EQ(messages.Last().text, QStringLiteral("Eingang A und/oder Ausgang (noch) nicht definiert!"));
}

TEST_F(Dorvane, EditedRulesTakeEffectOnlyAfterOk) {
    Start({TruckFuz});
    M().TruckBtn1Click();
    const fuzzy::RuleTable before = M().Regeln;
    TRegEditForm& editor = *program->RegEditForm;
    TMainForm& m = M();
    float steeringWhileOpen = 0.0f;
    auto allLeft = [&editor] {
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 5; ++c) editor.EditRegeln.Set(r, c, 5);
    };

    WhenModal([&](QWidget*) {
        allLeft();
        editor.CancelBtn->click();
    });
    m.Regelneditieren1Click();
    EXPECT_EQ(m.Regeln, before);

    WhenModal([&](QWidget*) {
        allLeft();
        m.Timer1Timer();  // a tick while the editor is open
        steeringWhileOpen = m.Truck1.Steering;
        editor.OKBtn->click();
    });
    m.Regelneditieren1Click();
    EXPECT_EQ(m.Regeln.Get(3, 3), 5);
    EXPECT_LT(steeringWhileOpen * 180.0f / static_cast<float>(M_PI), 80.0f);
    m.Timer1Timer();
    EXPECT_NEAR(m.Truck1.Steering * 180.0 / M_PI, 85.0, 1e-3);
}

TEST_F(Dorvane, DiagramsBeforeAnyProjectOpen) {
    Start({});
    bool opened = false;
    WhenModal([&](QWidget* w) {
        opened = w == program->Graphform.get();
        program->Graphform->accept();
    });
    M().Fuzzymengenzeigen1Click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(Dorvane, OpenLoadsWithoutChangingTheMode) {
    Start({});
    M().OpenDialog1 = [] { return OneInputFuz; };
    M().ffnen1Click();
    EXPECT_EQ(M().windowTitle(), QStringLiteral("Dorvane [") + OneInputFuz + QLatin1Char(']'));
    EXPECT_TRUE(M().Betriebsart1->isEnabled());
    EXPECT_TRUE(M().Handbetrieb);
    EXPECT_FALSE(M().EingangB.Defined);

    M().OpenDialog1 = [] { return QString(); };  // cancelled
    M().ffnen1Click();
    EXPECT_EQ(M().windowTitle(), QStringLiteral("Dorvane [") + OneInputFuz + QLatin1Char(']'));
}

TEST_F(Dorvane, OpenDialogSpeaksGermanAndCancellingChangesNothing) {
    Start({});
    QString title, accept, reject, fileName;
    WhenModal([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        title = d->windowTitle();
        accept = d->labelText(QFileDialog::Accept);
        reject = d->labelText(QFileDialog::Reject);
        fileName = d->labelText(QFileDialog::FileName);
        d->reject();
    });
    M().ffnen1->trigger();
    EXPECT_EQ(title, QStringLiteral("\u00D6ffnen"));
    EXPECT_EQ(accept, QStringLiteral("\u00D6&ffnen"));
    EXPECT_EQ(reject, QStringLiteral("Abbrechen"));
    EXPECT_EQ(fileName, QStringLiteral("Datei&name:"));
    EXPECT_EQ(M().windowTitle(), QStringLiteral("Dorvane 1.3"));
    EXPECT_FALSE(M().Betriebsart1->isEnabled());
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(Dorvane, OpeningAMissingFileChangesNothing) {
    Start({TruckFuz});
    const QString caption = M().windowTitle();
    M().OpenDialog1 = [] { return Missing; };
    EXPECT_THROW(M().ffnen1Click(), fuzzy::EInOutError);
    EXPECT_EQ(M().windowTitle(), caption);
    EXPECT_TRUE(M().AusgangKopie.Defined);
    EXPECT_EQ(messages.Last().text, ReadFailed);
}

TEST_F(Dorvane, OpeningAMissingFileFromTheMenuReportsTheIoError) {
    Start({});
    M().OpenDialog1 = [] { return Missing; };
    M().ffnen1->trigger();
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_EQ(messages.Messages()[0].text, ReadFailed);
    EXPECT_EQ(messages.Messages()[1].kind, MessageKind::Error);
    EXPECT_EQ(messages.Messages()[1].title, QStringLiteral("Dorvane"));
    EXPECT_EQ(messages.Messages()[1].text, QStringLiteral("E/A-Fehler 103."));
    EXPECT_EQ(M().windowTitle(), QStringLiteral("Dorvane 1.3"));
    EXPECT_FALSE(M().Betriebsart1->isEnabled());
}

TEST_F(Dorvane, TargetLineIsDrawnDownTheWholePlot) {
    Start({});
    M().Handbetrieb = true;
    M().TruckBtn1Click();
    M().KS1->Refresh();
    const QImage road = M().KS1->Image().copy();
    M().Linie();
    M().KS1->Setx(0.0f);
    const int column = M().KS1->xint();
    const QImage& drawn = M().KS1->Image();
    int changedTop = 0, changedBottom = 0;
    for (int row = 0; row < 30; ++row) changedTop += drawn.pixel(column, row) != road.pixel(column, row);
    for (int row = drawn.height() - 30; row < drawn.height(); ++row)
        changedBottom += drawn.pixel(column, row) != road.pixel(column, row);
    EXPECT_GT(changedTop, 0);
    EXPECT_GT(changedBottom, 0);
    // Drawn with exclusive-or, and the pen comes back as it was.
    EXPECT_EQ(M().KS1->Canvas().penWidth(), 20);
    M().Linie();
    EXPECT_EQ(M().KS1->Image(), road);
}

// The truck is drawn yellow and the target line red by exclusive-or onto the
// road; on a light grey road they came out slate blue and faint teal.
TEST_F(Dorvane, TruckShowsYellowAndTargetLineRedOnTheRoad) {
    Start({});
    ConfirmStartValues(QStringLiteral("-10"), QStringLiteral("0"), false);
    M().TruckBtn1Click();
    TKoordinatensystem& ks = *M().KS1;
    const QImage& drawn = ks.Image();
    const auto at = [&ks, &drawn](float x, float y) {
        ks.Setx(x);
        ks.Sety(y);
        return QColor(drawn.pixel(ks.xint(), ks.yint()));
    };
    const auto yellowish = [](const QColor& c) {
        return c.red() >= 160 && c.green() >= 160 && c.blue() <= 100 && std::abs(c.red() - c.green()) <= 40;
    };
    const auto reddish = [](const QColor& c) { return c.red() >= 160 && c.green() <= 100 && c.blue() <= 100; };
    // The body runs from (-10, 15) to the cab at (-10, 25); where the cab
    // stroke overlaps it the two strokes cancel out.
    for (const float y : {16.0f, 18.0f, 20.0f, 22.0f}) {
        const QColor c = at(-10.0f, y);
        EXPECT_TRUE(yellowish(c)) << "truck at y " << y << ": " << c.name().toStdString();
    }
    // The dashed line at x = 0 over the asphalt (below it lies the red bar):
    // every pixel of it that differs from the road.
    ks.Setx(0.0f);
    const int column = ks.xint();
    ks.Sety(24.0f);
    const int top = ks.yint();
    ks.Sety(-24.0f);
    const int bottom = ks.yint();
    const QImage road = [&] {
        M().Linie();  // erase it
        QImage r = drawn.copy();
        M().Linie();
        return r;
    }();
    int red = 0;
    for (int row = top; row <= bottom; ++row) {
        if (drawn.pixel(column, row) == road.pixel(column, row)) continue;
        const QColor c(drawn.pixel(column, row));
        EXPECT_TRUE(reddish(c)) << "line at row " << row << ": " << c.name().toStdString();
        ++red;
    }
    EXPECT_GT(red, (bottom - top) / 3);
}

TEST_F(Dorvane, HelpOpensAtContentsAndTheEditorsHelpAtItsTopic) {
    Start({TruckFuz});
    dorvane::THelpForm& help = *program->HelpForm;
    M().Hilfe2Click();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.Browser->source(), dorvane::THelpForm::PageFor(0));
    EXPECT_TRUE(help.Browser->toPlainText().contains(QStringLiteral("Themen")));
    help.close();

    TRegEditForm& editor = *program->RegEditForm;
    QUrl shown;
    WhenModal([&](QWidget*) {
        WhenModal([&](QWidget* top) {
            shown = help.Browser->source();
            EXPECT_EQ(top, &help);
            help.close();
            editor.CancelBtn->click();
        });
        editor.HelpBtn->click();
    });
    M().Regelneditieren1Click();
    EXPECT_EQ(shown, dorvane::THelpForm::PageFor(2));
    EXPECT_TRUE(help.Browser->toPlainText().contains(QStringLiteral("Regeleditor")));
}

TEST_F(Dorvane, ClosingTheMainWindowEndsTheProgramWithTheHelpOpen) {
    Start({});
    bool helpShown = false;
    QTimer::singleShot(0, [&] {
        M().Hilfe2Click();
        helpShown = program->HelpForm->isVisible();
        M().Beenden1Click();
    });
    // Should the program not end, the loop is left from here and the test fails.
    bool stillRunning = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&stillRunning] {
        stillRunning = true;
        QCoreApplication::quit();
    });
    guard.start(5000);
    QCoreApplication::exec();
    EXPECT_TRUE(helpShown);
    EXPECT_FALSE(stillRunning);
}

}  // namespace
