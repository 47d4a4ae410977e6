<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>C-Export</name>
    <message>
        <source>%1 – der Fuzzy-Regler aus %2 als C-Quelltext (C99),
geschrieben von fuzzysim am %3.</source>
        <translation>%1 – the fuzzy controller from %2 as C source (C99),
written by fuzzysim on %3.</translation>
    </message>
    <message>
        <source>Eingang A %1, %2 bis %3</source>
        <translation>Input A %1, %2 to %3</translation>
    </message>
    <message>
        <source>Eingang B %1, %2 bis %3</source>
        <translation>Input B %1, %2 to %3</translation>
    </message>
    <message>
        <source>Eingang A %1, %2 bis %3 (der einzige Eingang)</source>
        <translation>Input A %1, %2 to %3 (the only input)</translation>
    </message>
    <message>
        <source>Ausgang %1, %2 bis %3; %4 Regeln.</source>
        <translation>Output %1, %2 to %3; rules: %4.</translation>
    </message>
    <message>
        <source>float %1_step(float a, float b) rechnet einen Regelschritt wie das Programm:
Trapeze, Minimum für &quot;und&quot;, Maximum je Ausgangsterm, Schwerpunkt der mit ihrer
Aktivierung skalierten Ausgangsterme; feuert keine Regel, gilt der Bereichsanfang %2.</source>
        <translation>float %1_step(float a, float b) computes one control step as the program does:
trapezoids, minimum for &quot;and&quot;, maximum per output term, centroid of the output terms
scaled by their activation; if no rule fires, the result is the start of the range, %2.</translation>
    </message>
    <message>
        <source>Das Projekt hat keinen Eingang B: b wird nicht gelesen.</source>
        <translation>The project has no input B: b is not read.</translation>
    </message>
    <message>
        <source>Kein Heap, keine Ein- und Ausgabe, kein veränderlicher globaler Zustand (die Funktion
ist wiedereintrittsfähig), keine Bibliotheksfunktion; nur konstante Tabellen.</source>
        <translation>No heap, no input or output, no mutable global state (the function
is reentrant), no library function; only constant tables.</translation>
    </message>
    <message>
        <source>Die Bereiche, etwa zum Skalieren von Messwerten auf die Eingänge.</source>
        <translation>The ranges, e.g. for scaling measured values to the inputs.</translation>
    </message>
    <message>
        <source>Was die Genauigkeit voraussetzt, soweit es sich beim Übersetzen prüfen lässt.</source>
        <translation>What the accuracy relies on, as far as it can be checked at compile time.</translation>
    </message>
    <message>
        <source>%1: float ist hier nicht IEEE-754 single (32 Bit); der Regler rechnet nur damit.</source>
        <translation>%1: float is not IEEE-754 single (32 bits) here; the controller works only with that.</translation>
    </message>
    <message>
        <source>double ist IEEE-754 double: das Ergebnis ist bitgleich mit fuzzysim eval.</source>
        <translation>double is IEEE-754 double: the result is bit for bit that of fuzzysim eval.</translation>
    </message>
    <message>
        <source>%1: double ist hier weder IEEE-754 double noch float.</source>
        <translation>%1: double is neither IEEE-754 double nor float here.</translation>
    </message>
    <message>
        <source>Die Prüfung auf -0 liest ein float als uint32_t.</source>
        <translation>The test for -0 reads a float as uint32_t.</translation>
    </message>
    <message>
        <source>%1: float hat hier nicht 32 Bit.</source>
        <translation>%1: float does not have 32 bits here.</translation>
    </message>
    <message>
        <source>Auf AVR liegen die Tabellen im Flash; ein Eintrag wird vor Gebrauch in den RAM
kopiert. Überall sonst ist das eine Zuweisung.</source>
        <translation>On AVR the tables lie in flash; an entry is copied to RAM before it is
used. Everywhere else this is an assignment.</translation>
    </message>
    <message>
        <source>Höhe %1</source>
        <translation>height %1</translation>
    </message>
    <message>
        <source>Keine Regel nennt einen Term des Ausgangs: es feuert nie eine, das Ergebnis ist
immer der Bereichsanfang.</source>
        <translation>No rule names a term of the output: none ever fires, the result is
always the start of the range.</translation>
    </message>
    <message>
        <source>Ein Trapez: Ecken a, b, c, d, Höhe h; dazu b - a und d - c, wie das Programm sie in
double bildet.</source>
        <translation>A trapezoid: corners a, b, c, d, height h; also b - a and d - c, as the program forms
them in double.</translation>
    </message>
    <message>
        <source>Ein Ausgangsterm: sein Schwerpunkt (vom Programm beim Laden berechnet) und die
Breite (c - b) + d - a, aus der mit der Aktivierung seine Fläche wird.</source>
        <translation>An output term: its centroid (computed by the program when loading) and the
width (c - b) + d - a, which with the activation gives its area.</translation>
    </message>
    <message>
        <source>Eingang A %1: a, b, c, d, h; b - a, d - c</source>
        <translation>Input A %1: a, b, c, d, h; b - a, d - c</translation>
    </message>
    <message>
        <source>Eingang B %1: a, b, c, d, h; b - a, d - c</source>
        <translation>Input B %1: a, b, c, d, h; b - a, d - c</translation>
    </message>
    <message>
        <source>Ausgang %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>%1: Schwerpunkt %2</source>
        <translation>%1: centroid %2</translation>
    </message>
    <message>
        <source>Die Regeln: je Term von A der Ausgangsterm (ab 1 gezählt), 0 für keine Regel; eine Zeile je Term von B.
Ausgangsterme:%1.</source>
        <translation>The rules: for each term of A the output term (counted from 1), 0 for no rule; one row per term of B.
Output terms:%1.</translation>
    </message>
    <message>
        <source>Die Regeln: je Term von A der Ausgangsterm (ab 1 gezählt), 0 für keine Regel.
Ausgangsterme:%1.</source>
        <translation>The rules: for each term of A the output term (counted from 1), 0 for no rule.
Output terms:%1.</translation>
    </message>
    <message>
        <source>Zugehörigkeit von x: links geschlossene, rechts offene Flanken. Nach x &gt;= a kann
