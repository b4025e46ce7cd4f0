<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>ConfigReason</name>
    <message>
        <source>Die Datei %1 ist keine gewöhnliche Datei.</source>
        <translation>The file %1 is not a regular file.</translation>
    </message>
    <message>
        <source>die Datei ist keine gewöhnliche Datei</source>
        <translation>the file is not a regular file</translation>
    </message>
    <message>
        <source>Die Datei %1 ist vorhanden, lässt sich aber nicht lesen.</source>
        <translation>The file %1 exists but cannot be read.</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht lesen</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht bis zum Ende gelesen werden.</source>
        <translation>The file %1 could not be read to the end.</translation>
    </message>
    <message>
        <source>die Datei konnte nicht bis zum Ende gelesen werden</source>
        <translation>the file could not be read to the end</translation>
    </message>
    <message>
        <source>die Zeile ist länger als 4096 Bytes; ab hier wurde die Datei nicht gelesen</source>
        <translation>the line is longer than 4096 bytes; the file was not read from here on</translation>
    </message>
    <message>
        <source>Zeile länger als 4096 Bytes; ab hier nicht gelesen</source>
        <translation>line longer than 4096 bytes; not read from here on</translation>
    </message>
    <message>
        <source>die Datei ist größer als 1 MiB; ab hier wurde sie nicht gelesen</source>
        <translation>the file is larger than 1 MiB; it was not read from here on</translation>
    </message>
    <message>
        <source>Datei größer als 1 MiB; ab hier nicht gelesen</source>
        <translation>file larger than 1 MiB; not read from here on</translation>
    </message>
    <message>
        <source>schon 1000 Zeilen waren nicht verwendbar; ab hier wurde die Datei nicht gelesen</source>
        <translation>1000 lines were already unusable; the file was not read from here on</translation>
    </message>
    <message>
        <source>1000 unbrauchbare Zeilen; ab hier nicht gelesen</source>
        <translation>1000 unusable lines; not read from here on</translation>
    </message>
    <message>
        <source>Feld %1 fehlt (Felder werden durch &quot;:&quot; getrennt)</source>
        <translation>field %1 is missing (fields are separated by &quot;:&quot;)</translation>
    </message>
    <message>
        <source>ein Feld fehlt</source>
        <translation>a field is missing</translation>
    </message>
    <message>
        <source>in Feld %1 fehlt das &quot;=&quot; vor dem Wert</source>
        <translation>field %1 lacks the &quot;=&quot; before the value</translation>
    </message>
    <message>
        <source>ein &quot;=&quot; fehlt</source>
        <translation>an &quot;=&quot; is missing</translation>
    </message>
    <message>
        <source>in der Zufallsform fehlt das Komma zwischen den Grenzen</source>
        <translation>the random form lacks the comma between its limits</translation>
    </message>
    <message>
        <source>Komma in der Zufallsform fehlt</source>
        <translation>comma missing in the random form</translation>
    </message>
    <message>
        <source>die Zahl &quot;%1&quot; ist zu groß</source>
        <translation>the number &quot;%1&quot; is too large</translation>
    </message>
    <message>
        <source>Zahl zu groß</source>
        <translation>number too large</translation>
    </message>
    <message>
        <source>die Quellenspannung %1 V liegt nicht zwischen 0 und 24 V</source>
        <translation>the source voltage %1 V is not between 0 and 24 V</translation>
    </message>
    <message>
        <source>Wert außerhalb des erlaubten Bereichs</source>
        <translation>value outside the permitted range</translation>
    </message>
    <message>
        <source>die Thermostattemperatur %1 °C liegt nicht zwischen 20 und 100 °C</source>
        <translation>the thermostat temperature %1 °C is not between 20 and 100 °C</translation>
    </message>
    <message>
        <source>die Sensornummer %1 liegt nicht zwischen 0 und 6</source>
        <translation>the sensor number %1 is not between 0 and 6</translation>
    </message>
    <message>
        <source>R0 = 0 ist nicht möglich (die Kennlinie teilt durch R0)</source>
        <translation>R0 = 0 is not possible (the characteristic divides by R0)</translation>
    </message>
    <message>
        <source>Kennwert nicht möglich</source>
        <translation>parameter not possible</translation>
    </message>
    <message>
        <source>B = 0 ist nicht möglich (der Temperaturkoeffizient wäre 0)</source>
        <translation>B = 0 is not possible (the temperature coefficient would be 0)</translation>
    </message>
    <message>
        <source>b = 0 ist nicht möglich (der Temperaturkoeffizient wäre 0)</source>
        <translation>b = 0 is not possible (the temperature coefficient would be 0)</translation>
    </message>
    <message>
        <source>mit diesem Wert wird die Kennlinie zwischen 0 und 150 °C unendlich groß</source>
        <translation>with this value the characteristic becomes infinite between 0 and 150 °C</translation>
    </message>
    <message>
        <source>Feld 1 muss off (Messprotokoll verbergen) oder on lauten, nicht &quot;%1&quot;</source>
        <translation>field 1 must be off (hide the lab journal) or on, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Feld 1 muss off oder on lauten</source>
        <translation>field 1 must be off or on</translation>
    </message>
    <message>
        <source>Feld 1 muss de (Deutsch) oder en (Englisch) lauten, nicht &quot;%1&quot;</source>
        <translation>field 1 must be de (German) or en (English), not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Feld 1 muss de oder en lauten</source>
        <translation>field 1 must be de or en</translation>
    </message>
    <message>
        <source>»%1« ist keine Zahl; Dezimalpunkt verwenden: %2</source>
        <translation>“%1” is not a number; use a decimal point: %2</translation>
    </message>
    <message>
        <source>Dezimalkomma statt Dezimalpunkt</source>
        <translation>decimal comma instead of decimal point</translation>
    </message>
    <message>
        <source>in »%1« steht Text nach der Zahl; verwendet wird %2</source>
        <translation>“%1” has text after the number; %2 is used</translation>
    </message>
    <message>
        <source>Text nach der Zahl</source>
        <translation>text after the number</translation>
    </message>
    <message>
        <source>»%1« ist keine Zahl; der Wert wurde nicht übernommen</source>
        <translation>“%1” is not a number; the value was not taken</translation>
    </message>
    <message>
        <source>keine Zahl</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>Toleranz ist ein Anteil: 0.05 bedeutet 5 %</source>
        <translation>the tolerance is a fraction: 0.05 means 5 %</translation>
    </message>
    <message>
        <source>Toleranz ist kein Anteil</source>
        <translation>tolerance is not a fraction</translation>
    </message>
    <message>
        <source>diese Zeile kennt keine Zufallsform; der Wert wurde nicht übernommen</source>
        <translation>this line takes no random form; the value was not taken</translation>
    </message>
    <message>
        <source>Zufallsform nicht möglich</source>
        <translation>random form not possible</translation>
    </message>
    <message>
        <source>nur »off« verbirgt die Auswahl</source>
        <translation>only “off” hides the selection</translation>
    </message>
    <message>
        <source>Zeile %1 ist eine Bemerkung; meinten Sie »%2«?</source>
        <translation>line %1 is a remark; did you mean “%2”?</translation>
    </message>
    <message>
        <source>Bemerkung, die wie eine Einstellung aussieht</source>
        <translation>remark that looks like a setting</translation>
    </message>
    <message>
        <source>Feld 1 muss pflicht lauten, nicht &quot;%1&quot;</source>
        <translation>field 1 must be pflicht, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Feld 1 muss pflicht lauten</source>
        <translation>field 1 must be pflicht</translation>
    </message>
    <message>
        <source>Feld 1 muss on (Prüfung) oder off lauten, nicht &quot;%1&quot;</source>
        <translation>field 1 must be on (exam) or off, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Feld 1 muss on oder off lauten</source>
        <translation>field 1 must be on or off</translation>
    </message>
    <message>
        <source>das Schlüsselwort hinter &quot;=&quot; fehlt</source>
        <translation>the key word after &quot;=&quot; is missing</translation>
    </message>
    <message>
        <source>Schlüsselwort fehlt</source>
        <translation>key word missing</translation>
    </message>
    <message>
        <source>der Ordner hinter &quot;=&quot; fehlt</source>
        <translation>the folder after &quot;=&quot; is missing</translation>
    </message>
    <message>
        <source>Ordner fehlt</source>
        <translation>folder missing</translation>
    </message>
    <message>
        <source>Feld 2 muss stellen=&lt;Anzahl der Ziffern, 1 bis 20&gt; lauten, nicht &quot;%1&quot;</source>
        <translation>field 2 must read stellen=&lt;number of digits, 1 to 20&gt;, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Feld 2 muss stellen=&lt;Anzahl&gt; lauten</source>
        <translation>field 2 must read stellen=&lt;number&gt;</translation>
    </message>
