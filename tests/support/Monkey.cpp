#include "tests/support/Monkey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QEventLoop>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace monkey {

namespace {

constexpr std::size_t RecentEvents = 25;
constexpr int FullReportsPerKind = 3;

std::int64_t NowMs() { return QDateTime::currentMSecsSinceEpoch(); }

template <class T>
T FromEnv(const char* name, T fallback) {
    const QByteArray v = qgetenv(name);
    if (v.isEmpty()) return fallback;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? static_cast<T>(d) : fallback;
}

std::string Str(const QString& s) { return s.toStdString(); }

std::vector<QWidget*> Reachable(QWidget* top) {
    std::vector<QWidget*> result;
    if (top->isVisible() && top->isEnabled()) result.push_back(top);
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0 && w->window() == top)
            result.push_back(w);
    }
    return result;
}

}  // namespace

Options FromEnvironment(Options defaults) {
    defaults.seed = FromEnv<std::uint64_t>("MONKEY_SEED", defaults.seed);
    defaults.maxEvents = FromEnv<long>("MONKEY_EVENTS", defaults.maxEvents);
    defaults.maxSeconds = FromEnv<double>("MONKEY_SECONDS", defaults.maxSeconds);
    return defaults;
}

std::string Describe(const QWidget* w) {
    if (!w) return "(none)";
    std::string s = w->metaObject()->className();
    if (!w->objectName().isEmpty()) s += "#" + Str(w->objectName());
    return s;
}

const QStringList& Monkey::Numbers() {
    static const QStringList numbers = {
        "0",       "1",    "-1",    "2",      "-10",   "100",  "25",  "-25",  "0.5",    "0,5",      "-0,001", "3.4e38",
        "-3.4e38", "1e39", "1e-45", "-1e-45", "1e-40", "1000", "1e6", "-1e6", "0.0001", "12345678", "99999",  "",
        "-",       ".",    ",",     "abc",    "1,2,3", "1..2", "nan", "inf",  "-inf",   "1e",       "e5",     " 7 ",
        "0x10",    "--3",  "+4",    "1e-3",   "-45",   "45",   "40",  "-20",  "20",     "0.01",     "-0.3",   "250"};
    return numbers;
}

Monkey::Monkey(QWidget& mainWindow, const Options& options) : main_(mainWindow), options_(options), rng_(options.seed) {
    previousHandler_ =
        widgets::SetMessageHandler([this](widgets::MessageKind kind, const QString& title, const QString& text) {
            ++messages_[Str(title) + ": " + Str(text)];
            Count("message boxes");
            widgets::MessageAnswer answer = widgets::MessageAnswer::Ok;
            if (kind == widgets::MessageKind::Confirmation)
                answer = Chance(0.5) ? widgets::MessageAnswer::Yes : widgets::MessageAnswer::No;
            Note("message " + Str(title) + " answered " + std::to_string(static_cast<int>(answer)));
            return answer;
        });
}

Monkey::~Monkey() { widgets::SetMessageHandler(previousHandler_); }

int Monkey::Uniform(int n) {
    if (n <= 1) return 0;
    return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng_));
}

bool Monkey::Chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p; }

QWidget* Monkey::Top() const {
    if (QWidget* popup = QApplication::activePopupWidget(); popup && popup->isVisible()) return popup;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) return modal;
    return &main_;
}

double Monkey::Seconds() const { return double(NowMs() - startMs_) / 1000.0; }

void Monkey::Note(const std::string& event) {
    for (unsigned char c : event) {
        hash_ ^= c;
        hash_ *= 1099511628211ull;
    }
    hash_ ^= 0xFF;
    hash_ *= 1099511628211ull;
    recent_.push_back(std::to_string(events_) + ": " + event);
    static const bool verbose = !qEnvironmentVariableIsEmpty("MONKEY_VERBOSE");
    if (verbose) std::fprintf(stderr, "%s\n", recent_.back().c_str());
    if (recent_.size() > RecentEvents) recent_.pop_front();
}

