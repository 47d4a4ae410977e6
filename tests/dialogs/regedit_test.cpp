#include "dialogs/RegEdit.h"

#include "tests/dialogs/DialogTest.h"
#include "tests/support/MessageRecorder.h"
#include "dialogs/RuleGrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

using dialogtest::MakeVariable;
using testsupport::MessageRecorder;
using widgets::MessageAnswer;
using widgets::MessageKind;

const QString NoTermWarning = QStringLiteral("Wählen Sie zunächst einen Ausgangsterm!");

struct Project {
    fuzzy::TFuzzy a = MakeVariable(
        "Abstand", -10, 10, {{"negativ", -10, -10, -5, 0, 1}, {"null", -5, 0, 0, 5, 1}, {"positiv", 0, 5, 10, 10, 1}});
    fuzzy::TFuzzy b =
        MakeVariable("Winkel", -90, 90,
                     {{"links", -90, -90, -45, 0, 1}, {"gerade", -45, 0, 0, 45, 1}, {"rechts", 0, 45, 90, 90, 1}});
    fuzzy::TFuzzy out = MakeVariable("Lenkung", -30, 30,
                                     {{"scharf links", -30, -30, -20, -10, 1},
                                      {"links", -20, -10, -10, 0, 1},
                                      {"geradeaus", -10, 0, 0, 10, 1},
                                      {"rechts", 0, 10, 10, 20, 1},
                                      {"scharf rechts", 10, 20, 30, 30, 1}});
    fuzzy::RuleTable rules;

    Project() {
        for (int j = 1; j <= 3; ++j)
            for (int i = 1; i <= 3; ++i) rules.Set(j, i, j + i - 1);  // [j,i] = j + i - 1: 1..5
        rules.Set(5, 5, 4);                                           // outside the shown rectangle
        rules.Set(1, 4, 2);
    }
};

// The editor as a caller prepares it, shown (not modally) so that mouse and
// keyboard reach it.
struct Editor {
    Project project;
    std::unique_ptr<TRegEditForm> form;

    explicit Editor(bool help = true) : form(std::make_unique<TRegEditForm>(help)) {}

    void Open() {
        form->EditEingangA.Assign(project.a);
        form->EditEingangB.Assign(project.b);
        form->EditAusgang.Assign(project.out);
        form->EditRegeln = project.rules;
        form->show();
        QApplication::setActiveWindow(form.get());
    }
    void Reopen() {
        form->hide();
        form->show();
    }
    QString Cell(int column, int row) const { return form->StringGrid1->item(row, column)->text(); }
    QPoint CellPos(int column, int row) const {
        return form->StringGrid1->visualItemRect(form->StringGrid1->item(row, column)).center();
    }
    void ClickCell(int column, int row) {
        QTest::mouseClick(form->StringGrid1->viewport(), Qt::LeftButton, Qt::NoModifier, CellPos(column, row));
    }
    void ChooseTerm(int k) {
        QListWidget* list = form->ListBox1;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(k - 1)).center());
    }
    void Key(Qt::Key key) { QTest::keyClick(form->StringGrid1, key); }
};

void OneInputChecks(Editor& e);

// --- what activation shows ------------------------------------------------------

TEST(RegEditActivate, ShowsNamesTermsAndTheRuleRectangle) {
    Editor e;
    e.Open();
    EXPECT_EQ(e.form->Label3->text(), QStringLiteral("Lenkung"));
    EXPECT_EQ(e.form->Label4->text(), QStringLiteral("Winkel"));
    EXPECT_EQ(e.form->Label5->text(), QStringLiteral("Abstand"));
    ASSERT_EQ(e.form->ListBox1->count(), 5);
    EXPECT_EQ(e.form->ListBox1->item(0)->text(), QStringLiteral("scharf links"));
    EXPECT_EQ(e.form->ListBox1->item(4)->text(), QStringLiteral("scharf rechts"));
    EXPECT_TRUE(e.form->ListBox1->selectedItems().isEmpty());

    EXPECT_EQ(e.Cell(0, 0), QString());
    // Header column: A's terms down the side; header row: B's across the top.
    EXPECT_EQ(e.Cell(0, 1), QStringLiteral("NE"));
    EXPECT_EQ(e.Cell(0, 3), QStringLiteral("PO"));
    EXPECT_EQ(e.Cell(1, 0), QStringLiteral("LI"));
    EXPECT_EQ(e.Cell(3, 0), QStringLiteral("RE"));
    EXPECT_EQ(e.Cell(0, 4), QString());
    // Cell (column j, row i) shows entry [j, i] = j + i - 1.
    EXPECT_EQ(e.Cell(1, 1), QStringLiteral("SL"));  // 1
    EXPECT_EQ(e.Cell(2, 1), QStringLiteral("LI"));  // 2
    EXPECT_EQ(e.Cell(1, 3), QStringLiteral("GE"));  // 3
    EXPECT_EQ(e.Cell(3, 2), QStringLiteral("RE"));  // 4
    EXPECT_EQ(e.Cell(3, 3), QStringLiteral("SR"));  // 5
    // Entries outside the defined terms stay unseen.
    EXPECT_EQ(e.Cell(5, 5), QString());
    EXPECT_EQ(e.Cell(4, 1), QString());
    EXPECT_EQ(e.Cell(1, 4), QString());
    EXPECT_EQ(e.form->focusWidget(), e.form->OKBtn);
    EXPECT_TRUE(e.form->OKBtn->isDefault());
}

