#pragma once
// The sign-in before the bench of a course: name and Matrikelnummer, both
// required, checked by the lab's rules. "Abbrechen" ends the program before
// anything is written.

#include "course/session.h"
#include "lab/signin.h"
#include "model/configcheck.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace signin {

class Formanmeldung : public QDialog {
    Q_OBJECT
public:
    // `digits`: the number of digits the teacher's file asks for; 0 for any
    // Matrikelnummer of the usual form.
    explicit Formanmeldung(int digits = 0, QWidget* parent = nullptr);
    // The student as entered, spaces of the name simplified.
    course::Student student() const;

private:
    void checkEntries();

    QLineEdit* TextName = nullptr;
    QLineEdit* TextMatrikel = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandAbbrechen = nullptr;
    QLabel* Labelhinweis = nullptr;
    lab::SignIn lab_;
};

struct Start {
    bool cancelled = false;
    std::unique_ptr<course::Session> session; // null without course lines
};

// When the teacher's file's course lines ask for the student, shows
// Formanmeldung and opens the run's session.
Start signIn(const model::StartChoices& choices);
// The same with the teacher's file read from `folder`.
Start signIn(const QString& folder);

} // namespace signin
