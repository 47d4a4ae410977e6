// What the Werkstatt writes after a series of edits, for the browser tests:
// reads a project (or none, "-", before a template), makes the edits given on
// the command line through the Werkstatt's own model and pages (its undo
// history, its variable pages, the term diagram's keys) and writes the
// project with the one project writer.
//
//   web_edit_reference IN|- OUT EDIT...
//     param VAR TERM PARAM NUMBER     a number typed into the term table
//     rule ROW COL TERM               a rule cell
//     drag VAR TERM PARAM V1,V2,...   one drag of a handle through these
//                                     values (snapped as the diagram snaps)
//     dragfree VAR TERM PARAM V1,...  the same with Ctrl held (no snapping)
//     key VAR TERM PARAM KEY          one key on the diagram's handle: left,
//                                     right, up, down, or Shift+ that
//     add VAR | remove VAR TERM | up VAR TERM | down VAR TERM
//     termname VAR TERM NAME | name VAR NAME
//     range VAR MIN MAX terms|alone   with the terms taken along or not
//     inputb on|off | new leer|truck|lok | undo | redo
// VAR is A, B or Out. Exit 3 when the Werkstatt refuses an edit (a name).
//
//   web_edit_reference --answers EXERCISE OUT POINT KEY TEXT ...
// types each TEXT into the box of POINT and KEY of the Werkstatt's exercise
// panel and saves the answers there as OUT ("Antworten speichern").
#include "fuzzy/FuzUnits.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/Project.h"
#include "fuzzy/Templates.h"
#include "exercise/Reader.h"
#include "werkstatt/aufgabe/AufgabenPanel.h"
#include "werkstatt/kern/Bearbeitung.h"
#include "werkstatt/modell/Modell.h"
#include "werkstatt/seiten/TermDiagramm.h"
#include "werkstatt/seiten/VariablenSeite.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using werkstatt::Rolle;

[[noreturn]] void Usage(const std::string& why) {
    std::cerr << "web_edit_reference: " << why << '\n';
    std::exit(2);
}

Rolle RoleOf(const std::string& r) {
    if (r == "A") return Rolle::A;
    if (r == "B") return Rolle::B;
    if (r == "Out") return Rolle::Aus;
    Usage("unknown variable " + r);
}

float Number(const std::string& s) {
    const fuzzy::RealResult v = fuzzy::ParseProjectReal(s);
    if (v.status != fuzzy::RealStatus::Ok) Usage("not a number: " + s);
    return v.value;
}

int Whole(const std::string& s) {
    const auto v = fuzzy::ParseProjectInt(s);
    if (!v) Usage("not a whole number: " + s);
    return *v;
}

std::vector<float> Numbers(const std::string& list) {
    std::vector<float> out;
    std::stringstream in(list);
    for (std::string x; std::getline(in, x, ',');) out.push_back(Number(x));
    return out;
}

Qt::Key KeyOf(const std::string& k) {
    static const std::map<std::string, Qt::Key> keys = {
        {"left", Qt::Key_Left}, {"right", Qt::Key_Right}, {"up", Qt::Key_Up}, {"down", Qt::Key_Down}};
    const auto it = keys.find(k);
    if (it == keys.end()) Usage("unknown key " + k);
    return it->second;
}