TEST(RegEditActivate, EntriesWithoutAnOutputTermShowNothing) {
    struct Row {
        const char* name;
        int entry;
        const char* shown;
    };
    // The output has three terms here, but slot 4 still holds the
    // abbreviation of an earlier term, slot 5 none.
    const Row rows[] = {{"NoRule", 0, ""},
                        {"FirstTerm", 1, "SL"},
                        {"LastTerm", 3, "GE"},
                        {"LeftOverBeyondTermCount", 4, "RE"},
                        {"EmptyBeyondTermCount", 5, ""},
                        {"Negative", -3, ""},
                        {"AboveFive", 6, ""},
                        {"Huge", 2147483647, ""},
                        {"Lowest", -2147483647 - 1, ""}};
    Editor e;
    e.project.out.TermCount = 3;
    e.project.out.SetTermName(5, "");
    for (const Row& r : rows) {
        e.project.rules.Set(2, 2, r.entry);
        e.Open();
        EXPECT_EQ(e.Cell(2, 2).toStdString(), r.shown) << r.name;
        EXPECT_EQ(e.form->EditRegeln.Get(2, 2), r.entry) << r.name;
        e.form->hide();
    }
}

TEST(RegEditActivate, OneInputProject) {
    struct Row {
        const char* name;
        bool staleTerms;  // B undefined but still holding terms of an earlier project
    };
    for (const Row& r : {Row{"EmptyInputB", false}, Row{"UndefinedInputBWithStaleTerms", true}}) {
        SCOPED_TRACE(r.name);
        Editor e;
        if (r.staleTerms)
            e.project.b.Defined = false;
        else
            e.project.b = fuzzy::TFuzzy();
        OneInputChecks(e);
    }
}

void OneInputChecks(Editor& e) {
    e.Open();
    EXPECT_EQ(e.form->Label4->text(), QString());
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(e.Cell(j, 0), QString()) << "header " << j;
    // Only column 1 shows rules: [1, i] for A's term i.
    EXPECT_EQ(e.Cell(1, 1), QStringLiteral("SL"));
    EXPECT_EQ(e.Cell(1, 2), QStringLiteral("LI"));
    EXPECT_EQ(e.Cell(1, 3), QStringLiteral("GE"));
    EXPECT_EQ(e.Cell(2, 1), QString());
    EXPECT_EQ(e.Cell(3, 3), QString());

    // A cell of column 3 still takes the term, into entry [3, i] ...
    e.ChooseTerm(4);
    e.ClickCell(3, 2);
    EXPECT_EQ(e.Cell(3, 2), QStringLiteral("RE"));
    EXPECT_EQ(e.form->EditRegeln.Get(3, 2), 4);
    // ... which the next activation does not show.
    e.Reopen();
    EXPECT_EQ(e.Cell(3, 2), QString());
    EXPECT_EQ(e.form->EditRegeln.Get(3, 2), 4);
}

// --- assigning with clicks and keys ---------------------------------------------

