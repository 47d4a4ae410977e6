// The page's words in German and English. German is the source language, as
// in the programs; the engine's own sentences (hints, refusals, the tool's
// figures) come from the engine in the chosen language. Names of the
// programs, variables, terms, formats and units stay as they are.
const words = {
  open: ['Öffnen …', 'Open …'],
  save: ['Speichern (.fuz)', 'Save (.fuz)'],
  examples: ['Beispiel laden …', 'Load example …'],
  drop: ['Fuzzy-Projekt (.fuz) oder Aufgabe (.fuzaufgabe) hier ablegen', 'Drop a fuzzy project (.fuz) or an exercise (.fuzaufgabe) here'],
  title: ['Fuzzy-Werkstatt', 'Fuzzy-Werkstatt'],
  starting: ['Die Rechenmaschine startet …', 'Starting the engine …'],
  noProject: ['Noch kein Projekt: Datei öffnen, hier ablegen oder ein Beispiel laden.',
    'No project yet: open a file, drop one here or load an example.'],
  refused: ['„%1“ wurde nicht geöffnet:\n%2', '“%1” was not opened:\n%2'],
  tooLarge: ['„%1“ ist zu groß für eine Projektdatei.', '“%1” is too large for a project file.'],
  loaded: ['„%1“ geöffnet.', '“%1” opened.'],
  notANumber: ['„%1“ ist keine gültige Zahl.', '“%1” is not a valid number.'],
  failed: ['Das ging nicht: %1', 'That did not work: %1'],
  crashed: ['Die Rechenmaschine ist abgestürzt und wurde neu gestartet: %1', 'The engine crashed and was restarted: %1'],
  working: ['wird berechnet …', 'computing …'],
  undefinedAOut: ['Eingang A und/oder Ausgang (noch) nicht definiert!', 'Input A and/or output not defined (yet)!'],
  // tabs
  tabTerms: ['Variablen', 'Variables'],
  tabRules: ['Regeln', 'Rules'],
  tabKennfeld: ['Kennfeld', 'Control surface'],
  tabInspector: ['Inspektor', 'Inspector'],
  tabHints: ['Hinweise', 'Hints'],
  tabTruck: ['Truck-Labor', 'Truck lab'],
  tabLoco: ['Lok-Labor', 'Locomotive lab'],
  tabExchange: ['Austausch', 'Exchange'],
  tabTuner: ['Regeln verbessern', 'Improve rules'],
  // variables
  roleA: ['Eingang A', 'Input A'],
  roleB: ['Eingang B', 'Input B'],
  roleOut: ['Ausgang', 'Output'],
  notDefined: ['nicht definiert', 'not defined'],
  range: ['Bereich', 'Range'],
  from: ['von', 'from'],
  to: ['bis', 'to'],
  term: ['Term', 'Term'],
  name: ['Name', 'Name'],
  cornerLabel: ['%1, Term „%2“: Ecke %3', '%1, term “%2”: corner %3'],
  heightLabel: ['%1, Term „%2“: Höhe', '%1, term “%2”: height'],
  rangeFromLabel: ['%1: Bereich von', '%1: range from'],
  rangeToLabel: ['%1: Bereich bis', '%1: range to'],
  examplesLabel: ['Beispiele', 'Examples'],
  languageLabel: ['Sprache', 'Language'],
  // rules
  rulesIntro: ['Zeile = Term von Eingang B, Spalte = Term von Eingang A. Jede Zelle: der Ausgangsterm der Regel.',
    'Row = term of input B, column = term of input A. Each cell: the rule’s output term.'],
  rulesIntroOne: ['Ohne Eingang B gilt nur eine Zeile: Spalte = Term von Eingang A.',
    'Without input B there is one row only: column = term of input A.'],
  noRule: ['— keine Regel —', '— no rule —'],
  ruleLabel: ['Regel: %1 = %2, %3 = %4', 'Rule: %1 = %2, %3 = %4'],
  ruleLabelOne: ['Regel: %1 = %2', 'Rule: %1 = %2'],
  // kennfeld
  kennfeldIntro: ['Der Ausgang über A × B, 41 × 41 Punkte. Ein Klick zeigt den Punkt im Inspektor; schraffiert: dort feuert keine Regel.',
    'The output over A × B, 41 × 41 points. A click shows the point in the inspector; hatched: no rule fires there.'],
  lowest: ['kleinster Wert', 'lowest'],
  highest: ['größter Wert', 'highest'],
  // inspector
  inspectorIntro: ['Ein Regelschritt auseinandergenommen: Zugehörigkeitsgrade, Stärke jeder Regel, Höhe jedes Ausgangsterms und der scharfe Ausgang.',
    'One control step taken apart: membership degrees, strength of every rule, height of every output term and the crisp output.'],
  show: ['Zeigen', 'Show'],
  degrees: ['Zugehörigkeitsgrade', 'Membership degrees'],
  strengths: ['Stärke der Regeln (Zeile B, Spalte A)', 'Rule strengths (row B, column A)'],
  activations: ['Höhe der Ausgangsterme', 'Heights of the output terms'],
  rule: ['Regel', 'Rule'],
  output: ['Ausgang', 'Output'],
  // hints
  hintsNone: ['Keine Hinweise: das Projekt sieht vollständig aus.', 'No hints: the project looks complete.'],
  noRuleRegions: ['Wo keine Regel feuert', 'Where no rule fires'],
  noRuleNowhere: ['An jedem Punkt der Eingangsbereiche feuert eine Regel.', 'A rule fires at every point of the input ranges.'],
  // truck
  speed: ['Geschwindigkeit (m/s)', 'Speed (m/s)'],
  runAll: ['Alle Starts fahren', 'Run all starts'],
  docked: ['angedockt', 'docked'],
  leftRoad: ['Straße verlassen', 'left the road'],
  worstX: ['größte |x| am Ende', 'largest |x| at the end'],
  worstAttitude: ['größte |Lage| am Ende', 'largest |attitude| at the end'],
  mostSteps: ['meiste Schritte', 'most steps'],
  ofN: ['%1 von %2', '%1 of %2'],
  truckIntro: ['Jeder Start des Rasters (Führerhaus x, Lage) rückwärts an die Ziellinie; grün angedockt, rot Straße verlassen, orange nicht angedockt. Ein Klick auf eine Bahn zeigt diesen Start Schritt für Schritt.',
    'Every start of the grid (cab x, attitude) backed to the target line; green docked, red left the road, orange not docked. A click on a path shows that start step by step.'],
  start: ['Start', 'Start'],
  cabX: ['Führerhaus x (m)', 'cab x (m)'],
  attitude: ['Lage (°)', 'attitude (°)'],
  step: ['Schritt', 'Step'],
  steering: ['Lenkwinkel (°)', 'steering (°)'],
  rearX: ['Heck x (m)', 'rear x (m)'],
  endX: ['x am Ende (m)', 'x at the end (m)'],
  endAttitude: ['Lage am Ende (°)', 'attitude at the end (°)'],
  verdict_docked: ['angedockt', 'docked'],
  verdict_leftRoad: ['Straße verlassen', 'left the road'],
  verdict_missed: ['nicht angedockt', 'not docked'],
  inspectStep: ['Diesen Schritt im Inspektor zeigen', 'Show this step in the inspector'],
  // loco
  locoIntro: ['Die Lok fährt unter Fuzzyregelung an die Marke. Leere Felder: die Werte von fuzzysim.',
    'The locomotive drives to the mark under fuzzy control. Empty fields: fuzzysim’s values.'],
  dt: ['Zeitschritt (s)', 'time step (s)'],
  firstDt: ['erster Zeitschritt (s)', 'first time step (s)'],
  mass: ['Masse (kg)', 'mass (kg)'],
  friction: ['Reibung (N·s/m)', 'friction (N·s/m)'],
  distance: ['Abstand (cm)', 'distance (cm)'],
  time: ['Dauer (s)', 'duration (s)'],
  run: ['Fahren', 'Run'],
  figures: ['Kennzahlen', 'Figures'],
  locoLoco: ['Lok', 'Locomotive'],
  locoLocoValue: ['Masse %1 kg, Reibung %2 N·s/m, Abstand %3 cm', 'mass %1 kg, friction %2 N·s/m, distance %3 cm'],
  locoSteps: ['Schritte', 'Steps'],
  locoStepsValue: ['erster %1 s, dann %2 s', 'first %1 s, then %2 s'],
  locoEnd: ['Ende', 'End'],
  locoEndValue: ['t = %1 s nach %2 Schritten', 't = %1 s after %2 steps'],
  locoEndTime: ['Zeitgrenze erreicht', 'time limit reached'],
  locoEndRanOut: ['30 cm hinter der Marke ausgelaufen', 'ran out 30 cm past the mark'],
  locoEndNotFinite: ['abgebrochen: der Zustand ist keine endliche Zahl', 'stopped: the state is no finite number'],
  locoEndAborted: ['abgebrochen: die Kraft des Reglers ist keine endliche Zahl', 'stopped: the controller’s force is no finite number'],
  locoEndS: ['s am Ende', 's at the end'],
  locoEndV: ['v am Ende', 'v at the end'],
  locoAtRest: ['in Ruhe ab (|s| < 1 cm, |v| < 0,5 cm/s bis zum Ende)', 'at rest from (|s| < 1 cm, |v| < 0.5 cm/s to the end)'],
  locoExact: ['genau ab (|s| < 0,5 cm, |v| < 0,5 cm/s bis zum Ende)', 'exactly from (|s| < 0.5 cm, |v| < 0.5 cm/s to the end)'],
  never: ['nie', 'never'],
  locoOvershoot: ['Überschwingen', 'Overshoot'],
  locoOvershootValue: ['%1 cm hinter der Marke', '%1 cm past the mark'],
  locoBand: ['Zielband (|s| < 1 cm)', 'Target band (|s| < 1 cm)'],
  locoBandReached: ['erreicht', 'reached'],
  locoBandMissed: ['nicht erreicht', 'not reached'],
  locoSignChanges: ['Kraftwechsel', 'Force reversals'],
  locoSignChangesValue: ['%1 Vorzeichenwechsel der Kraft', '%1 sign changes of the force'],
  // exchange
  exportTitle: ['Exportieren', 'Export'],
  exportIntro: ['Das Projekt für andere Fuzzy-Werkzeuge (FLL, FIS, FCL) oder als C-Quelltext.',
    'The project for other fuzzy tools (FLL, FIS, FCL) or as C source.'],
  importTitle: ['Importieren', 'Import'],
  importIntro: ['Ein FLL-, FIS- oder FCL-System, das in ein Projekt passt, wird zum aktuellen Projekt.',
    'An FLL, FIS or FCL system that fits a project becomes the current project.'],
  functionName: ['Funktionsname (C)', 'function name (C)'],
  // tuner
  tunerIntro: ['Sucht bessere Regeln für den Truck oder die Lok; das Ergebnis ist nie schlechter als der Start.',
    'Searches better rules for the truck or the locomotive; the result is never worse than the start.'],
  vehicle: ['Fahrzeug', 'Vehicle'],
  seconds: ['Zeit (s)', 'time (s)'],
  seed: ['Startwert', 'seed'],
  alsoTerms: ['auch Termecken verschieben', 'also move term corners'],
  tune: ['Verbessern', 'Improve'],
  adopt: ['Ergebnis übernehmen', 'Adopt the result'],
  adopted: ['Das verbesserte Projekt ist jetzt das aktuelle.', 'The improved project is now the current one.'],
  // exercises
  tabExercises: ['Aufgaben', 'Exercises'],
  exercisesIntro: ['Eine Aufgabe wählen oder öffnen, mit „Aufgabe starten“ ihr Startprojekt laden, bearbeiten und „Prüfen“: fuzzysim prüft das Projekt und die Antworten.',
    'Choose or open an exercise, load its starting project with “Start exercise”, edit it and “Check”: fuzzysim checks the project and the answers.'],
  chooseExercise: ['Aufgabe wählen …', 'Choose an exercise …'],
  openExercise: ['Aufgabe öffnen (.fuzaufgabe) …', 'Open an exercise (.fuzaufgabe) …'],
  noExercise: ['Noch keine Aufgabe gewählt.', 'No exercise chosen yet.'],
  exerciseRefused: ['Die Aufgabe „%1“ wurde nicht geöffnet:\n%2', 'The exercise “%1” was not opened:\n%2'],
  markedByTeacher: ['Diese Aufgabe bewertet die Lehrkraft.', 'The teacher marks this exercise.'],
  markedByBoth: ['Einen Teil dieser Aufgabe bewertet die Lehrkraft.', 'The teacher marks part of this exercise.'],
  may_rules: ['die Regeln', 'the rules'],
  may_terms: ['die Terme', 'the terms'],
  may_ranges: ['die Bereiche', 'the ranges'],
  mayChange: ['Ändern darfst du: %1.', 'You may change: %1.'],
  mayChangeNothing: ['Am Projekt ist nichts zu ändern: gefragt sind die Antworten.', 'Nothing in the project is to be changed: the answers are asked for.'],
  startExercise: ['Aufgabe starten', 'Start exercise'],
  checkExercise: ['Prüfen', 'Check'],
  checksProject: ['geprüft wird das Projekt „%1“', 'checks the project “%1”'],
  yourAnswers: ['Deine Antworten', 'Your answers'],
  openAnswers: ['Antwortdatei öffnen (.fuzantwort) …', 'Open an answers file (.fuzantwort) …'],
  answersFromFile: ['Geprüft werden die Antworten aus „%1“ (eine Eingabe in ein Feld nimmt wieder die Felder).',
    'The answers from “%1” are checked (typing into a field takes the fields again).'],
  answersFromFields: ['Geprüft werden die Zahlen in den Feldern, auch jede 0: Ein leeres Feld gilt als nicht beantwortet.', 'The numbers in the fields are checked, every 0 too: an empty field counts as not answered.'],
  handAtA: ['%1: %2 = %3', '%1: %2 = %3'],
  handAtAB: ['%1: %2 = %3, %4 = %5', '%1: %2 = %3, %4 = %5'],
  askMembership: ['Grad von „%1“ (%2)', 'degree of “%1” (%2)'],
  askFiring: ['Stärke der Regel „%1“ und „%2“', 'strength of the rule “%1” and “%2”'],
  askFiringOne: ['Stärke der Regel „%1“', 'strength of the rule “%1”'],
  askHeight: ['Höhe von „%1“', 'height of “%1”'],
  askOutput: ['Ausgangswert (%1)', 'output value (%1)'],
  verdict_passed: ['Bestanden', 'Passed'],
  verdict_failed: ['Nicht bestanden', 'Not passed'],
  verdict_refused: ['Nicht geprüft: Das Projekt hat geändert, was die Aufgabe nicht erlaubt.', 'Not checked: the project changed what the exercise does not allow.'],
  teacherMarks: ['Einen Teil bewertet die Lehrkraft; hier geprüft ist nur, was ein Programm prüfen kann.',
    'The teacher marks part of it; checked here is only what a program can check.'],
  forbiddenChanges: ['Geändert, aber nicht erlaubt:', 'Changed, but not allowed:'],
  criterion: ['Kriterium', 'Criterion'],
  measured: ['gemessen', 'measured'],
  limit: ['Grenze', 'limit'],
  criterionPassed: ['erfüllt', 'met'],
  criterionFailed: ['nicht erfüllt', 'not met'],
  exerciseHints: ['Hinweise', 'Hints'],
  openInLab: ['Im Labor zeigen:', 'Show in the lab:'],
  runLink: ['%1 kg, Schritt %2 s', '%1 kg, step %2 s'],
  startLink: ['(%1 m, %2°)', '(%1 m, %2°)'],
  andMore: ['und %1 weitere', 'and %1 more'],
  handMeasured: ['Bei einer Rechnung von Hand ist „gemessen“ die Zahl der Antworten, die nicht stimmen oder fehlen.',
    'For a calculation by hand, “measured” is the number of answers that are wrong or missing.'],
};