void Monkey::Fault(const std::string& kind, const std::string& detail) {
    const int n = ++faultKinds_[kind];
    if (n > FullReportsPerKind) return;
    std::ostringstream s;
    s << kind << " (seed " << options_.seed << ", event " << events_ << "): " << detail << "\n  events before:";
    for (const std::string& e : recent_) s << "\n    " << e;
    faults_.push_back(s.str());
}

bool Monkey::LimitReached() const {
    if (options_.maxEvents > 0 && events_ >= options_.maxEvents) return true;
    return options_.maxSeconds > 0.0 && Seconds() >= options_.maxSeconds;
}

void Monkey::Run() {
    QEventLoop loop;
    loop_ = &loop;
    finished_ = false;
    startMs_ = NowMs();
    quitOnLastWindowClosed_ = QApplication::quitOnLastWindowClosed();
    // Closing the main window ("Beenden") must not end every event loop.
    QApplication::setQuitOnLastWindowClosed(false);
    QMetaObject::invokeMethod(this, &Monkey::Step, Qt::QueuedConnection);
    loop.exec();
    loop_ = nullptr;
    QApplication::setQuitOnLastWindowClosed(quitOnLastWindowClosed_);
}

void Monkey::Step() {
    if (finished_) return;
    // The next event goes to whichever event loop runs then: a dialog opened
    // by this one, or a run that dispatches events itself.
    QMetaObject::invokeMethod(this, &Monkey::Step, Qt::QueuedConnection);
    if (LimitReached()) {
        if (!WindDownStep()) {
            finished_ = true;
            if (loop_) loop_->quit();
            return;
        }
    } else {
        Act();
    }
    if (Check) Check(*this);
}

bool Monkey::WindDownStep() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        Note("wind down: close " + Describe(popup));
        popup->close();
        return true;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        Note("wind down: close " + Describe(modal));
        if (auto* d = qobject_cast<QDialog*>(modal))
            d->reject();
        else
            modal->close();
        return true;
    }
    if (Busy && Busy()) {
        if (WindDown) WindDown();
        return true;
    }
    return false;
}

void Monkey::Act() {
    ++events_;
    if (!main_.isVisible() && !QApplication::activeModalWidget()) {
        // Closed with "Beenden" or its close box: the user starts it again.
        Note("show the main window again");
        Count("main window closed");
        main_.show();
        if (Reopen) Reopen();
        return;
    }
    QWidget* top = Top();
    if (top != &main_) Count(std::string("events in ") + top->metaObject()->className());
    const int weights[] = {34, 10, 16, 14, ProgramWeight, 1};
    int total = 0;
    for (int w : weights) total += w;
    int r = Uniform(total);
    int kind = 0;
    while (r >= weights[kind]) {
        r -= weights[kind];
        ++kind;
    }
    std::string what;
    switch (kind) {
    case 0: what = ClickSomewhere(top); break;
    case 1: what = MoveSomewhere(top); break;
    case 2: what = PressKey(top); break;
    case 3: what = TypeNumber(top); break;
    case 4:
        if (ProgramAction) what = ProgramAction(*this);
        break;
    default:
        if (top != &main_) {
            what = "close box of " + Describe(top);
            Note(what);
            top->close();
            return;
        }
        break;
    }
    if (what.empty()) what = ClickSomewhere(top);
}

std::string Monkey::ClickSomewhere(QWidget* top) {
    const std::vector<QWidget*> widgets = Reachable(top);
    if (widgets.empty()) return "nothing to click";
    QWidget* w = Pick(widgets);
    const QPoint pos(Uniform(w->width()), Uniform(w->height()));
    const int b = Uniform(20);
    const Qt::MouseButton button = b < 15 ? Qt::LeftButton : b < 19 ? Qt::RightButton : Qt::MiddleButton;
    const bool twice = Chance(0.05);
    std::ostringstream s;
    s << (twice ? "double click " : "click ") << Describe(w) << " at " << pos.x() << ',' << pos.y() << " button "
      << int(button);
    Note(s.str());
    Count("clicks");
    if (twice)
        QTest::mouseDClick(w, button, Qt::NoModifier, pos);
    else
        QTest::mouseClick(w, button, Qt::NoModifier, pos);
    return s.str();
}

