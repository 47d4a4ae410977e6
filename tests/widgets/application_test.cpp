#include "widgets/Application.h"
#include "widgets/MessageBoxes.h"
#include "tests/support/MessageRecorder.h"

#include "fuzzy/Errors.h"
#include "fuzzy/Messages.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// The toolkit's own frames between a handler and notify() do not release
// their temporaries when an exception passes them. That is the price of the
// default error handling, not a leak of ours; keep it out of the leak report.
class IgnoreToolkitLeaks {
public:
#if defined(__SANITIZE_ADDRESS__)
    IgnoreToolkitLeaks() { __lsan_disable(); }
    ~IgnoreToolkitLeaks() { __lsan_enable(); }
#else
    IgnoreToolkitLeaks() {}
    ~IgnoreToolkitLeaks() {}
#endif
    IgnoreToolkitLeaks(const IgnoreToolkitLeaks&) = delete;
    IgnoreToolkitLeaks& operator=(const IgnoreToolkitLeaks&) = delete;
};

}  // namespace

namespace {

using testsupport::MessageRecorder;
using widgets::MessageAnswer;
using widgets::MessageKind;

TEST(MessageBoxes, TitlesByKind) {
    MessageRecorder rec;
    widgets::WarningBox(QStringLiteral("w"));
    widgets::ErrorBox(QStringLiteral("e"));
    rec.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(widgets::ConfirmBox(QStringLiteral("c")));
    ASSERT_EQ(rec.Count(), 3);
    EXPECT_EQ(rec.Messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(rec.Messages()[0].title, QStringLiteral("Warnung"));
    EXPECT_EQ(rec.Messages()[1].kind, MessageKind::Error);
    EXPECT_EQ(rec.Messages()[1].title, QStringLiteral("Fehler"));
    EXPECT_EQ(rec.Messages()[2].kind, MessageKind::Confirmation);
    EXPECT_EQ(rec.Messages()[2].title, QStringLiteral("Bestätigung"));
    EXPECT_EQ(rec.Messages()[2].text, QStringLiteral("c"));
    // An unanswered confirmation is a no; a given title replaces the default.
    EXPECT_FALSE(widgets::ConfirmBox(QStringLiteral("Sicher?")));
    widgets::ShowMessage(MessageKind::Error, QStringLiteral("x"), QStringLiteral("Dorvane"));
    EXPECT_EQ(rec.Last().title, QStringLiteral("Dorvane"));
}

TEST(MessageBoxes, RecorderRestoresThePreviousHandler) {
    MessageRecorder outer;
    {
        MessageRecorder inner;
        widgets::WarningBox(QStringLiteral("innen"));
        EXPECT_EQ(inner.Count(), 1);
    }
    widgets::WarningBox(QStringLiteral("außen"));
    ASSERT_EQ(outer.Count(), 1);
    EXPECT_EQ(outer.Last().text, QStringLiteral("außen"));
}

TEST(MessageBoxes, EngineMessagesBecomeBoxes) {
    MessageRecorder rec;
    fuzzy::Messages().Warning("Termindex zu hoch");
    fuzzy::Messages().Error("Daten konnten nicht gelesen werden!");
    ASSERT_EQ(rec.Count(), 2);
    EXPECT_EQ(rec.Messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(rec.Messages()[0].text, QStringLiteral("Termindex zu hoch"));
    EXPECT_EQ(rec.Messages()[1].kind, MessageKind::Error);
    EXPECT_EQ(rec.Messages()[1].title, QStringLiteral("Fehler"));
}

TEST(MessageBoxesReal, ConfirmationHasJaAndNein) {
    struct Row {
        const char* name;
        const char* button;
        bool expected;
    };
    const Row rows[] = {{"Ja", "&Ja", true}, {"Nein", "&Nein", false}};
    for (const Row& r : rows) {
        QStringList buttons;
        QString title;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            for (QAbstractButton* b : box->buttons()) buttons << b->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QString::fromUtf8(r.button)) b->click();
        });
        EXPECT_EQ(widgets::ConfirmBox(QStringLiteral("Sollen die Regeln wirklich gelöscht werden?")), r.expected)
            << r.name;
        EXPECT_EQ(title, QStringLiteral("Bestätigung"));
        buttons.sort();
        EXPECT_EQ(buttons, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")})) << r.name;
    }
}

TEST(MessageBoxesReal, WarningHasOneOkButton) {
    QStringList buttons;
    QString title, text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        for (QAbstractButton* b : box->buttons()) buttons << b->text();
        box->buttons().first()->click();
    });
    widgets::WarningBox(QStringLiteral("Wählen Sie zunächst einen Ausgangsterm!"));
    EXPECT_EQ(title, QStringLiteral("Warnung"));
    EXPECT_EQ(text, QStringLiteral("Wählen Sie zunächst einen Ausgangsterm!"));
    EXPECT_EQ(buttons, QStringList{QStringLiteral("OK")});
}

