// Renders the windows as a student sees them, offscreen, into PNG pictures:
// the task page, the bench after the start click, the evaluation at its
// steps, the final view, the measurement journal, the printed report (as a
// PDF beside them), the PDF save dialog, the start-up message for a file
// with many bad lines and the bench again with a hot sensor. The journal's
// file goes into a temporary folder.
//   kora_screenshots FOLDER [SENSOR]

#include "bench/formexp.h"
#include "signin/formanmeldung.h"
#include "configreport/report.h"
#include "evaluation/formantwort.h"
#include "journal/formprotokoll.h"
#include "ui/controls.h"
#include "ui/layout.h"
#include "model/config.h"
#include "ui/messagebox.h"
#include "ui/services.h"
#include "ui/translations.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>

namespace {

// Message boxes are written to the terminal, pages into the folder.
class Quiet : public ui::Services {
public:
    explicit Quiet(QString folder) : folder_(std::move(folder)) {}
    // Runs while a message is "open", as the student would see it.
    std::function<void(const QString&)> onMessage;

    void message(QWidget*, const QString& text) override
    {
        if (onMessage)
            onMessage(text);
        std::printf("Meldung: %s\n", qPrintable(ui::withLineBreaks(text).replace('\n', QStringLiteral(" / "))));
    }
    void alert() override {}
    // Closing the evaluation early or unprinted goes ahead unasked.
    bool ask(QWidget*, const QString&, const QString&, const QString&) override { return true; }
    bool printPage(QWidget*, ui::PageSource& page) override
    {
        return ui::printToPdf(QDir(folder_).filePath(QStringLiteral("08-bericht.pdf")), page);
    }
    bool askStudent(QWidget*, ui::Student& s) override
    {
        s = {QStringLiteral("Erika Musterfrau"), QStringLiteral("4711")};
        return true;
    }

private:
    QString folder_;
};

void save(QWidget* w, const QString& folder, const char* name)
{
    QApplication::processEvents();
    const QString file = QDir(folder).filePath(QString::fromLatin1(name));
    if (!w->grab().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    else
        std::printf("%s\n", qPrintable(file));
}

// A student's answer for each type, close to its curve but not on it, so
// that both curves show (T in kelvin).
const char* const equation[] = {
    "0.0004*EXP(4950/T)", "0.00000012*EXP(0.065*T)", "100+0.4*(T-273)", "1000+4*(T-273)",
    "500-2.5*(T-293)",    "1.02*T",                  "0.055*(T-273)",
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kora"));
    QApplication::setFont(ui::designFont({})); // as the program sets it
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    if (argc < 2) {
        std::fprintf(stderr, "usage: kora_screenshots FOLDER [SENSOR 0..6] [de|en]\n");
        return 2;
    }
    // The pictures show the German settings the texts are written for, or
    // the English texts on an English desktop.
    const bool english = argc > 3 && ui::languageNamed(argv[3]) == ui::Language::English;
    QLocale::setDefault(english ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                : QLocale(QLocale::German, QLocale::Germany));
    ui::installLanguage(english ? ui::Language::English : ui::Language::German);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const int sensor = argc > 2 ? std::atoi(argv[2]) % 7 : 0;
    Quiet services(folder);
    ui::setServices(&services);

    bench::Formexp bench;
    bench.show();
    if (!QTest::qWaitForWindowExposed(&bench))
        return 1;
    save(&bench, folder, "01-aufgabe.png");

    QTest::mouseClick(bench.findChild<QWidget*>(QStringLiteral("Picture1")), Qt::LeftButton);
    bench.findChild<QAbstractButton*>(QStringLiteral("Option1_%1").arg(sensor))->click();
    for (int i = 0; i < 10; ++i)
        bench.Timer1_Timer();
    save(&bench, folder, "02-versuch.png");

    // A short series of readings: the thermostat stepped up, each value
    // taken once the sensor has followed.
    auto* setPoint = bench.findChild<QAbstractSlider*>(QStringLiteral("UpDownT"));
    for (int t = 20; t <= 100; t += 10) {
        setPoint->setValue(t);
        for (int i = 0; i < 40; ++i)
            bench.Timer1_Timer();
        bench.findChild<QPushButton*>(QStringLiteral("Commandmessen"))->click();
    }
    setPoint->setValue(40);
    for (int i = 0; i < 12; ++i)
        bench.Timer1_Timer();
    bench.findChild<QPushButton*>(QStringLiteral("Commandprotokoll"))->click();
    auto* journalWindow = bench.journalWindow();
    if (!QTest::qWaitForWindowExposed(journalWindow))
        return 1;
    for (int i = 0; i < 3; ++i)
        bench.Timer1_Timer();
    save(journalWindow, folder, "09-protokoll.png");
    journalWindow->close();

    bench.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    auto* eval = bench.evaluationWindow();
    if (!QTest::qWaitForWindowExposed(eval))
        return 1;
    save(eval, folder, "03-auswertung-schritt1.png");

    auto* list = eval->findChild<QListWidget*>(QStringLiteral("Listsensoren"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(sensor)).center());
    eval->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    auto* box = eval->findChild<ui::TextBox*>(QStringLiteral("Textformel"));
    QTest::keyClicks(box, QString::fromLatin1(equation[sensor]));
    save(eval, folder, "04-auswertung-schritt3.png");

    // The curves are on screen while the verdict on the equation is read.
    services.onMessage = [&](const QString& text) {
        if (text.startsWith(QStringLiteral("Die richtige Formel")))
            save(eval, folder, "05-auswertung-kurven.png");
    };
    QTest::keyClick(box, Qt::Key_Return);
    services.onMessage = nullptr;
    if (sensor <= 3) {
        save(eval, folder, "06-auswertung-alpha.png");
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("0.0039"));
        QTest::keyClick(box, Qt::Key_Return);
    }
    save(eval, folder, "07-ende.png");
    eval->findChild<QPushButton*>(QStringLiteral("Commanddruck"))->click();
    eval->close();

    // Qt's own dialogs in German: the save dialog of the PDF fallback.
    QFileDialog dialog(&bench, QStringLiteral("Kein Drucker verfügbar - Ergebnisse als PDF speichern"),
                       QDir::home().filePath(QStringLiteral("KORA-Auswertung.pdf")),
                       QStringLiteral("PDF-Dateien (*.pdf)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return 1;
    save(&dialog, folder, "11-pdf-speichern.png");
    dialog.close();

    // The start-up message for a teacher's file with 60 bad lines.
    std::vector<model::ConfigProblem> bad;
    for (int line = 1; line <= int(model::reportedLines); ++line)
        bad.push_back({line, "sensor:nr=9:x", {{model::Reason::SensorIndexOutOfRange, {"9"}, "sensor"}}});
    const auto report = ui::makeMessageBox(&bench, configreport::startupReport(bad, 60));
    report->show();
    if (!QTest::qWaitForWindowExposed(report.get()))
        return 1;
    save(report.get(), folder, "12-meldung.png");

    // Back on the bench: the bypass switch has the keyboard, and the sensor
    // is hot enough for its temperature to warn in red.
    bench.findChild<QWidget*>(QStringLiteral("Picture2"))->setFocus(Qt::TabFocusReason);
    bench.state().tsensor = 140;
    bench.Timer1_Timer();
    save(&bench, folder, "10-warnung.png");

    // A course's sign-in, half filled in: the hint says what is missing.
    signin::Formanmeldung signIn;
    signIn.show();
    if (!QTest::qWaitForWindowExposed(&signIn))
        return 1;
    QTest::keyClicks(signIn.findChild<QWidget*>(QStringLiteral("TextName")), QStringLiteral("Anna Muster"));
    QTest::keyClicks(signIn.findChild<QWidget*>(QStringLiteral("TextMatrikel")), QStringLiteral("47"));
    save(&signIn, folder, "13-anmeldung.png");
    return 0;
}