TEST(RegEditClick, WithoutAChosenTermWarnsAndChangesNothing) {
    MessageRecorder rec;
    Editor e;
    e.Open();
    const fuzzy::RuleTable before = e.form->EditRegeln;
    e.ClickCell(2, 2);
    ASSERT_EQ(rec.Count(), 1);
    EXPECT_EQ(rec.Last().kind, MessageKind::Warning);
    EXPECT_EQ(rec.Last().title, QStringLiteral("Warnung"));
    EXPECT_EQ(rec.Last().text, NoTermWarning);
    EXPECT_EQ(e.form->EditRegeln, before);
    EXPECT_EQ(e.Cell(2, 2), QStringLiteral("GE"));
}

TEST(RegEditClick, ChosenTermGoesIntoTheClickedCell) {
    MessageRecorder rec;
    Editor e;
    e.Open();
    e.ChooseTerm(5);
    EXPECT_EQ(e.form->AusgangsTerm, 5);
    e.ClickCell(1, 1);
    EXPECT_EQ(e.Cell(1, 1), QStringLiteral("SR"));
    EXPECT_EQ(e.form->EditRegeln.Get(1, 1), 5);
    // Beyond the terms of both inputs as well.
    e.ClickCell(5, 4);
    EXPECT_EQ(e.Cell(5, 4), QStringLiteral("SR"));
    EXPECT_EQ(e.form->EditRegeln.Get(5, 4), 5);
    // The cell already selected, clicked again, takes a newly chosen term.
    e.ChooseTerm(2);
    e.ClickCell(5, 4);
    EXPECT_EQ(e.form->EditRegeln.Get(5, 4), 2);
    EXPECT_EQ(rec.Count(), 0);
}

TEST(RegEditClick, HeaderCellsTakeNothing) {
    MessageRecorder rec;
    Editor e;
    e.Open();
    e.ChooseTerm(1);
    const fuzzy::RuleTable before = e.form->EditRegeln;
    e.ClickCell(0, 2);
    e.ClickCell(2, 0);
    e.ClickCell(0, 0);
    EXPECT_EQ(e.form->EditRegeln, before);
    EXPECT_EQ(e.Cell(0, 2), QStringLiteral("NU"));
    EXPECT_EQ(e.Cell(2, 0), QStringLiteral("GE"));
    EXPECT_EQ(rec.Count(), 0);
    EXPECT_GE(e.form->StringGrid1->currentRow(), 1);
    EXPECT_GE(e.form->StringGrid1->currentColumn(), 1);
}

TEST(RegEditClick, OtherButtonsSelectNothing) {
    MessageRecorder rec;
    Editor e;
    e.Open();
    e.ChooseTerm(1);
    e.ClickCell(2, 2);
    const fuzzy::RuleTable before = e.form->EditRegeln;
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
        QTest::mouseClick(e.form->StringGrid1->viewport(), button, Qt::NoModifier, e.CellPos(4, 3));
    EXPECT_EQ(e.form->EditRegeln, before);
    EXPECT_EQ(e.form->StringGrid1->currentColumn(), 2);
    EXPECT_EQ(e.form->StringGrid1->currentRow(), 2);
    // The next key moves on from the cell the left button chose.
    e.form->StringGrid1->setFocus();
    e.Key(Qt::Key_Down);
    EXPECT_EQ(e.form->EditRegeln.Get(2, 3), 1);
    EXPECT_EQ(e.form->EditRegeln.Get(4, 4), before.Get(4, 4));
    EXPECT_EQ(rec.Count(), 0);
}

TEST(RegEditKeys, EveryCellPassedTakesTheChosenTerm) {
    MessageRecorder rec;
    Editor e;
    e.Open();
    e.ClickCell(1, 1);  // warns: no term chosen yet, selects (1, 1)
    ASSERT_EQ(rec.Count(), 1);
    e.ChooseTerm(3);
    e.form->StringGrid1->setFocus();
    e.Key(Qt::Key_Right);
    e.Key(Qt::Key_Right);
    e.Key(Qt::Key_Down);
    e.Key(Qt::Key_Tab);
    EXPECT_EQ(e.form->EditRegeln.Get(2, 1), 3);
    EXPECT_EQ(e.form->EditRegeln.Get(3, 1), 3);
    EXPECT_EQ(e.form->EditRegeln.Get(3, 2), 3);
    EXPECT_EQ(e.form->EditRegeln.Get(4, 2), 3);
    EXPECT_EQ(e.Cell(4, 2), QStringLiteral("GE"));
    // The starting cell was not passed by a key and keeps its rule.
    EXPECT_EQ(e.form->EditRegeln.Get(1, 1), 1);
    EXPECT_EQ(rec.Count(), 1);
}

