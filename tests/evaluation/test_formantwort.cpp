// The evaluation window driven as a student drives it: offscreen, German
// number settings, message boxes recorded instead of shown.

#include "evaluation/formantwort.h"
#include "model/state.h"
#include "recorder.h"
#include "sensors.h"
#include "ui/controls.h"
#include "ui/layout.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QFrame>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using evaluation::Formantwort;
using testsupport::exactEquation;

namespace {

const QString cr(QChar(13));

} // namespace

class TestFormantwort : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Recorder> rec;
    std::unique_ptr<model::ExperimentState> state;
    std::unique_ptr<Formantwort> w;

    template <class T> T* find(const char* name) const { return testsupport::control<T>(w.get(), name); }
    QString caption(const char* name) const { return find<ui::Label>(name)->text(); }
    bool shown(const char* name) const { return find<QWidget>(name)->isVisible(); }
    ui::TextBox* box() const { return find<ui::TextBox>("Textformel"); }

    void open(int type)
    {
        state = std::make_unique<model::ExperimentState>(testsupport::startState(type));
        w = std::make_unique<Formantwort>(*state);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void pickFromList(int index)
    {
        auto* list = find<QListWidget>("Listsensoren");
        const QRect r = list->visualItemRect(list->item(index));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    void answerType(int index)
    {
        pickFromList(index);
        QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
    }
    void enter(const QString& text)
    {
        QTest::keyClicks(box(), text);
        QTest::keyClick(box(), Qt::Key_Return);
    }
    void clearBox()
    {
        QTest::keyClick(box(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box(), Qt::Key_Backspace);
        QCOMPARE(box()->text(), QString());
    }
    // Pixels of the persistent drawing in one colour (a point is 2 x 2 pixels).
    int pixelsOf(const QColor& colour) const
    {
        const QImage& img = find<ui::DrawingSurface>("Picture1")->drawing();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += img.pixelColor(x, y).rgb() == colour.rgb() && img.pixelColor(x, y).alpha() == 255;
        return n;
    }
    static QString equationVerdict(const QString& deviation, int points, int total, const std::string& formula)
    {
        return QStringLiteral("Die richtige Formel lautet:") + cr + QString::fromStdString(formula) + cr +
               QStringLiteral("Die Abweichung Ihrer Formel beträgt ") + deviation + QStringLiteral(" %") + cr +
               QStringLiteral("Sie erhalten dafür %1 Punkte und haben insgesamt %2 Punkte").arg(points).arg(total);
    }

private slots:
    void initTestCase() { testsupport::useGermanNumbers(); }
    void init() { rec = std::make_unique<testsupport::Recorder>(); }
    void cleanup()
    {
        if (w)
            w->disconnect();
        w.reset();
        state.reset();
        rec.reset();
    }

    void windowOpensWithTheTypeQuestion()
    {
        open(0);
        QCOMPARE(w->objectName(), QStringLiteral("Formantwort"));
        QCOMPARE(w->windowTitle(), QStringLiteral("KORA - Temperatursensoren als Zweipol - Auswertung"));
        QCOMPARE(w->size(), QSize(ui::px(11790), ui::px(8820)));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(state->punkte, 0);
        QCOMPARE(caption("Labelmeldung"),
                 QStringLiteral("So, Sie glauben also, fertig zu sein.") + cr + "Dann wollen wir sehen." + cr + cr +
                     QStringLiteral("Verraten Sie mir zunächst,") + cr + "welchen Sensortyp Sie hier vermuten." + cr +
                     "Suchen Sie einen aus der Liste aus" + cr + QStringLiteral("und bestätigen Sie mit OK"));
        // The label grows with its seven lines.
        QVERIFY(find<QWidget>("Labelmeldung")->height() > ui::px(240));
        auto* list = find<QListWidget>("Listsensoren");
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->item(i)->text();
        QCOMPARE(entries, (QStringList{"NTC-Widerstand", "PTC-Widerstand", "Pt 100", "Pt 1000",
                                       "Flussspannung Si-Diode (konstanter Strom)", QStringLiteral("Stromfühler"),
                                       "Thermoelement"}));
        QVERIFY(shown("Listsensoren"));
        for (const char* hidden : {"Command1", "Labelglseite", "Textformel", "Frametable", "Commanddruck"})
            QVERIFY2(!shown(hidden), hidden);
        for (int i = 0; i < model::sensorTypes; ++i) {
            auto* image = find<ui::ImageBox>(QStringLiteral("Imagesensor_%1").arg(i).toLatin1().constData());
            QVERIFY(!image->isVisible());
            QCOMPARE(image->pos(), QPoint(ui::px(3500), ui::px(200)));
        }
    }

    void okAppearsWithTheFirstSelectionAndTheLastOneCounts()
    {
        open(2);
        QVERIFY(!shown("Command1"));
        pickFromList(5);
        QVERIFY(shown("Command1"));
        pickFromList(2);
        QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(caption("Labelmeldung").startsWith(QStringLiteral("Das war richtig.")));
        QCOMPARE(state->punkte, 2);
    }

    void typeAnswerIsJudged_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<int>("punkte");
        QTest::addColumn<QString>("leftSide");
        // Each type with the article its gender asks for.
        const QString right = QStringLiteral("Das war richtig.") + cr + "Es handelt sich um %1" + cr +
                              QStringLiteral("Dafür gibt es zwei Punkte.");
        const QString wrong = QStringLiteral("Das war glattweg falsch.") + cr +
                              "Eigentlich handelt es sich um %1" + cr +
                              QStringLiteral("Dafür gibt es nichts, kann nur besser werden.");
        QTest::newRow("NTC right") << 0 << 0 << right.arg("einen NTC-Widerstand") << 2 << "R(T)/Ohm =";
        QTest::newRow("NTC taken for PTC") << 0 << 1 << wrong.arg("einen NTC-Widerstand") << 0 << "R(T)/Ohm =";
        QTest::newRow("PTC right") << 1 << 1 << right.arg("einen PTC-Widerstand") << 2 << "R(T)/Ohm =";
        QTest::newRow("Pt 100 taken for Pt 1000") << 2 << 3 << wrong.arg("einen Pt 100") << 0 << "R(T)/Ohm =";
        QTest::newRow("Pt 1000 right") << 3 << 3 << right.arg("einen Pt 1000") << 2 << "R(T)/Ohm =";
        QTest::newRow("diode right") << 4 << 4 << right.arg("eine Si-Diode (Flussspannung bei konstantem Strom)") << 2
                                     << "Ud(T)/mV =";
        QTest::newRow("current sensor taken for NTC")
            << 5 << 0 << wrong.arg(QStringLiteral("einen Stromfühler")) << 0 << QStringLiteral("I(T)/µA =");
        QTest::newRow("thermocouple right") << 6 << 6 << right.arg("ein Thermoelement") << 2 << "U(T)/mV =";
        QTest::newRow("thermocouple taken for diode") << 6 << 4 << wrong.arg("ein Thermoelement") << 0 << "U(T)/mV =";
    }
    void typeAnswerIsJudged()
    {
        QFETCH(int, type);
        QFETCH(int, answer);
        QFETCH(QString, verdict);
        QFETCH(int, punkte);
        QFETCH(QString, leftSide);
        open(type);
        answerType(answer);
        const QString general = QStringLiteral("Geben Sie jetzt die Gleichung an.") + cr +
                                QStringLiteral("Setzen Sie für alle Konstanten die numerischen Werte ein!") + cr +
                                "Also z.B. R(T)=0.4*T+25";
        const QString diode = QStringLiteral("Geben Sie jetzt die Gleichung für die Diode bei einem Strom von 1 mA an.") +
                              cr + QStringLiteral("Setzen Sie für alle Konstanten die numerischen Werte ein,") + cr +
                              "also z.B. Ud(T)= 500 + 1,4*T.";
        const QString rest = cr + QStringLiteral("Als Operatoren stehen zur Verfügung + - * / ^ ") + cr +
                             "Funktionen: SIN(), COS(), TAN() " + cr + "EXP() - e-Fkt." + cr +
                             "LN() - log-naturalis-Fkt." + cr + "LG() - dek. Logarithmus." + cr +
                             "LD() - dualer Logarithmus." + cr + QStringLiteral("Bestätigen Sie mit <Enter>.");
        QCOMPARE(caption("Labelmeldung"), verdict + cr + cr + (type == 4 ? diode : general) + rest);
        QCOMPARE(int(state->punkte), punkte);
        QCOMPARE(caption("Labelglseite"), leftSide);
        QVERIFY(shown("Labelglseite"));
        QVERIFY(shown("Textformel"));
        QVERIFY(!shown("Listsensoren"));
        QVERIFY(!shown("Command1"));
        QVERIFY(!shown("Frametable"));
        QCOMPARE(w->schritt(), 3);
        // Under the box, what T means.
        QVERIFY(shown("Labelhinweis"));
        QCOMPARE(caption("Labelhinweis"), QStringLiteral("T: absolute Temperatur in K"));
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("comma is the point") << "1" << "," << "1.";
        QTest::newRow("small t is T") << "1" << "t" << "1T";
        QTest::newRow("small y dropped") << "1" << "y" << "1";
        QTest::newRow("capital Z dropped") << "1" << "Z" << "1";
        QTest::newRow("capital Y dropped") << "1" << "Y" << "1";
        QTest::newRow("blank dropped") << "1" << " " << "1";
        QTest::newRow("semicolon dropped") << "1" << ";" << "1";
        QTest::newRow("small e is E") << "1" << "e" << "1E";
        QTest::newRow("small a to x are capitals") << "1" << "abcxyz" << "1ABCX";
        QTest::newRow("lowercase equation") << "" << "0,000357*exp(5000/t)" << "0.000357*EXP(5000/T)";
        QTest::newRow("capital X kept") << "1" << "X" << "1X";
        QTest::newRow("A kept") << "1" << "A" << "1A";
        QTest::newRow("power kept") << "1" << "^" << "1^";
        QTest::newRow("brackets and operators kept") << "1" << "()*+-./9" << "1()*+-./9";
        QTest::newRow("first character y stays") << "" << "y" << "y";
        QTest::newRow("first character blank stays") << "" << " " << " ";
        QTest::newRow("first character comma stays") << "" << "," << ",";
        QTest::newRow("first t stays small, the next is T") << "" << "tt" << "tT";
    }
    void keyFilter()
    {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        open(0);
        answerType(0);
        QTest::keyClicks(box(), before);
        QTest::keyClicks(box(), typed);
        QCOMPARE(box()->text(), after);
        QCOMPARE(w->schritt(), 3);
    }

    void backspacePassesTheFilter()
    {
        open(0);
        answerType(0);
        QTest::keyClicks(box(), "12");
        QTest::keyClick(box(), Qt::Key_Backspace);
        QCOMPARE(box()->text(), QStringLiteral("1"));
    }

    void enterInTheEmptyBoxDoesNothing()
    {
        open(0);
        answerType(0);
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(w->schritt(), 3);
        QVERIFY(rec->messages.isEmpty());
        QVERIFY(shown("Textformel"));
        QVERIFY(!shown("Frametable"));
    }

    void exactEquationScoresSixPoints_data()
    {
        QTest::addColumn<int>("type");
        for (int t = 0; t < model::sensorTypes; ++t)
            QTest::newRow(exactEquation[t]) << t;
    }
    void exactEquationScoresSixPoints()
    {
        QFETCH(int, type);
        open(type);
        answerType(type);
        enter(QString::fromLatin1(exactEquation[type]));
        QCOMPARE(rec->messages.value(0), equationVerdict("0", 6, 8, state->formeltext[type]));
        QCOMPARE(QString::fromStdString(state->eingabeformel), QString::fromLatin1(exactEquation[type]));
        // The student's points lie on the true ones: cyan everywhere, red nowhere.
        QCOMPARE(pixelsOf(ui::paletteColor(11)), 400 * 4);
        QCOMPARE(pixelsOf(ui::paletteColor(12)), 0);
        if (type < 4) {
            QCOMPARE(w->schritt(), 5);
        } else {
            // No alpha question: straight to the sensor's picture.
            QCOMPARE(rec->messages.size(), 1);
            QCOMPARE(caption("Labelmeldung"), QStringLiteral("Sensorvariante: "));
            QVERIFY(find<QWidget>(QStringLiteral("Imagesensor_%1").arg(type).toLatin1().constData())->isVisible());
            QVERIFY(shown("Commanddruck"));
            QVERIFY(!shown("Frametable"));
            QVERIFY(!shown("Textformel"));
            // Each click prints one page, and no message box is in the way.
            QTest::mouseClick(find<QPushButton>("Commanddruck"), Qt::LeftButton);
            QTest::mouseClick(find<QPushButton>("Commanddruck"), Qt::LeftButton);
            QCOMPARE(rec->pdfFiles.size(), 2);
            QCOMPARE(rec->messages.size(), 1);
        }
    }

    void scaleTopFitsTheSensor_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("top");
        QTest::newRow("NTC 9201 Ohm") << 0 << 10000.0;
        QTest::newRow("PTC 3384 Ohm") << 1 << 10000.0;
        QTest::newRow("Pt 100") << 2 << 1000.0;
        QTest::newRow("Pt 1000") << 3 << 10000.0;
        QTest::newRow("diode fixed") << 4 << 1000.0;
        QTest::newRow("current sensor") << 5 << 1000.0;
        QTest::newRow("thermocouple") << 6 << 10.0;
    }
    void scaleTopFitsTheSensor()
    {
        QFETCH(int, type);
        QFETCH(double, top);
        open(type);
        answerType(type);
        enter(QString::fromLatin1(exactEquation[type]));
        auto* plot = find<ui::DrawingSurface>("Picture1");
        QCOMPARE(plot->scaleTop(), top);
        QCOMPARE(plot->scaleHeight(), -top);
        QCOMPARE(plot->scaleLeft(), 20.0);
        QCOMPARE(plot->scaleWidth(), 110.0625);
    }

    void diodeLineOfTheRightFormulaScoresFull()
    {
        open(4);
        answerType(4);
        // The "right formula" shown afterwards, typed back in as the answer.
        QString line = QString::fromStdString(model::diodeFormulaText(*state, '.'));
        QVERIFY(line.startsWith("Ud/mV = "));
        line = line.mid(8).replace(" * (T/K - 293)", "*(T-293)").remove(' ');
        enter(line);
        QVERIFY(rec->messages.value(0).contains(QStringLiteral("Sie erhalten dafür 6 Punkte")));
        QCOMPARE(state->punkte, 8);
    }

    void constantFactorOf1_1GivesEightPercent_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("points");
        QTest::newRow("NTC, tolerance 5 %") << 0 << 0;
        QTest::newRow("Pt 1000, tolerance 1 %") << 3 << 0;
        QTest::newRow("diode, tolerance 10 %") << 4 << 2;
        QTest::newRow("thermocouple, tolerance 3 %") << 6 << 0;
    }
    void constantFactorOf1_1GivesEightPercent()
    {
        QFETCH(int, type);
        QFETCH(int, points);
        open(type);
        answerType(type);
        enter(QStringLiteral("1.1*(%1)").arg(exactEquation[type]));
        QCOMPARE(rec->messages.value(0), equationVerdict("8", points, 2 + points, state->formeltext[type]));
    }

    // Typed in lower case, the true equation scores as in capitals.
    void lowercaseEquationScoresZeroPercent()
    {
        open(0);
        answerType(0);
        enter("0,000357*exp(5000/t)");
        QCOMPARE(rec->messages.value(0), equationVerdict("0", 6, 8, state->formeltext[0]));
    }

    // Under "Fehler in Formel" a second line says what failed, and where it
    // matters at which temperature; each reason for a formula that gives it.
    void failureSaysWhatFailed_data()
    {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<bool>("pasted"); // too long to type key by key
        QTest::addColumn<double>("ntcA");
        QTest::addColumn<QString>("reason");
        const double a = 0.000357;
        QString sum = "1/T";
        for (int i = 0; i < 1700; ++i)
            sum += "+1/T";
        QStringList sines;
        for (int i = 0; i < 22; ++i)
            sines << "SIN(T)";
        QTest::newRow("brackets") << "(T" << false << a << "Die Klammern passen nicht zusammen.";
        QTest::newRow("empty group") << "T*()" << false << a << "Die Formel oder eine Klammer ist leer.";
        QTest::newRow("too long") << sum << true << a << "Die Formel wird beim Rechnen länger als 32767 Zeichen.";
        QTest::newRow("22 uses") << sines.join('+') << false << a
                                 << "Eine Funktion wird mehr als 21-mal auf derselben Klammerebene verwendet.";
        QTest::newRow("operand missing") << "11E+**" << false << a << "Einem Rechenzeichen fehlt die Zahl dahinter.";
        QTest::newRow("number too large") << "1E400*T" << false << a << "Eine Zahl der Formel ist zu groß zum Rechnen.";
        QTest::newRow("value too large") << "EXP(T*3)" << false << a
                                         << "Bei T = 293 K wird ein Zwischenergebnis zu groß zum Rechnen.";
        QTest::newRow("division by zero") << "1/(T-293)" << false << a << "Bei T = 293 K wird durch 0 geteilt.";
        QTest::newRow("zero to a negative power") << "(T-313)^(-1)" << false << a
                                                  << "Bei T = 313 K wird 0 mit einem negativen Exponenten potenziert.";
        QTest::newRow("root of a negative number")
            << "(292-T)^0.5" << false << a
            << "Bei T = 293 K wird eine negative Zahl mit einem nicht ganzzahligen Exponenten potenziert.";
        QTest::newRow("logarithm, drifted sample") << "1+LN(341.2-T)" << false << a
                                                   << "Bei T = 341,2 K steht im Logarithmus eine Zahl kleiner oder gleich 0.";
        QTest::newRow("arcsin") << "ARCSIN(T/293)" << false << a
                                << "Bei T = 293 K liegt das Argument von ARCSIN nicht zwischen -1 und 1.";
        QTest::newRow("arccos") << "ARCCOS(T-293.2)" << false << a
                                << "Bei T = 293,2 K ist das Argument von ARCCOS 0 oder nicht zwischen -1 und 1.";
        // "|" passes only as the first character of the box.
        QTest::newRow("parallel") << "|0*T" << false << a
                                  << "Bei T = 293 K ist die Summe der beiden Werte einer Parallelschaltung (|) gleich 0.";
        // "T-293", the value 0: zeroAtTheFirstSampleStopsAfterOnePair.
        // An unknown word is named, with the names the interpreter knows.
        QTest::newRow("no number") << "SQR(T)" << false << a
                                   << "»SQR« ist keine bekannte Funktion (bekannt: EXP, LN, LG, LD, SIN, COS, TAN, SINH, ARCSIN, ARCCOS, ATN)";
        QTest::newRow("typo in a function") << "0.000357*EXB(5000/T)" << false << a
                                            << "»EXB« ist keine bekannte Funktion (bekannt: EXP, LN, LG, LD, SIN, COS, TAN, SINH, ARCSIN, ARCCOS, ATN)";
        // The prompt's example copied with its left-hand side (the box drops the "=").
        QTest::newRow("left-hand side typed") << "R(T)0.4*T+25" << false << a
                                              << "»R« ist keine bekannte Funktion (bekannt: EXP, LN, LG, LD, SIN, COS, TAN, SINH, ARCSIN, ARCCOS, ATN)";
        QTest::newRow("unknown name") << "2*PI*T" << false << a << "»PI« ist keine bekannte Funktion (bekannt: EXP, LN, LG, LD, SIN, COS, TAN, SINH, ARCSIN, ARCCOS, ATN)";
        QTest::newRow("stray first character") << "%*T" << false << a << "Der Ausdruck »%*T« ist keine Zahl.";
        QTest::newRow("too large to draw") << "1E39*T" << false << a
                                           << "Bei T = 293 K ist der Wert Ihrer Gleichung zu groß.";
        QTest::newRow("deviation beyond range")
            << "1E-300*T" << false << a
            << "Bei T = 293 K weicht Ihre Gleichung so stark ab, dass sich die Abweichung nicht berechnen lässt.";
        QTest::newRow("sensor beyond range") << "T" << false << 1e36
                                             << "Die Kennlinie des Sensors ist mit den eingestellten Werten zu groß zum Rechnen.";
    }
    void failureSaysWhatFailed()
    {
        QFETCH(QString, equation);
        QFETCH(bool, pasted);
        QFETCH(double, ntcA);
        QFETCH(QString, reason);
        open(0);
        state->ntc_a = ntcA;
        answerType(0);
        if (pasted) {
            box()->setText(equation);
            QTest::keyClick(box(), Qt::Key_Return);
        } else {
            enter(equation);
        }
        QCOMPARE(box()->text(), equation);
        QCOMPARE(rec->messages, QStringList{QStringLiteral("Fehler in Formel") + cr + reason});
        QCOMPARE(w->schritt(), 3);
        QVERIFY(shown("Textformel"));
        QVERIFY(shown("Labelhinweis"));
        QCOMPARE(state->punkte, 2);
    }

    void zeroAtTheFirstSampleStopsAfterOnePair()
    {
        open(0);
        answerType(0);
        enter("T-293");
        QCOMPARE(rec->messages, QStringList{"Fehler in Formel\rBei T = 293 K hat Ihre Gleichung den Wert 0."});
        QCOMPARE(w->schritt(), 3);
        QCOMPARE(box()->text(), QStringLiteral("T-293"));
        QVERIFY(shown("Textformel"));
        QVERIFY(shown("Labelhinweis"));
        QVERIFY(shown("Labelglseite"));
        QVERIFY(!shown("Frametable"));
        // No curve in sight: the prompt with its operators and functions is back.
        QVERIFY(caption("Labelmeldung").startsWith(QStringLiteral("Das war richtig.")));
        QVERIFY(caption("Labelmeldung").contains(cr + QStringLiteral("Als Operatoren stehen zur Verfügung + - * / ^ ") +
                                                 cr + "Funktionen: SIN(), COS(), TAN() " + cr + "EXP() - e-Fkt."));
        QCOMPARE(state->punkte, 2);
        // One red point; the cyan one sits at 0, on the bottom edge.
        QCOMPARE(pixelsOf(ui::paletteColor(12)), 4);
    }

    void correctedFormulaRunsAgainFromZero()
    {
        open(0);
        answerType(0);
        // Twice the true value until T = 313 K, where it divides by zero:
        // a hundred samples with an error of 0.25 each before it stops; the
        // true point of the failing sample is drawn, the student's is not.
        enter("2*0.000357*EXP(5000/T)*(T-313)/(T-313)");
        QCOMPARE(rec->messages, QStringList{"Fehler in Formel\rBei T = 313 K wird durch 0 geteilt."});
        QCOMPARE(w->abweichung(), 25.0);
        QCOMPARE(pixelsOf(ui::paletteColor(12)), 101 * 4);
        clearBox();
        enter(QString::fromLatin1(exactEquation[0]));
        QCOMPARE(rec->messages.value(1), equationVerdict("0", 6, 8, state->formeltext[0]));
        QCOMPARE(w->abweichung(), 0.0);
    }

    // The scale labels are printed in whatever colour the surface holds: black
    // on the first run, the cyan of the failed sample on the run after it.
    void labelsTakeTheColourTheLastRunLeft()
    {
        open(0);
        answerType(0);
        enter("T-293");
        QCOMPARE(rec->messages.size(), 1);
        const int cyanAfterFailure = pixelsOf(ui::paletteColor(11));
        clearBox();
        enter(QString::fromLatin1(exactEquation[0]));
        QCOMPARE(rec->messages.value(1), equationVerdict("0", 6, 8, state->formeltext[0]));
        // 400 student points plus the five cyan labels on top of them.
        QVERIFY2(pixelsOf(ui::paletteColor(11)) > cyanAfterFailure + 400 * 4 + 100,
                 qPrintable(QString::number(pixelsOf(ui::paletteColor(11)))));
        // The last label stands at x 21, at a fifth of the top.
        auto* plot = find<ui::DrawingSurface>("Picture1");
        QCOMPARE(plot->currentX(), 21.0);
        QCOMPARE(plot->currentY(), 2000.0);
    }

    // A curve off everywhere shows 400 points of each colour.
    void fourHundredSamplesOfEachCurve()
    {
        open(2);
        answerType(2);
        enter("200+0.38505*(T-273)"); // 100 Ohm above the true curve everywhere
        QCOMPARE(pixelsOf(ui::paletteColor(12)), 400 * 4);
        QCOMPARE(pixelsOf(ui::paletteColor(11)), 400 * 4);
        QVERIFY(rec->messages.value(0).contains(QStringLiteral("beträgt 40 %")));
    }

    void tanAndAtnKeepTheirT()
    {
        open(0);
        answerType(0);
        enter("0.000357*EXP(5000/T)+TAN(0)+ATN(0)");
        QCOMPARE(rec->messages.value(0), equationVerdict("0", 6, 8, state->formeltext[0]));
    }

    void alphaQuestionFollowsForResistiveSensors()
    {
        open(0);
        answerType(0);
        enter(QString::fromLatin1(exactEquation[0]));
        QCOMPARE(w->schritt(), 5);
        QCOMPARE(box()->text(), QStringLiteral("0"));
        // Selected, so that typing replaces it; the unit under the box.
        QCOMPARE(box()->selectedText(), QStringLiteral("0"));
        QCOMPARE(caption("Labelhinweis"), QStringLiteral("alpha in 1/K"));
        QVERIFY(shown("Labelhinweis"));
        QVERIFY(shown("Textformel"));
        QVERIFY(!shown("Labelglseite"));
        QVERIFY(!shown("Frametable"));
        QCOMPARE(caption("Labelmeldung"),
                 QStringLiteral("Jetzt möchte ich von Ihnen noch den Temperaturkoeffizienten") + cr +
                     QStringLiteral("alpha aus der Näherung für die Temperatur Teta = 20 °C") + cr +
                     " R(To+dT) = R(To)(1 + alpha*dT) " + cr + "wissen:" + cr);
    }

    void alphaAnswer_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed"); // behind the preset 0
        QTest::addColumn<bool>("deletePreset");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("punkte");
        const QString form = "Richtig ist: alpha = %1" + cr + QStringLiteral("Die Abweichung Ihres Faktors beträgt %2 %") +
                             cr + QStringLiteral("Sie erhalten dafür %3 Punkte und haben insgesamt %4 Punkte");
        // A platinum sensor's verdict names its other right value too.
        const QString bothPt = "Richtig ist: alpha = %1" + cr + QStringLiteral("Bei %5 °C: alpha = %6") + cr +
                               QStringLiteral("Die Abweichung Ihres Faktors beträgt %2 %") + cr +
                               QStringLiteral("Sie erhalten dafür %3 Punkte und haben insgesamt %4 Punkte");
        const QString pt = QString(bothPt).replace("%5", "20").replace("%6", "0,00358");
        const QString pt20 = QString(bothPt).replace("%5", "0").replace("%6", "0,00385");
        // The right alpha with three significant digits.
        QTest::newRow("preset 0 left") << 0 << "" << false << form.arg("-0,0582", "100", "0", "8") << 8;
        QTest::newRow("typing replaces the preset") << 0 << "-0.058" << false
                                                    << form.arg("-0,0582", "0", "2", "10") << 10;
        QTest::newRow("NTC right") << 0 << "-0.0582" << true << form.arg("-0,0582", "0", "2", "10") << 10;
        QTest::newRow("NTC 4 % off") << 0 << "-0.0606" << true << form.arg("-0,0582", "4", "2", "10") << 10;
        QTest::newRow("NTC 6 % off") << 0 << "-0.0617" << true << form.arg("-0,0582", "6", "0", "8") << 8;
        QTest::newRow("PTC right") << 1 << "0.065" << false << form.arg("0,065", "0", "2", "10") << 10;
        QTest::newRow("Pt 100 exact") << 2 << "0.0038505" << true << pt.arg("0,00385", "0", "2", "10") << 10;
        QTest::newRow("Pt 100 with exponent") << 2 << "3.8505e-3" << false << pt.arg("0,00385", "0", "2", "10")
                                              << 10;
        QTest::newRow("Pt 100 at 0.004, 4 % off") << 2 << "0.004" << false << pt.arg("0,00385", "4", "0", "8") << 8;
        QTest::newRow("Pt 1000 2 % off") << 3 << "0.00393" << true << pt.arg("0,00385", "2", "0", "8") << 8;
        // At teta = 20 °C: A / (R0 + 20 A) scores as well; between the two, the nearer counts.
        QTest::newRow("Pt 100 at 20 °C") << 2 << "0.003575" << false << pt20.arg("0,00358", "0", "2", "10") << 10;
        QTest::newRow("Pt 1000 at 20 °C") << 3 << "0.003575" << false << pt20.arg("0,00358", "0", "2", "10") << 10;
        QTest::newRow("Pt 1000 at 0 °C") << 3 << "0.00385" << false << pt.arg("0,00385", "0", "2", "10") << 10;
        QTest::newRow("Pt 100 between, nearer 20 °C") << 2 << "0.0036" << false << pt20.arg("0,00358", "1", "2", "10")
                                                      << 10;
        QTest::newRow("Pt 1000 between, nearer 0 °C") << 3 << "0.00372" << false << pt.arg("0,00385", "3", "0", "8")
                                                      << 8;
        QTest::newRow("PTC text") << 1 << "ABC" << true << form.arg("0,065", "100", "0", "8") << 8;
    }
    void alphaAnswer()
    {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(bool, deletePreset);
        QFETCH(QString, message);
        QFETCH(int, punkte);
        open(type);
        answerType(type);
        enter(QString::fromLatin1(exactEquation[type]));
        if (deletePreset)
            QTest::keyClick(box(), Qt::Key_Backspace);
        enter(typed);
        if (!typed.isEmpty())
            QCOMPARE(box()->text(), typed.toUpper());
        QCOMPARE(rec->messages.size(), 2);
        QCOMPARE(rec->messages.value(1), message);
        QCOMPARE(int(state->punkte), punkte);
        QCOMPARE(caption("Labelmeldung"), QStringLiteral("Sensorvariante: "));
        QVERIFY(!shown("Textformel"));
        QVERIFY(!shown("Labelhinweis"));
        QVERIFY(!shown("Frametable"));
        QVERIFY(shown("Commanddruck"));
        QVERIFY(find<QWidget>(QStringLiteral("Imagesensor_%1").arg(type).toLatin1().constData())->isVisible());
    }

    // The whole run with the keyboard alone: arrows and Enter in the list,
    // Enter in the box, Tab and Enter on the buttons.
    void keyboardOnlyRun()
    {
        open(2);
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto* list = find<QListWidget>("Listsensoren");
        QCOMPARE(QApplication::focusWidget(), list);
        // Enter before a choice confirms nothing.
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(w->schritt(), 1);
        QTest::keyClick(list, Qt::Key_Down);
        while (list->currentRow() < 2)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->selectedItems().value(0), list->item(2));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(w->schritt(), 3);
        QCOMPARE(state->punkte, 2);
        QCOMPARE(QApplication::focusWidget(), box());
        QTest::keyClicks(box(), QString::fromLatin1(exactEquation[2]));
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(w->schritt(), 5);
        QCOMPARE(QApplication::focusWidget(), box());
        QTest::keyClicks(box(), "0.00385");
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(state->punkte, 10);
        auto* print = find<QPushButton>("Commanddruck");
        QCOMPARE(QApplication::focusWidget(), print);
        QTest::keyClick(print, Qt::Key_Return);
        QCOMPARE(rec->pdfFiles.size(), 1);
    }

    // Enter on the focused OK button, reached with Tab from the list.
    void enterOnOk()
    {
        open(0);
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        pickFromList(0);
        auto* list = find<QListWidget>("Listsensoren");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Tab);
        auto* ok = find<QPushButton>("Command1");
        QCOMPARE(QApplication::focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Return);
        QCOMPARE(w->schritt(), 3);
        QCOMPARE(state->punkte, 2);
    }

    void perfectResistiveRunReportsTenOfTen()
    {
        open(2);
        QSignalSpy unloaded(w.get(), &Formantwort::unloaded);
        answerType(2);
        enter(QString::fromLatin1(exactEquation[2]));
        QTest::keyClick(box(), Qt::Key_Backspace);
        enter("0.0038505");
        QCOMPARE(state->punkte, 10);
        QCOMPARE(w->abweichung(), 0.0);
        QCOMPARE(w->abweichungAlpha(), 0.0);
        w->close();
        QCOMPARE(rec->messages.size(), 3);
        QCOMPARE(rec->messages.last(), QStringLiteral(" Sie haben in diesem virtuellen Experiment 10 von 10 Punkten erreicht"));
        QCOMPARE(unloaded.count(), 1);
    }

    void closingEarlyReportsThePointsSoFar_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("answer"); // -1: closed at the type question
        QTest::addColumn<QString>("message");
        QTest::newRow("NTC in step 1") << 0 << -1
                                       << " Sie haben in diesem virtuellen Experiment 0 von 10 Punkten erreicht";
        QTest::newRow("thermocouple in step 1")
            << 6 << -1 << " Sie haben in diesem virtuellen Experiment 0 von 8 Punkten erreicht";
        QTest::newRow("diode after its type")
            << 4 << 4 << " Sie haben in diesem virtuellen Experiment 2 von 8 Punkten erreicht";
        QTest::newRow("Pt 1000 after its type")
            << 3 << 3 << " Sie haben in diesem virtuellen Experiment 2 von 10 Punkten erreicht";
    }
    void closingEarlyReportsThePointsSoFar()
    {
        QFETCH(int, type);
        QFETCH(int, answer);
        QFETCH(QString, message);
        open(type);
        QSignalSpy unloaded(w.get(), &Formantwort::unloaded);
        if (answer >= 0)
            answerType(answer);
        w->close();
        QCOMPARE(rec->messages, QStringList{message});
        QCOMPARE(unloaded.count(), 1);
    }

    // The close box asks before the evaluation is over, and in the final
    // view while the report is neither printed nor saved; once each answer.
    void closeBoxAsksFirst_data()
    {
        QTest::addColumn<bool>("finished");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QList<bool>>("answers"); // one per close
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("closed");
        const QString early = QStringLiteral("Die Auswertung ist noch nicht abgeschlossen. Wenn Sie jetzt schließen, "
                                             "bleibt es bei 2 von 8 Punkten; die Auswertung lässt sich in diesem "
                                             "Durchlauf nicht wiederholen. Trotzdem schließen?");
        const QString unkept =
            QStringLiteral("Das Ergebnisblatt wurde weder gedruckt noch gespeichert. Trotzdem schließen?");
        QTest::newRow("early, go on") << false << false << QList<bool>{false} << QStringList{early} << false;
        QTest::newRow("early, close") << false << false << QList<bool>{true} << QStringList{early} << true;
        QTest::newRow("unprinted, back") << true << false << QList<bool>{false} << QStringList{unkept} << false;
        QTest::newRow("unprinted, back, then close unasked")
            << true << false << QList<bool>{false, true} << QStringList{unkept} << true;
        QTest::newRow("unprinted, close") << true << false << QList<bool>{true} << QStringList{unkept} << true;
        QTest::newRow("printed") << true << true << QList<bool>{true} << QStringList{} << true;
    }
    void closeBoxAsksFirst()
    {
        QFETCH(bool, finished);
        QFETCH(bool, printed);
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, asked);
        QFETCH(bool, closed);
        open(5);
        QSignalSpy unloaded(w.get(), &Formantwort::unloaded);
        answerType(5);
        if (finished)
            enter("2*T"); // far off: 0 points, then the final view
        if (printed)
            QTest::mouseClick(find<QPushButton>("Commanddruck"), Qt::LeftButton);
        const int before = rec->messages.size();
        rec->answers = answers;
        for (qsizetype i = 0; i < answers.size(); ++i)
            w->close();
        QCOMPARE(rec->questions, asked);
        for (const QString& buttons : rec->questionButtons)
            QVERIFY2(buttons == (finished ? QStringLiteral("Schließen|Zurück")
                                          : QStringLiteral("Schließen|Weiter auswerten")),
                     qPrintable(buttons));
        QCOMPARE(w->isVisible(), !closed);
        QCOMPARE(unloaded.count(), closed ? 1 : 0);
        const QStringList after = rec->messages.mid(before);
        QCOMPARE(after, closed ? QStringList{QStringLiteral(" Sie haben in diesem virtuellen Experiment 2 von 8 "
                                                            "Punkten erreicht")}
                               : QStringList{});
        // Going on leaves the step as it was.
        if (!closed && !finished)
            QVERIFY(shown("Textformel"));
    }

    // The real question box: "Weiter auswerten" is the default, and Esc answers it.
    void questionBoxDefaultsToGoingOn()
    {
        const auto box = ui::makeQuestionBox(nullptr, QStringLiteral("Trotzdem schließen?"),
                                             QStringLiteral("Schließen"), QStringLiteral("Weiter auswerten"));
        auto* question = qobject_cast<QMessageBox*>(box.get());
        QVERIFY(question);
        QCOMPARE(question->defaultButton()->text(), QStringLiteral("Weiter auswerten"));
        QCOMPARE(question->escapeButton()->text(), QStringLiteral("Weiter auswerten"));
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QTest::keyClick(box.get(), Qt::Key_Escape);
        QVERIFY(!box->isVisible());
        QCOMPARE(box->property("answeredYes").toBool(), false);
    }

    // "=" is named at once under the box with the type's own left-hand side.
    void equalsSignIsNamed_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("inBox");
        QTest::addColumn<QString>("slip");
        QTest::newRow("NTC") << 0 << "R=0.000357*exp(5000/T)" << "R0.000357*EXP(5000/T)"
                             << QStringLiteral("Nur die rechte Seite eingeben: »R(T)/Ohm =« steht schon davor.");
        QTest::newRow("current sensor") << 5 << "I(T)=T" << "I(T)T"
                                        << QStringLiteral("Nur die rechte Seite eingeben: »I(T)/µA =« steht schon davor.");
        QTest::newRow("no equals sign") << 0 << "0.000357*exp(5000/T)" << "0.000357*EXP(5000/T)" << QString();
    }
    void equalsSignIsNamed()
    {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, inBox);
        QFETCH(QString, slip);
        open(type);
        answerType(type);
        QTest::keyClicks(box(), typed);
        QCOMPARE(box()->text(), inBox);
        QCOMPARE(shown("Labelkorrektur"), !slip.isEmpty());
        QCOMPARE(caption("Labelkorrektur"), slip);
        // The hint on what T means stays beside it.
        QCOMPARE(caption("Labelhinweis"), QStringLiteral("T: absolute Temperatur in K"));
        // Enter takes it away with the box.
        QTest::keyClick(box(), Qt::Key_Return);
        QVERIFY(!shown("Labelkorrektur"));
    }

    // A miss that T in °C would mend gets one more line; the points stay.
    void celsiusSlipIsHinted_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("equation");
        QTest::addColumn<bool>("hinted");
        QTest::addColumn<int>("points");
        QTest::newRow("NTC") << 0 << "0.000357*EXP(5000/(T+273))" << true << 0;
        QTest::newRow("Pt 100") << 2 << "100+0.38505*T" << true << 0;
        QTest::newRow("current sensor") << 5 << "T+273" << true << 0;
        QTest::newRow("right") << 0 << QString::fromLatin1(exactEquation[0]) << false << 6;
        QTest::newRow("plainly wrong") << 0 << "2*T" << false << 0;
    }
    void celsiusSlipIsHinted()
    {
        QFETCH(int, type);
        QFETCH(QString, equation);
        QFETCH(bool, hinted);
        QFETCH(int, points);
        open(type);
        answerType(type);
        enter(equation);
        const QString verdict = rec->messages.value(0);
        QVERIFY2(verdict.startsWith(QStringLiteral("Die richtige Formel lautet:")), qPrintable(verdict));
        QVERIFY(verdict.contains(QStringLiteral("Sie erhalten dafür %1 Punkte").arg(points)));
        const QString hint = cr + QStringLiteral("Hinweis: Ihre Gleichung passt, wenn T in °C eingesetzt wird. "
                                                 "T ist die absolute Temperatur in K.");
        QCOMPARE(verdict.endsWith(hint), hinted);
        QCOMPARE(int(state->punkte), 2 + points);
    }

    void anyTextTheFilterLetsThroughEndsInScoreOrError_data()
    {
        QTest::addColumn<QString>("equation");
        QTest::newRow("open bracket") << "(T";
        QTest::newRow("operators only") << "1+*/";
        QTest::newRow("letters") << "1ABCX";
        QTest::newRow("overflow") << "10^400";
        QTest::newRow("huge exponent") << "EXP(T)";
        QTest::newRow("long") << QString("1+T").repeated(300);
        QTest::newRow("nested") << QString("(").repeated(200) + "T" + QString(")").repeated(200);
        QTest::newRow("power of power") << "T^T^T^T";
        QTest::newRow("empty brackets") << "1()";
        QTest::newRow("negative") << "-T";
    }
    void anyTextTheFilterLetsThroughEndsInScoreOrError()
    {
        QFETCH(QString, equation);
        open(0);
        answerType(0);
        enter(equation);
        QCOMPARE(rec->messages.size(), 1);
        const QString m = rec->messages.first();
        QVERIFY2(m.startsWith("Fehler in Formel") || m.startsWith("Die richtige Formel lautet:"), qPrintable(m));
        QVERIFY(w->schritt() == 3 || w->schritt() == 5);
    }

    // One whole comparison, 400 samples with drawing, as Enter runs it: it
    // must feel instant (well below 50 ms).
    void benchmarkOneComparison_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("NTC") << 0;
        QTest::newRow("diode, the longest equation") << 4;
    }
    void benchmarkOneComparison()
    {
        QFETCH(int, type);
        open(type);
        answerType(type);
        QTest::keyClicks(box(), QString::fromLatin1(exactEquation[type]));
        QBENCHMARK_ONCE {
            QTest::keyClick(box(), Qt::Key_Return);
        }
        QVERIFY(rec->messages.value(0).contains(QStringLiteral("Sie erhalten dafür 6 Punkte")));
    }
};

QTEST_MAIN(TestFormantwort)
#include "test_formantwort.moc"