x &lt; b nur bei a &lt; b gelten, nach x &gt;= c ebenso x &lt; d nur bei c &lt; d.</source>
        <translation>Membership degree of x: flanks closed on the left, open on the right. After x &gt;= a,
x &lt; b can only hold if a &lt; b; after x &gt;= c, likewise x &lt; d only if c &lt; d.</translation>
    </message>
    <message>
        <source>Ob x eine Zahl &gt;= +0 ist: weder -0 noch negativ noch NaN.</source>
        <translation>Whether x is a number &gt;= +0: neither -0 nor negative nor NaN.</translation>
    </message>
    <message>
        <source>Die Regel für Term i von A und Term j von B hebt die Aktivierung ihres
Ausgangsterms auf das Minimum der beiden Zugehörigkeiten, wenn es größer ist.</source>
        <translation>The rule for term i of A and term j of B raises the activation of its
output term to the minimum of the two membership degrees, if that is larger.</translation>
    </message>
    <message>
        <source>Alle Zugehörigkeiten sind Zahlen &gt;= +0: eine Regel mit +0 ändert dann keine
Aktivierung, es genügen die Regeln zwischen feuernden Termen.</source>
        <translation>All membership degrees are numbers &gt;= +0: a rule with +0 then changes no
activation, and the rules between firing terms suffice.</translation>
    </message>
    <message>
        <source>In der Reihenfolge des Programms: sie entscheidet, welche Null im Maximum
bleibt, wenn -0 und +0 zusammentreffen.</source>
        <translation>In the program&apos;s order: it decides which zero stays in the maximum
when -0 and +0 meet.</translation>
    </message>
    <message>
        <source>Schwerpunkt: jeder Term trägt mit Fläche mal Schwerpunkt bei; beide Summen
werden nach jedem Term auf float gerundet, wie im Programm.</source>
        <translation>Centroid: each term contributes its area times its centroid; both sums
are rounded to float after each term, as in the program.</translation>
    </message>
    <message>
        <source>keine Regel hat gefeuert</source>
        <translation>no rule has fired</translation>
    </message>
    <message>
        <source>%1 – zum Fuzzy-Regler aus %2; Genauigkeit und Bedingungen stehen im C-Quelltext.</source>
        <translation>%1 – for the fuzzy controller from %2; accuracy and conditions are given in the C source.</translation>
    </message>
    <message>
        <source>Genauigkeit: Wo float IEEE-754 single und double IEEE-754 double ist und float und
double in ihrem eigenen Typ gerechnet werden (FLT_EVAL_METHOD 0 oder 16, etwa x86-64 und
ARM64 mit gcc oder clang), gibt %1_step für jedes Eingangspaar genau das Bitmuster,
das &quot;fuzzysim eval&quot; ausgibt: dieselben Rundungen in derselben Reihenfolge, auch -0,
Terme ohne Fläche und der Fall ohne feuernde Regel. Ein NaN-Ergebnis (nur bei Zahlen
nahe der Grenze von float möglich) ist auch hier NaN; sein Vorzeichen legt die Maschine fest.</source>
        <translation>Accuracy: where float is IEEE-754 single and double IEEE-754 double and float and
double are evaluated in their own types (FLT_EVAL_METHOD 0 or 16, e.g. x86-64 and
ARM64 with gcc or clang), %1_step gives for every input pair exactly the bit pattern
that &quot;fuzzysim eval&quot; prints: the same roundings in the same order, also -0,
terms without area and the case where no rule fires. A NaN result (possible only with
numbers near the limit of float) is NaN here too; its sign is up to the machine.</translation>
    </message>
    <message>
        <source>Bedingungen: Rundung zum Nächsten (die Voreinstellung) und subnormale Zahlen, wie IEEE-754