</context>
<context>
    <name>TaskPage</name>
    <message>
        <source>Virtuelles Experiment „Aktive und passive Zweipole</source>
        <translation>Virtual experiment “Active and passive two-terminal</translation>
    </message>
    <message>
        <source>als Temperatursensoren“</source>
        <translation>devices as temperature sensors”</translation>
    </message>
    <message>
        <source>Aufgabenstellung:</source>
        <translation>Your task:</translation>
    </message>
    <message>
        <source>-Ermitteln Sie für den angegebenen oder voreingestellten Sensor den Zusammenhang</source>
        <translation>-For the given or preset sensor, determine the relationship between the temperature</translation>
    </message>
    <message>
        <source>  zwischen der Temperatur und der für diesen Sensor typischen Größe (Strom, Spannung oder</source>
        <translation>  and the quantity that is typical of this sensor (current, voltage or</translation>
    </message>
    <message>
        <source>  Widerstand).</source>
        <translation>  resistance).</translation>
    </message>
    <message>
        <source>-Stellen Sie das Ergebnis in einem Diagramm dar.</source>
        <translation>-Plot the result in a graph.</translation>
    </message>
    <message>
        <source>-Schlussfolgern Sie daraus den Sensortyp.</source>
        <translation>-From the graph, conclude which type of sensor it is.</translation>
    </message>
    <message>
        <source>-Beschreiben Sie diesen Zusammenhang durch eine Gleichung.</source>
        <translation>-Describe this relationship by an equation.</translation>
    </message>
    <message>
        <source>-Für den Fall, dass es sich bei dem Sensor um einen reinen Widerstand handelt:</source>
        <translation>-In case the sensor is a pure resistance:</translation>
    </message>
    <message>
        <source>  Berechnen Sie allgemein den Faktor α für die Näherung R(To+Δυ) = R(To)*(1+αΔυ).</source>
        <translation>  Derive the general factor α of the approximation R(To+Δυ) = R(To)*(1+αΔυ).</translation>
    </message>
    <message>
        <source>Hinweise:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>-Beachten Sie den eventuellen Zusammenhang zwischen der Ausgangsgröße des Sensors und der</source>
        <translation>-Mind how the output quantity of the sensor may be linked to the sensor voltage</translation>
    </message>
    <message>
        <source>Sensorspannung, bzw. dem Sensorstrom und ermitteln Sie ggf. auch die U-I-Kennlinie.</source>
        <translation>or the sensor current, and where needed also measure the U-I characteristic.</translation>
    </message>
    <message>
        <source>-Falls der Sensor eine Diode  ist, so benötigen Sie die Parameter Is und Ut der Diodenkennlinie!!</source>
        <translation>-If the sensor is a diode, you need the parameters Is and Ut of the diode characteristic!!</translation>
    </message>
    <message>
        <source>  Rechnen Sie in diesem Fall mit einer linearen Abhängigkeit der Flussspannung von der</source>
        <translation>  In that case, take the forward voltage to depend linearly on the</translation>
    </message>
    <message>
        <source>  Temperatur. Stellen Sie einen Diodenstrom von 1 mA so ein, dass er während der Messung</source>
        <translation>  temperature. Set a diode current of 1 mA in such a way that it stays as constant</translation>
    </message>
    <message>
        <source>  möglichst konstant bleibt.</source>
        <translation>  as possible during the measurement.</translation>
    </message>
    <message>
        <source>-Sensoren besitzen gegenüber ihrer Umgebungstemperatur eine Trägheit. Beachten Sie die</source>
        <translation>-Sensors follow the temperature of their surroundings with a lag. Mind the</translation>
    </message>
    <message>
        <source>  Temperaturdifferenz zwischen Sensor und Thermostat!</source>
        <translation>  temperature difference between sensor and thermostat!</translation>
    </message>
    <message>
        <source>-Durch die im Sensor umgesetzte Leistung kann er sich erwärmen. Beobachten Sie diesen</source>
        <translation>-The power dissipated in the sensor can heat it up. Observe this</translation>
    </message>
    <message>
        <source>  Effekt! Was passiert, wenn der Sensor ohne Vorwiderstand an einer Spannungsquelle oder</source>
        <translation>  effect! What happens when the sensor is operated without a series resistor from a</translation>
    </message>
    <message>
        <source>  Stromquelle betrieben wird?</source>
        <translation>  voltage source or a current source?</translation>
    </message>
    <message>
        <source>&lt;&lt;Start durch Doppelklick&gt;&gt;</source>
        <translation>&lt;&lt;Double-click to start&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>
Aufruf: kora [Optionen] [DATEI]
Hilfe: kora --help
</source>
        <translation>
Usage: kora [options] [FILE]
Help: kora --help
</translation>
    </message>
    <message>
        <source>Nach --sprache fehlt die Sprache: de oder en.</source>
        <translation>--sprache needs a language: de or en.</translation>
    </message>
    <message>
        <source>--sprache kennt de oder en, nicht &quot;%1&quot;.</source>
        <translation>--sprache knows de or en, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Kein Bildschirm gefunden (DISPLAY ist leer): Das Experiment braucht eine grafische Sitzung.
Im Terminal antworten kora --help, kora --version und kora --check-config.
</source>
        <translation>No display found (DISPLAY is empty): the experiment needs a graphical session.
In a terminal, kora --help, kora --version and kora --check-config answer.
</translation>
    </message>
    <message>
        <source>Zeigt diese Hilfe an.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Zeigt die Versionsnummer an.</source>
        <translation>Shows the version number.</translation>
    </message>
    <message>
        <source>Prüft die Lehrerdatei DATEI (ohne Angabe cmmup.dlx im aktuellen Ordner): zeigt jede Zeile, die das Programm beim Start melden würde, und was die Datei einstellt. Rückgabewert 0: nichts zu melden, 1: Zeilen gemeldet, 2: Datei fehlt oder ist nicht lesbar.</source>
        <translation>Checks the teacher&apos;s file FILE (cmmup.dlx in the current folder if none is given): shows every line the program would report at start and what the file sets. Exit status 0: nothing to report, 1: lines reported, 2: file missing or unreadable.</translation>
    </message>
    <message>
        <source>Mit --check-config: zeigt die persönliche Variante dieser Matrikelnummer (Lösungsschlüssel).</source>
        <translation>With --check-config: shows the personal variant of this student ID (answer key).</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>die zu prüfende Datei (mit --check-config)</source>
        <translation>the file to check (with --check-config)</translation>
    </message>
    <message>
        <source>[DATEI]</source>
        <translation>[FILE]</translation>
    </message>
    <message>
        <source>Unerwartetes Argument &apos;%1&apos;.</source>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Bitte nur eine Datei angeben.</source>
        <translation>Please give only one file.</translation>
    </message>
    <message>
        <source>Bitte --sprache nur einmal angeben.</source>
        <translation>Please give --sprache only once.</translation>
    </message>
    <message>
        <source>Klassenübersicht aus den Ergebnissen im ORDNER (ohne Bildschirm).</source>
        <translation>Class overview from the results in FOLDER (no display needed).</translation>
    </message>
    <message>
        <source>ORDNER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Mit --ergebnisse: schreibt die Bewertungsdatei (CSV) nach DATEI.</source>
        <translation>With --ergebnisse: writes the grade file (CSV) to FILE.</translation>
    </message>
    <message>
        <source>Mit --ergebnisse: schreibt die Übersicht als Seite nach DATEI.</source>
        <translation>With --ergebnisse: writes the overview as a page to FILE.</translation>
    </message>
    <message>
        <source>Mit --ergebnisse: welcher Durchlauf je Student zählt (ohne Angabe erster).</source>
        <translation>With --ergebnisse: which run of each student counts (erster if not given).</translation>
    </message>
    <message>
        <source>Mit --ergebnisse: zieht jede Variante aus der Lehrerdatei DATEI neu und prüft sie.</source>
        <translation>With --ergebnisse: draws every variant again from the teacher&apos;s file FILE and checks it.</translation>
    </message>
    <message>
        <source>Sprache der Ausgabe (ohne Angabe Deutsch).</source>
        <translation>Language of the output (German if not given).</translation>
    </message>
    <message>
        <source>Die Option --%1 gilt nur zusammen mit --ergebnisse.</source>
        <translation>The option --%1 only works together with --ergebnisse.</translation>
    </message>
    <message>
        <source>KORA - Temperatursensoren als Zweipol. Ohne Optionen startet das Experiment.
Klassenübersicht aus den Ergebnissen eines Kurses (ohne Bildschirm):
  kora --ergebnisse ORDNER [--csv DATEI] [--html DATEI] [--wertung erster|bester|letzter] [--config DATEI]
