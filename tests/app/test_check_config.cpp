// kora --check-config, --help and --version as a teacher runs them in a
// terminal without a display: exact output and exit status.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <algorithm>

namespace {

const QString examples = QStringLiteral(KORA_EXAMPLES);

// The deviations that earn 6, 4 and 2 points for each type's equation;
// `typ0` and `typ2` under the file's tolerances, the others under their start values.
QString points(QString typ0 = {},
               const QString& typ2 = QStringLiteral("6 Punkte bis 0 %, 4 Punkte bis 0 %, 2 Punkte bis 0 %"))
{
    if (typ0.isEmpty())
        typ0 = QStringLiteral("6 Punkte bis 1 %, 4 Punkte bis 2 %, 2 Punkte bis 4 %");
    return QStringLiteral("\nPunkte für die Gleichung je Typ (Abweichung in ganzen Prozent):\n"
                          "typ0 NTC-Widerstand: ") +
           typ0 +
           QStringLiteral("\ntyp1 PTC-Widerstand: 6 Punkte bis 1 %, 4 Punkte bis 2 %, 2 Punkte bis 4 %\n"
                          "typ2 Pt 100: ") +
           typ2 +
           QStringLiteral("\ntyp3 Pt 1000: 6 Punkte bis 0 %, 4 Punkte bis 0 %, 2 Punkte bis 0 %\n"
                          "typ4 Flussspannung Si-Diode (konstanter Strom): 6 Punkte bis 2 %, 4 Punkte bis 4 %, "
                          "2 Punkte bis 9 %\n"
                          "typ5 Stromfühler: 6 Punkte bis 0 %, 4 Punkte bis 0 %, 2 Punkte bis 0 %\n"
                          "typ6 Thermoelement: 6 Punkte bis 0 %, 4 Punkte bis 1 %, 2 Punkte bis 2 %\n");
}

// The settings of a file that sets nothing but what `top` names, and the
// points they give.
QString settings(const QString& top, const QString& typ0 = QStringLiteral("Startwerte"),
                 const QString& typ2 = QStringLiteral("Startwerte"),
                 const QString& journal = QStringLiteral("angezeigt"), const QString& pointRows = points())
{
    return QStringLiteral("\nEinstellungen:\n") + top + QStringLiteral("Messprotokoll: Knöpfe ") + journal +
           QStringLiteral("\ntyp0 NTC-Widerstand: ") + typ0 +
           QStringLiteral("\ntyp1 PTC-Widerstand: Startwerte\ntyp2 Pt 100: ") + typ2 +
           QStringLiteral("\ntyp3 Pt 1000: Startwerte\n"
                          "typ4 Flussspannung Si-Diode (konstanter Strom): Startwerte\n"
                          "typ5 Stromfühler: Startwerte\ntyp6 Thermoelement: Startwerte\n") +
           pointRows;
}

const QByteArray badFile = "Lehrerdatei mit Fehlern\n"
                           "sensor:nr=9:off\r\n"
                           "basic:u=randint(5,30):x:t=25\n"
                           "typ0:a=rand(0.0003,0.0004):b=0:ntc:0.05\n"
                           "warmup:schalter=ja\n"
                           "TYP2:R0=110:A=0.4:Pt-F\xfchler:0.02\n";

// What every refused command line ends with.
const QString usage = QStringLiteral("Aufruf: kora [Optionen] [DATEI]\nHilfe: kora --help\n");
const QString englishUsage = QStringLiteral("Usage: kora [options] [FILE]\nHelp: kora --help\n");

} // namespace

