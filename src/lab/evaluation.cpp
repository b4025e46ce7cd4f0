#include "lab/evaluation.h"

#include "lab/evaluationlayout.h"
#include "lab/evaluationtexts.h"
#include "model/sensortypes.h"
#include "numbers/numbers.h"
#include "scoring/scoring.h"

namespace lab {

// A key of the window's context without values.
Form key(const char* k)
{
    return {k, {}};
}

Form plain(std::string text)
{
    return {"%1", {std::move(text)}};
}

namespace {

Form with(Form f, std::string value)
{
    f.values.push_back(std::move(value));
    return f;
}

void append(Lines& to, const Lines& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

} // namespace

Evaluation::Evaluation(model::ExperimentState& state, char separator, Names names)
    : state_(state), separator_(separator), names_(std::move(names))
{
    for (const ControlSpec& row : evaluationControls()) {
        ControlView c;
        c.text = row.text;
        const bool image = row.kind == Kind::Image || row.kind == Kind::ImageStretched;
        c.words = row.kind != Kind::Label && !image && !c.text.empty();
        c.visible = row.visible;
        view_.controls.emplace(row.name, c);
    }
    control("Labelmeldung").text.clear();
}

std::string Evaluation::display(double value) const
{
    return numbers::displayText(value, separator_);
}

std::string Evaluation::sensorName(int type) const
{
    return names_.shown ? names_.shown(type) : state_.sensorname[static_cast<std::size_t>(type)];
}

std::string Evaluation::unit() const
{
    return std::string(model::sensorType(state_.sensortyp).unit);
}

Lines Evaluation::pointsLine(int points) const
{
    return {Form{QT_TRANSLATE_NOOP("evaluation::Formantwort",
                                   "Sie erhalten dafür %1 Punkte und haben insgesamt %2 Punkte"),
                 {std::to_string(points), display(state_.punkte)}}};
}

void Evaluation::showMessage(Lines text)
{
    control("Labelmeldung").lines = std::move(text);
}

void Evaluation::showSlip(Form slip)
{
    ControlView& c = control("Labelkorrektur");
    c.visible = !slip.empty();
    c.lines = slip.empty() ? Lines{} : Lines{std::move(slip)};
}

void Evaluation::raise(bool besidePlot, Lines text, std::vector<Form> reason)
{
    boxes_.push_back({besidePlot, std::move(text), std::move(reason), view_});
}

std::vector<Box> Evaluation::takeBoxes()
{
    std::vector<Box> out;
    out.swap(boxes_);
    return out;
}

std::string Evaluation::takeFocus()
{
    std::string out;
    out.swap(focus_);
    return out;
}

void Evaluation::setText(const std::string& boxText)
{
    control("Textformel").text = boxText;
}

void Evaluation::Form_Load()
{
    state_.punkte = 0;
    f_antwortablauf();
}

void Evaluation::f_antwortablauf()
{
    f_antwortschritt1();
}

void Evaluation::f_antwortschritt1()
{
    schritt_ = 1;
    showMessage({key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "So, Sie glauben also, fertig zu sein.")),
                 key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Dann wollen wir sehen.")), Form{},
                 key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Verraten Sie mir zunächst,")),
                 key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "welchen Sensortyp Sie hier vermuten.")),
                 key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Suchen Sie einen aus der Liste aus")),
                 key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "und bestätigen Sie mit OK"))});
    Lines items;
    for (int i = 0; i < model::sensorTypes; ++i)
        items.push_back(plain(sensorName(i)));
    control("Listsensoren").lines = items;
    focus_ = "Listsensoren";
}

void Evaluation::Listsensoren_Click(int row)
{
    // Only the type question takes a choice: a screen reader can still
    // select in the hidden list, which must not bring back "OK".
    if (row < 0 || row >= model::sensorTypes || schritt_ != 1)
        return;
    show("Command1", true);
    control("Listsensoren").value = row;
    auswahl_ = static_cast<std::uint8_t>(row);
}

void Evaluation::Command1_Click()
{
    f_antwortschritt2();
}

