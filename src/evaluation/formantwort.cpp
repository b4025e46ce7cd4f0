#include "evaluation/formantwort.h"

#include "configreport/typenames.h"
#include "evaluation/layout.h"
#include "evaluation/reasons.h"
#include "evaluation/report.h"
#include "evaluation/texts.h"
#include "journal/journal.h"
#include "model/sensortypes.h"
#include "numbers/numbers.h"
#include "scoring/comparison.h"
#include "scoring/scoring.h"
#include "ui/controls.h"
#include "ui/decimal.h"
#include "ui/input.h"
#include "ui/layout.h"
#include "ui/services.h"

#include <QCloseEvent>
#include <QDate>
#include <QFrame>
#include <QListWidget>
#include <QLocale>
#include <QPalette>
#include <QPushButton>

namespace evaluation {

Formantwort::Formantwort(model::ExperimentState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName(QStringLiteral("Formantwort"));
    setWindowTitle(tr("KORA - Temperatursensoren als Zweipol - Auswertung"));
    ui::setUpWindow(this, windowWidth, windowHeight, QColor(224, 224, 224));

    const auto made = ui::buildControls(this, formantwortRows(), "evaluation::Formantwort");
    Labelmeldung = qobject_cast<ui::Label*>(made.value(QStringLiteral("Labelmeldung")));
    Listsensoren = qobject_cast<ui::ListBox*>(made.value(QStringLiteral("Listsensoren")));
    Command1 = qobject_cast<QPushButton*>(made.value(QStringLiteral("Command1")));
    Labelglseite = qobject_cast<ui::Label*>(made.value(QStringLiteral("Labelglseite")));
    Textformel = qobject_cast<ui::TextBox*>(made.value(QStringLiteral("Textformel")));
    Labelhinweis = qobject_cast<ui::Label*>(made.value(QStringLiteral("Labelhinweis")));
    Labelkorrektur = qobject_cast<ui::Label*>(made.value(QStringLiteral("Labelkorrektur")));
    Frametable = qobject_cast<QFrame*>(made.value(QStringLiteral("Frametable")));
    Picture1 = qobject_cast<ui::DrawingSurface*>(made.value(QStringLiteral("Picture1")));
    Commanddruck = qobject_cast<QPushButton*>(made.value(QStringLiteral("Commanddruck")));
    for (int i = 0; i < model::sensorTypes; ++i)
        Imagesensor[i] = qobject_cast<ui::ImageBox*>(made.value(QStringLiteral("Imagesensor_%1").arg(i)));

    connect(Commanddruck, &QPushButton::clicked, this, &Formantwort::Commanddruck_Click);
    Labelmeldung->setWordWrap(false);
    Listsensoren->setSelectionMode(QAbstractItemView::SingleSelection);
    Listsensoren->setSortingEnabled(false);
    Frametable->setAutoFillBackground(true);
    // Horizontally degrees Celsius from 20; the vertical scale is set by
    // each comparison.
    Picture1->setScale(20, 1, 110.0625, -1);
    Picture1->setBackgroundSvg(QStringLiteral(":/plotgrid.svg"));
    Picture1->setPresentation(ui::DrawingSurface::Presentation::Chart);
    // To a screen reader the box is labelled by the equation's left-hand side.
    Labelglseite->setBuddy(Textformel);

    connect(Listsensoren, &QListWidget::itemSelectionChanged, this, &Formantwort::Listsensoren_Click);
    // Enter in the list is OK, once there is a choice to confirm.
    connect(Listsensoren, &ui::ListBox::enterPressed, this, [this] {
        if (!Listsensoren->selectedItems().isEmpty())
            Command1_Click();
    });
    connect(Command1, &QPushButton::clicked, this, &Formantwort::Command1_Click);
    Textformel->setKeyFilter([this](int& keyAscii) { Textformel_KeyPress(keyAscii); });

    Form_Load();
}

QString Formantwort::display(double value) const
{
    return QString::fromStdString(numbers::displayText(value, separator()));
}

QString Formantwort::sensorName(int type) const
{
    return configreport::shownSensorName(type, state_.sensorname[static_cast<std::size_t>(type)]);
}

QString Formantwort::pointsLine(int points) const
{
    return tr("Sie erhalten dafür %1 Punkte und haben insgesamt %2 Punkte")
        .arg(QString::number(points), display(state_.punkte));
}

void Formantwort::showMessage(const QString& text)
{
    // The label is sized to its text; it carries up to fourteen lines.
    Labelmeldung->setText(text);
    Labelmeldung->adjustSize();
    // A screen reader says the label's new text only where it looks; the
    // input that the message asks for carries it too, so that it is said
    // when the keyboard arrives there.
    const QString said = ui::withLineBreaks(text);
    for (QWidget* input : {static_cast<QWidget*>(Listsensoren), static_cast<QWidget*>(Command1),
                           static_cast<QWidget*>(Commanddruck)})
        input->setAccessibleDescription(said);
    describeAnswerBox();
}

void Formantwort::describeAnswerBox()
{
    // The box is named by what stands before it; the hint under it, a slip
    // and the question follow as its description, each once.
    QStringList parts;
    const QString hint = Labelhinweis->isHidden() ? QString() : Labelhinweis->text();
    if (!hint.isEmpty() && hint != Textformel->accessibleName())
        parts << hint;
    if (!Labelkorrektur->isHidden() && !Labelkorrektur->text().isEmpty())
        parts << Labelkorrektur->text();
    parts << ui::withLineBreaks(Labelmeldung->text());
    Textformel->setAccessibleDescription(parts.join(QLatin1Char('\n')));
}

void Formantwort::showSlip(const QString& text)
{
    Labelkorrektur->setText(text);
    Labelkorrektur->setVisible(!text.isEmpty());
    describeAnswerBox();
}

void Formantwort::Form_Load()
{
    state_.punkte = 0;
    f_antwortablauf();
    for (int i = 0; i < model::sensorTypes; ++i) {
        Imagesensor[i]->move(ui::px(3500), ui::px(200));
        Imagesensor[i]->setAccessibleDescription(sensorName(i));
    }
}

void Formantwort::f_antwortablauf()
{
    f_antwortschritt1();
}

void Formantwort::f_antwortschritt1()
{
    schritt_ = 1;
    showMessage(lines({tr("So, Sie glauben also, fertig zu sein."), tr("Dann wollen wir sehen."), QString(),
                       tr("Verraten Sie mir zunächst,"), tr("welchen Sensortyp Sie hier vermuten."),
                       tr("Suchen Sie einen aus der Liste aus"), tr("und bestätigen Sie mit OK")}));
    const QSignalBlocker quiet(Listsensoren);
    Listsensoren->clear();
    for (int i = 0; i < model::sensorTypes; ++i)
        Listsensoren->addItem(sensorName(i));
    Listsensoren->setFocus();
}

void Formantwort::Listsensoren_Click()
{
    // Only the type question takes a choice: a screen reader can still
    // select in the hidden list, which must not bring back "OK".
    const QList<QListWidgetItem*> chosen = Listsensoren->selectedItems();
    if (chosen.isEmpty() || schritt_ != 1)
        return;
    Command1->show();
    auswahl_ = static_cast<std::uint8_t>(Listsensoren->row(chosen.first()));
}

void Formantwort::Command1_Click()
{
    f_antwortschritt2();
}

void Formantwort::f_antwortschritt2()
{
    schritt_ = 2;
    const int t = state_.sensortyp;
    const int points = scoring::typePoints(state_, auswahl_);
    state_.punkte += static_cast<std::uint8_t>(points);
    answers_.type = auswahl_;
    answers_.typePoints = points;
    // An exam tells the points, never the type.
    const QString named =
        configreport::sensorWithArticle(t, state_.sensorname[static_cast<std::size_t>(t)]);
    const bool right = points > 0;
    QStringList said{right ? tr("Das war richtig.") : tr("Das war glattweg falsch.")};
    if (!exam())
        said << (right ? tr("Es handelt sich um %1") : tr("Eigentlich handelt es sich um %1")).arg(named);
    said << (right ? tr("Dafür gibt es zwei Punkte.") : tr("Dafür gibt es nichts, kann nur besser werden."));
    showMessage(said.join(cr));

    QString first, second, third;
    if (t == 4) {
        // The prompt names the current at which the curve is scored.
        first = tr("Geben Sie jetzt die Gleichung für die Diode bei einem Strom von %1 mA an.")
                    .arg(display(state_.diode_i * 1000));
        second = tr("Setzen Sie für alle Konstanten die numerischen Werte ein,");
        third = tr("also z.B. Ud(T)= 500 + 1,4*T.");
    } else {
        first = tr("Geben Sie jetzt die Gleichung an.");
        second = tr("Setzen Sie für alle Konstanten die numerischen Werte ein!");
        third = tr("Also z.B. R(T)=0.4*T+25");
    }
    const QString prompt = lines({first, second, third, tr("Als Operatoren stehen zur Verfügung + - * / ^ "),
                                  tr("Funktionen: SIN(), COS(), TAN() "), tr("EXP() - e-Fkt."),
                                  tr("LN() - log-naturalis-Fkt."), tr("LG() - dek. Logarithmus."),
                                  tr("LD() - dualer Logarithmus."), tr("Bestätigen Sie mit <Enter>.")});
    prompt_ = Labelmeldung->text() + cr + cr + prompt;
    showMessage(prompt_);

    Listsensoren->hide();
    Command1->hide();
    f_antwortschritt3();
}

void Formantwort::f_antwortschritt3()
{
    schritt_ = 3;
    const QString leftHandSide = fromTable(model::sensorType(state_.sensortyp).leftHandSide);
    // A screen reader names the box as the student sees it.
    Textformel->setAccessibleName(leftHandSide);
    Labelglseite->show();
    Textformel->show();
    Labelhinweis->setText(tr("T: absolute Temperatur in K"));
    Labelhinweis->show();
    Frametable->hide();
    Labelglseite->setText(leftHandSide);
    describeAnswerBox();
    Textformel->setFocus();
}

void Formantwort::Textformel_KeyPress(int& keyAscii)
{
    // The left-hand side stands before the box already; typed along, it
    // would count as 0 at every sample.
    if (keyAscii == '=' && schritt_ == 3)
        showSlip(tr("Nur die rechte Seite eingeben: »%1« steht schon davor.").arg(Labelglseite->text()));
    // An empty box takes its first character as typed.
    if (Textformel->text().isEmpty())
        return;
    if (keyAscii == ',')
        keyAscii = '.';
    if (keyAscii >= 40 && keyAscii <= 57)
        return;
    // Function names and T typed in lower case count as capitals: dropped,
    // "exp(5000/t)" would become "(5000/T)" without a word.
    if (keyAscii >= 'a' && keyAscii <= 'x')
        keyAscii -= 'a' - 'A';
    if ((keyAscii >= 'A' && keyAscii <= 'X') || keyAscii == '^' || keyAscii == 8)
        return;
    if (keyAscii == 13) {
        if (schritt_ < 5)
            f_anzeige();
        else
            f_antwortschritt6();
        return;
    }
    keyAscii = 0;
}

void Formantwort::f_anzeige()
{
    if (schritt_ != 3)
        return;
    answers_.equation = Textformel->text().toStdString();
    state_.eingabeformel = Textformel->text().toUpper().toStdString();
    Frametable->show();
    Textformel->hide();
    Labelglseite->hide();
    Labelhinweis->hide();
    showSlip(QString());
    showMessage(lines({tr("Die richtige Kurve ist rot, "), tr("Ihre Kurve cyan.")}));
    compareCurves();
}

void Formantwort::f_antwortschritt4(const scoring::Comparison& c)
{
    schritt_ = 4;
    const int t = state_.sensortyp;
    abweichung_ = c.deviation;
    const int p = c.points;
    state_.punkte += static_cast<std::uint8_t>(p);
    answers_.equationPoints = p;
    answers_.equationDeviation = abweichung_;
    describePlot(tr(" Die Abweichung Ihrer Formel beträgt %1 %.").arg(display(abweichung_)));
    const QString deviation =
        lines({tr("Die Abweichung Ihrer Formel beträgt %1 %").arg(display(abweichung_)), pointsLine(p)});
    QString verdict = exam() ? deviation
                             : lines({tr("Die richtige Formel lautet:"), QString::fromStdString(state_.formeltext[t]),
                                      deviation});
    // The most likely slip behind a miss; the points stand.
    if (c.fitsInCelsius)
        verdict += cr + tr("Hinweis: Ihre Gleichung passt, wenn T in °C eingesetzt wird. "
                           "T ist die absolute Temperatur in K.");
    showBesidePlot(verdict);
    if (model::sensorType(t).alphaAsked)
        f_antwortschritt5();
    else
        f_sensoransicht();
}

void Formantwort::f_antwortschritt5()
{
    schritt_ = 5;
    Frametable->hide();
    Textformel->show();
    Textformel->setText(QStringLiteral("0"));
    Textformel->setAccessibleName(QStringLiteral("alpha in 1/K"));
    Textformel->setFocus();
    // Selected, so that the answer typed replaces the preset "0": typed
    // behind it, "-0,058" would read as 0.
    Textformel->selectAll();
    Labelhinweis->setText(QStringLiteral("alpha in 1/K"));
    Labelhinweis->show();
    showMessage(lines({tr("Jetzt möchte ich von Ihnen noch den Temperaturkoeffizienten"),
                       tr("alpha aus der Näherung für die Temperatur Teta = %1 °C").arg(display(state_.teta)),
                       QStringLiteral(" R(To+dT) = R(To)(1 + alpha*dT) "), tr("wissen:")}) +
                cr);
}

void Formantwort::f_antwortschritt6()
{
    const scoring::AlphaScore score = scoring::scoreAlpha(state_, Textformel->text().toStdString());
    state_.punkte += static_cast<std::uint8_t>(score.points);
    abweichung_alpha_ = score.deviation;
    answers_.alpha = Textformel->text().toStdString();
    answers_.alphaPoints = score.points;
    answers_.alphaDeviation = score.deviation;
    alphaReference_ = score.reference.alpha;
    const auto shown = [this](double a) { return display(numbers::roundSignificant(a, 3)); };
    QString verdict = exam() ? QString() : tr("Richtig ist: alpha = %1").arg(shown(score.reference.alpha)) + cr;
    // A platinum sensor has a second right value; it is named as well.
    if (score.other && !exam())
        verdict +=
            tr("Bei %1 °C: alpha = %2").arg(display(score.other->celsius), shown(score.other->alpha)) + cr;
    ui::services().message(
        this,
        verdict + lines({tr("Die Abweichung Ihres Faktors beträgt %1 %").arg(display(abweichung_alpha_)),
                         pointsLine(score.points)}));
    Textformel->hide();
    Labelhinweis->hide();
    Frametable->hide();
    f_sensoransicht();
}

void Formantwort::f_sensoransicht()
{
    // The plot leaves the window but keeps its drawing for the report.
    finalView_ = true;
    Frametable->hide();
    // The picture would name the type an exam keeps secret.
    if (!exam()) {
        showMessage(tr("Sensorvariante: "));
        Imagesensor[state_.sensortyp]->show();
    } else {
        showMessage(QString());
    }
    Commanddruck->show();
    Commanddruck->setFocus();
}

void Formantwort::Form_Unload()
{
    ui::services().message(this, tr(" Sie haben in diesem virtuellen Experiment %1 von %2 Punkten erreicht")
                                     .arg(display(state_.punkte))
                                     .arg(scoring::maximumPoints(state_.sensortyp)));
    emit unloaded();
}

bool Formantwort::mayClose()
{
    // The evaluation runs once per run: a close box clicked too early
    // would end it for good.
    if (!finalView_) {
        const QString most = QString::number(scoring::maximumPoints(state_.sensortyp));
        return ui::services().ask(this,
                                  tr("Die Auswertung ist noch nicht abgeschlossen. Wenn Sie jetzt schließen, "
                                     "bleibt es bei %1 von %2 "
                                     "Punkten; die Auswertung lässt sich in diesem Durchlauf nicht "
                                     "wiederholen. Trotzdem schließen?")
                                      .arg(display(state_.punkte), most),
                                  tr("Schließen"), tr("Weiter auswerten"));
    }
    // The report can be printed only from this window; asked once.
    if (reportKept_ || reportAsked_)
        return true;
    reportAsked_ = true;
    return ui::services().ask(
        this, tr("Das Ergebnisblatt wurde weder gedruckt noch gespeichert. Trotzdem schließen?"),
        tr("Schließen"), tr("Zurück"));
}

void Formantwort::closeEvent(QCloseEvent* e)
{
    if (!mayClose()) {
        e->ignore();
        return;
    }
    Form_Unload();
    e->accept();
}

void Formantwort::Commanddruck_Click()
{
    // Who prints it is asked once, before the first page; cancelling prints nothing.
    if (!studentAsked_) {
        ui::Student asked = student_;
        if (!ui::services().askStudent(this, asked))
            return;
        student_ = asked;
        studentAsked_ = true;
    }
    // One report per click, always the same.
    const int t = state_.sensortyp;
    ReportData d;
    d.date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    // An exam's page holds the points, not the right answers.
    d.exam = exam();
    d.sensorname = exam() ? QString() : sensorName(t);
    d.formeltext = exam() ? QString() : QString::fromStdString(state_.formeltext[t]);
    d.eingabeformel = QString::fromStdString(state_.eingabeformel);
    d.abweichung = display(abweichung_);
    d.withAlpha = model::sensorType(t).alphaAsked;
    // The value the answer was scored against, as the verdict named it.
    d.alpha = exam() ? QString() : display(alphaReference_);
    d.alphaEingabe = Textformel->QLineEdit::text();
    d.abweichungAlpha = display(abweichung_alpha_);
    d.punkte = QString::number(state_.punkte);
    d.hoechstpunkte = QString::number(scoring::maximumPoints(t));
    d.plot = Picture1->image();
    d.name = student_.name;
    d.matrikel = student_.matrikel;
    if (journal_)
        d.journal = journal_->rows();
    Report report(std::move(d));
    if (ui::services().printPage(this, report))
        reportKept_ = true;
}

} // namespace evaluation