sie vorsieht: kein Flush-to-zero (FTZ/DAZ), das etwa ein Programm beim Start einschaltet,
in das mit -ffast-math übersetzte Objekte gebunden sind. NICHT mit -ffast-math, -Ofast,
-ffinite-math-only, -fno-signed-zeros, -freciprocal-math, -fassociative-math oder
-fsingle-precision-constant übersetzen. Das Zusammenziehen zu FMA (-ffp-contract) ändert
nichts: das einzige addierte Produkt ist in double exakt. Beim Übersetzen prüft der
Quelltext (#error), was sich prüfen lässt: C99, FLT_EVAL_METHOD, das Format von float
und double und die genannten Optionen, soweit der Übersetzer sie anzeigt (gcc 12 alle,
clang 14 nur -ffast-math und -ffinite-math-only). FTZ/DAZ und die Rundung zur Laufzeit
lassen sich so nicht prüfen.</source>
        <translation>Conditions: rounding to nearest (the default) and subnormal numbers as IEEE-754
provides them: no flush-to-zero (FTZ/DAZ), which for instance a program switches on at
start-up when objects compiled with -ffast-math are linked into it. Do NOT compile with
-ffast-math, -Ofast, -ffinite-math-only, -fno-signed-zeros, -freciprocal-math,
-fassociative-math or -fsingle-precision-constant. Contraction to FMA (-ffp-contract)
changes nothing: the only product that is added is exact in double. When compiled, the
source checks (#error) what can be checked: C99, FLT_EVAL_METHOD, the format of float
and double and the options named, as far as the compiler reveals them (gcc 12 all of
them, clang 14 only -ffast-math and -ffinite-math-only). FTZ/DAZ and the rounding at
run time cannot be checked this way.</translation>
    </message>
    <message>
        <source>Auf 8-Bit-AVR (avr-gcc, etwa ATmega328P) übersetzt dieselbe Datei unverändert; dort ist
double nur float, jeder Schritt wird auf einfache Genauigkeit gerundet, und die Tabellen
liegen im Flash. Die Abweichung vom exakten Ergebnis hat an jedem Eingangspaar eine
Schranke, die von der Aktivierung abhängt (hergeleitet in &quot;man fuzzysim&quot;).</source>
        <translation>On 8-bit AVR (avr-gcc, e.g. ATmega328P) the same file compiles unchanged; there
double is only float, every step is rounded to single precision, and the tables
lie in flash. The deviation from the exact result has at every input pair a
bound that depends on the activation (derived in &quot;man fuzzysim&quot;).</translation>
    </message>
    <message>
        <source>Auf 41 x 41 Werten der Eingänge über ihren Bereich ist sie hier höchstens %1 des
Ausgangsbereichs.</source>
        <translation>On 41 x 41 values of the inputs over their ranges it is here at most %1 of the
output range.</translation>
    </message>
    <message>
        <source>Auf 41 Werten des Eingangs über seinen Bereich ist sie hier höchstens %1 des
Ausgangsbereichs.</source>
        <translation>On 41 values of the input over its range it is here at most %1 of the
output range.</translation>
    </message>
    <message>
        <source>Auf 41 x 41 Werten der Eingänge über ihren Bereich ist sie hier höchstens %1 des
Ausgangsbereichs, außer an %2 der %3 Werte, wo Regeln so schwach feuern, dass sich keine
angeben lässt.</source>
        <translation>On 41 x 41 values of the inputs over their ranges it is here at most %1 of the
output range, except at %2 of the %3 values, where rules fire so weakly that none
can be given.</translation>
    </message>
    <message>
        <source>Auf 41 Werten des Eingangs über seinen Bereich ist sie hier höchstens %1 des
Ausgangsbereichs, außer an %2 der %3 Werte, wo Regeln so schwach feuern, dass sich keine
angeben lässt.</source>
        <translation>On 41 values of the input over its range it is here at most %1 of the
output range, except at %2 of the %3 values, where rules fire so weakly that none
can be given.</translation>
    </message>
    <message>
        <source>Das ist keine Schranke für alle Eingaben: zwischen diesen Werten, wo Regeln nur schwach
feuern (nahe den äußeren Enden der Flanken), wächst sie ohne Grenze, und das Ergebnis
kann zu einem anderen Schwerpunkt der feuernden Terme springen. Die Schwerpunkte der
Ausgangsterme, die Regeln nennen, und der Bereichsanfang liegen hier bis zu %1 des
Ausgangsbereichs auseinander.</source>
        <translation>This is no bound for all inputs: between these values, where rules fire only weakly
(near the outer ends of the flanks), it grows without limit, and the result can jump
to another centroid of the firing terms. The centroids of the output terms that rules
name and the start of the range lie up to %1 of the output range apart here.</translation>
    </message>
    <message>
        <source>unbeschränkt</source>
        <translation>unbounded</translation>
    </message>
    <message>
        <source>C++ vor C++17 kennt keine hexadezimalen Gleitkommakonstanten: dieselben Werte als
exakte Dezimalzahlen.</source>
        <translation>C++ before C++17 knows no hexadecimal floating constants: the same values as
exact decimals.</translation>
    </message>
    <message>
        <source>Ein Regelschritt: a für Eingang A, b für Eingang B; das Ergebnis ist der Ausgang.
Feuert keine Regel, ist es %1_OUT_MIN, der Bereichsanfang, und so auch, wo a oder b
NaN oder unendlich ist. Außerhalb der Bereiche gelten die Terme, soweit ihre Ecken
reichen; wer das nicht will, begrenzt a und b vorher auf ihre Bereiche.</source>
        <translation>One control step: a for input A, b for input B; the result is the output.
If no rule fires, it is %1_OUT_MIN, the start of the range, and so it is where a or b
is NaN or infinite. Outside the ranges the terms apply as far as their corners
reach; whoever does not want that limits a and b to their ranges first.</translation>
    </message>
    <message>
        <source>Ein Regelschritt: a für Eingang A, b ohne Bedeutung; das Ergebnis ist der Ausgang.
Feuert keine Regel, ist es %1_OUT_MIN, der Bereichsanfang, und so auch,
wo a NaN oder unendlich ist. Außerhalb des Bereichs gelten die Terme, soweit ihre
Ecken reichen; wer das nicht will, begrenzt a vorher auf seinen Bereich.</source>
        <translation>One control step: a for input A, b without meaning; the result is the output.
If no rule fires, it is %1_OUT_MIN, the start of the range, and so it is
where a is NaN or infinite. Outside the range the terms apply as far as their
corners reach; whoever does not want that limits a to its range first.</translation>
    </message>
    <message>
        <source>%1: dieser Quelltext ist C99; als C99 oder neuer übersetzen (etwa -std=c99), nicht als C89 oder C++.</source>
        <translation>%1: this source is C99; compile it as C99 or later (e.g. -std=c99), not as C89 or C++.</translation>
    </message>
    <message>
        <source>%1: float und double werden hier genauer als in ihrem eigenen Typ gerechnet (FLT_EVAL_METHOD ist weder 0 noch 16), etwa mit der x87-Einheit auf 32-Bit-x86: dort mit -msse2 -mfpmath=sse übersetzen.</source>
        <translation>%1: float and double are evaluated here more precisely than in their own types (FLT_EVAL_METHOD is neither 0 nor 16), e.g. with the x87 unit on 32-bit x86: compile there with -msse2 -mfpmath=sse.</translation>
    </message>
    <message>
        <source>%1: nicht mit -ffast-math, -Ofast, -ffinite-math-only, -fno-signed-zeros, -freciprocal-math oder -fassociative-math übersetzen; sie ändern die Rundung, -0 und NaN.</source>
        <translation>%1: do not compile with -ffast-math, -Ofast, -ffinite-math-only, -fno-signed-zeros, -freciprocal-math or -fassociative-math; they change the rounding, -0 and NaN.</translation>
    </message>
    <message>
        <source>Die Tabellen brauchen Konstanten ohne Suffix in double; -fsingle-precision-constant
macht sie zu float (16777217.0 wird dann 16777216).</source>
        <translation>The tables need unsuffixed constants in double; -fsingle-precision-constant
makes them float (16777217.0 then becomes 16777216).</translation>
    </message>
    <message>
        <source>%1: nicht mit -fsingle-precision-constant übersetzen; die Tabellen brauchen Konstanten in double.</source>
        <translation>%1: do not compile with -fsingle-precision-constant; the tables need constants in double.</translation>
    </message>
    <message>
        <source>double ist nur float (avr-gcc): jeder Schritt rundet auf einfache Genauigkeit; wie weit
das Ergebnis abweichen kann, steht oben.</source>
        <translation>double is only float (avr-gcc): every step rounds to single precision; how far
the result can deviate is stated above.</translation>
    </message>
</context>
<context>
    <name>Exportfehler</name>
    <message>
        <source>Das Projekt hat keinen Eingang A mit Termen; es lässt sich nicht exportieren.</source>
        <translation>The project has no input A with terms; it cannot be exported.</translation>
    </message>
    <message>
        <source>Das Projekt hat keinen Ausgang mit Termen; es lässt sich nicht exportieren.</source>
        <translation>The project has no output with terms; it cannot be exported.</translation>
    </message>
    <message>
        <source>Die Variable %1 enthält eine Zahl, die keine endliche Zahl ist; das Projekt lässt sich nicht exportieren.</source>
        <translation>The variable %1 holds a number that is not finite; the project cannot be exported.</translation>
    </message>
    <message>
        <source>Der Ausgangsterm %1 hat so große Ecken, dass sein Schwerpunkt keine Zahl ist; das Projekt lässt sich nicht als C exportieren.</source>
        <translation>The output term %1 has corners so large that its centroid is not a number; the project cannot be exported as C.</translation>
    </message>
    <message>
        <source>Der C-Quelltext braucht einen Namen auf .c: %1</source>
        <translation>The C source needs a name ending in .c: %1</translation>
    </message>
    <message>
        <source>%1 ist die Projektdatei selbst; sie wird nicht überschrieben.</source>
        <translation>%1 is the project file itself; it is not overwritten.</translation>
    </message>
    <message>
        <source>Unter dem Namen %1 steht keine gewöhnliche Datei; dorthin wird nicht exportiert.</source>
        <translation>The name %1 belongs to something other than a regular file; nothing is exported there.</translation>
    </message>
    <message>
        <source>Unbekanntes Format; das Projekt wurde nicht exportiert.</source>
        <translation>Unknown format; the project was not exported.</translation>
    </message>
    <message>
        <source>SOURCE_DATE_EPOCH ist %1, keine Zahl von Sekunden seit 1970 bis zum Jahr 9999; der C-Quelltext wird nicht geschrieben.</source>
        <translation>SOURCE_DATE_EPOCH is %1, not a number of seconds since 1970 up to the year 9999; the C source is not written.</translation>
    </message>
    <message>
        <source>Der Name %1 taugt nicht als C-Name: ein Kleinbuchstabe, dann bis zu 23 Kleinbuchstaben, Ziffern oder _ (die Makros sind der Name, groß geschrieben).</source>
        <translation>The name %1 is no use as a C name: a lower-case letter, then up to 23 lower-case letters, digits or _ (the macros are the name in upper case).</translation>
    </message>
    <message>
        <source>Der Dateiname %1 lässt sich nicht sicher in #include &quot;...&quot; schreiben: er enthält ein Steuerzeichen, &quot;, \, &apos;, / oder ??.</source>
        <translation>The file name %1 cannot be written safely into #include &quot;...&quot;: it contains a control character, &quot;, \, &apos;, / or ??.</translation>
    </message>
</context>
<context>
    <name>Exportkommentar</name>
    <message>
        <source>unbeschränkt</source>
        <translation>unbounded</translation>
    </message>
    <message>
        <source>Fuzzy-Projekt %1 als %2, geschrieben von fuzzysim.
Namen sind zu gültigen Bezeichnern gemacht; die Namen im Projekt stehen in den
Zeilen &quot;fuzzysim: ...&quot;, die der Import wieder liest.</source>
        <translation>Fuzzy project %1 as %2, written by fuzzysim.
Names are made into valid identifiers; the names in the project are kept in the
lines &quot;fuzzysim: ...&quot;, which the import reads back.</translation>
    </message>
    <message>
        <source>Der Ausgangsbereich ist auf %1 bis %2 erweitert (im Projekt %3 bis %4),
damit der Schwerpunkt die Terme ganz und auf einem passenden Raster integriert.</source>
        <translation>The output range is widened to %1 to %2 (in the project %3 to %4),
so that the centroid integrates the whole terms on a fitting grid.</translation>
    </message>
    <message>
        <source>Schwerpunkt mit %1 Abtastzellen, alle Ecken liegen auf dem Raster: die Abtastung ist exakt.</source>
        <translation>Centroid with %1 sampling cells, all corners lie on the grid: the sampling is exact.</translation>
    </message>
    <message>
        <source>Schwerpunkt mit %1 Abtastzellen, alle Ecken liegen auf dem Raster; die Abtastung verschiebt den Schwerpunkt höchstens um %2.</source>
        <translation>Centroid with %1 sampling cells, all corners lie on the grid; the sampling shifts the centroid by at most %2.</translation>
    </message>
    <message>
        <source>Schwerpunkt mit %1 Abtastzellen; die Abtastung verschiebt den Schwerpunkt höchstens um %2.</source>
        <translation>Centroid with %1 sampling cells; the sampling shifts the centroid by at most %2.</translation>
    </message>
    <message>
        <source>Schwerpunkt mit %1 Abtastzellen, alle Ecken liegen auf dem Raster; ein Term ist schmaler als eine Zelle, der Fehler der Abtastung ist nicht beschränkt.</source>
        <translation>Centroid with %1 sampling cells, all corners lie on the grid; a term is narrower than a cell, the sampling error is unbounded.</translation>
    </message>
    <message>
        <source>Schwerpunkt mit %1 Abtastzellen; ein Term ist schmaler als eine Zelle, der Fehler der Abtastung ist nicht beschränkt.</source>
        <translation>Centroid with %1 sampling cells; a term is narrower than a cell, the sampling error is unbounded.</translation>
    </message>
    <message>
        <source>Kein Raster aus höchstens %1 Zellen trägt alle Ecken; die Abtastung ist daher nicht exakt.</source>
        <translation>No grid of at most %1 cells carries all corners; so the sampling is not exact.</translation>
    </message>
    <message>
        <source>Wie dieses Programm: Minimum für &quot;und&quot;, je Ausgangsterm eine Regel, die ihre
Regelzellen mit Maximum verodert (exakt), Produkt-Implikation, unbeschränkte Summe
der skalierten Terme, Schwerpunkt; feuert keine Regel, gilt der Bereichsanfang (default).</source>
        <translation>As in this program: minimum for &quot;and&quot;, one rule per output term that ORs its
rule cells with the maximum (exact), product implication, unbounded sum
of the scaled terms, centroid; if no rule fires, the start of the range applies (default).</translation>
    </message>
    <message>
        <source>Terme der Eingänge, deren Höhe nicht 1 ist, tragen sie als Höhenparameter des Trapezes.</source>
        <translation>Input terms whose height is not 1 carry it as the height parameter of the trapezoid.</translation>
    </message>
    <message>
        <source>FIS kann Regelzellen nicht in einer Regel verodern: jede Zelle ist eine Regel,
zusammengefasst mit dem Maximum (AggMethod). Das ist exakt, solange sich die
Ausgangsterme nicht überlappen; gemessen auf 41 Werten je Eingang über deren Bereich
weicht der Schwerpunkt hier höchstens um %1 ab, mit der Abtastung
in %2 Zellen (wie fuzzylite) höchstens um %3.</source>
        <translation>FIS cannot OR rule cells within one rule: each cell is a rule of its own,
combined with the maximum (AggMethod). That is exact as long as the
output terms do not overlap; measured on 41 values per input across its range,
the centroid differs here by at most %1, with the sampling
in %2 cells (as in fuzzylite) by at most %3.</translation>
    </message>
    <message>
        <source>Feuert keine Regel, liefert dieses Programm den Bereichsanfang %1; FIS hat dafür keinen Eintrag.</source>
        <translation>If no rule fires, this program gives the start of the range, %1; FIS has no entry for it.</translation>
    </message>
    <message>
        <source>Terme der Eingänge, deren Höhe nicht 1 ist, tragen sie als fünften Wert von trapmf (fuzzylite liest ihn,
die Toolbox erwartet vier).</source>
        <translation>Input terms whose height is not 1 carry it as a fifth value of trapmf (fuzzylite reads it,
the toolbox expects four).</translation>
    </message>
    <message>
        <source>Wie dieses Programm: Minimum für &quot;und&quot;, je Ausgangsterm eine Regel, die ihre
Regelzellen mit Maximum verodert (exakt), Produkt-Implikation (ACT PROD), Schwerpunkt.
ACCU NSUM ist die normierte Summe der Norm: sie teilt die Summe der skalierten Terme
durch ein gemeinsames Maximum und lässt so den Schwerpunkt der unbeschränkten
Summe unverändert. fuzzylite liest NSUM Punkt für Punkt (bei 1 abgeschnitten);
dort weicht der Schwerpunkt auf 41 Werten je Eingang höchstens um %1 ab (ohne Abtastung %2).</source>
        <translation>As in this program: minimum for &quot;and&quot;, one rule per output term that ORs its
rule cells with the maximum (exact), product implication (ACT PROD), centroid.
ACCU NSUM is the normalised sum of the standard: it divides the sum of the scaled terms
by a common maximum and so leaves the centroid of the unbounded
sum unchanged. fuzzylite reads NSUM point by point (cut off at 1);
there the centroid differs on 41 values per input by at most %1 (without sampling %2).</translation>
    </message>
    <message>
        <source>ACCU steht im DEFUZZIFY-Block, wo fuzzylite es liest (die Norm nennt es im RULEBLOCK).</source>
        <translation>ACCU stands in the DEFUZZIFY block, where fuzzylite reads it (the standard puts it in the RULEBLOCK).</translation>
    </message>
    <message>
        <source>Feuert keine Regel, gilt DEFAULT, der Bereichsanfang des Projekts.</source>
        <translation>If no rule fires, DEFAULT applies, the start of the project&apos;s range.</translation>
    </message>
    <message>
        <source>Terme sind Punktlisten; die Höhe eines Eingangsterms steht in seinen Punkten.</source>
        <translation>Terms are point lists; the height of an input term is given by its points.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Die Datei %1 gibt es nicht.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>Die Datei %1 darf nicht gelesen werden.</source>
        <translation>The file %1 may not be read (no permission).</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden (Systemfehler %2).</source>
        <translation>The file %1 could not be opened (system error %2).</translation>
    </message>
    <message>
        <source>Die Datei %1 ist ein Ordner.</source>
        <translation>The file %1 is a folder.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine gewöhnliche Datei (ein Gerät oder eine Pipe) und wird nicht gelesen.</source>
        <translation>The file %1 is not a regular file (a device or a pipe) and is not read.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist größer als %2 MB; so groß ist kein Fuzzy-System, sie wird nicht gelesen.</source>
        <translation>The file %1 is larger than %2 MB; no fuzzy system is that large, so it is not read.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden (Systemfehler %2).</source>
        <translation>The file %1 could not be read (system error %2).</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Eine Regel beginnt mit „if“.</source>
        <translation>A rule begins with “if”.</translation>
    </message>
    <message>
        <source>Regelgewichte gibt es hier nur am Ende der Regel.</source>
        <translation>Rule weights may only stand at the end of the rule here.</translation>
    </message>
    <message>
        <source>Nach der Bedingung wird „then“ erwartet, gefunden: %1.</source>
        <translation>Expected “then” after the condition, found: %1.</translation>
    </message>
    <message>
        <source>Nach der Bedingung wird „then“ erwartet.</source>
        <translation>Expected “then” after the condition.</translation>
    </message>
    <message>
        <source>Die Regel nennt zwei Ausgangsterme; hier führt jede Regel zu genau einem.</source>
        <translation>The rule names two output terms; here every rule leads to exactly one.</translation>
    </message>
    <message>
        <source>Nach „with“ wird ein Gewicht erwartet.</source>
        <translation>Expected a weight after “with”.</translation>
    </message>
    <message>
        <source>Regelgewicht %1: dieses Programm kennt nur Regeln mit Gewicht 1.</source>
        <translation>Rule weight %1: this program only knows rules with weight 1.</translation>
    </message>
    <message>
        <source>Unerwartetes %1 am Ende der Regel.</source>
        <translation>Unexpected %1 at the end of the rule.</translation>
    </message>
    <message>
        <source>Die Bedingung ist tiefer als %1 Klammerebenen verschachtelt; so tief liest dieses Programm nicht.</source>
        <translation>The condition is nested deeper than %1 levels of parentheses; this program does not read that deep.</translation>
    </message>
    <message>
        <source>Es fehlt eine schließende Klammer, gefunden: %1.</source>
        <translation>A closing parenthesis is missing, found: %1.</translation>
    </message>
    <message>
        <source>Es fehlt eine schließende Klammer.</source>
        <translation>A closing parenthesis is missing.</translation>
    </message>
    <message>
        <source>Verneinung („not“) gibt es in diesem Programm nicht.</source>
        <translation>Negation (“not”) does not exist in this program.</translation>
    </message>
    <message>
        <source>Nach „then“ wird ein Variablenname erwartet, gefunden: %1.</source>
        <translation>Expected a variable name after “then”, found: %1.</translation>
    </message>
    <message>
        <source>Nach „then“ wird ein Variablenname erwartet.</source>
        <translation>Expected a variable name after “then”.</translation>
    </message>
    <message>
        <source>In der Bedingung wird ein Variablenname erwartet, gefunden: %1.</source>
        <translation>Expected a variable name in the condition, found: %1.</translation>
    </message>
    <message>
        <source>In der Bedingung wird ein Variablenname erwartet.</source>
        <translation>Expected a variable name in the condition.</translation>
    </message>
    <message>
        <source>Nach %1 wird „is“ erwartet, gefunden: %2.</source>
        <translation>Expected “is” after %1, found: %2.</translation>
    </message>
    <message>
        <source>Nach %1 wird „is“ erwartet.</source>
        <translation>Expected “is” after %1.</translation>
    </message>
    <message>
        <source>Modifizierer %1 gibt es in diesem Programm nicht.</source>
        <translation>The hedge %1 does not exist in this program.</translation>
    </message>
    <message>
        <source>Nach „is“ wird ein Termname erwartet, gefunden: %1.</source>
        <translation>Expected a term name after “is”, found: %1.</translation>
    </message>
    <message>
        <source>Nach „is“ wird ein Termname erwartet.</source>
        <translation>Expected a term name after “is”.</translation>
    </message>
    <message>
        <source>„or“ innerhalb einer „and“-Verknüpfung passt nicht: hier verbindet „or“ nur ganze Regelzellen.</source>
        <translation>“or” inside an “and” does not fit: here “or” only joins whole rule cells.</translation>
    </message>
    <message>
        <source>Eine Zahl des Terms %1 liegt außerhalb des Zahlenbereichs.</source>
        <translation>A number of the term %1 lies outside the range of numbers.</translation>
    </message>
    <message>
        <source>Der Bereich liegt außerhalb des Zahlenbereichs.</source>
        <translation>The range lies outside the range of numbers.</translation>
    </message>
    <message>
        <source>Der Term %1 (%2) braucht 4 Zahlen (a, b, c, d) und wahlweise eine Höhe, gefunden: %3.</source>
        <translation>The term %1 (%2) needs 4 numbers (a, b, c, d) and optionally a height, found: %3.</translation>
    </message>
    <message>
        <source>Der Term %1 (%2) braucht 3 Zahlen (a, b, c) und wahlweise eine Höhe, gefunden: %3.</source>
        <translation>The term %1 (%2) needs 3 numbers (a, b, c) and optionally a height, found: %3.</translation>
    </message>
    <message>
        <source>Der Term %1 (%2) braucht 2 Zahlen (Anfang, Ende) und wahlweise eine Höhe, gefunden: %3.</source>
        <translation>The term %1 (%2) needs 2 numbers (start, end) and optionally a height, found: %3.</translation>
    </message>
    <message>
        <source>Der Term %1 ist vom Typ %2; dieses Programm kennt nur Trapez, Dreieck und Rechteck.</source>
        <translation>The term %1 is of type %2; this program only knows trapezoid, triangle and rectangle.</translation>
    </message>
    <message>
        <source>Der Name der Variablen ist leer; hier braucht jeder Name mindestens ein Zeichen.</source>
        <translation>The name of the variable is empty; here every name needs at least one character.</translation>
    </message>
    <message>
        <source>Der Name der Variablen %1 enthält ein Zeichen, das eine Fuzzy-Datei nicht aufnehmen kann.</source>
        <translation>The name of the variable %1 contains a character that a fuzzy file cannot hold.</translation>
    </message>
    <message>
        <source>Der Name des Terms ist leer; hier braucht jeder Name mindestens ein Zeichen.</source>
        <translation>The name of the term is empty; here every name needs at least one character.</translation>
    </message>
    <message>
        <source>Der Name des Terms %1 enthält ein Zeichen, das eine Fuzzy-Datei nicht aufnehmen kann.</source>
        <translation>The name of the term %1 contains a character that a fuzzy file cannot hold.</translation>
    </message>
    <message>
        <source>Die Variable %1 hat keine Terme; hier braucht jede Variable mindestens einen.</source>
        <translation>The variable %1 has no terms; here every variable needs at least one.</translation>
    </message>
    <message>
        <source>Ein sechster Term (%1) von %2 passt nicht: dieses Programm hat höchstens fünf Terme je Variable.</source>
        <translation>A sixth term (%1) of %2 does not fit: this program has at most five terms per variable.</translation>
    </message>
    <message>
        <source>Der Bereichsanfang liegt außerhalb des Zahlenbereichs.</source>
        <translation>The start of the range lies outside the range of numbers.</translation>
    </message>
    <message>
        <source>Das Bereichsende liegt außerhalb des Zahlenbereichs.</source>
        <translation>The end of the range lies outside the range of numbers.</translation>
    </message>
    <message>
        <source>%1 hat keinen Term %2.</source>
        <translation>%1 has no term %2.</translation>
    </message>
    <message>
        <source>%1 ist nicht der Ausgang %2.</source>
        <translation>%1 is not the output %2.</translation>
    </message>
    <message>
        <source>Die Oder-Verknüpfung ist nicht das Maximum; Regelzellen werden hier mit dem Maximum verodert.</source>
        <translation>The OR operator is not the maximum; here rule cells are ORed with the maximum.</translation>
    </message>
    <message>
        <source>%1 ist kein Eingang.</source>
        <translation>%1 is not an input.</translation>
    </message>
    <message>
        <source>Die Regel nennt %1 zweimal in einer Regelzelle.</source>
        <translation>The rule names %1 twice in one rule cell.</translation>
    </message>
    <message>
        <source>Oder-Verknüpfung („or“) einzelner Bedingungen passt nicht: jede Regelzelle nennt je Eingang einen Term, mit „and“ verbunden.</source>
        <translation>An OR (“or”) of single conditions does not fit: each rule cell names one term per input, joined with “and”.</translation>
    </message>
    <message>
        <source>Die Regel nennt nicht jeden Eingang; hier nennt jede Regel je Eingang genau einen Term.</source>
        <translation>The rule does not name every input; here every rule names exactly one term per input.</translation>
    </message>
    <message>
        <source>Die Regelzelle ist schon dem Ausgangsterm %1 zugeordnet (Zeile %2); eine Zelle führt hier zu genau einem Term.</source>
        <translation>The rule cell already leads to the output term %1 (line %2); here a cell leads to exactly one term.</translation>
    </message>
    <message>
        <source>Die Datei definiert keinen Eingang.</source>
        <translation>The file defines no input.</translation>
    </message>
    <message>
        <source>Ein dritter Eingang (%1) passt nicht: dieses Programm hat höchstens zwei Eingänge.</source>
        <translation>A third input (%1) does not fit: this program has at most two inputs.</translation>
    </message>
    <message>
        <source>Die Datei definiert keinen Ausgang.</source>
        <translation>The file defines no output.</translation>
    </message>
    <message>
        <source>Ein zweiter Ausgang (%1) passt nicht: dieses Programm hat genau einen Ausgang.</source>
        <translation>A second output (%1) does not fit: this program has exactly one output.</translation>
    </message>
    <message>
        <source>Ein Kommentar %1 wird nicht geschlossen.</source>
        <translation>A comment %1 is not closed.</translation>
    </message>
    <message>
        <source>Erwartet wird ein Block (VAR_INPUT, FUZZIFY, DEFUZZIFY, RULEBLOCK), gefunden: %1.</source>
        <translation>Expected a block (VAR_INPUT, FUZZIFY, DEFUZZIFY, RULEBLOCK), found: %1.</translation>
    </message>
    <message>
        <source>Dateiende</source>
        <translation>end of file</translation>
    </message>
    <message>
        <source>Erwartet wird %1, gefunden: %2.</source>
        <translation>Expected %1, found: %2.</translation>
    </message>
    <message>
        <source>%1 ist nicht als %2 erklärt.</source>
        <translation>%1 is not declared as %2.</translation>
    </message>
    <message>
        <source>Erwartet wird ein Variablenname, gefunden: %1.</source>
        <translation>Expected a variable name, found: %1.</translation>
    </message>
    <message>
        <source>Erwartet wird eine Methode, gefunden: %1.</source>
        <translation>Expected a method, found: %1.</translation>
    </message>
    <message>
        <source>Erwartet wird eine Zahl, gefunden: %1.</source>
        <translation>Expected a number, found: %1.</translation>
    </message>
    <message>
        <source>Erwartet wird der Bereichsanfang, gefunden: %1.</source>
        <translation>Expected the start of the range, found: %1.</translation>
    </message>
    <message>
        <source>Erwartet wird das Bereichsende, gefunden: %1.</source>
        <translation>Expected the end of the range, found: %1.</translation>
    </message>
    <message>
        <source>Erwartet wird TERM oder %1, gefunden: %2.</source>
        <translation>Expected TERM or %1, found: %2.</translation>
    </message>
    <message>
        <source>Erwartet wird ein Termname, gefunden: %1.</source>
        <translation>Expected a term name, found: %1.</translation>
    </message>
    <message>
        <source>Die Punktliste von %1 hat mehr als 64 Punkte; ein Trapez braucht vier.</source>
        <translation>The point list of %1 has more than 64 points; a trapezoid needs four.</translation>
    </message>
    <message>
        <source>Erwartet wird ein Termtyp, gefunden: %1.</source>
        <translation>Expected a term type, found: %1.</translation>
    </message>
    <message>
        <source>Die Punktliste von %1 ist kein Trapez, Dreieck oder Rechteck (Zugehörigkeit 0, h, h, 0).</source>
        <translation>The point list of %1 is no trapezoid, triangle or rectangle (membership degree 0, h, h, 0).</translation>
    </message>
    <message>
        <source>Die Und-Verknüpfung ist %1; dieses Programm rechnet „and“ mit dem Minimum.</source>
        <translation>The AND operator is %1; this program computes “and” with the minimum.</translation>
    </message>
    <message>
        <source>Erwartet wird die Nummer der Regel, gefunden: %1.</source>
        <translation>Expected the number of the rule, found: %1.</translation>
    </message>
    <message>
        <source>Erwartet wird RULE oder END_RULEBLOCK, gefunden: %1.</source>
        <translation>Expected RULE or END_RULEBLOCK, found: %1.</translation>
    </message>
    <message>
        <source>In der Regel ist %1 keine Zahl.</source>
        <translation>In the rule, %1 is not a number.</translation>
    </message>
    <message>
        <source>In den Bereich ist %1 keine Zahl.</source>
        <translation>In the range, %1 is not a number.</translation>
    </message>
    <message>
        <source>Erwartet wird eine Zahlenliste in eckigen Klammern für den Bereich.</source>
        <translation>Expected a list of numbers in square brackets for the range.</translation>
    </message>
    <message>
        <source>In den Term %2 ist %1 keine Zahl.</source>
        <translation>In the term %2, %1 is not a number.</translation>
    </message>
    <message>
        <source>Erwartet wird eine Zahlenliste in eckigen Klammern für den Term %1.</source>
        <translation>Expected a list of numbers in square brackets for the term %1.</translation>
    </message>
    <message>
        <source>Die Regel nennt Term %1 von %2, der nur %3 Term hat.</source>
        <translation>The rule names term %1 of %2, which has only %3 term.</translation>
    </message>
    <message>
        <source>Die Regel nennt Term %1 von %2, der nur %3 Terme hat.</source>
        <translation>The rule names term %1 of %2, which has only %3 terms.</translation>
    </message>
    <message>
        <source>Erwartet wird eine Regel der Form „1 2, 3 (1) : 1“.</source>
        <translation>Expected a rule of the form “1 2, 3 (1) : 1”.</translation>
    </message>
    <message>
        <source>Die Regel nennt nicht je Eingang und Ausgang eine Zahl, ein Gewicht und eine Verknüpfung.</source>
        <translation>The rule does not give one number per input and output, a weight and a connective.</translation>
    </message>
    <message>
        <source>Verneinung (negative Termnummer) gibt es in diesem Programm nicht.</source>
        <translation>Negation (a negative term number) does not exist in this program.</translation>
    </message>
    <message>
        <source>Modifizierer (Termnummer %1) gibt es in diesem Programm nicht.</source>
        <translation>Hedges (term number %1) do not exist in this program.</translation>
    </message>
    <message>
        <source>Die Regel nennt keinen Ausgangsterm.</source>
        <translation>The rule names no output term.</translation>
    </message>
    <message>
        <source>Unbekannter Abschnitt %1.</source>
        <translation>Unknown section %1.</translation>
    </message>
    <message>
        <source>Erwartet wird „Schlüssel=Wert“, gefunden: %1.</source>
        <translation>Expected “key=value”, found: %1.</translation>
    </message>
    <message>
        <source>Erwartet wird der Abschnitt „[System]“.</source>
        <translation>Expected the section “[System]”.</translation>
    </message>
    <message>
        <source>Der Typ %1 passt nicht: dieses Programm rechnet wie ein Mamdani-System.</source>
        <translation>The type %1 does not fit: this program computes like a Mamdani system.</translation>
    </message>
    <message>
        <source>Die Und-Verknüpfung heißt in FIS %1, nicht %2 (Groß- und Kleinschreibung zählt).</source>
        <translation>In FIS the AND operator is called %1, not %2 (upper and lower case matter).</translation>
    </message>
    <message>
        <source>Der Bereich braucht zwei Zahlen.</source>
        <translation>The range needs two numbers.</translation>
    </message>
    <message>
        <source>Erwartet wird ein Term der Form „&apos;name&apos;:&apos;trapmf&apos;,[a b c d]“.</source>
        <translation>Expected a term of the form “&apos;name&apos;:&apos;trapmf&apos;,[a b c d]”.</translation>
    </message>
    <message>
        <source>Das ist keine FIS-Datei: der Abschnitt „[System]“ fehlt.</source>
        <translation>This is not an FIS file: the section “[System]” is missing.</translation>
    </message>
    <message>
        <source>Der Term %1 (Ramp) braucht zwei Zahlen (Anfang, Ende) und wahlweise eine Höhe.</source>
        <translation>The term %1 (Ramp) needs two numbers (start, end) and optionally a height.</translation>
    </message>
    <message>
        <source>Der Term %1 (Ramp) hat Anfang und Ende am selben Punkt.</source>
        <translation>The term %1 (Ramp) has its start and end at the same point.</translation>
    </message>
    <message>
        <source>Erwartet wird „Schlüssel: Wert“, gefunden: %1.</source>
        <translation>Expected “key: value”, found: %1.</translation>
    </message>
    <message>
        <source>Nach %1 wird ein Name erwartet.</source>
        <translation>Expected a name after %1.</translation>
    </message>
    <message>
        <source>Erwartet wird „Engine:“, gefunden: %1.</source>
        <translation>Expected “Engine:”, found: %1.</translation>
    </message>
    <message>
        <source>Ein Term braucht einen Namen und einen Typ.</source>
        <translation>A term needs a name and a type.</translation>
    </message>
    <message>
        <source>Im Term %1 ist %2 keine Zahl.</source>
        <translation>In the term %1, %2 is not a number.</translation>
    </message>
    <message>
        <source>FLL schreibt die Und-Verknüpfung %1 als %2 (Groß- und Kleinschreibung zählt).</source>
        <translation>FLL writes the AND operator %1 as %2 (upper and lower case matter).</translation>
    </message>
    <message>
        <source>Das ist keine FLL-Datei: „Engine:“ fehlt.</source>
        <translation>This is not an FLL file: “Engine:” is missing.</translation>
    </message>
</context>
<context>
    <name>Importhinweis</name>
    <message>
        <source>Feuert keine Regel, liefert dieses Programm den Bereichsanfang %1, nicht den Vorgabewert %2 der Datei.</source>
        <translation>If no rule fires, this program gives the start of the range, %1, not the file&apos;s default value %2.</translation>
    </message>
    <message>
        <source>%1; der Ausgang weicht dadurch auf %2 Eingaben um höchstens %3 ab.</source>
        <translation>%1; on %2 inputs, this changes the output by at most %3.</translation>
    </message>
    <message>
        <source>Die Implikation %1 wird hier als Produkt gerechnet.</source>
        <translation>The implication %1 is computed as the product here.</translation>
    </message>
    <message>
        <source>Die Terme des Ausgangs werden hier summiert, nicht mit %1 zusammengefasst.</source>
        <translation>The output&apos;s terms are summed here, not combined with %1.</translation>
    </message>
    <message>
        <source>Der Ausgang wird hier mit dem Schwerpunkt berechnet, nicht mit %1.</source>
        <translation>The output is computed here with the centroid, not with %1.</translation>
    </message>
    <message>
        <source>Die Terme des Ausgangs werden hier je Term mit dem Maximum seiner Regeln skaliert und summiert, nicht mit %1 zusammengefasst.</source>
        <translation>Here each output term is scaled by the maximum of its rules and the terms are summed, not combined with %1.</translation>
    </message>
    <message>
        <source>Feuert keine Regel, liefert %1 hier den Bereichsanfang, nicht %2 (keine Zahl) wie in der Datei.</source>
        <translation>If no rule fires, %1 gives the start of the range here, not %2 (not a number) as in the file.</translation>
    </message>
</context>
</TS>