Rückgabewert 0: alles gelesen, nichts zu melden; 1: Hinweise oder unlesbare Dateien; 2: Ordner fehlt.
Kursseite für den Browser: kora --web AUSGABE.html [--config DATEI]
Sprache: --sprache de|en neben jeder Option; ohne Angabe Deutsch.</source>
        <translation>KORA - Temperature sensors as two-terminal devices. Without options the experiment starts.
Class overview from the results of a course (no display needed):
  kora --ergebnisse FOLDER [--csv FILE] [--html FILE] [--wertung erster|bester|letzter] [--config FILE]
  (the first, best or last evaluated run counts)
Exit status 0: everything read, nothing to report; 1: notes or unreadable files; 2: folder missing.
Course page for the browser: kora --web OUTPUT.html [--config FILE]
Language: --sprache de|en beside any option; German if not given.</translation>
    </message>
    <message>
        <source>Schreibt die Laborseite für den Browser nach AUSGABE.html; mit --config DATEI steht die Lehrerdatei darin (Kursseite). Eine Datei mit Fehlern wird mit den Gründen abgelehnt.</source>
        <translation>Writes the lab page for the browser to OUTPUT.html; with --config FILE the teacher&apos;s file is inside it (a course page). A file with errors is refused with the reasons.</translation>
    </message>
    <message>
        <source>AUSGABE.html</source>
        <translation>OUTPUT.html</translation>
    </message>
    <message>
        <source>Die Datei %1 hat Fehler; keine Kursseite geschrieben.
</source>
        <translation>The file %1 has errors; no course page written.
</translation>
    </message>
    <message>
        <source>Die Vorlage der Seite %1 fehlt (das Paket installiert sie, im Quellbaum baut scripts/web sie); nichts geschrieben.
</source>
        <translation>The page template %1 is missing (the package installs it, in the source tree scripts/web builds it); nothing written.
</translation>
    </message>
    <message>
        <source>Die Seite %1 lässt sich nicht schreiben: %2
</source>
        <translation>The page %1 cannot be written: %2
</translation>
    </message>
    <message>
        <source>Die Seite %1 ist geschrieben.
</source>
        <translation>The page %1 is written.
</translation>
    </message>
    <message>
        <source>Die Kursseite %1 ist geschrieben, mit der Datei %2.
</source>
        <translation>The course page %1 is written, with the file %2.
</translation>
    </message>
</context>
<context>
    <name>bench::Formexp</name>
    <message>
        <source>Spannungsquelle, Vorwiderstand und Sensor in Reihe; ein Schalter überbrückt den Vorwiderstand, der Sensor sitzt im Thermostaten, das Voltmeter misst die Spannung am Sensor.</source>
        <translation>Voltage source, series resistor and sensor in series; a switch bypasses the series resistor, the sensor sits in the thermostat, the voltmeter measures the voltage across the sensor.</translation>
    </message>
    <message>
        <source>Sie haben den Sensor und damit das Experiment <byte value="xd"/>durch thermische Überlastung zerstört!!</source>
        <translation>You have destroyed the sensor, and with it the experiment, <byte value="xd"/>by thermal overload!!</translation>
    </message>
    <message>
        <source>Eigenerwärmung eingeschaltet</source>
        <translation>Self-heating on</translation>
    </message>
    <message>
        <source>Eigenerwärmung ausgeschaltet</source>
        <translation>Self-heating off</translation>
    </message>
    <message>
        <source>Sie versuchen, den Sensor zu zerstören!</source>
        <translation>You are about to destroy the sensor!</translation>
    </message>
    <message>
        <source>Eigenerwärmung</source>
        <translation>Self-heating</translation>
    </message>
    <message>
        <source>Schaltung</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Vorwiderstand</source>
        <translation>Series resistor</translation>
    </message>
    <message>
        <source>Quellspannung</source>
        <translation>Source voltage</translation>
    </message>
    <message>
        <source>Solltemperatur</source>
        <translation>Thermostat set point</translation>
    </message>
    <message>
        <source>Voltmeter</source>
        <translation>Voltmeter</translation>
    </message>
    <message>
        <source>Sensortemperatur</source>
        <translation>Sensor temperature</translation>
    </message>
    <message>
        <source>Überbrückungsschalter</source>
        <translation>Bypass switch</translation>
    </message>
    <message>
        <source>Vorwiderstand überbrücken</source>
        <translation>Bypass the series resistor</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Evaluation</translation>
    </message>
    <message>
        <source>Messwert übernehmen</source>
        <translation>Record reading</translation>
    </message>
    <message>
        <source>Den angezeigten Messwert ins Messprotokoll übernehmen (Strg+M)</source>
        <translation>Record the reading shown in the lab journal (Ctrl+M)</translation>
    </message>
    <message>
        <source>Messprotokoll</source>
        <translation>Lab journal</translation>
    </message>
    <message>
        <source>Das Messprotokoll mit Tabelle und Diagrammen zeigen</source>
        <translation>Show the lab journal with its table and charts</translation>
    </message>
    <message>
        <source>Vorwiderstand einstellen</source>
        <translation>Adjust series resistor</translation>
    </message>
    <message>
        <source>Quellspannung einstellen</source>
        <translation>Adjust source voltage</translation>
    </message>
    <message>
        <source>Spannung einstellen</source>
        <translation>Adjust voltage</translation>
    </message>
    <message>
        <source>Solltemperatur einstellen</source>
        <translation>Adjust thermostat set point</translation>
    </message>
    <message>
        <source>Temperatur einstellen</source>
        <translation>Adjust temperature</translation>
    </message>
    <message>
        <source>Messbereich</source>
        <translation>Measuring range</translation>
    </message>
    <message>
        <source>Sensorauswahl</source>
        <translation>Sensor selection</translation>
    </message>
    <message>
        <source>Aufgabenstellung</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Klicken Sie auf die Aufgabenstellung, um das Experiment zu beginnen</source>
        <translation>Click the task page to start the experiment</translation>
    </message>
    <message>
        <source>Zeile %1 übernommen: %2, %3%4</source>
        <translation>Row %1 recorded: %2, %3%4</translation>
    </message>
    <message>
        <source> (nicht gespeichert)</source>
        <translation> (not saved)</translation>
    </message>
    <message>
        <source><byte value="xd"/>Ihr Messprotokoll konnte nicht gespeichert werden: </source>
        <translation><byte value="xd"/>Your lab journal could not be saved: </translation>
    </message>
    <message>
        <source><byte value="xd"/>Ihr Messprotokoll ist gespeichert: </source>
        <translation><byte value="xd"/>Your lab journal has been saved: </translation>
    </message>
    <message>
        <source>Messbereich des Voltmeters wählen</source>
        <translation>Choose the voltmeter&apos;s range</translation>
    </message>
    <message>
        <source>Messbereich: %1</source>
        <translation>Range: %1</translation>
    </message>
    <message>
        <source>Vorwiderstand überbrücken (möglich nach der Auswertung)</source>
        <translation>Bypass the series resistor (possible after the evaluation)</translation>
    </message>
    <message>
        <source>Ein Klick, die Leertaste oder die Eingabetaste startet das Experiment.</source>
        <translation>A click, the space bar or the Enter key starts the experiment.</translation>
    </message>
    <message>
        <source>Die Lehrerdatei cmmup.dlx enthält Fehler. Bitte wenden Sie sich an die Aufsicht.</source>
        <translation>The teacher&apos;s file cmmup.dlx contains errors. Please ask the supervisor.</translation>
    </message>
</context>
<context>
    <name>configreport</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>%1 Punkte nie</source>
        <translation>%1 points never</translation>
    </message>
    <message>
        <source>%1 Punkte bis %2 %</source>
        <translation>%1 points up to %2 %</translation>
    </message>
    <message>
        <source>
Punkte für die Gleichung je Typ (Abweichung in ganzen Prozent):
</source>
        <translation>
Points for the equation per type (deviation in whole per cent):
</translation>
    </message>
    <message>
        <source>Zeile %1: </source>
        <translation>Line %1: </translation>
    </message>
    <message>
        <source>In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:</source>
        <translation>In the file cmmup.dlx the following lines were not used, or only in part:</translation>
    </message>
    <message>
        <source>… und %1 weitere Zeilen (kora --check-config zeigt alle)</source>
        <translation>… and %1 more lines (kora --check-config shows them all)</translation>
    </message>
    <message>
        <source>Die Sensorauswahl ist verborgen, daher nennt diese Meldung weder Zeilen noch Werte. Einzelheiten zeigt kora --check-config.</source>
        <translation>The sensor selection is hidden, so this message names neither lines nor values. kora --check-config shows the details.</translation>
    </message>
    <message>
        <source>Die Datei %1 gibt es nicht.