void Evaluation::f_antwortschritt2()
{
    schritt_ = 2;
    const int t = state_.sensortyp;
    const int points = scoring::typePoints(state_, auswahl_);
    state_.punkte += static_cast<std::uint8_t>(points);
    answers_.type = auswahl_;
    answers_.typePoints = points;
    const std::string named = names_.withArticle ? names_.withArticle(t) : sensorName(t);
    const bool right = points > 0;
    Lines said{right ? key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Das war richtig."))
                     : key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Das war glattweg falsch."))};
    // An exam tells the points, never the type.
    if (!exam())
        said.push_back(with(
            right ? key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Es handelt sich um %1"))
                  : key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Eigentlich handelt es sich um %1")),
            named));
    said.push_back(right ? key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Dafür gibt es zwei Punkte."))
                         : key(QT_TRANSLATE_NOOP("evaluation::Formantwort",
                                                 "Dafür gibt es nichts, kann nur besser werden.")));

    Lines prompt;
    if (t == 4) {
        // The prompt names the current at which the curve is scored.
        prompt = {with(key(QT_TRANSLATE_NOOP(
                           "evaluation::Formantwort",
                           "Geben Sie jetzt die Gleichung für die Diode bei einem Strom von %1 mA an.")),
                       display(state_.diode_i * 1000)),
                  key(QT_TRANSLATE_NOOP("evaluation::Formantwort",
                                        "Setzen Sie für alle Konstanten die numerischen Werte ein,")),
                  key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "also z.B. Ud(T)= 500 + 1,4*T."))};
    } else {
        prompt = {key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Geben Sie jetzt die Gleichung an.")),
                  key(QT_TRANSLATE_NOOP("evaluation::Formantwort",
                                        "Setzen Sie für alle Konstanten die numerischen Werte ein!")),
                  key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Also z.B. R(T)=0.4*T+25"))};
    }
    append(prompt, {key(QT_TRANSLATE_NOOP("evaluation::Formantwort",
                                          "Als Operatoren stehen zur Verfügung + - * / ^ ")),
                    key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Funktionen: SIN(), COS(), TAN() ")),
                    key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "EXP() - e-Fkt.")),
                    key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "LN() - log-naturalis-Fkt.")),
                    key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "LG() - dek. Logarithmus.")),
                    key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "LD() - dualer Logarithmus.")),
                    key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Bestätigen Sie mit <Enter>."))});
    prompt_ = said;
    prompt_.push_back(Form{});
    append(prompt_, prompt);
    showMessage(prompt_);
    show("Listsensoren", false);
    show("Command1", false);
    f_antwortschritt3();
}

void Evaluation::f_antwortschritt3()
{
    schritt_ = 3;
    const std::string leftHandSide(model::sensorType(state_.sensortyp).leftHandSide);
    show("Labelglseite", true);
    show("Textformel", true);
    ControlView& hint = control("Labelhinweis");
    hint.text = key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "T: absolute Temperatur in K")).key;
    hint.words = true;
    hint.visible = true;
    show("Frametable", false);
    control("Labelglseite").text = leftHandSide;
    control("Labelglseite").words = false;
    focus_ = "Textformel";
}

int Evaluation::Textformel_KeyPress(int keyAscii, const std::string& boxText)
{
    // The left-hand side stands before the box already; typed along, it
    // would count as 0 at every sample.
    if (keyAscii == '=' && schritt_ == 3)
        showSlip(with(key(QT_TRANSLATE_NOOP("evaluation::Formantwort",
                                            "Nur die rechte Seite eingeben: »%1« steht schon davor.")),
                      control("Labelglseite").text));
    // An empty box takes its first character as typed.
    if (boxText.empty())
        return keyAscii;
    if (keyAscii == ',')
        keyAscii = '.';
    if (keyAscii >= 40 && keyAscii <= 57)
        return keyAscii;
    // Function names and T typed in lower case count as capitals: dropped,
    // "exp(5000/t)" would become "(5000/T)" without a word.
    if (keyAscii >= 'a' && keyAscii <= 'x')
        keyAscii -= 'a' - 'A';
    if ((keyAscii >= 'A' && keyAscii <= 'X') || keyAscii == '^' || keyAscii == 8)
        return keyAscii;
    if (keyAscii == 13) {
        setText(boxText);
        if (schritt_ < 5)
            f_anzeige();
        else
            f_antwortschritt6();
        return keyAscii;
    }
    return 0;
}