std::string Monkey::MoveSomewhere(QWidget* top) {
    const std::vector<QWidget*> widgets = Reachable(top);
    if (widgets.empty()) return {};
    QWidget* w = Pick(widgets);
    // Now and then a little beyond the widget's edges, as a dragging hand does.
    const QPoint pos(Uniform(w->width() + 40) - 20, Uniform(w->height() + 10) - 5);
    const Qt::MouseButtons held = Chance(0.2) ? Qt::LeftButton : Qt::NoButton;
    std::ostringstream s;
    s << "move over " << Describe(w) << " to " << pos.x() << ',' << pos.y() << (held ? " holding left" : "");
    Note(s.str());
    Count("mouse moves");
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton, held, Qt::NoModifier,
                     QPointingDevice::primaryPointingDevice());
    QCoreApplication::sendEvent(w, &move);
    return s.str();
}

std::string Monkey::PressKey(QWidget* top) {
    static const std::vector<int> keys = {
        Qt::Key_Return, Qt::Key_Enter,    Qt::Key_Escape, Qt::Key_Tab,       Qt::Key_Backtab, Qt::Key_Space,
        Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,     Qt::Key_Down,      Qt::Key_Home,    Qt::Key_End,
        Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_0,       Qt::Key_1,
        Qt::Key_5,      Qt::Key_9,        Qt::Key_Minus,  Qt::Key_Comma,     Qt::Key_Period,  Qt::Key_E,
        Qt::Key_A,      Qt::Key_D,        Qt::Key_F,      Qt::Key_H,         Qt::Key_B,       Qt::Key_Z,
        Qt::Key_F1,     Qt::Key_F10};
    QWidget* target = top->focusWidget() ? top->focusWidget() : top;
    if (!target->isVisible()) target = top;
    const int key = Pick(keys);
    const int m = Uniform(10);
    const Qt::KeyboardModifiers mods = m == 0   ? Qt::AltModifier
                                       : m == 1 ? Qt::ControlModifier
                                       : m == 2 ? Qt::ShiftModifier
                                                : Qt::NoModifier;
    std::ostringstream s;
    s << "key " << key << " mods " << int(mods) << " to " << Describe(target);
    Note(s.str());
    Count("keys");
    QTest::keyClick(target, static_cast<Qt::Key>(key), mods);
    return s.str();
}

std::string Monkey::TypeNumber(QWidget* top) {
    std::vector<QLineEdit*> edits;
    for (QLineEdit* e : top->findChildren<QLineEdit*>()) {
        if (e->isVisible() && e->isEnabled() && !e->isReadOnly() && e->window() == top) edits.push_back(e);
    }
    if (edits.empty()) return {};
    QLineEdit* e = Pick(edits);
    const QString text = Numbers().at(Uniform(static_cast<int>(Numbers().size())));
    const int after = Uniform(4);
    std::ostringstream s;
    s << "type '" << Str(text) << "' into " << Describe(e) << (after == 0 ? " + Enter" : after == 1 ? " + Tab" : "");
    Note(s.str());
    Count("numbers typed");
    e->setFocus();
    e->selectAll();
    if (text.isEmpty())
        QTest::keyClick(e, Qt::Key_Delete);
    else
        QTest::keyClicks(e, text);
    if (after == 0)
        QTest::keyClick(e, Qt::Key_Return);
    else if (after == 1)
        QTest::keyClick(e, Qt::Key_Tab);
    return s.str();
}

std::string Monkey::Report(const std::string& program) const {
    std::ostringstream s;
    s << program << ": seed " << options_.seed << ", " << events_ << " events in " << Seconds() << " s";
    for (const auto& [what, n] : counts_) s << ", " << what << " " << n;
    s << ", " << messages_.size() << " distinct messages, " << faultKinds_.size() << " kinds of fault";
    for (const auto& [text, n] : messages_) s << "\n  message (" << n << "x) " << text;
    for (const std::string& f : faults_) s << "\n  FAULT " << f;
    return s.str();
}

}  // namespace monkey
