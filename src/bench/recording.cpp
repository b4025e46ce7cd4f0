// The bench's side of the measurement journal: the two buttons, the row
// the lab reads off the displays, a line that confirms each recorded row
// (the journal window may be closed), and a sample of the displays at every
// tick.

#include "bench/formexp.h"

#include "journal/formprotokoll.h"
#include "journal/journal.h"
#include "ui/controls.h"
#include "ui/layout.h"
#include "ui/services.h"

#include <QDir>
#include <QPushButton>
#include <QShortcut>

namespace bench {

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

// The lab's row in the journal's own type; its words are the journal's.
journal::Row journalRow(const lab::JournalRow& shown)
{
    journal::Row r;
    r.sensor = qs(shown.sensor);
    r.thermostat = qs(shown.thermostat);
    r.sensorTemp = qs(shown.sensorTemp);
    r.quelle = qs(shown.quelle);
    r.vorwiderstand = qs(shown.vorwiderstand);
    r.messbereich = qs(shown.messbereich);
    r.anzeige = qs(shown.anzeige);
    r.eigenerwaermung = shown.eigenerwaermung;
    return r;
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
    controls_.insert(Labelstatus->objectName(), Labelstatus);
    connect(Commandmessen, &QPushButton::clicked, this, &Formexp::Commandmessen_Click);
    connect(Commandprotokoll, &QPushButton::clicked, this, &Formexp::Commandprotokoll_Click);
    // The key works exactly when the button could be clicked.
    auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this);
    connect(key, &QShortcut::activated, this, [this] {
        if (lab_.mayRecord())
            Commandmessen_Click();
    });
}

void Formexp::Commandmessen_Click()
{
    journal_->record(journalRow(lab_.Commandmessen_Click()));
    tell();
}

void Formexp::Commandprotokoll_Click()
{
    if (!formprotokoll_)
        formprotokoll_ = std::make_unique<journal::Formprotokoll>(*journal_);
    formprotokoll_->showBeside(this);
}

void Formexp::sampleJournal()
{
    const lab::JournalRow shown = lab_.shownRow();
    journal::Row reading;
    reading.anzeige = qs(shown.anzeige);
    journal_->sample(lab_.thermostat().zeitschritt, journal::numberOf(qs(shown.sensorTemp)),
                     journal::numberOf(qs(shown.thermostat)), journal::readingVolts(reading));
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

} // namespace bench