TEST(RegEditKeys, TabWrapsAtBothEndsAndStaysInTheGrid) {
    struct Row {
        const char* name;
        int fromColumn, fromRow;
        Qt::Key key;
        int toColumn, toRow;
    };
    const Row rows[] = {{"TabAtEndOfRow", 5, 1, Qt::Key_Tab, 1, 2},
                        {"TabOnLastCell", 5, 5, Qt::Key_Tab, 1, 1},
                        {"BacktabOnFirstCell", 1, 1, Qt::Key_Backtab, 5, 5}};
    for (const Row& r : rows) {
        MessageRecorder rec;
        Editor e;
        e.Open();
        e.ChooseTerm(2);
        e.ClickCell(r.fromColumn, r.fromRow);
        e.form->StringGrid1->setFocus();
        e.Key(r.key);
        EXPECT_EQ(e.form->StringGrid1->currentColumn(), r.toColumn) << r.name;
        EXPECT_EQ(e.form->StringGrid1->currentRow(), r.toRow) << r.name;
        EXPECT_EQ(e.form->EditRegeln.Get(r.toColumn, r.toRow), 2) << r.name;
        EXPECT_EQ(e.Cell(r.toColumn, r.toRow), QStringLiteral("LI")) << r.name;
        // The list keeps its chosen term: the next key still moves in the grid.
        EXPECT_TRUE(e.form->StringGrid1->hasFocus()) << r.name;
        EXPECT_EQ(rec.Count(), 0) << r.name;
    }
}

TEST(RegEditKeys, MovingWithoutAChosenTermWarnsEachTime) {
    MessageRecorder rec;
    Editor e;
    e.Open();
    const fuzzy::RuleTable before = e.form->EditRegeln;
    e.form->StringGrid1->setFocus();
    e.Key(Qt::Key_Right);
    e.Key(Qt::Key_Down);
    EXPECT_EQ(rec.Count(), 2);
    EXPECT_EQ(rec.Last().text, NoTermWarning);
    EXPECT_EQ(e.form->EditRegeln, before);
}

TEST(RegEditDoubleClick, LeavesTheCellWithoutARule) {
    MessageRecorder rec;
    Editor e;
    e.Open();
    e.ChooseTerm(4);
    QWidget* vp = e.form->StringGrid1->viewport();
    const QPoint pos = e.CellPos(2, 3);
    QTest::mouseDClick(vp, Qt::LeftButton, Qt::NoModifier, pos);
    EXPECT_EQ(e.Cell(2, 3), QString());
    EXPECT_EQ(e.form->EditRegeln.Get(2, 3), 0);
    // A later single click assigns again.
    e.ClickCell(2, 3);
    EXPECT_EQ(e.form->EditRegeln.Get(2, 3), 4);
    // Without a chosen term a double click still deletes (after the warning of its first click).
    e.Reopen();
    QTest::mouseDClick(vp, Qt::LeftButton, Qt::NoModifier, e.CellPos(3, 3));
    EXPECT_EQ(e.form->EditRegeln.Get(3, 3), 0);
    EXPECT_EQ(e.Cell(3, 3), QString());
}

TEST(RegEditDoubleClick, FullMouseSequenceEndsEmpty) {
    // press, release (assigns), press, double click (deletes), release (nothing)
    MessageRecorder rec;
    Editor e;
    e.Open();
    e.ChooseTerm(1);
    QWidget* vp = e.form->StringGrid1->viewport();
    const QPoint pos = e.CellPos(1, 2);
    QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, pos);
    EXPECT_EQ(e.form->EditRegeln.Get(1, 2), 1);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pos), vp->mapToGlobal(QPointF(pos)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(pos), vp->mapToGlobal(QPointF(pos)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pos), vp->mapToGlobal(QPointF(pos)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &press);
    QApplication::sendEvent(vp, &dbl);
    QApplication::sendEvent(vp, &release);
    EXPECT_EQ(e.form->EditRegeln.Get(1, 2), 0);
    EXPECT_EQ(e.Cell(1, 2), QString());
}

// --- clearing, copying, help ------------------------------------------------------

