#include "signin/formanmeldung.h"

#include "model/config.h"
#include "model/coursesettings.h"
#include "ui/layout.h"
#include "ui/services.h"

#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace signin {

namespace {

QLineEdit* textBox(QWidget* parent, const char* name, int maxLength)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

Formanmeldung::Formanmeldung(int digits, QWidget* parent) : QDialog(parent), digits_(digits)
{
    setObjectName(QStringLiteral("Formanmeldung"));
    setWindowTitle(ui::appTitle() + tr(" - Anmeldung"));
    setFont(ui::designFont({}));
    auto* intro = new QLabel(tr("Bitte melden Sie sich für diesen Versuch an."), this);
    TextName = textBox(this, "TextName", 80);
    TextMatrikel = textBox(this, "TextMatrikel", 20);
    auto* form = new QFormLayout;
    // The labels name the boxes for a screen reader; Alt+N and Alt+M reach them.
    auto* nameLabel = new QLabel(tr("&Name"), this);
    auto* idLabel = new QLabel(tr("&Matrikelnummer"), this);
    nameLabel->setBuddy(TextName);
    idLabel->setBuddy(TextMatrikel);
    TextName->setAccessibleName(tr("Name"));
    TextMatrikel->setAccessibleName(tr("Matrikelnummer"));
    TextMatrikel->setAccessibleDescription(digits_ > 0 ? tr("genau %1 Ziffern").arg(digits_)
                                                       : tr("3 bis 20 Buchstaben, Ziffern oder Bindestriche"));
    form->addRow(nameLabel, TextName);
    form->addRow(idLabel, TextMatrikel);
    Labelhinweis = new QLabel(this);
    Labelhinweis->setObjectName(QStringLiteral("Labelhinweis"));
    Labelhinweis->setWordWrap(true);
    CommandOK = button(this, "CommandOK", tr("OK"));
    CommandAbbrechen = button(this, "CommandAbbrechen", tr("Abbrechen"));
    CommandOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandAbbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(Labelhinweis);
    layout->addLayout(buttons);
    setTabOrder(TextName, TextMatrikel);
    setTabOrder(TextMatrikel, CommandOK);
    setTabOrder(CommandOK, CommandAbbrechen);

    connect(TextName, &QLineEdit::textChanged, this, &Formanmeldung::checkEntries);
    connect(TextMatrikel, &QLineEdit::textChanged, this, &Formanmeldung::checkEntries);
    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    checkEntries();
    resize(sizeHint().expandedTo(QSize(420, 0)));
    TextName->setFocus();
}

course::Student Formanmeldung::student() const
{
    return {TextName->text().simplified(), TextMatrikel->text().trimmed()};
}

// OK takes only complete entries; the hint says what is still missing, and
// a screen reader finds it as the button's description.
void Formanmeldung::checkEntries()
{
    const course::Student s = student();
    QString hint;
    if (s.name.isEmpty())
        hint = tr("Bitte geben Sie Ihren Namen ein.");
    else if (s.id.isEmpty())
        hint = tr("Bitte geben Sie Ihre Matrikelnummer ein.");
    else if (digits_ > 0 && !model::hasDigits(s.id.toStdString(), digits_))
        hint = tr("Die Matrikelnummer besteht aus genau %1 Ziffern.").arg(digits_);
    else if (!model::validMatrikel(s.id.toStdString()))
        hint = tr("Die Matrikelnummer besteht aus 3 bis 20 Buchstaben, Ziffern oder \"-\".");
    Labelhinweis->setText(hint);
    CommandOK->setEnabled(hint.isEmpty());
    CommandOK->setAccessibleDescription(hint);
}

Start signIn(const QString& folder)
{
    return signIn(model::readStartChoices(QFile::encodeName(folder).toStdString()));
}

Start signIn(const model::StartChoices& choices)
{
    Start start;
    const model::CourseSettings& settings = choices.course;
    if (choices.file.kind != model::ConfigFile::Kind::Read || !settings.signInRequired())
        return start;
    const QByteArray bytes(choices.file.bytes.data(), static_cast<qsizetype>(choices.file.bytes.size()));
    const QString folder = QFile::decodeName(QByteArray::fromStdString(choices.folder));
    Formanmeldung dialog(settings.stellen);
    if (dialog.exec() != QDialog::Accepted) {
        start.cancelled = true;
        return start;
    }
    start.session = std::make_unique<course::Session>(settings, folder, bytes, dialog.student());
    return start;
}

} // namespace signin
