#include "evaluation/formantwort.h"

#include "configreport/typenames.h"
#include "evaluation/reasons.h"
#include "evaluation/report.h"
#include "evaluation/texts.h"
#include "journal/journal.h"
#include "lab/evaluationlayout.h"
#include "lab/evaluationtexts.h"
#include "lab/plot.h"
#include "model/sensortypes.h"
#include "numbers/numbers.h"
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

#include <utility>

namespace evaluation {

Formantwort::Formantwort(model::ExperimentState& state, QWidget* parent)
    : QWidget(parent), state_(state),
      lab_(state, ui::decimalSeparator().toLatin1(),
           {[&state](int t) {
                return configreport::shownSensorName(t, state.sensorname[static_cast<std::size_t>(t)])
                    .toStdString();
            },
            [&state](int t) {
                return configreport::sensorWithArticle(t, state.sensorname[static_cast<std::size_t>(t)])
                    .toStdString();
            }})
{
    setObjectName(QStringLiteral("Formantwort"));
    setWindowTitle(tr("KORA - Temperatursensoren als Zweipol - Auswertung"));
    ui::setUpWindow(this, lab::evaluationWidth, lab::evaluationHeight, QColor(224, 224, 224));

    const auto made = ui::buildControls(this, lab::evaluationControls(), lab::evaluationContext);
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
    Picture1->setScale(lab::plot::left, 1, lab::plot::width, -1);
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
    connect(Textformel, &QLineEdit::textEdited, this,
            [this](const QString& text) { lab_.setText(text.toStdString()); });

    Form_Load();
}

QString Formantwort::display(double value) const
{
    return QString::fromStdString(lab_.display(value));
}

QString Formantwort::sensorName(int type) const
{
    return QString::fromStdString(lab_.sensorName(type));
}

QString Formantwort::worded(const std::vector<lab::Form>& lines) const
{
    return evaluation::worded(lab::evaluationContext, lines, cr);
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

void Formantwort::Form_Load()
{
    shown_ = lab_.view();
    lab_.Form_Load();
    render();
    for (int i = 0; i < model::sensorTypes; ++i) {
        Imagesensor[i]->move(ui::px(3500), ui::px(200));
        Imagesensor[i]->setAccessibleDescription(sensorName(i));
    }
}

void Formantwort::render()
{
    for (const lab::Box& box : lab_.takeBoxes()) {
        renderView(box.view);
        // The curves are drawn once the plot is in sight, before its verdict.
        if (std::exchange(curvesDue_, false))
            drawComparison();
        QString text = worded(box.text);
        if (!box.reason.empty())
            text += cr + evaluation::worded(lab::reasonsContext, box.reason, QString());
        if (box.besidePlot)
            showBesidePlot(text);
        else
            ui::services().message(this, text);
    }
    renderView(lab_.view());
    const std::string focus = lab_.takeFocus();
    if (!focus.empty())
        findChild<QWidget*>(QString::fromStdString(focus))->setFocus();
}

void Formantwort::renderView(const lab::View& view)
{
    for (const auto& [name, c] : view.controls) {
        const lab::ControlView& was = shown_.at(name);
        if (c == was)
            continue;
        QWidget* w = findChild<QWidget*>(QString::fromStdString(name));
        if (name == "Labelmeldung" && c.lines != was.lines)
            showMessage(worded(c.lines));
        if (name == "Labelkorrektur")
            Labelkorrektur->setText(worded(c.lines));
        if (name == "Listsensoren" && c.lines != was.lines) {
            const QSignalBlocker quiet(Listsensoren);
            Listsensoren->clear();
            for (const lab::Form& item : c.lines)
                Listsensoren->addItem(evaluation::worded(lab::evaluationContext, item));
        }
        if ((name == "Labelglseite" || name == "Labelhinweis") && c.text != was.text)
            qobject_cast<ui::Label*>(w)->setText(
                c.words ? QCoreApplication::translate(lab::evaluationContext, c.text.c_str())
                        : QString::fromStdString(c.text));
        // A text the lab sets is selected, so that the answer typed replaces it.
        if (name == "Textformel" && QString::fromStdString(c.text) != Textformel->text()) {
            Textformel->setText(QString::fromStdString(c.text));
            Textformel->selectAll();
        }
        if (c.visible != was.visible)
            w->setVisible(c.visible);
    }
    // A screen reader names the box as the student sees it: by the
    // left-hand side before it, or by the unit asked for.
    const lab::ControlView& before =
        view.at(view.at("Labelglseite").visible ? "Labelglseite" : "Labelhinweis");
    if (before.visible && !before.words)
        Textformel->setAccessibleName(QString::fromStdString(before.text));
    shown_ = view;
    describeAnswerBox();
}

void Formantwort::Listsensoren_Click()
{
    const QList<QListWidgetItem*> chosen = Listsensoren->selectedItems();
    if (chosen.isEmpty())
        return;
    lab_.Listsensoren_Click(Listsensoren->row(chosen.first()));
    render();
}

void Formantwort::Command1_Click()
{
    lab_.Command1_Click();
    render();
}

void Formantwort::Textformel_KeyPress(int& keyAscii)
{
    curvesDue_ = keyAscii == 13 && lab_.schritt() == 3;
    keyAscii = lab_.Textformel_KeyPress(keyAscii, Textformel->text().toStdString());
    render();
}

void Formantwort::Form_Unload()
{
    ui::services().message(this, worded(lab_.Form_Unload().text));
    emit unloaded();
}

bool Formantwort::mayClose()
{
    const std::optional<lab::Question> q = lab_.closeQuestion();
    if (!q)
        return true;
    const auto word = [](const char* key) {
        return QCoreApplication::translate(lab::evaluationContext, key);
    };
    return ui::services().ask(this, worded(q->text), word(q->yes), word(q->no));
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
    // One report per click, always the same; an exam's page holds the
    // points, not the right answers.
    const lab::ReportFacts facts = lab_.report();
    ReportData d;
    d.date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    d.exam = facts.exam;
    d.sensorname = facts.sensorType < 0 ? QString() : sensorName(facts.sensorType);
    d.formeltext = QString::fromStdString(facts.formeltext);
    d.eingabeformel = QString::fromStdString(facts.eingabeformel);
    d.abweichung = QString::fromStdString(facts.abweichung);
    d.withAlpha = facts.withAlpha;
    d.alpha = QString::fromStdString(facts.alpha);
    d.alphaEingabe = Textformel->QLineEdit::text();
    d.abweichungAlpha = QString::fromStdString(facts.abweichungAlpha);
    d.punkte = QString::number(facts.punkte);
    d.hoechstpunkte = QString::number(facts.hoechstpunkte);
    d.plot = Picture1->image();
    d.name = student_.name;
    d.matrikel = student_.matrikel;
    if (journal_)
        d.journal = journal_->rows();
    Report report(std::move(d));
    if (ui::services().printPage(this, report))
        lab_.reportKept();
}

} // namespace evaluation
