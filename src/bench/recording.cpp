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
    journal_->record(journal::rowOf({lab_.Commandmessen_Click(), 0, {}}));
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
    const lab::Sample shown = lab::sampleOf(lab_.shownRow());
    journal_->sample(lab_.thermostat().zeitschritt, shown.sensorTemp, shown.setPoint, shown.volts);
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