</source>
        <translation>The file %1 does not exist.
</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält keine Fehler.
</source>
        <translation>The file %1 contains no errors.
</translation>
    </message>
    <message>
        <source>In der Datei %1 wurden folgende Zeilen nicht oder nur zum Teil verwendet:
</source>
        <translation>In the file %1 the following lines were not used, or only in part:
</translation>
    </message>
    <message>
        <source>
Einstellungen:
</source>
        <translation>
Settings:
</translation>
    </message>
    <message>
        <source>Die Matrikelnummer &quot;%1&quot; besteht nicht aus 3 bis 20 Buchstaben, Ziffern oder &quot;-&quot;.
</source>
        <translation>The student ID &quot;%1&quot; does not consist of 3 to 20 letters, digits or &quot;-&quot;.
</translation>
    </message>
    <message>
        <source>Die Datei %1 hat keine Zeile variante:schluessel=…; jeder Start zieht neu.
</source>
        <translation>The file %1 has no line variante:schluessel=…; every start draws anew.
</translation>
    </message>
    <message>
        <source>
Einstellungen für Matrikelnummer %1:
</source>
        <translation>
Settings for student ID %1:
</translation>
    </message>
    <message>
        <source>0,5</source>
        <translation>0.5</translation>
    </message>
    <message>
        <source>Den Ergebnisordner %1 gibt es nicht.
</source>
        <translation>The results folder %1 does not exist.
</translation>
    </message>
    <message>
        <source>Der Ergebnisordner %1 ist kein Ordner.
</source>
        <translation>The results folder %1 is not a folder.
</translation>
    </message>
    <message>
        <source>In den Ergebnisordner %1 kann dieses Konto nicht schreiben.
</source>
        <translation>This account cannot write into the results folder %1.
</translation>
    </message>
    <message>
        <source>Richtige Gleichung: %1
</source>
        <translation>Right equation: %1
</translation>
    </message>
    <message>
        <source>Richtiges alpha: %1 1/K bei %2 °C
</source>
        <translation>Right alpha: %1 1/K at %2 °C
</translation>
    </message>
    <message>
        <source>Ebenfalls richtig: alpha = %1 1/K bei %2 °C
</source>
        <translation>Also right: alpha = %1 1/K at %2 °C
</translation>
    </message>
</context>
<context>
    <name>configreport::Summary</name>
    <message>
        <source>Sensor: %1</source>
        <translation>Sensor: %1</translation>
    </message>
    <message>
        <source>Sensorauswahl: %1</source>
        <translation>Sensor selection: %1</translation>
    </message>
    <message>
        <source>verborgen</source>
        <translation>hidden</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>Eigenerwärmung: Schalter %1, %2</source>
        <translation>Self-heating: switch %1, %2</translation>
    </message>
    <message>
        <source>angezeigt</source>
        <translation>shown</translation>
    </message>
    <message>
        <source>eingeschaltet</source>
        <translation>on</translation>
    </message>
    <message>
        <source>ausgeschaltet</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Quellenspannung: %1</source>
        <translation>Source voltage: %1</translation>
    </message>
    <message>
        <source>Thermostat-Sollwert: %1</source>
        <translation>Thermostat set point: %1</translation>
    </message>
    <message>
        <source>Messprotokoll: Knöpfe %1</source>
        <translation>Lab journal: buttons %1</translation>
    </message>
    <message>
        <source>%1 (Startwert)</source>
        <translation>%1 (start value)</translation>
    </message>
    <message>
        <source>0 (%1, Startwert)</source>
        <translation>0 (%1, start value)</translation>
    </message>
    <message>
        <source>Startwerte</source>
        <translation>start values</translation>
    </message>
    <message>
        <source>Name = &quot;%1&quot;</source>
        <translation>Name = &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Name = &quot;%1&quot; (Startwert)</source>
        <translation>Name = &quot;%1&quot; (start value)</translation>
    </message>
    <message>
        <source>Toleranz = %1</source>
        <translation>Tolerance = %1</translation>
    </message>
    <message>
        <source>Anmeldung: Name und Matrikelnummer vor dem Versuch</source>
        <translation>Sign-in: name and student ID before the experiment</translation>
    </message>
    <message>
        <source>Variante: persönlich, aus dem Schlüssel &quot;%1&quot; und der Matrikelnummer</source>
        <translation>Variant: personal, from the key &quot;%1&quot; and the student ID</translation>
    </message>
    <message>
        <source>Ergebnisse: in den Ordner %1</source>
        <translation>Results: into the folder %1</translation>
    </message>
    <message>
        <source>Prüfung: Sensorauswahl und Eigenerwärmung bleiben nach der Auswertung, wie die Datei sie einstellt</source>
        <translation>Exam: sensor selection and self-heating stay as the file sets them after the evaluation</translation>
    </message>
    <message>
        <source>Anmeldung: Name und Matrikelnummer aus genau %1 Ziffern vor dem Versuch</source>
        <translation>Sign-in: name and matriculation number of exactly %1 digits before the experiment</translation>
    </message>
</context>
<context>
    <name>configreport::TypeName</name>
    <message>
        <source>NTC-Widerstand</source>
        <translation>NTC thermistor</translation>
    </message>
    <message>
        <source>PTC-Widerstand</source>
        <translation>PTC thermistor</translation>
    </message>
    <message>
        <source>Pt 100</source>
        <translation>Pt 100</translation>
    </message>
    <message>
        <source>Pt 1000</source>
        <translation>Pt 1000</translation>
    </message>
    <message>
        <source>Flussspannung Si-Diode (konstanter Strom)</source>
        <translation>Si diode, forward voltage (constant current)</translation>
    </message>
    <message>
        <source>Stromfühler</source>
        <translation>Current-output sensor</translation>
    </message>
    <message>
        <source>Thermoelement</source>
        <translation>Thermocouple</translation>
    </message>
    <message>
        <source>einen NTC-Widerstand</source>
        <translation>an NTC thermistor</translation>
    </message>
    <message>
        <source>einen PTC-Widerstand</source>
        <translation>a PTC thermistor</translation>
    </message>
    <message>
        <source>einen Pt 100</source>
        <translation>a Pt 100</translation>
    </message>
    <message>
        <source>einen Pt 1000</source>
        <translation>a Pt 1000</translation>
    </message>
    <message>
        <source>eine Si-Diode (Flussspannung bei konstantem Strom)</source>
        <translation>a Si diode (forward voltage at constant current)</translation>
    </message>
    <message>
        <source>einen Stromfühler</source>
        <translation>a current-output sensor</translation>
    </message>
    <message>
        <source>ein Thermoelement</source>
        <translation>a thermocouple</translation>
    </message>
</context>
<context>
    <name>course</name>
    <message>
        <source>Studierende</source>
        <translation>Students</translation>
    </message>
    <message>
        <source>Mittlere Punkte je Sensortyp (Anzahl)</source>
        <translation>Mean score per sensor type (count)</translation>
    </message>
    <message>
        <source>Skala 0 bis %1 Punkte</source>
        <translation>Scale 0 to %1 points</translation>
    </message>
    <message>
        <source>Matrikelnummer</source>
        <translation>Student ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Versuche</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Beginn</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>%1 (%2 ausgewertet)</source>
        <translation>%1 (%2 evaluated)</translation>
    </message>
    <message>
        <source>Nicht lesbare Dateien</source>
        <translation>Unreadable files</translation>
    </message>
    <message>
        <source>KORA – Klassenübersicht</source>
        <translation>KORA – Class overview</translation>
    </message>
    <message>
        <source>de</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Ordner %1, %2 Studierende, erstellt %3.</source>
        <translation>Folder %1, %2 students, made %3.</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm</source>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>Punkte passen nicht zur Nachrechnung</source>
        <translation>points do not match the re-scoring</translation>
    </message>
    <message>
        <source>andere cmmup.dlx</source>
        <translation>other cmmup.dlx</translation>
    </message>
    <message>
        <source>verschiedene Namen: %1</source>
        <translation>different names: %1</translation>
    </message>
    <message>
        <source>Sensor zerstört</source>
        <translation>sensor destroyed</translation>
    </message>
    <message>
        <source>die Datei ist zu groß für einen Datensatz</source>
        <translation>the file is too large for a record</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht öffnen</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1 Studierende</source>
        <translation>%1 students</translation>
    </message>
    <message>
        <source>
Nicht lesbar (%1 Dateien):
</source>
        <translation>
