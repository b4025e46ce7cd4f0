// The bench's side of the measurement journal: the two buttons, a row of
// what the displays show, a line that confirms each recorded row (the
// journal window may be closed), a sample of the displays at every tick,
// and the teacher's switch that hides the journal for an exam.

#include "bench/formexp.h"

#include "journal/formprotokoll.h"
#include "journal/journal.h"
#include "model/voltmeter.h"
#include "ui/controls.h"
#include "ui/layout.h"
#include "ui/services.h"

#include <QDir>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace bench {

namespace {

// A caption without its unit, in the journal's number form.
QString withoutUnit(const QString& caption, const QString& unit, QChar decimal)
{
    QString t = caption.trimmed();
    if (t.endsWith(unit))
        t.chop(unit.size());
    return journal::neutral(t.trimmed(), decimal);
}

} // namespace

void Formexp::buildJournal()
{
    Commandmessen = findChild<QPushButton*>(QStringLiteral("Commandmessen"));
    Commandprotokoll = findChild<QPushButton*>(QStringLiteral("Commandprotokoll"));
    journal_ = new journal::Journal(this);
    // The confirmation stands in the free strip right of the journal's buttons.
    Labelstatus = new ui::Label(this);
    Labelstatus->setObjectName(QStringLiteral("Labelstatus"));
    Labelstatus->setAccessibleName(QStringLiteral("Status"));
    Labelstatus->setGeometry(Commandprotokoll->geometry().right() + ui::px(120), Commandprotokoll->y(),
                             width() - Commandprotokoll->geometry().right() - ui::px(240),
                             Commandprotokoll->height());
    Labelstatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Labelstatus->stackUnder(Picture1);
    connect(Commandmessen, &QPushButton::clicked, this, &Formexp::Commandmessen_Click);
    connect(Commandprotokoll, &QPushButton::clicked, this, &Formexp::Commandprotokoll_Click);
    // The key works exactly when the button could be clicked.
    auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this);
    connect(key, &QShortcut::activated, this, [this] {
        if (Picture1->isHidden() && Commandmessen->isVisible() && Commandmessen->isEnabled())
            Commandmessen_Click();
    });
}

journal::Row Formexp::shownRow() const
{
    const QChar decimal = QLatin1Char(separator());
    journal::Row r;
    r.sensor = journal::hiddenSensor;
    if (!Framesensor->isHidden())
        for (int i = 0; i < model::sensorTypes; ++i)
            if (Option1[i]->isChecked())
                r.sensor = QString::number(i + 1);
    r.thermostat = withoutUnit(LabelT->text(), QStringLiteral("°C"), decimal);
    r.sensorTemp = withoutUnit(Labelsenstemp->text(), QStringLiteral("°C"), decimal);
    r.quelle = withoutUnit(LabelV->text(), QStringLiteral("V"), decimal);
    // The lever stands upright while the series resistor is bridged.
    r.vorwiderstand = Line1->x2() == 180 ? journal::bypassed : journal::neutral(LabelR->text(), decimal);
    r.messbereich = QString::fromStdString(model::rangeName(UpDownVoltmeter->value()));
    r.anzeige = journal::neutral(Labelanz->text(), decimal);
    r.eigenerwaermung = thermostat_.eigen_ein;
    return r;
}

void Formexp::Commandmessen_Click()
{
    const journal::Row& row = journal_->record(shownRow());
    Labelstatus->setText(tr("Zeile %1 übernommen: %2, %3%4")
                             .arg(QString::number(row.nr), Labelsenstemp->text(), Labelanz->text(),
                                  journal_->file().working() ? QString() : tr(" (nicht gespeichert)")));
}

void Formexp::Commandprotokoll_Click()
{
    if (!formprotokoll_)
        formprotokoll_ = std::make_unique<journal::Formprotokoll>(*journal_);
    formprotokoll_->showBeside(this);
}

void Formexp::sampleJournal()
{
    const QChar decimal = QLatin1Char(separator());
    journal::Row shown;
    shown.anzeige = journal::neutral(Labelanz->text(), decimal);
    journal_->sample(thermostat_.zeitschritt,
                     journal::numberOf(withoutUnit(Labelsenstemp->text(), QStringLiteral("°C"), decimal)),
                     journal::numberOf(withoutUnit(LabelT->text(), QStringLiteral("°C"), decimal)),
                     journal::readingVolts(shown));
}

void Formexp::enableJournalButtons(bool on)
{
    Commandmessen->setEnabled(on);
    Commandprotokoll->setEnabled(on);
}

QString Formexp::journalNote() const
{
    const journal::Autosave& file = journal_->file();
    if (journal_->rows().isEmpty())
        return {};
    if (!file.working())
        return tr("\rIhr Messprotokoll konnte nicht gespeichert werden: ") +
               journal::reasonText(file.reason());
    return tr("\rIhr Messprotokoll ist gespeichert: ") + QDir::toNativeSeparators(file.path());
}

void Formexp::hideJournal()
{
    Commandmessen->hide();
    Commandprotokoll->hide();
    Labelstatus->hide();
}

} // namespace bench