// --- default error handling ---------------------------------------------------

TEST(DefaultErrorHandling, ExceptionFromAClickShowsAnErrorAndTheLoopGoesOn) {
    IgnoreToolkitLeaks ignore;
    MessageRecorder rec;
    auto* app = widgets::TApplication::Instance();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->Title(), QStringLiteral("Test"));

    QPushButton button(QStringLiteral("Los"));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        if (clicks == 1) throw fuzzy::EInOutError(103);
        if (clicks == 2) throw std::runtime_error("Division durch Null");
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(rec.Count(), 1);
    EXPECT_EQ(rec.Last().kind, MessageKind::Error);
    EXPECT_EQ(rec.Last().title, QStringLiteral("Test"));
    EXPECT_EQ(rec.Last().text, QStringLiteral("E/A-Fehler 103."));

    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(rec.Count(), 2);
    EXPECT_EQ(rec.Last().text, QStringLiteral("Division durch Null."));

    // The button still works normally afterwards.
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(rec.Count(), 2);
    EXPECT_FALSE(button.isDown());
}

TEST(DefaultErrorHandling, ExceptionFromAQueuedCall) {
    IgnoreToolkitLeaks ignore;
    MessageRecorder rec;
    QObject context;
    QMetaObject::invokeMethod(
        &context, [] { throw std::logic_error("kaputt"); }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    ASSERT_EQ(rec.Count(), 1);
    EXPECT_EQ(rec.Last().text, QStringLiteral("kaputt."));
}

TEST(DefaultErrorHandling, GuardedHandlerReportsWhereItEnds) {
    MessageRecorder rec;
    struct Form {
        int runs = 0;
        void StartClick() {
            ++runs;
            throw fuzzy::EInOutError(103);
        }
    } form;
    QPushButton button(QStringLiteral("Start"));
    QObject::connect(&button, &QPushButton::clicked, widgets::Guarded(&form, &Form::StartClick));
    QObject::connect(&button, &QPushButton::pressed, widgets::Guarded([] { throw 42; }));
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(form.runs, 1);
    ASSERT_EQ(rec.Count(), 2);
    EXPECT_EQ(rec.Messages()[0].text, QStringLiteral("Unbekannter Fehler."));
    EXPECT_EQ(rec.Messages()[1].title, QStringLiteral("Test"));
    EXPECT_EQ(rec.Messages()[1].text, QStringLiteral("E/A-Fehler 103."));
}

TEST(DefaultErrorHandling, ReportExceptionUsesTheTitle) {
    MessageRecorder rec;
    auto* app = widgets::TApplication::Instance();
    app->SetTitle(QStringLiteral("Pemrak"));
    widgets::TApplication::ReportException(std::runtime_error("Fenster fehlt"));
    app->SetTitle(QStringLiteral("Test"));
    widgets::TApplication::ReportException(std::runtime_error("Ende."));
    ASSERT_EQ(rec.Count(), 2);
    EXPECT_EQ(rec.Messages()[0].title, QStringLiteral("Pemrak"));
    EXPECT_EQ(rec.Messages()[0].text, QStringLiteral("Fenster fehlt."));
    EXPECT_EQ(rec.Messages()[1].text, QStringLiteral("Ende.")) << "no doubled full stop";
}

TEST(Toolkit, StandardDialogsSpeakGerman) {
    // The file-open dialog and the edit fields' menus are the toolkit's own;
    // a program in German must not show them in English.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
    EXPECT_NE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
}

}  // namespace
