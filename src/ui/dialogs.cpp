// The small dialogs behind ui::services(): the student's name for the report
// and the file chooser for saving. Tests answer them through a recorder.

#include "ui/services.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

bool Services::askStudent(QWidget* parent, Student& student)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("Dialogstudent"));
    dialog.setWindowTitle(appTitle());
    auto* intro = new QLabel(
        QCoreApplication::translate("ui::Services", "Angaben für das Ergebnisblatt (freiwillig):"), &dialog);
    auto* name = new QLineEdit(student.name, &dialog);
    name->setObjectName(QStringLiteral("Textname"));
    name->setMaxLength(80);
    auto* matrikel = new QLineEdit(student.matrikel, &dialog);
    matrikel->setObjectName(QStringLiteral("Textmatrikel"));
    matrikel->setMaxLength(30);
    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("ui::Services", "Name"), name);
    form->addRow(QCoreApplication::translate("ui::Services", "Matrikelnummer"), matrikel);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("ui::Services", "Drucken"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("ui::Services", "Abbrechen"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    dialog.resize(dialog.sizeHint().expandedTo(QSize(360, 0)));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    student.name = name->text().simplified();
    student.matrikel = matrikel->text().simplified();
    return true;
}

QString Services::askSaveFileName(QWidget* parent, const QString& title, const QString& proposal,
                                  const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, proposal, filter);
}

} // namespace ui