void Evaluation::f_anzeige()
{
    if (schritt_ != 3)
        return;
    const std::string& typed = control("Textformel").text;
    answers_.equation = typed;
    std::string upper = typed;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    state_.eingabeformel = upper;
    show("Frametable", true);
    show("Textformel", false);
    show("Labelglseite", false);
    show("Labelhinweis", false);
    showSlip(Form{});
    showMessage({key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Die richtige Kurve ist rot, ")),
                 key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Ihre Kurve cyan."))});
    compareCurves();
}

void Evaluation::compareCurves()
{
    comparison_ = scoring::scoreEquation(state_, state_.eingabeformel);
    const scoring::Comparison& c = *comparison_;
    // The running sum until it is scored, and after a failure.
    abweichung_ = c.sumOfSquares;
    if (c.failure) {
        // The first line is the one students know; the second says what
        // failed. The partial points stay drawn.
        Lines message{key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Fehler in Formel"))};
        raise(true, message, reasonSentence(*c.failure, separator_));
        // No curve stays in sight: the prompt with its operators and
        // functions comes back for the correction.
        showMessage(prompt_);
        f_antwortschritt3();
        return;
    }
    f_antwortschritt4(c);
}

void Evaluation::f_antwortschritt4(const scoring::Comparison& c)
{
    schritt_ = 4;
    const int t = state_.sensortyp;
    abweichung_ = c.deviation;
    const int p = c.points;
    state_.punkte += static_cast<std::uint8_t>(p);
    answers_.equationPoints = p;
    answers_.equationDeviation = abweichung_;
    Lines deviation{
        with(key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Die Abweichung Ihrer Formel beträgt %1 %")),
             display(abweichung_))};
    append(deviation, pointsLine(p));
    Lines verdict;
    if (!exam())
        verdict = {key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Die richtige Formel lautet:")),
                   plain(state_.formeltext[static_cast<std::size_t>(t)])};
    append(verdict, deviation);
    // The most likely slip behind a miss; the points stand.
    if (c.fitsInCelsius)
        verdict.push_back(key(QT_TRANSLATE_NOOP(
            "evaluation::Formantwort", "Hinweis: Ihre Gleichung passt, wenn T in °C eingesetzt wird. "
                                       "T ist die absolute Temperatur in K.")));
    raise(true, verdict);
    if (model::sensorType(t).alphaAsked)
        f_antwortschritt5();
    else
        f_sensoransicht();
}

void Evaluation::f_antwortschritt5()
{
    schritt_ = 5;
    show("Frametable", false);
    show("Textformel", true);
    setText("0");
    focus_ = "Textformel";
    ControlView& hint = control("Labelhinweis");
    hint.text = "alpha in 1/K";
    hint.words = false;
    hint.visible = true;
    showMessage({key(QT_TRANSLATE_NOOP("evaluation::Formantwort",
                                       "Jetzt möchte ich von Ihnen noch den Temperaturkoeffizienten")),
                 with(key(QT_TRANSLATE_NOOP("evaluation::Formantwort",
                                            "alpha aus der Näherung für die Temperatur Teta = %1 °C")),
                      display(state_.teta)),
                 plain(" R(To+dT) = R(To)(1 + alpha*dT) "),
                 key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "wissen:")), Form{}});
}

void Evaluation::f_antwortschritt6()
{
    const std::string& typed = control("Textformel").text;
    const scoring::AlphaScore score = scoring::scoreAlpha(state_, typed);
    state_.punkte += static_cast<std::uint8_t>(score.points);
    abweichung_alpha_ = score.deviation;
    answers_.alpha = typed;
    answers_.alphaPoints = score.points;
    answers_.alphaDeviation = score.deviation;
    alphaReference_ = score.reference.alpha;
    const auto shown = [this](double a) { return display(numbers::roundSignificant(a, 3)); };
    Lines verdict;
    if (!exam()) {
        verdict.push_back(with(key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Richtig ist: alpha = %1")),
                               shown(score.reference.alpha)));
        // A platinum sensor has a second right value; it is named as well.
        if (score.other)
            verdict.push_back(
                with(with(key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Bei %1 °C: alpha = %2")),
                          display(score.other->celsius)),
                     shown(score.other->alpha)));
    }
    verdict.push_back(
        with(key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Die Abweichung Ihres Faktors beträgt %1 %")),
             display(abweichung_alpha_)));
    append(verdict, pointsLine(score.points));
    raise(false, verdict);
    show("Textformel", false);
    show("Labelhinweis", false);
    show("Frametable", false);
    f_sensoransicht();
}

void Evaluation::f_sensoransicht()
{
    // The plot leaves the window but keeps its drawing for the report.
    finalView_ = true;
    show("Frametable", false);
    // The picture would name the type an exam keeps secret.
    if (!exam()) {
        showMessage({key(QT_TRANSLATE_NOOP("evaluation::Formantwort", "Sensorvariante: "))});
        show(("Imagesensor_" + std::to_string(state_.sensortyp)).c_str(), true);
    } else {
        showMessage({plain("")});
    }
    show("Commanddruck", true);
    focus_ = "Commanddruck";
}

Box Evaluation::Form_Unload() const
{
    return {false,
            {Form{QT_TRANSLATE_NOOP("evaluation::Formantwort",
                                    " Sie haben in diesem virtuellen Experiment %1 von %2 Punkten erreicht"),
                  {display(state_.punkte), std::to_string(scoring::maximumPoints(state_.sensortyp))}}},
            {},
            view_};
}

std::optional<Question> Evaluation::closeQuestion()
{
    // The evaluation runs once per run: a close box clicked too early
    // would end it for good.
    if (!finalView_)
        return Question{
            {Form{QT_TRANSLATE_NOOP("evaluation::Formantwort",
                                    "Die Auswertung ist noch nicht abgeschlossen. Wenn Sie jetzt "
                                    "schließen, bleibt es bei %1 von %2 "
                                    "Punkten; die Auswertung lässt sich in diesem Durchlauf nicht "
                                    "wiederholen. Trotzdem schließen?"),
                  {display(state_.punkte), std::to_string(scoring::maximumPoints(state_.sensortyp))}}},
            QT_TRANSLATE_NOOP("evaluation::Formantwort", "Schließen"),
            QT_TRANSLATE_NOOP("evaluation::Formantwort", "Weiter auswerten")};
    // The report can be printed only from this window; asked once.
    if (reportKept_ || reportAsked_)
        return std::nullopt;
    reportAsked_ = true;
    return Question{{key(QT_TRANSLATE_NOOP(
                        "evaluation::Formantwort",
                        "Das Ergebnisblatt wurde weder gedruckt noch gespeichert. Trotzdem schließen?"))},
                    QT_TRANSLATE_NOOP("evaluation::Formantwort", "Schließen"),
                    QT_TRANSLATE_NOOP("evaluation::Formantwort", "Zurück")};
}

ReportFacts Evaluation::report() const
{
    const int t = state_.sensortyp;
    ReportFacts r;
    // An exam's page holds the points, not the right answers.
    r.exam = exam();
    r.sensorType = exam() ? -1 : t;
    r.formeltext = exam() ? std::string() : state_.formeltext[static_cast<std::size_t>(t)];
    r.eingabeformel = state_.eingabeformel;
    r.abweichung = display(abweichung_);
    r.withAlpha = model::sensorType(t).alphaAsked;
    // The value the answer was scored against, as the verdict named it.
    r.alpha = exam() ? std::string() : display(alphaReference_);
    r.alphaEingabe = view_.at("Textformel").text;
    r.abweichungAlpha = display(abweichung_alpha_);
    r.punkte = state_.punkte;
    r.hoechstpunkte = scoring::maximumPoints(t);
    return r;
}

} // namespace lab