Unreadable (%1 files):
</translation>
    </message>
    <message>
        <source>Höchstpunktzahl</source>
        <translation>Maximum points</translation>
    </message>
    <message>
        <source>die Datei ist leer</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>die Datei ist unvollständig (abgeschnitten)</source>
        <translation>the file is incomplete (cut off)</translation>
    </message>
    <message>
        <source>die Datei ist kein JSON (Fehler bei Zeichen %1)</source>
        <translation>the file is not JSON (error at character %1)</translation>
    </message>
    <message>
        <source>der Datensatz stammt aus einer neueren Version (%1)</source>
        <translation>the record comes from a newer version (%1)</translation>
    </message>
    <message>
        <source>die Datei ist kein Ergebnis von KORA</source>
        <translation>the file is not a KORA result</translation>
    </message>
    <message>
        <source>im Datensatz fehlt das Feld %1</source>
        <translation>the record lacks the field %1</translation>
    </message>
    <message>
        <source>den Ordner gibt es nicht</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>das ist kein Ordner</source>
        <translation>that is not a folder</translation>
    </message>
    <message>
        <source>keine Schreibberechtigung</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>the disk is write-protected</translation>
    </message>
    <message>
        <source>Das Ergebnis kann nicht im Ordner %1 gespeichert werden: %2. Bitte wenden Sie sich an die Aufsicht.</source>
        <translation>The result cannot be saved in the folder %1: %2. Please ask the supervisor.</translation>
    </message>
    <message>
        <source>
Hilfe: kora --help
</source>
        <translation>
Help: kora --help
</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2
</source>
        <translation>The file %1 cannot be written: %2
</translation>
    </message>
    <message>
        <source>Ordner der Ergebnisse</source>
        <translation>folder of the results</translation>
    </message>
    <message>
        <source>ORDNER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Notendatei (CSV)</source>
        <translation>grade file (CSV)</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Übersicht (HTML)</source>
        <translation>overview (HTML)</translation>
    </message>
    <message>
        <source>erster, bester oder letzter</source>
        <translation>erster, bester or letzter (first, best or last)</translation>
    </message>
    <message>
        <source>ART</source>
        <translation>WHICH</translation>
    </message>
    <message>
        <source>Unerwartete Angabe: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>--wertung kennt erster, bester oder letzter, nicht &quot;%1&quot;.</source>
        <translation>--wertung knows erster, bester or letzter (first, best, last), not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Den Ordner %1 gibt es nicht.
</source>
        <translation>The folder %1 does not exist.
</translation>
    </message>
    <message>
        <source>Verteilung in Prozent der Höchstpunktzahl (gewerteter Versuch)</source>
        <translation>Distribution in percent of the maximum (counted attempt)</translation>
    </message>
    <message>
        <source>Die Varianten sind nicht geprüft; das tut --config mit der cmmup.dlx des Kurses.</source>
        <translation>The variants are not checked; --config with the course&apos;s cmmup.dlx does that.</translation>
    </message>
    <message>
        <source>eine Prüfung lässt sich nur mit --config nachrechnen</source>
        <translation>an exam can be re-scored only with --config</translation>
    </message>
    <message>
        <source>die Variante lässt sich nicht neu ziehen (der Datensatz hat keinen Startwert)</source>
        <translation>the variant cannot be drawn again (the record has no seed)</translation>
    </message>
    <message>
        <source>Sensor passt nicht zur Variante</source>
        <translation>sensor does not match the variant</translation>
    </message>
    <message>
        <source>Kopie</source>
        <translation>copy</translation>
    </message>
    <message>
        <source>weiterer Durchlauf nach der Abgabe</source>
        <translation>another run after handing in</translation>
    </message>
    <message>
        <source>Sensor nach der Auswertung zerstört</source>
        <translation>sensor destroyed after the evaluation</translation>
    </message>
    <message>
        <source>Prozent</source>
        <translation>Percent</translation>
    </message>
    <message>
        <source>die cmmup.dlx des Kurses, um die Varianten zu prüfen</source>
        <translation>the course&apos;s cmmup.dlx, to check the variants</translation>
    </message>
    <message>
        <source>Die Datei %1 lässt sich nicht lesen.
</source>
        <translation>The file %1 cannot be read.
</translation>
    </message>
    <message>
        <source>der Datensatz hat keinen Sensor und lässt sich nur mit --config nachrechnen</source>
        <translation>the record has no sensor and can be re-scored only with --config</translation>
    </message>
    <message>
        <source>die ZIP-Datei ist zu groß: mehr als %1 MB entpackt oder mehr als %2 Einträge</source>
        <translation>the zip file is too large: more than %1 MB unpacked or more than %2 entries</translation>
    </message>
    <message>
        <source>die ZIP-Datei ist beschädigt (%1)</source>
        <translation>the zip file is damaged (%1)</translation>
    </message>
    <message>
        <source>der Eintrag »%1« der ZIP-Datei zeigt aus seinem Ordner hinaus</source>
        <translation>the zip entry “%1” points out of its folder</translation>
    </message>
    <message>
        <source>Die ZIP-Datei %1 wird nicht gelesen: %2.
</source>
        <translation>The zip file %1 is not read: %2.
</translation>
    </message>
