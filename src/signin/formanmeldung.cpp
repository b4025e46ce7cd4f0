#include "signin/formanmeldung.h"

#include "model/config.h"
#include "ui/layout.h"
#include "ui/services.h"

#include <QCoreApplication>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace signin {

Formanmeldung::Formanmeldung(int digits, QWidget* parent) : QDialog(parent), lab_(digits)
{
    setObjectName(QStringLiteral("Formanmeldung"));
    setWindowTitle(ui::appTitle() + tr(" - Anmeldung"));
    setFont(ui::designFont({}));
    const auto word = [](const char* key) { return QCoreApplication::translate(lab::signInContext, key); };
    QHash<QString, QWidget*> made;
    for (const lab::ControlSpec& row : lab::signInControls()) {
        QWidget* w = nullptr;
        if (row.kind == lab::Kind::TextBox) {
            auto* box = new QLineEdit(this);
            box->setMaxLength(QLatin1String(row.name) == QLatin1String("TextName") ? lab::nameLength
                                                                                   : lab::matrikelLength);
            w = box;
        } else if (row.kind == lab::Kind::Button) {
            auto* b = new QPushButton(word(row.text), this);
            b->setAutoDefault(false);
            w = b;
        } else {
            w = new QLabel(*row.text ? word(row.text) : QString(), this);
        }
        w->setObjectName(QString::fromLatin1(row.name));
        if (row.accessibleName)
            w->setAccessibleName(word(row.accessibleName));
        made.insert(w->objectName(), w);
    }
    const auto label = [&made](const char* name) {
        return qobject_cast<QLabel*>(made.value(QLatin1String(name)));
    };
    TextName = qobject_cast<QLineEdit*>(made.value(QStringLiteral("TextName")));
    TextMatrikel = qobject_cast<QLineEdit*>(made.value(QStringLiteral("TextMatrikel")));
    CommandOK = qobject_cast<QPushButton*>(made.value(QStringLiteral("CommandOK")));
    CommandAbbrechen = qobject_cast<QPushButton*>(made.value(QStringLiteral("CommandAbbrechen")));
    Labelhinweis = label("Labelhinweis");
    label("Labelname")->setBuddy(TextName);
    label("Labelmatrikel")->setBuddy(TextMatrikel);
    const lab::Form expected = lab_.expected();
    QString description = word(expected.key.c_str());
    for (const std::string& value : expected.values)
        description = description.arg(QString::fromStdString(value));
    TextMatrikel->setAccessibleDescription(description);
    auto* form = new QFormLayout;
    form->addRow(label("Labelname"), TextName);
    form->addRow(label("Labelmatrikel"), TextMatrikel);
    Labelhinweis->setWordWrap(true);
    CommandOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandAbbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label("Labelintro"));
    layout->addLayout(form);
    layout->addWidget(Labelhinweis);
    layout->addLayout(buttons);
    setTabOrder(TextName, TextMatrikel);
    setTabOrder(TextMatrikel, CommandOK);
    setTabOrder(CommandOK, CommandAbbrechen);

    connect(TextName, &QLineEdit::textChanged, this, [this](const QString& t) {
        lab_.setName(t.toStdString());
        checkEntries();
    });
    connect(TextMatrikel, &QLineEdit::textChanged, this, [this](const QString& t) {
        lab_.setMatrikel(t.toStdString());
        checkEntries();
    });
    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    checkEntries();
    resize(sizeHint().expandedTo(QSize(420, 0)));
    TextName->setFocus();
}

course::Student Formanmeldung::student() const
{
    return {QString::fromStdString(lab_.name()), QString::fromStdString(lab_.matrikel())};
}

// The hint says what is still missing, and a screen reader finds it as the
// button's description.
void Formanmeldung::checkEntries()
{
    const lab::Form& missing = lab_.missing();
    QString hint =
        missing.empty() ? QString() : QCoreApplication::translate(lab::signInContext, missing.key.c_str());
    for (const std::string& value : missing.values)
        hint = hint.arg(QString::fromStdString(value));
    Labelhinweis->setText(hint);
    CommandOK->setEnabled(lab_.okEnabled());
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