let lang = 'de';

export function chooseLanguage() {
  const stored = safeStorage('get');
  if (stored === 'de' || stored === 'en') return stored;
  for (const l of navigator.languages || [navigator.language || 'de']) {
    const p = String(l).slice(0, 2).toLowerCase();
    if (p === 'de') return 'de';
    if (p === 'en') return 'en';
  }
  return 'de';
}

export function setLanguage(l, remember = false) {
  lang = l === 'en' ? 'en' : 'de';
  if (typeof document !== 'undefined') document.documentElement.lang = lang;
  if (remember) safeStorage('set', lang);
}

export function language() {
  return lang;
}

// The text of key with %1 … %9 filled in.
export function t(key, ...args) {
  const w = words[key];
  const s = w ? w[lang === 'en' ? 1 : 0] : key;
  return s.replace(/%([1-9])/g, (m, d) => (args[d - 1] !== undefined ? String(args[d - 1]) : m));
}

export function hasText(key) {
  return Object.prototype.hasOwnProperty.call(words, key);
}

export function allKeys() {
  return Object.keys(words);
}

function safeStorage(op, value) {
  try {
    if (op === 'get') return localStorage.getItem('fuzzy-lang');
    localStorage.setItem('fuzzy-lang', value);
  } catch (e) {
    // No storage (a strict private window): the choice lasts for this visit.
  }
  return null;
}