</context>
<context>
    <name>evaluation::Formantwort</name>
    <message>
        <source>KORA - Temperatursensoren als Zweipol - Auswertung</source>
        <translation>KORA - Temperature sensors as two-terminal devices - Evaluation</translation>
    </message>
    <message>
        <source>Sie erhalten dafür %1 Punkte und haben insgesamt %2 Punkte</source>
        <translation>That earns you %1 points; you have %2 points in total</translation>
    </message>
    <message>
        <source>So, Sie glauben also, fertig zu sein.</source>
        <translation>So, you think you are done.</translation>
    </message>
    <message>
        <source>Dann wollen wir sehen.</source>
        <translation>Let us see, then.</translation>
    </message>
    <message>
        <source>Verraten Sie mir zunächst,</source>
        <translation>First, tell me</translation>
    </message>
    <message>
        <source>welchen Sensortyp Sie hier vermuten.</source>
        <translation>which type of sensor you think this is.</translation>
    </message>
    <message>
        <source>Suchen Sie einen aus der Liste aus</source>
        <translation>Pick one from the list</translation>
    </message>
    <message>
        <source>und bestätigen Sie mit OK</source>
        <translation>and confirm with OK</translation>
    </message>
    <message>
        <source>Das war richtig.</source>
        <translation>That was right.</translation>
    </message>
    <message>
        <source>Dafür gibt es zwei Punkte.</source>
        <translation>That earns you two points.</translation>
    </message>
    <message>
        <source>Das war glattweg falsch.</source>
        <translation>That was plainly wrong.</translation>
    </message>
    <message>
        <source>Dafür gibt es nichts, kann nur besser werden.</source>
        <translation>No points for that; it can only get better.</translation>
    </message>
    <message>
        <source>Geben Sie jetzt die Gleichung für die Diode bei einem Strom von %1 mA an.</source>
        <translation>Now enter the equation for the diode at a current of %1 mA.</translation>
    </message>
    <message>
        <source>Setzen Sie für alle Konstanten die numerischen Werte ein,</source>
        <translation>Put in the numerical values for all constants,</translation>
    </message>
    <message>
        <source>also z.B. Ud(T)= 500 + 1,4*T.</source>
        <translation>e.g. Ud(T)= 500 + 1.4*T.</translation>
    </message>
    <message>
        <source>Geben Sie jetzt die Gleichung an.</source>
        <translation>Now enter the equation.</translation>
    </message>
    <message>
        <source>Setzen Sie für alle Konstanten die numerischen Werte ein!</source>
        <translation>Put in the numerical values for all constants!</translation>
    </message>
    <message>
        <source>Also z.B. R(T)=0.4*T+25</source>
        <translation>For example R(T)=0.4*T+25</translation>
    </message>
    <message>
        <source>Als Operatoren stehen zur Verfügung + - * / ^ </source>
        <translation>Operators available: + - * / ^ </translation>
    </message>
    <message>
        <source>Funktionen: SIN(), COS(), TAN() </source>
        <translation>Functions: SIN(), COS(), TAN() </translation>
    </message>
    <message>
        <source>EXP() - e-Fkt.</source>
        <translation>EXP() - exponential function</translation>
    </message>
    <message>
        <source>LN() - log-naturalis-Fkt.</source>
        <translation>LN() - natural logarithm</translation>
    </message>
    <message>
        <source>LG() - dek. Logarithmus.</source>
        <translation>LG() - common logarithm (base 10)</translation>
    </message>
    <message>
        <source>LD() - dualer Logarithmus.</source>
        <translation>LD() - binary logarithm (base 2)</translation>
    </message>
    <message>
        <source>Bestätigen Sie mit &lt;Enter&gt;.</source>
        <translation>Confirm with &lt;Enter&gt;.</translation>
    </message>
    <message>
        <source>T: absolute Temperatur in K</source>
        <translation>T: absolute temperature in K</translation>
    </message>
    <message>
        <source>Nur die rechte Seite eingeben: »%1« steht schon davor.</source>
        <translation>Enter the right-hand side only: “%1” is already in front of it.</translation>
    </message>
    <message>
        <source>Die richtige Kurve ist rot, </source>
        <translation>The correct curve is red, </translation>
    </message>
    <message>
        <source>Ihre Kurve cyan.</source>
        <translation>your curve cyan.</translation>
    </message>
    <message>
        <source> Die Abweichung Ihrer Formel beträgt %1 %.</source>
        <translation> The deviation of your formula is %1 %.</translation>
    </message>
    <message>
        <source>Die richtige Formel lautet:</source>
        <translation>The correct formula is:</translation>
    </message>
    <message>
        <source>Die Abweichung Ihrer Formel beträgt %1 %</source>
        <translation>The deviation of your formula is %1 %</translation>
    </message>
    <message>
        <source>Hinweis: Ihre Gleichung passt, wenn T in °C eingesetzt wird. T ist die absolute Temperatur in K.</source>
        <translation>Note: your equation fits if T is put in in °C. T is the absolute temperature in K.</translation>
    </message>
    <message>
        <source>Jetzt möchte ich von Ihnen noch den Temperaturkoeffizienten</source>
        <translation>Finally, please give me the temperature coefficient</translation>
    </message>
    <message>
        <source>alpha aus der Näherung für die Temperatur Teta = %1 °C</source>
        <translation>alpha of the approximation at the temperature Teta = %1 °C</translation>
    </message>
    <message>
        <source>wissen:</source>
        <translation>Your value:</translation>
    </message>
    <message>
        <source>Richtig ist: alpha = %1</source>
        <translation>Correct: alpha = %1</translation>
    </message>
    <message>
        <source>Bei %1 °C: alpha = %2</source>
        <translation>At %1 °C: alpha = %2</translation>
    </message>
    <message>
        <source>Die Abweichung Ihres Faktors beträgt %1 %</source>
        <translation>The deviation of your coefficient is %1 %</translation>
    </message>
    <message>
        <source>Sensorvariante: </source>
        <translation>Sensor variant: </translation>
    </message>
    <message>
        <source> Sie haben in diesem virtuellen Experiment %1 von %2 Punkten erreicht</source>
        <translation> You scored %1 of %2 points in this virtual experiment</translation>
    </message>
    <message>
        <source>Die Auswertung ist noch nicht abgeschlossen. Wenn Sie jetzt schließen, bleibt es bei %1 von %2 Punkten; die Auswertung lässt sich in diesem Durchlauf nicht wiederholen. Trotzdem schließen?</source>
        <translation>The evaluation is not finished yet. If you close now, you keep %1 of %2 points; the evaluation cannot be repeated in this run. Close anyway?</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Weiter auswerten</source>
        <translation>Continue the evaluation</translation>
    </message>
    <message>
        <source>Das Ergebnisblatt wurde weder gedruckt noch gespeichert. Trotzdem schließen?</source>
        <translation>The results sheet has been neither printed nor saved. Close anyway?</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Sensortypen</source>
        <translation>Sensor types</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Linke Seite</source>
        <translation>Left-hand side</translation>
    </message>
    <message>
        <source>Gleichung</source>
        <translation>Equation</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Korrektur</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Kennlinien</source>
        <translation>Characteristic curves</translation>
    </message>
    <message>
        <source>Ergebnisse drucken</source>
        <translation>Print results</translation>
    </message>
    <message>
        <source>Sensorbild 1</source>
        <translation>Sensor picture 1</translation>
    </message>
    <message>
        <source>Sensorbild 2</source>
        <translation>Sensor picture 2</translation>
    </message>
    <message>
        <source>Sensorbild 3</source>
        <translation>Sensor picture 3</translation>
    </message>
    <message>
        <source>Sensorbild 4</source>
        <translation>Sensor picture 4</translation>
    </message>
    <message>
        <source>Sensorbild 5</source>
        <translation>Sensor picture 5</translation>
    </message>
    <message>
        <source>Sensorbild 6</source>
        <translation>Sensor picture 6</translation>
    </message>
    <message>
        <source>Sensorbild 7</source>
        <translation>Sensor picture 7</translation>
    </message>
    <message>
        <source>Fehler in Formel</source>
        <translation>Error in formula</translation>
    </message>
    <message>
        <source>Waagerecht die Temperatur von 20 °C bis 100 °C, senkrecht 0 bis %1.</source>
        <translation>Horizontally the temperature from 20 °C to 100 °C, vertically 0 to %1.</translation>
    </message>
    <message>
        <source>Die richtige Kurve ist rot, Ihre Kurve cyan. </source>
        <translation>The true curve is red, your curve cyan. </translation>
    </message>
    <message>
        <source>Es handelt sich um %1</source>
        <translation>The sensor is %1</translation>
    </message>
    <message>
        <source>Eigentlich handelt es sich um %1</source>
        <translation>The sensor actually is %1</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
</context>
<context>
    <name>evaluation::Report</name>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Matrikelnummer: %1</source>
        <translation>Matriculation number: %1</translation>
    </message>
    <message>
        <source>Temperaturkennlinie:   %1</source>
        <translation>Temperature characteristic:   %1</translation>
    </message>
    <message>
        <source>Sensor: rote Kurve</source>
        <translation>Sensor: red curve</translation>
    </message>
    <message>
        <source>Eingabe: blaue Kurve</source>
        <translation>Your input: blue curve</translation>
    </message>
    <message>
        <source>Abweichung: %1 %</source>
        <translation>Deviation: %1 %</translation>
    </message>
    <message>
        <source>Eingabe: %1</source>
        <translation>Your input: %1</translation>
    </message>
    <message>
        <source>Fehler: %1 %</source>
        <translation>Error: %1 %</translation>
    </message>
    <message>
        <source>Punktzahl = %1 von %2</source>
        <translation>Score = %1 of %2</translation>
    </message>
    <message>
        <source>KORA - Auswertung</source>
        <translation>KORA - Evaluation</translation>
    </message>
    <message>
        <source>KORA - Auswertung - %1</source>
        <translation>KORA - Evaluation - %1</translation>
    </message>
    <message>
        <source>KORA-Auswertung.pdf</source>
        <translation>KORA-Evaluation.pdf</translation>
    </message>
    <message>
        <source>KORA-Auswertung-%1.pdf</source>
        <translation>KORA-Evaluation-%1.pdf</translation>
    </message>
</context>
<context>
    <name>evaluation::reasons</name>
    <message>
        <source>Die Klammern passen nicht zusammen.</source>
        <translation>The brackets do not match.</translation>
    </message>
    <message>
        <source>Die Formel oder eine Klammer ist leer.</source>
        <translation>The formula or a pair of brackets is empty.</translation>
    </message>
    <message>
        <source>Die Formel wird beim Rechnen länger als 32767 Zeichen.</source>
        <translation>While it is being calculated, the formula grows beyond 32767 characters.</translation>
    </message>
    <message>
        <source>Eine Funktion wird mehr als 21-mal auf derselben Klammerebene verwendet.</source>
        <translation>A function is used more than 21 times at the same bracket level.</translation>
    </message>
    <message>
        <source>Einem Rechenzeichen fehlt die Zahl dahinter.</source>
        <translation>An operator has no number after it.</translation>
    </message>
    <message>
        <source>Eine Zahl der Formel ist zu groß zum Rechnen.</source>
        <translation>A number in the formula is too large to calculate with.</translation>
    </message>
    <message>
        <source>wird ein Zwischenergebnis zu groß zum Rechnen.</source>
        <translation>an intermediate result becomes too large to calculate with.</translation>
    </message>
    <message>
        <source>wird durch 0 geteilt.</source>
        <translation>there is a division by 0.</translation>
    </message>
    <message>
        <source>wird 0 mit einem negativen Exponenten potenziert.</source>
        <translation>0 is raised to a negative power.</translation>
    </message>
    <message>
        <source>wird eine negative Zahl mit einem nicht ganzzahligen Exponenten potenziert.</source>
        <translation>a negative number is raised to a non-integer power.</translation>
    </message>
    <message>
        <source>steht im Logarithmus eine Zahl kleiner oder gleich 0.</source>
        <translation>the logarithm is taken of a number less than or equal to 0.</translation>
    </message>
    <message>
        <source>liegt das Argument von ARCSIN nicht zwischen -1 und 1.</source>
        <translation>the argument of ARCSIN is not between -1 and 1.</translation>
    </message>
    <message>
        <source>ist das Argument von ARCCOS 0 oder nicht zwischen -1 und 1.</source>
        <translation>the argument of ARCCOS is 0 or not between -1 and 1.</translation>
    </message>
    <message>
        <source>ist die Summe der beiden Werte einer Parallelschaltung (|) gleich 0.</source>
        <translation>the two values of a parallel connection (|) add up to 0.</translation>
    </message>
    <message>
        <source>hat Ihre Gleichung den Wert 0.</source>
        <translation>your equation has the value 0.</translation>
    </message>
    <message>
        <source>Der Ausdruck »%1« ist keine Zahl.</source>
        <translation>The expression “%1” is not a number.</translation>
    </message>
    <message>
        <source>ist der Wert Ihrer Gleichung zu groß.</source>
        <translation>the value of your equation is too large.</translation>
    </message>
    <message>
        <source>weicht Ihre Gleichung so stark ab, dass sich die Abweichung nicht berechnen lässt.</source>
        <translation>your equation deviates so far that the deviation cannot be calculated.</translation>
    </message>
    <message>
        <source>Die Kennlinie des Sensors ist mit den eingestellten Werten zu groß zum Rechnen.</source>
        <translation>With the values set, the sensor&apos;s characteristic is too large to calculate with.</translation>
    </message>
    <message>
        <source>Bei T = %1 K </source>
        <translation>At T = %1 K </translation>
    </message>
    <message>
        <source>»%1« ist keine bekannte Funktion (bekannt: %2)</source>
        <translation>“%1” is not a known function (known: %2)</translation>
    </message>