// The exercise panel's "Antworten speichern".
int SaveAnswers(const std::vector<std::string>& a) {
    if (a.size() < 2 || (a.size() - 2) % 3 != 0) Usage("--answers EXERCISE OUT [POINT KEY TEXT]...");
    werkstatt::AufgabenPanel panel;
    panel.setAufgabe(exercise::ReadExercise(a[0]), QString::fromStdString(a[0]));
    for (std::size_t i = 2; i < a.size(); i += 3) {
        QLineEdit* box = panel.antwortFeld(QString::fromStdString(a[i]), QString::fromStdString(a[i + 1]));
        if (!box) Usage("no box " + a[i] + " " + a[i + 1]);
        box->setText(QString::fromUtf8(a[i + 2].c_str()));
    }
    // The panel refuses (with a message box) while a box holds no number.
    if (panel.unlesbareFelder() > 0) return 3;
    return panel.antwortenSpeichern(QString::fromLocal8Bit(a[1].c_str())) ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) Usage("usage: web_edit_reference IN|- OUT EDIT...");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (std::string(argv[1]) == "--answers") return SaveAnswers(std::vector<std::string>(argv + 2, argv + argc));
    werkstatt::TProjektModell model;
    if (std::string(argv[1]) != "-") model.laden(fuzzy::LoadProject(argv[1]), QString::fromLocal8Bit(argv[1]));
    // The variable pages, as the main window holds them: the diagram's keys act through them.
    std::map<Rolle, std::unique_ptr<werkstatt::TVariablenSeite>> pages;
    for (const Rolle r : {Rolle::A, Rolle::B, Rolle::Aus}) {
        pages[r] = std::make_unique<werkstatt::TVariablenSeite>();
        pages[r]->setModell(&model, r);
    }
    QObject::connect(&model, &werkstatt::TProjektModell::projektGeaendert, [&pages] {
        for (auto& [r, page] : pages) page->Aktualisieren();
    });
    const std::vector<std::string> a(argv + 3, argv + argc);
    auto arg = [&a](std::size_t i) -> const std::string& {
        if (i >= a.size()) Usage("an edit lacks its values");
        return a[i];
    };
    auto refused = [](const QString& why) {
        if (why.isEmpty()) return;
        std::cerr << why.toStdString() << '\n';
        std::exit(3);
    };
    for (std::size_t i = 0; i < a.size();) {
        const std::string& op = a[i];
        if (op == "param") {
            model.setzeParameter(RoleOf(arg(i + 1)), Whole(arg(i + 2)), Whole(arg(i + 3)), Number(arg(i + 4)));
            i += 5;
        } else if (op == "rule") {
            model.setzeRegel(Whole(arg(i + 1)), Whole(arg(i + 2)), Whole(arg(i + 3)));
            i += 4;
        } else if (op == "drag" || op == "dragfree") {
            // One drag: the moves of one zug, each snapped as the diagram snaps the pointer.
            const Rolle r = RoleOf(arg(i + 1));
            const int term = Whole(arg(i + 2)), param = Whole(arg(i + 3));
            const int zug = model.neuerZug();
            for (const float v : Numbers(arg(i + 4)))
                model.zieheGriff(
                    r, term, param,
                    werkstatt::GriffGezogen(werkstatt::Variable(model.projekt(), r), param, v, op == "dragfree"), zug);
            i += 5;
        } else if (op == "key") {
            werkstatt::TVariablenSeite& page = *pages.at(RoleOf(arg(i + 1)));
            page.WaehleTerm(Whole(arg(i + 2)));
            page.Diagramm->setAktiverGriff(Whole(arg(i + 3)));
            std::string k = arg(i + 4);
            Qt::KeyboardModifiers mod = Qt::NoModifier;
            if (k.rfind("Shift+", 0) == 0) {
                mod = Qt::ShiftModifier;
                k = k.substr(6);
            }
            QTest::keyClick(page.Diagramm, KeyOf(k), mod);
            i += 5;
        } else if (op == "add") {
            model.termHinzufuegen(RoleOf(arg(i + 1)));
            i += 2;
        } else if (op == "remove" || op == "up" || op == "down") {
            const Rolle r = RoleOf(arg(i + 1));
            const int term = Whole(arg(i + 2));
            if (op == "remove")
                model.termEntfernen(r, term);
            else
                model.termVerschieben(r, term, op == "up" ? term - 1 : term + 1);
            i += 3;
        } else if (op == "termname") {
            refused(model.setzeTermName(RoleOf(arg(i + 1)), Whole(arg(i + 2)), QString::fromUtf8(arg(i + 3).c_str())));
            i += 4;
        } else if (op == "name") {
            refused(model.setzeName(RoleOf(arg(i + 1)), QString::fromUtf8(arg(i + 2).c_str())));
            i += 3;
        } else if (op == "range") {
            model.setzeBereich(RoleOf(arg(i + 1)), Number(arg(i + 2)), Number(arg(i + 3)), arg(i + 4) == "terms");
            i += 5;
        } else if (op == "inputb") {
            model.setzeEingangB(arg(i + 1) == "on");
            i += 2;
        } else if (op == "new") {
            const auto t = fuzzy::TemplateNamed(arg(i + 1));
            if (!t) Usage("unknown template " + arg(i + 1));
            model.neu(*t, QString::fromStdString(arg(i + 1)));
            i += 2;
        } else if (op == "undo" || op == "redo") {
            if (op == "undo")
                model.undoStack().undo();
            else
                model.undoStack().redo();
            i += 1;
        } else {
            Usage("unknown edit " + op);
        }
    }
    std::ofstream(argv[2], std::ios::binary) << fuzzy::ProjectText(model.projekt());
    return 0;
}