TEST(RegEditNeu, AnsweredNoKeepsTheTable) {
    MessageRecorder rec;
    rec.Answer(MessageAnswer::No);
    Editor e;
    e.Open();
    const fuzzy::RuleTable before = e.form->EditRegeln;
    e.form->Neu1->click();
    ASSERT_EQ(rec.Count(), 1);
    EXPECT_EQ(rec.Last().kind, MessageKind::Confirmation);
    EXPECT_EQ(rec.Last().title, QStringLiteral("Bestätigung"));
    EXPECT_EQ(rec.Last().text, QStringLiteral("Sollen die Regeln wirklich gelöscht werden?"));
    EXPECT_EQ(e.form->EditRegeln, before);
    EXPECT_EQ(e.Cell(1, 1), QStringLiteral("SL"));
}

TEST(RegEditNeu, AnsweredYesClearsAll25AndKeepsHeadersAndList) {
    MessageRecorder rec;
    rec.Answer(MessageAnswer::Yes);
    Editor e;
    e.Open();
    e.ChooseTerm(2);
    e.form->Neu1->click();
    EXPECT_EQ(e.form->EditRegeln, fuzzy::RuleTable{});
    for (int j = 1; j <= 5; ++j)
        for (int i = 1; i <= 5; ++i) EXPECT_EQ(e.Cell(j, i), QString()) << j << "," << i;
    EXPECT_EQ(e.Cell(0, 1), QStringLiteral("NE"));
    EXPECT_EQ(e.Cell(1, 0), QStringLiteral("LI"));
    EXPECT_EQ(e.form->ListBox1->count(), 5);
    ASSERT_EQ(e.form->ListBox1->selectedItems().size(), 1);
    EXPECT_EQ(e.form->ListBox1->row(e.form->ListBox1->selectedItems().first()), 1);
    EXPECT_EQ(e.form->AusgangsTerm, 2);
}

TEST(RegEditNeu, RealBoxClosingDoesNotActivateAgain) {
    // The dialog's own message box must not count as a new showing, which
    // would drop the list's selection.
    Editor e;
    e.Open();
    e.ChooseTerm(3);
    QString title;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("&Ja")) b->click();
    });
    e.form->Neu1->click();
    EXPECT_EQ(title, QStringLiteral("Bestätigung"));
    EXPECT_EQ(e.form->EditRegeln, fuzzy::RuleTable{});
    EXPECT_EQ(e.form->ListBox1->selectedItems().size(), 1);
    e.ClickCell(2, 2);
    EXPECT_EQ(e.form->EditRegeln.Get(2, 2), 3);
}

TEST(RegEditKopieren, ClipboardHoldsAPictureOfTheClientArea) {
    Editor e;
    e.Open();
    QGuiApplication::clipboard()->clear();
    e.form->Kopieren->click();
    const QPixmap picture = QGuiApplication::clipboard()->pixmap();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(566, 288));
    // The picture is the dialog as it looks: compare with a fresh grab.
    EXPECT_EQ(picture.toImage().convertToFormat(QImage::Format_RGB32),
              e.form->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST(RegEditHelp, HelpOpensContextTwoAndTheDialogStaysOpen) {
    Editor e;
    int context = 0;
    int calls = 0;
    e.form->setHelpHandler([&](int c) {
        context = c;
        ++calls;
    });
    e.Open();
    e.form->HelpBtn->click();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(context, 2);
    EXPECT_TRUE(e.form->isVisible());
}

// --- the caller's round trip ------------------------------------------------------

struct CloseCase {
    const char* name;
    int how;  // 0 OK button, 1 Enter, 2 Abbrechen button, 3 Escape, 4 close box, 5 Enter on Abbrechen
    bool accepted;
};

class RegEditExecute : public ::testing::TestWithParam<CloseCase> {};

TEST_P(RegEditExecute, CallerTableChangesOnlyOnOk) {
    MessageRecorder rec;
    Project p;
    fuzzy::RuleTable callers = p.rules;
    TRegEditForm form(true);
    const int how = GetParam().how;
    QTimer::singleShot(0, [&] {
        QListWidget* list = form.ListBox1;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(4)).center());
        QTest::mouseClick(form.StringGrid1->viewport(), Qt::LeftButton, Qt::NoModifier,
                          form.StringGrid1->visualItemRect(form.StringGrid1->item(1, 2)).center());
        switch (how) {
        case 0: form.OKBtn->click(); break;
        case 1: QTest::keyClick(&form, Qt::Key_Return); break;
        case 2: form.CancelBtn->click(); break;
        case 3: QTest::keyClick(&form, Qt::Key_Escape); break;
        case 5:
            form.CancelBtn->setFocus();
            QTest::keyClick(form.CancelBtn, Qt::Key_Return);
            break;
        default: form.close(); break;
        }
    });
    const bool accepted = form.Execute(p.a, p.b, p.out, callers);
    EXPECT_EQ(accepted, GetParam().accepted);
    // The dialog's working copy changed in either case.
    EXPECT_EQ(form.EditRegeln.Get(2, 1), 5);
    if (GetParam().accepted) {
        fuzzy::RuleTable expected = p.rules;
        expected.Set(2, 1, 5);
        EXPECT_EQ(callers, expected);  // all 25 entries, the unseen ones included
        EXPECT_EQ(callers.Get(5, 5), 4);
    } else {
        EXPECT_EQ(callers, p.rules);
    }
    EXPECT_EQ(rec.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Closing, RegEditExecute,
                         ::testing::Values(CloseCase{"OkButton", 0, true}, CloseCase{"EnterKey", 1, true},
                                           CloseCase{"CancelButton", 2, false}, CloseCase{"EscapeKey", 3, false},
                                           CloseCase{"CloseBox", 4, false},
                                           CloseCase{"EnterOnFocusedCancelButton", 5, false}),
                         [](const ::testing::TestParamInfo<CloseCase>& row) { return std::string(row.param.name); });