</context>
<context>
    <name>journal::Charts</name>
    <message>
        <source>Kennlinie</source>
        <translation>Characteristic</translation>
    </message>
    <message>
        <source>ϑ Sensor /°C</source>
        <translation>ϑ sensor /°C</translation>
    </message>
    <message>
        <source>Zeitverlauf</source>
        <translation>Over time</translation>
    </message>
    <message>
        <source>ϑ Sensor</source>
        <translation>ϑ sensor</translation>
    </message>
    <message>
        <source>ϑ Thermostat</source>
        <translation>ϑ thermostat</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Reading</translation>
    </message>
</context>
<context>
    <name>journal::Formprotokoll</name>
    <message>
        <source>KORA - Temperatursensoren als Zweipol - Messprotokoll</source>
        <translation>KORA - Temperature sensors as two-terminal devices - Lab journal</translation>
    </message>
    <message>
        <source>Angezeigtes Protokoll</source>
        <translation>Journal shown</translation>
    </message>
    <message>
        <source>Speichern unter …</source>
        <translation>Save as …</translation>
    </message>
    <message>
        <source>Das angezeigte Protokoll als CSV-Datei speichern</source>
        <translation>Save the journal shown as a CSV file</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Die markierten Zeilen, sonst alle, in die Zwischenablage kopieren (Strg+C)</source>
        <translation>Copy the selected rows, or else all of them, to the clipboard (Ctrl+C)</translation>
    </message>
    <message>
        <source>Zeilen löschen</source>
        <translation>Delete rows</translation>
    </message>
    <message>
        <source>Die markierten Zeilen löschen (Entf)</source>
        <translation>Delete the selected rows (Del)</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Das letzte Löschen oder Ändern zurücknehmen (Strg+Z)</source>
        <translation>Take back the last deletion or change (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Messprotokoll</source>
        <translation>Lab journal</translation>
    </message>
    <message>
        <source>Protokoll:</source>
        <translation>Journal:</translation>
    </message>
    <message>
        <source>Früheres Protokoll, nur zum Lesen: </source>
        <translation>Earlier journal, read only: </translation>
    </message>
    <message>
        <source>Das Protokoll wird nicht gespeichert: </source>
        <translation>The journal is not being saved: </translation>
    </message>
    <message>
        <source>Protokolldatei: </source>
        <translation>Journal file: </translation>
    </message>
    <message>
        <source>Protokolldatei (wird mit dem ersten Messwert angelegt): </source>
        <translation>Journal file (created with the first reading): </translation>
    </message>
    <message>
        <source>Aktuelles Protokoll</source>
        <translation>Current journal</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Messprotokoll speichern unter</source>
        <translation>Save lab journal as</translation>
    </message>
    <message>
        <source>KORA-Protokoll.csv</source>
        <translation>KORA-Journal.csv</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Das Messprotokoll wurde gespeichert:<byte value="xd"/></source>
        <translation>The lab journal has been saved:<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>journal::Journal</name>
    <message>
        <source>Zeilen löschen</source>
        <translation>Delete rows</translation>
    </message>
    <message>
        <source>Bemerkung ändern</source>
        <translation>Edit remark</translation>
    </message>
</context>
<context>
    <name>journal::Printout</name>
    <message>
        <source>Messprotokoll</source>
        <translation>Lab journal</translation>
    </message>
    <message>
        <source>Messprotokoll (Fortsetzung)</source>
        <translation>Lab journal (continued)</translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>journal::Reason</name>
    <message>
        <source>Die Datei ist kein Messprotokoll von KORA.</source>
        <translation>The file is not a KORA lab journal.</translation>
    </message>
    <message>
        <source>Die Kopfzeile der Datei passt nicht zu einem Messprotokoll.</source>
        <translation>The header row of the file does not fit a lab journal.</translation>
    </message>
    <message>
        <source>Zeile %1 der Datei ist unvollständig.</source>
        <translation>Line %1 of the file is incomplete.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß für ein Messprotokoll.</source>
        <translation>The file is too large for a lab journal.</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht öffnen (%1).</source>
        <translation>The file cannot be opened (%1).</translation>
    </message>
    <message>
        <source>Das Messprotokoll konnte nicht gespeichert werden:<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation>The lab journal could not be saved:<byte value="xd"/>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Es gibt keinen Ordner für Programmdaten.</source>
        <translation>There is no folder for program data.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>In den Ordner %1 darf nicht geschrieben werden.</source>
        <translation>The folder %1 may not be written to.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht angelegt werden (%2).</source>
        <translation>The file %1 cannot be created (%2).</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geöffnet werden (%2).</source>
        <translation>The file %1 cannot be opened (%2).</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden (%2).</source>
        <translation>The file %1 cannot be written (%2).</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht neu geschrieben werden (%2).</source>
        <translation>The file %1 cannot be rewritten (%2).</translation>
    </message>
</context>
<context>
    <name>journal::Row</name>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>ϑ Thermostat /°C</source>
        <translation>ϑ thermostat /°C</translation>
    </message>
    <message>
        <source>ϑ Sensor /°C</source>
        <translation>ϑ sensor /°C</translation>
    </message>
    <message>
        <source>U Quelle /V</source>
        <translation>U source /V</translation>
    </message>
    <message>
        <source>Vorwiderstand</source>
        <translation>Series resistor</translation>
    </message>
    <message>
        <source>Messbereich</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>Eigenerwärmung</source>
        <translation>Self-heating</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>ein</source>
        <translation>on</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>überbrückt</source>
        <translation>bypassed</translation>
    </message>
    <message>
        <source>Zeit /s</source>
        <translation>Time /s</translation>
    </message>
    <message>
        <source>Anzeige /V</source>
        <translation>Reading /V</translation>
    </message>
    <message>
        <source>Vorwiderstand /Ohm</source>
        <translation>Series resistor /Ohm</translation>
    </message>
</context>
<context>
    <name>lehrer::Formlehrer</name>
    <message>
        <source>KORA - Seite für Lehrende</source>
        <translation>KORA - Page for teachers</translation>
    </message>
    <message>
        <source>Diese Seite prüft die Lehrerdatei cmmup.dlx, zeigt den Lösungsschlüssel, schreibt die Kursseite für die Studierenden und bewertet ihre Ergebnisse. Nichts verlässt diesen Rechner.</source>
        <translation>This page checks the teacher&apos;s file cmmup.dlx, shows the answer key, writes the course page for the students and grades their results. Nothing leaves this computer.</translation>
    </message>
    <message>
        <source>1. Lehrerdatei prüfen</source>
        <translation>1. Check the teacher&apos;s file</translation>
    </message>
    <message>
        <source>Lehrerdatei (cmmup.dlx) wählen oder hierher ziehen</source>
        <translation>Choose the teacher&apos;s file (cmmup.dlx) or drop it here</translation>
    </message>
    <message>
        <source>Noch keine Lehrerdatei gewählt.</source>
        <translation>No teacher&apos;s file chosen yet.</translation>
    </message>
    <message>
        <source>2. Lösungsschlüssel</source>
        <translation>2. Answer key</translation>
    </message>
    <message>
        <source>Matrikelnummern (eine oder mehrere, durch Zeilen, Kommas oder Leerzeichen getrennt)</source>
        <translation>Matriculation numbers (one or more, separated by lines, commas or blanks)</translation>
    </message>
    <message>
        <source>oder aus einer CSV-Datei</source>
        <translation>or from a CSV file</translation>
    </message>
    <message>
        <source>Schlüssel zeigen</source>
        <translation>Show the key</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Keine Matrikelnummer gefunden.</source>
        <translation>No matriculation number found.</translation>
    </message>
    <message>
        <source>3. Kursseite</source>
        <translation>3. Course page</translation>
    </message>
    <message>
        <source>Die Laborseite mit der geprüften Lehrerdatei darin, zum Weitergeben an die Studierenden (zum Beispiel als Datei in Moodle).</source>
        <translation>The lab page with the checked teacher&apos;s file inside, to hand to the students (for example as a file in Moodle).</translation>
    </message>
    <message>
        <source>kora-kurs.html herunterladen</source>
        <translation>Download kora-kurs.html</translation>
    </message>
    <message>
        <source>Die Lehrerdatei hat Fehler; die Kursseite wird erst nach der Korrektur geschrieben:</source>
        <translation>The teacher&apos;s file has errors; the course page is written once they are corrected:</translation>
    </message>
    <message>
        <source>Die Kursseite kora-kurs.html ist zum Speichern bereit.</source>
        <translation>The course page kora-kurs.html is ready to be saved.</translation>
    </message>
    <message>
        <source>4. Noten</source>
        <translation>4. Grades</translation>
    </message>
    <message>
        <source>Die Bewertung der Ergebnisse steht in dieser Fassung der Seite noch nicht zur Verfügung; kora --ergebnisse bewertet sie.</source>
        <translation>Grading the results is not yet available in this version of the page; kora --ergebnisse grades them.</translation>
    </message>
</context>
<context>
    <name>lehrer::Noten</name>
    <message>
        <source>Noten</source>
        <translation>Grades</translation>
    </message>
    <message>
        <source>Die Datensätze der Studierenden hierher ziehen oder wählen: einzelne .json-Dateien, einen Ordner oder die ZIP-Datei „Alle Abgaben herunterladen“ aus Moodle.</source>
        <translation>Drop or choose the students’ records here: single .json files, a folder, or Moodle’s “Download all submissions” zip file.</translation>
    </message>
    <message>
        <source>Datensätze (.json) oder ZIP-Datei</source>
        <translation>Records (.json) or zip file</translation>
    </message>
    <message>
        <source>Ordner mit Datensätzen</source>
        <translation>Folder of records</translation>
    </message>
    <message>
        <source>cmmup.dlx des Kurses (wahlweise, prüft die Varianten)</source>
        <translation>The course’s cmmup.dlx (optional, checks the variants)</translation>
    </message>
    <message>
        <source>Gewertet wird</source>
        <translation>Counted is</translation>
    </message>
    <message>
        <source>der erste ausgewertete Versuch</source>
        <translation>the first evaluated run</translation>
    </message>
    <message>
        <source>der beste Versuch</source>
        <translation>the best run</translation>
    </message>
    <message>
        <source>der letzte Versuch</source>
        <translation>the last run</translation>
    </message>
    <message>
        <source>Notendatei (CSV) speichern</source>
        <translation>Save the grade file (CSV)</translation>
    </message>
    <message>
        <source>Übersicht (HTML) speichern</source>
        <translation>Save the overview (HTML)</translation>
    </message>
    <message>
        <source>Die ZIP-Datei %1 wird nicht gelesen: %2.</source>
        <translation>The zip file %1 is not read: %2.</translation>
    </message>
    <message>
        <source>%1 Datensätze gelesen, %2 Studierende.</source>
        <translation>%1 records read, %2 students.</translation>
    </message>
    <message>
        <source>Die Varianten sind nicht geprüft; das tut die cmmup.dlx des Kurses, hier dazugelegt.</source>
        <translation>The variants are not checked; the course’s cmmup.dlx, added here, checks them.</translation>
    </message>
    <message>
        <source>Nicht lesbare Dateien</source>
        <translation>Unreadable files</translation>
    </message>
    <message>
        <source>Klassenübersicht</source>
        <translation>Class overview</translation>
    </message>
</context>
<context>
    <name>page::Record</name>
    <message>
        <source>Ergebnis speichern</source>
        <translation>Save result</translation>
    </message>
    <message>
        <source>Speichern Sie das Ergebnis als Datei und geben Sie diese Datei ab, zum Beispiel als Dateiabgabe im Moodle-Kurs. Bis dahin bewahrt dieser Browser das Ergebnis auf.</source>
        <translation>Save the result as a file and hand that file in, for example as a file submission in the Moodle course. Until then this browser keeps the result.</translation>
    </message>
    <message>
        <source>Das Ergebnis wurde als %1 heruntergeladen.</source>
        <translation>The result was downloaded as %1.</translation>
    </message>
    <message>
        <source>Noch nicht gespeicherte Ergebnisse früherer Versuche:</source>
        <translation>Results of earlier runs not yet saved:</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>signin::Formanmeldung</name>
    <message>
        <source> - Anmeldung</source>
        <translation> - Sign-in</translation>
    </message>
    <message>
        <source>Bitte melden Sie sich für diesen Versuch an.</source>
        <translation>Please sign in for this experiment.</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Matrikelnummer</source>
        <translation>&amp;Matriculation number</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Matrikelnummer</source>
        <translation>Matriculation number</translation>
    </message>
    <message>
        <source>3 bis 20 Buchstaben, Ziffern oder Bindestriche</source>
        <translation>3 to 20 letters, digits or hyphens</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bitte geben Sie Ihren Namen ein.</source>
        <translation>Please enter your name.</translation>
    </message>
    <message>
        <source>Bitte geben Sie Ihre Matrikelnummer ein.</source>
        <translation>Please enter your matriculation number.</translation>
    </message>
    <message>
        <source>Die Matrikelnummer besteht aus 3 bis 20 Buchstaben, Ziffern oder &quot;-&quot;.</source>
        <translation>The matriculation number consists of 3 to 20 letters, digits or &quot;-&quot;.</translation>
    </message>
    <message>
        <source>genau %1 Ziffern</source>
        <translation>exactly %1 digits</translation>
    </message>
    <message>
        <source>Die Matrikelnummer besteht aus genau %1 Ziffern.</source>
        <translation>The student ID consists of exactly %1 digits.</translation>
    </message>
</context>
<context>
    <name>ui::Services</name>
    <message>
        <source>Angaben für das Ergebnisblatt (freiwillig):</source>
        <translation>Details for the result sheet (optional):</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Matrikelnummer</source>
        <translation>Student ID</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Den Drucker %1 gibt es nicht mehr.</source>
        <translation>The printer %1 no longer exists.</translation>
    </message>
    <message>
        <source>Der Drucker %1 nimmt zurzeit keine Aufträge an.</source>
        <translation>The printer %1 is not accepting jobs at the moment.</translation>
    </message>
    <message>
        <source>Der Drucker %1 hat den Auftrag nicht angenommen.</source>
        <translation>The printer %1 did not accept the job.</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Die Ergebnisse wurden an den Drucker %1 geschickt.</source>
        <translation>The results have been sent to the printer %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Der Drucker ist zurzeit angehalten. Der Auftrag wartet in seiner Warteschlange und wird gedruckt, sobald der Drucker wieder läuft.</source>
        <translation><byte value="xd"/>The printer is paused at the moment. The job waits in its queue and will be printed as soon as the printer runs again.</translation>
    </message>
    <message>
        <source>Kein Drucker verfügbar - Ergebnisse als PDF speichern</source>
        <translation>No printer available - save the results as PDF</translation>
    </message>
    <message>
        <source>Drucken fehlgeschlagen - Ergebnisse als PDF speichern</source>
        <translation>Printing failed - save the results as PDF</translation>
    </message>
    <message>
        <source>Die Ergebnisse wurden nicht gedruckt und nicht gespeichert.</source>
        <translation>The results were neither printed nor saved.</translation>
    </message>
    <message>
        <source>Die Ergebnisse wurden als PDF-Datei gespeichert:<byte value="xd"/></source>
        <translation>The results have been saved as a PDF file:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Die PDF-Datei konnte nicht geschrieben werden:<byte value="xd"/></source>
        <translation>The PDF file could not be written:<byte value="xd"/></translation>
    </message>
    <message>
        <source>KORA - Temperatursensoren als Zweipol</source>
        <translation>KORA - Temperature sensors as two-terminal devices</translation>
    </message>
    <message>
        <source>KORA - Auswertung</source>
        <translation>KORA - Evaluation</translation>
    </message>
    <message>
        <source>KORA-Auswertung.pdf</source>
        <translation>KORA-Evaluation.pdf</translation>
    </message>
</context>
</TS>