class TestCheckConfig : public QObject {
    Q_OBJECT

private slots:
    void answersWithoutAWindow_data()
    {
        QTest::addColumn<QString>("folder");    // working folder: an example folder, or "" for a scratch one
        QTest::addColumn<QByteArray>("cmmup");  // written as cmmup.dlx into the scratch folder; "fifo" for a pipe
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        const QString fresh = QStringLiteral("Eigenerwärmung: Schalter verborgen, ausgeschaltet\n"
                                             "Quellenspannung: 10 V (Startwert)\n"
                                             "Thermostat-Sollwert: 20 °C (Startwert)\n");
        QTest::newRow("eigenerwaermung.dlx")
            << examples << QByteArray() << QStringList{"--check-config", "eigenerwaermung.dlx"} << 0
            << QStringLiteral("Die Datei eigenerwaermung.dlx enthält keine Fehler.\n") +
                   settings(QStringLiteral("Sensor: 0 (NTC-Widerstand, Startwert)\nSensorauswahl: sichtbar\n"
                                           "Eigenerwärmung: Schalter angezeigt, eingeschaltet\n"
                                           "Quellenspannung: 10 V (Startwert)\n"
                                           "Thermostat-Sollwert: 20 °C (Startwert)\n"))
            << "";
        QTest::newRow("fest_verborgen.dlx")
            << examples << QByteArray() << QStringList{"--check-config", "fest_verborgen.dlx"} << 0
            << QStringLiteral("Die Datei fest_verborgen.dlx enthält keine Fehler.\n") +
                   settings(QStringLiteral("Sensor: 3 (Pt 1000)\nSensorauswahl: verborgen\n") + fresh)
            << "";
        QTest::newRow("ntc_zufall.dlx: draws shown as ranges")
            << examples << QByteArray() << QStringList{"--check-config", "ntc_zufall.dlx"} << 0
            << QStringLiteral("Die Datei ntc_zufall.dlx enthält keine Fehler.\n") +
                   settings(QStringLiteral("Sensor: 0 (NTC-Widerstand)\nSensorauswahl: verborgen\n") + fresh,
                            QStringLiteral("a = rand(0.0003; 0.0004), b = rand(4500; 5500), "
                                           "Name = \"NTC-Widerstand\", Toleranz = 0.05"))
            << "";
        QTest::newRow("zufallsspannung.dlx")
            << examples << QByteArray() << QStringList{"--check-config", "zufallsspannung.dlx"} << 0
            << QStringLiteral("Die Datei zufallsspannung.dlx enthält keine Fehler.\n") +
                   settings(QStringLiteral("Sensor: 0 (NTC-Widerstand, Startwert)\nSensorauswahl: sichtbar\n"
                                           "Eigenerwärmung: Schalter verborgen, ausgeschaltet\n"
                                           "Quellenspannung: randint(5; 15) V\nThermostat-Sollwert: 25 °C\n"))
            << "";
        // Both ends of a range are tried: randint(5,30) is reported for its 30 V.
        QTest::newRow("bad lines, cmmup.dlx by default")
            << "" << badFile << QStringList{"--check-config"} << 1
            << QStringLiteral(
                   "In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:\n"
                   "Zeile 2: sensor:nr=9:off – \"sensor\": die Sensornummer 9 liegt nicht zwischen 0 und 6\n"
                   "Zeile 3: basic:u=randint(5,30):x:t=25 – \"basic\": die Quellenspannung 30 V liegt nicht "
                   "zwischen 0 und 24 V\n"
                   "Zeile 4: typ0:a=rand(0.0003,0.0004):b=0:ntc:0.05 – \"typ0\": B = 0 ist nicht möglich (der "
                   "Temperaturkoeffizient wäre 0)\n"
                   "Zeile 5: warmup:schalter=ja – \"warmup\": Feld 2 fehlt (Felder werden durch \":\" getrennt)\n") +
                   settings(QStringLiteral("Sensor: 0 (NTC-Widerstand, Startwert)\nSensorauswahl: verborgen\n"
                                           "Eigenerwärmung: Schalter verborgen, ausgeschaltet\n"
                                           "Quellenspannung: randint(5; 30) V\nThermostat-Sollwert: 25 °C\n"),
                            QStringLiteral("a = rand(0.0003; 0.0004), b = 5000 (Startwert), "
                                           "Name = \"NTC-Widerstand\" (Startwert), Toleranz = 0.05 (Startwert)"),
                            QStringLiteral("R0 = 110, A = 0.4, Name = \"Pt-Fühler\", Toleranz = 0.02"),
                            QStringLiteral("angezeigt"),
                            points({}, QStringLiteral("6 Punkte bis 0 %, 4 Punkte bis 0 %, 2 Punkte bis 1 %")))
            << "";
        QTest::newRow("journal hidden for an exam")
            << "" << QByteArray("protokoll:off\n") << QStringList{"--check-config"} << 0
            << QStringLiteral("Die Datei cmmup.dlx enthält keine Fehler.\n") +
                   settings(QStringLiteral("Sensor: 0 (NTC-Widerstand, Startwert)\nSensorauswahl: sichtbar\n") + fresh,
                            QStringLiteral("Startwerte"), QStringLiteral("Startwerte"), QStringLiteral("verborgen"))
            << "";
        // A teacher's slips: reported with the fix, or hinted at without
        // changing the status; the points follow the file's tolerance.
        QTest::newRow("decimal comma and a tolerance in percent")
            << "" << QByteArray("typ0:a=0,0004:b=5000:NTC-Widerstand:10%\n") << QStringList{"--check-config"} << 1
            << QStringLiteral("In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:\n"
                              "Zeile 1: typ0:a=0,0004:b=5000:NTC-Widerstand:10% – \"typ0\": »0,0004« ist keine Zahl; "
                              "Dezimalpunkt verwenden: 0.0004; \"typ0\": Toleranz ist ein Anteil: 0.05 bedeutet 5 %\n") +
                   settings(QStringLiteral("Sensor: 0 (NTC-Widerstand, Startwert)\nSensorauswahl: sichtbar\n") + fresh,
                            QStringLiteral("a = 0.000357 (Startwert), b = 5000, Name = \"NTC-Widerstand\", "
                                           "Toleranz = 0.05 (Startwert)"))
            << "";
        QTest::newRow("mistyped keyword is a hint, tolerance 0.1")
            << "" << QByteArray("Prüfung Klasse 10\nsensr:nr=3:off\ntyp0:a=0.0004:b=5000:NTC-Widerstand:0.1\n")
            << QStringList{"--check-config"} << 0
            << QStringLiteral("Die Datei cmmup.dlx enthält keine Fehler.\n"
                              "Zeile 2 ist eine Bemerkung; meinten Sie »sensor«?\n") +
                   settings(QStringLiteral("Sensor: 0 (NTC-Widerstand, Startwert)\nSensorauswahl: sichtbar\n") + fresh,
                            QStringLiteral("a = 0.0004, b = 5000, Name = \"NTC-Widerstand\", Toleranz = 0.1"),
                            QStringLiteral("Startwerte"), QStringLiteral("angezeigt"),
                            points(QStringLiteral("6 Punkte bis 2 %, 4 Punkte bis 4 %, 2 Punkte bis 9 %")))
            << "";
        // The answer key: every random form replaced by what this student draws.
        const QByteArray course = "anmeldung:pflicht\nvariante:schluessel=physik\nergebnisse:ordner=/tmp\n"
                                  "pruefung:on\nsensor:nr=randint(0,6):off\nbasic:u=randint(5,15):r=0:t=randint(20,40)\n"
                                  "typ3:r0=rand(900,1100):a=rand(3.5,4):pt-1000:0.05\n";
        const QString courseRows =
            QStringLiteral("Messprotokoll: Knöpfe angezeigt\nAnmeldung: Name und Matrikelnummer vor dem Versuch\n"
                           "Variante: persönlich, aus dem Schlüssel \"physik\" und der Matrikelnummer\n"
                           "Ergebnisse: in den Ordner /tmp\n"
                           "Prüfung: Sensorauswahl und Eigenerwärmung bleiben nach der Auswertung, wie die Datei sie "
                           "einstellt\ntyp0 NTC-Widerstand: Startwerte\ntyp1 PTC-Widerstand: Startwerte\n"
                           "typ2 Pt 100: Startwerte\ntyp3 Pt 1000: ");
        const QString courseTail =
            QStringLiteral(", Name = \"pt-1000\", Toleranz = 0.05\n"
                           "typ4 Flussspannung Si-Diode (konstanter Strom): Startwerte\n"
                           "typ5 Stromfühler: Startwerte\ntyp6 Thermoelement: Startwerte\n") +
            points().replace(QStringLiteral("typ3 Pt 1000: 6 Punkte bis 0 %, 4 Punkte bis 0 %, 2 Punkte bis 0 %"),
                             QStringLiteral("typ3 Pt 1000: 6 Punkte bis 1 %, 4 Punkte bis 2 %, 2 Punkte bis 4 %"));
        QTest::newRow("course lines in the summary")
            << "" << course << QStringList{"--check-config"} << 0
            << QStringLiteral("Die Datei cmmup.dlx enthält keine Fehler.\n\nEinstellungen:\nSensor: randint(0; 6)\n"
                              "Sensorauswahl: verborgen\nEigenerwärmung: Schalter verborgen, ausgeschaltet\n"
                              "Quellenspannung: randint(5; 15) V\nThermostat-Sollwert: randint(20; 40) °C\n") +
                   courseRows + QStringLiteral("R0 = rand(900; 1100), A = rand(3.5; 4)") + courseTail
            << "";
        QTest::newRow("--matrikel: the variant of one student")
            << "" << course << QStringList{"--check-config", "--matrikel", "4711001"} << 0
            << QStringLiteral("Die Datei cmmup.dlx enthält keine Fehler.\n\nEinstellungen für Matrikelnummer 4711001:\n"
                              "Sensor: 5 (Stromfühler)\nSensorauswahl: verborgen\n"
                              "Eigenerwärmung: Schalter verborgen, ausgeschaltet\nQuellenspannung: 7 V\n"
                              "Thermostat-Sollwert: 34 °C\n") +
                   courseRows + QStringLiteral("R0 = 1051.58421993256, A = 3.55594637989998") +
                   QString(courseTail).replace(QStringLiteral("\nPunkte für"),
                                               QStringLiteral("Richtige Gleichung: I/µA = 1*T/K\n\nPunkte für"))
            << "";
        // The answer key of a resistor: the equation and alpha as the
        // evaluation shows them; the number typed in any of its forms.
        const QString pt1000 = QStringLiteral("Anmeldung: Name und Matrikelnummer vor dem Versuch\n"
                                              "Variante: persönlich, aus dem Schlüssel \"physik\" und der Matrikelnummer");
        QTest::newRow("--matrikel: equation and alpha of a Pt 1000, tolerance below 1 %")
            << "" << QByteArray("variante:schluessel=physik\nsensor:nr=3:off\ntyp3:r0=1000:a=3.85:pt-1000:0.005\n")
            << QStringList{"--check-config", "--matrikel", " 04711-001"} << 0
            << QString(QStringLiteral("Die Datei cmmup.dlx enthält keine Fehler.\n") +
                settings(QStringLiteral("Sensor: 3 (Pt 1000)\nSensorauswahl: verborgen\n") + fresh,
                         QStringLiteral("Startwerte"), QStringLiteral("Startwerte"),
                         QStringLiteral("angezeigt\n") + pt1000))
                   .replace(QStringLiteral("\nEinstellungen:\n"),
                            QStringLiteral("\nEinstellungen für Matrikelnummer 04711-001:\n"))
                   .replace(QStringLiteral("typ3 Pt 1000: Startwerte\n"),
                            QStringLiteral("typ3 Pt 1000: R0 = 1000, A = 3.85, Name = \"pt-1000\", Toleranz = 0.005\n"))
                   .replace(QStringLiteral("Thermoelement: Startwerte\n"),
                            QStringLiteral("Thermoelement: Startwerte\n"
                                           "Richtige Gleichung: R/Ohm = 1000*(1 + 0.00385*(T-273))   T in K\n"
                                           "Richtiges alpha: 0.00385 1/K bei 0 °C\n"
                                           "Ebenfalls richtig: alpha = 0.00357 1/K bei 20 °C\n"))
                   .replace(QStringLiteral("typ3 Pt 1000: 6 Punkte bis 0 %, 4 Punkte bis 0 %, 2 Punkte bis 0 %"),
                            QStringLiteral("typ3 Pt 1000: 6 Punkte bis 0,5 %, 4 Punkte bis 0,5 %, 2 Punkte bis 0,5 %"))
            << "";
        // A course line one letter off, and a results folder the students
        // would not find: both fail the check.
        QTest::newRow("course keywords one letter off")
            << "" << QByteArray("varianten:schluessel=x\nanmeldungen:pflicht\nergebniss:ordner=abgabe\n"
                                "pruefungen:on\nsprachen:en\n")
            << QStringList{"--check-config"} << 1
            << QStringLiteral("In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:\n"
                              "Zeile 1 ist eine Bemerkung; meinten Sie »variante«?\n"
                              "Zeile 2 ist eine Bemerkung; meinten Sie »anmeldung«?\n"
                              "Zeile 3 ist eine Bemerkung; meinten Sie »ergebnisse«?\n"
                              "Zeile 4 ist eine Bemerkung; meinten Sie »pruefung«?\n"
                              "Zeile 5 ist eine Bemerkung; meinten Sie »sprache«?\n") +
                   settings(QStringLiteral("Sensor: 0 (NTC-Widerstand, Startwert)\nSensorauswahl: sichtbar\n") + fresh)
            << "";
        QTest::newRow("results folder missing")
            << "" << QByteArray("ergebnisse:ordner=/gibt/es/nicht\n") << QStringList{"--check-config"} << 1
            << QStringLiteral("In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:\n"
                              "Den Ergebnisordner /gibt/es/nicht gibt es nicht.\n") +
                   settings(QStringLiteral("Sensor: 0 (NTC-Widerstand, Startwert)\nSensorauswahl: sichtbar\n") + fresh,
                            QStringLiteral("Startwerte"), QStringLiteral("Startwerte"),
                            QStringLiteral("angezeigt\nAnmeldung: Name und Matrikelnummer vor dem Versuch\n"
                                           "Ergebnisse: in den Ordner /gibt/es/nicht"))
            << "";
        QTest::newRow("--matrikel that breaks the rule")
            << "" << course << QStringList{"--check-config", "--matrikel", "47/11"} << 2 << ""
            << QStringLiteral("Die Matrikelnummer \"47/11\" besteht nicht aus 3 bis 20 Buchstaben, Ziffern oder \"-\".\n");
        QTest::newRow("--matrikel without a variante line")
            << "" << QByteArray("sensor:nr=randint(0,6):off\n") << QStringList{"--check-config", "--matrikel", "4711001"}
            << 2 << ""
            << QStringLiteral("Die Datei cmmup.dlx hat keine Zeile variante:schluessel=…; jeder Start zieht neu.\n");
        QTest::newRow("missing") << "" << QByteArray() << QStringList{"--check-config", "fehlt.dlx"} << 2 << ""
                                 << QStringLiteral("Die Datei fehlt.dlx gibt es nicht.\n");
        QTest::newRow("named pipe, no wait") << "" << QByteArray("fifo") << QStringList{"--check-config"} << 2 << ""
                                             << QStringLiteral("Die Datei cmmup.dlx ist keine gewöhnliche Datei.\n");
        QTest::newRow("version") << "" << QByteArray() << QStringList{"--version"} << 0
                                 << QStringLiteral("kora " KORA_VERSION "\n") << "";
        QTest::newRow("unknown option") << "" << QByteArray() << QStringList{"--check-config", "--sofort"} << 2 << ""
                                        << QStringLiteral("Unbekannte Option 'sofort'.\n") + usage;
        QTest::newRow("file glued on with =")
            << "" << QByteArray() << QStringList{"--check-config=a.dlx"} << 2 << ""
            << QStringLiteral("Wert unerwartet nach '--check-config'.\n") + usage;
        QTest::newRow("two files") << "" << QByteArray() << QStringList{"--check-config", "a.dlx", "b.dlx"} << 2
                                   << "" << QStringLiteral("Bitte nur eine Datei angeben.\n") + usage;
    }
    void answersWithoutAWindow()
    {
        QFETCH(QString, folder);
        QFETCH(QByteArray, cmmup);
        QFETCH(QStringList, args);
        QTemporaryDir scratch;
        if (folder.isEmpty())
            folder = scratch.path();
        const QString file = QDir(folder).filePath(QStringLiteral("cmmup.dlx"));
        if (cmmup == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);
        } else if (!cmmup.isEmpty()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(cmmup);
        }
        const auto [status, out, err] = run(folder, args);
        QTEST(out, "out");
        QTEST(err, "err");
        QTEST(status, "status");
    }

    // Whatever is typed, the program answers in German and never aborts;
    // with a display a refused command line opens no window either.
    void commandLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("first"); // first line of the output, stdout and stderr together
        for (const bool display : {false, true}) {
            const char* where = display ? "display" : "no display";
            QTest::addRow("--bogus, %s", where) << QStringList{"--bogus"} << display << 2
                                                << "Unbekannte Option 'bogus'.";
            QTest::addRow("stray file, %s", where) << QStringList{"messung.csv"} << display << 2
                                                   << "Unerwartetes Argument 'messung.csv'.";
            QTest::addRow("short unknown, %s", where) << QStringList{"-x"} << display << 2
                                                      << "Unbekannte Option 'x'.";
            QTest::addRow("end of options only, %s", where) << QStringList{"--"} << display << 2
                                                            << "Unerwartetes Argument '--'.";
            QTest::addRow("stray after the end of options, %s", where)
                << QStringList{"--", "--version"} << display << 2 << "Unerwartetes Argument '--version'.";
            QTest::addRow("version, %s", where) << QStringList{"--version"} << display << 0 << "kora " KORA_VERSION;
            QTest::addRow("-v, %s", where) << QStringList{"-v"} << display << 0 << "kora " KORA_VERSION;
            QTest::addRow("-?, %s", where) << QStringList{"-?"} << display << 0 << "Aufruf: " KORA_EXE
                                                                                   " [Optionen] [DATEI]";
        }
        QTest::newRow("unknown beside --check-config")
            << QStringList{"--check-config", "--bogus", "fehlt.dlx"} << false << 2 << "Unbekannte Option 'bogus'.";
        QTest::newRow("no argument, no display")
            << QStringList{} << false << 1
            << "Kein Bildschirm gefunden (DISPLAY ist leer): Das Experiment braucht eine grafische Sitzung.";
        // The second launcher's language goes to the window, which needs a display.
        QTest::newRow("--sprache en, no display")
            << QStringList{"--sprache", "en"} << false << 1
            << "No display found (DISPLAY is empty): the experiment needs a graphical session.";
        QTest::newRow("--sprache=de, no display")
            << QStringList{"--sprache=de"} << false << 1
            << "Kein Bildschirm gefunden (DISPLAY ist leer): Das Experiment braucht eine grafische Sitzung.";
        QTest::newRow("a language not shipped") << QStringList{"--sprache", "fr"} << false << 2
                                                << "--sprache kennt de oder en, nicht \"fr\".";
        QTest::newRow("two languages") << QStringList{"--sprache=de", "--sprache", "de"} << false << 2
                                       << "Bitte --sprache nur einmal angeben.";
        QTest::newRow("no language after --sprache") << QStringList{"--version", "--sprache"} << false << 2
                                                     << "Nach --sprache fehlt die Sprache: de oder en.";
        // Beside the teacher's options the language chooses their answers.
        QTest::newRow("English, unknown option") << QStringList{"--sprache", "en", "--bogus"} << false << 2
                                                 << "Unknown option 'bogus'.";
        QTest::newRow("English, stray file") << QStringList{"messung.csv", "--sprache=en"} << false << 2
                                             << "Unexpected argument 'messung.csv'.";
        QTest::newRow("English, missing file") << QStringList{"--check-config", "fehlt.dlx", "--sprache", "en"}
                                               << false << 2 << "The file fehlt.dlx does not exist.";
        QTest::newRow("German asked, version") << QStringList{"--sprache", "de", "--version"} << false << 0
                                               << "kora " KORA_VERSION;
        QTest::newRow("empty argument") << QStringList{""} << false << 2 << "Unerwartetes Argument ''.";
        QTest::newRow("missing file") << QStringList{"--check-config", "fehlt.dlx"} << false << 2
                                      << "Die Datei fehlt.dlx gibt es nicht.";
    }
    void commandLines()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, display);
        const auto [status, out, err] = run(QDir::tempPath(), args, display);
        QTEST(QString(out + err).section(QLatin1Char('\n'), 0, 0), "first");
        QTEST(status, "status");
        const bool english = args.contains(QStringLiteral("en")) || args.contains(QStringLiteral("--sprache=en"));
        if (status == 2 && !err.startsWith(QLatin1String(english ? "The file" : "Die Datei")))
            QVERIFY2(err.endsWith(english ? englishUsage : usage), qPrintable(err));
    }

    void helpInGerman()
    {
        const auto [status, out, err] = run(QDir::tempPath(), {QStringLiteral("--help")});
        QCOMPARE(status, 0);
        QCOMPARE(err, QString());
        const QStringList lines = out.split(QLatin1Char('\n'));
        QVERIFY2(lines.value(0).startsWith(QStringLiteral("Aufruf: ")), qPrintable(out));
        QVERIFY(lines.value(0).endsWith(QStringLiteral(" [Optionen] [DATEI]")));
        QStringList simplified;
        for (const QString& line : lines)
            simplified << line.simplified();
        QVERIFY(simplified.contains(QStringLiteral("-h, --help, -? Zeigt diese Hilfe an.")));
        QVERIFY(simplified.contains(QStringLiteral("-v, --version Zeigt die Versionsnummer an.")));
        // Every option in the option list, the class overview's and the language too.
        for (const char* option : {"--check-config Prüft die Lehrerdatei DATEI", "--matrikel <N> Mit --check-config",
                                   "--ergebnisse <ORDNER> Klassenübersicht", "--csv <DATEI> Mit --ergebnisse",
                                   "--html <DATEI> Mit --ergebnisse", "--wertung <erster|bester|letzter> Mit --ergebnisse",
                                   "--config <DATEI> Mit --ergebnisse", "--web <AUSGABE.html> Schreibt die Laborseite",
                                   "--sprache <de|en> Sprache"})
            QVERIFY2(std::any_of(simplified.begin(), simplified.end(),
                                 [&](const QString& l) { return l.startsWith(QString::fromUtf8(option)); }),
                     option);
    }

    // `--sprache en` beside the teacher's options: Qt's part of the help, the
    // program's part and the reasons of a checked file speak English.
    void helpAndCheckInEnglish()
    {
        const auto [status, out, err] = run(QDir::tempPath(), {QStringLiteral("--sprache=en"), QStringLiteral("-?")});
        QCOMPARE(status, 0);
        const QStringList lines = out.split(QLatin1Char('\n'));
        QVERIFY2(lines.value(0).endsWith(QStringLiteral(" [options] [FILE]")), qPrintable(out));
        QVERIFY(std::any_of(lines.begin(), lines.end(), [](const QString& l) {
            return l.simplified() == QStringLiteral("-h, --help, -? Shows this help.");
        }));
        QVERIFY(lines.contains(QStringLiteral("Language: --sprache de|en beside any option; German if not given.")));

        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("pruefung.dlx")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(badFile) == badFile.size());
        file.close();
        const auto [checked, report, none] = run(dir.path(), {QStringLiteral("--check-config"), QStringLiteral("pruefung.dlx"),
                                                              QStringLiteral("--sprache"), QStringLiteral("en")});
        QCOMPARE(checked, 1);
        QCOMPARE(report.split(QLatin1Char('\n')).mid(0, 3),
                 (QStringList{QStringLiteral("In the file pruefung.dlx the following lines were not used, or only in part:"),
                              QStringLiteral("Line 2: sensor:nr=9:off – \"sensor\": the sensor number 9 is not between 0 and 6"),
                              QStringLiteral("Line 3: basic:u=randint(5,30):x:t=25 – \"basic\": the source voltage 30 V is "
                                             "not between 0 and 24 V")}));
        QVERIFY2(report.contains(QStringLiteral("\nSettings:\nSensor: 0 (NTC thermistor, start value)\n")), qPrintable(report));
    }

    // kora --web refuses what --check-config would report, with the same
    // reasons, and writes nothing; the written page is tested in the browser.
    void webPageRefusals_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no file at all
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        const QStringList web{QStringLiteral("--web"), QStringLiteral("kurs.html"), QStringLiteral("--config"),
                              QStringLiteral("pruefung.dlx")};
        QTest::newRow("a file with errors") << badFile << web << 1
                                            << "In der Datei pruefung.dlx wurden folgende Zeilen nicht oder nur zum "
                                               "Teil verwendet:"
                                            << "Die Datei pruefung.dlx hat Fehler; keine Kursseite geschrieben.";
        QTest::newRow("a remark that misses a course line")
            << QByteArray("varianten:schluessel=ws2026\n") << web << 1
            << "In der Datei pruefung.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:"
            << "Die Datei pruefung.dlx hat Fehler; keine Kursseite geschrieben.";
        QTest::newRow("no file") << QByteArray() << web << 2 << "Die Datei pruefung.dlx gibt es nicht."
                                 << "Die Datei pruefung.dlx gibt es nicht.";
        QTest::newRow("a file to check beside it")
            << QByteArray("sensor:nr=2\n") << (web + QStringList{QStringLiteral("andere.dlx")}) << 2
            << "Unerwartetes Argument 'andere.dlx'." << "Hilfe: kora --help";
        QTest::newRow("an option of the overview")
            << QByteArray("sensor:nr=2\n") << (web + QStringList{QStringLiteral("--csv"), QStringLiteral("n.csv")})
            << 2 << "Die Option --csv gilt nur zusammen mit --ergebnisse." << "Hilfe: kora --help";
    }
    void webPageRefusals()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        if (!file.isEmpty()) {
            QFile f(dir.filePath(QStringLiteral("pruefung.dlx")));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
        }
        const auto [status, out, err] = run(dir.path(), args);
        QTEST(status, "status");
        QCOMPARE(out, QString());
        const QStringList lines = err.trimmed().split(QLatin1Char('\n'));
        QTEST(lines.first(), "first");
        QTEST(lines.last(), "last");
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("kurs.html"))));
    }

    // A program outside its build tree takes the installed page; where there
    // is none, it says so and writes nothing.
    void webPageWithoutTemplate()
    {
        const QString installed = QStringLiteral("/usr/share/kora/web/kora.html");
        if (QFile::exists(installed))
            QSKIP("the package's page is installed here");
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("kora"));
        QVERIFY(QFile::copy(QStringLiteral(KORA_EXE), program));
        const auto [status, out, err] = run(dir.path(), {QStringLiteral("--web"), QStringLiteral("kurs.html")}, false,
                                            program);
        QCOMPARE(status, 2);
        QCOMPARE(out, QString());
        QVERIFY2(err.startsWith(QStringLiteral("Die Vorlage der Seite %1 fehlt").arg(installed)), qPrintable(err));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("kurs.html"))));
    }

private:
    struct Result {
        int status;
        QString out, err;
    };
    // Without a display and with Qt's platform unset: a window would fail.
    // With one, the offscreen platform: a window would open and stay.
    static Result run(const QString& folder, const QStringList& args, bool display = false,
                      const QString& program = QStringLiteral(KORA_EXE))
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(v));
        if (display)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(folder);
        p.start(program, args);
        if (!p.waitForFinished(20000)) {
            p.kill();
            p.waitForFinished();
            return {-1, {}, QStringLiteral("kora kam nicht zurück")};
        }
        if (p.exitStatus() == QProcess::CrashExit)
            return {-2, {}, QStringLiteral("kora brach ab")};
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }
};

QTEST_GUILESS_MAIN(TestCheckConfig)
#include "test_check_config.moc"