TEST(RegEditExecuteAgain, ChosenTermIsNotInForceWhenOpenedAgain) {
    MessageRecorder rec;
    Editor e;
    e.Open();
    e.ChooseTerm(2);
    e.Reopen();
    EXPECT_EQ(e.form->AusgangsTerm, 2);
    EXPECT_TRUE(e.form->ListBox1->selectedItems().isEmpty());
    const fuzzy::RuleTable before = e.form->EditRegeln;
    e.ClickCell(3, 3);
    ASSERT_EQ(rec.Count(), 1);
    EXPECT_EQ(rec.Last().text, NoTermWarning);
    EXPECT_EQ(e.form->EditRegeln, before);
}

// --- layout ---------------------------------------------------------------------

TEST(RegEditLayout, PositionsOfBothVariants) {
    struct Row {
        const char* name;
        bool help;
        QPoint ok, cancel;
    };
    const Row rows[] = {{"Dorvane", true, {304, 244}, {388, 244}}, {"Pemrak", false, {352, 244}, {436, 244}}};
    for (const Row& r : rows) {
        Editor e(r.help);
        e.Open();
        TRegEditForm& f = *e.form;
        EXPECT_EQ(f.size(), QSize(566, 288)) << r.name;
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Regeln editieren"));
        EXPECT_EQ(f.StringGrid1->geometry(), QRect(40, 56, 307, 151)) << r.name;
        EXPECT_EQ(f.ListBox1->geometry(), QRect(408, 80, 105, 129)) << r.name;
        EXPECT_EQ(f.Neu1->geometry(), QRect(40, 244, 81, 27)) << r.name;
        EXPECT_EQ(f.Kopieren->geometry(), QRect(128, 244, 81, 27)) << r.name;
        EXPECT_EQ(f.OKBtn->geometry(), QRect(r.ok, QSize(77, 27))) << r.name;
        EXPECT_EQ(f.CancelBtn->geometry(), QRect(r.cancel, QSize(77, 27))) << r.name;
        EXPECT_EQ(f.HelpBtn->isVisible(), r.help) << r.name;
        EXPECT_EQ(f.Label3->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        EXPECT_EQ(f.Neu1->toolTip(), QStringLiteral("gesamte Regeltabelle löschen"));
        EXPECT_EQ(f.Kopieren->toolTip(), QStringLiteral("Dieses Fenster in die Zwischenablage kopieren"));
        EXPECT_FALSE(f.Neu1->icon().isNull());
        EXPECT_FALSE(f.Kopieren->icon().isNull());
        // Six rows of 24 and six columns of 50 pixels plus the lines between them.
        EXPECT_EQ(f.StringGrid1->visualItemRect(f.StringGrid1->item(5, 5)).bottomRight(), QPoint(304, 148));
        e.ChooseTerm(1);
        EXPECT_EQ(f.ListBox1->visualItemRect(f.ListBox1->item(1)).height(), 13);
        dialogtest::SaveShot(f, QStringLiteral("regedit_") + QString::fromUtf8(r.name));
    }
}

}  // namespace
