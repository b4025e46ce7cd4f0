// The printer and its PDF fallback: whatever happens to the page, the
// student is told, and nothing is lost silently.

#include "ui/services.h"
#include "ui/translations.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QFile>
#include <QPdfWriter>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class OnePage : public ui::PageSource {
public:
    void paintPage(QPainter& p, QPagedPaintDevice&) override
    {
        ++painted;
        p.drawText(QPointF(100, 100), QStringLiteral("Punktzahl = 8"));
    }
    int painted = 0;
};

// The real printing logic with a stand-in printer and save dialog.
class Lab : public ui::Services {
public:
    Printed printer = Printed::NoPrinter;
    QString answer; // what the student picks in the save dialog
    QStringList messages, dialogTitles;

    void message(QWidget*, const QString& text) override { messages << text; }

protected:
    PrintJob printOnDefaultPrinter(ui::PageSource& page) override
    {
        const PrintJob job{printer, QStringLiteral("Laserdrucker"),
                           printer == Printed::Failed ? QStringLiteral("Der Drucker nimmt nichts an.") : QString()};
        if (printer == Printed::Done || printer == Printed::Waiting) {
            QBuffer sink; // the printer's spool
            sink.open(QIODevice::WriteOnly);
            QPdfWriter sheet(&sink);
            QPainter p(&sheet);
            page.paintPage(p, sheet);
        }
        return job;
    }
    QString askPdfFileName(QWidget*, const QString& title, const QString& proposal) override
    {
        dialogTitles << title;
        proposed = proposal;
        return answer;
    }

public:
    QString proposed;
};

} // namespace

class TestServices : public QObject {
    Q_OBJECT

private slots:
    void pageAlwaysEndsSomewhereTheStudentIsToldOf_data()
    {
        QTest::addColumn<int>("printer");      // Lab::Printed
        QTest::addColumn<QString>("answer");   // file name picked, relative to a scratch folder
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("pdfWritten");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("dialogTitle");
        const QString noPrinter = QStringLiteral("Kein Drucker verfügbar - Ergebnisse als PDF speichern");
        const QString failed = QStringLiteral("Drucken fehlgeschlagen - Ergebnisse als PDF speichern");
        QTest::newRow("printed") << 0 << "" << true << false
                                 << QStringLiteral("Die Ergebnisse wurden an den Drucker Laserdrucker geschickt.")
                                 << "";
        QTest::newRow("no printer, saved") << 1 << "auswertung.pdf" << true << true
                                           << QStringLiteral("Die Ergebnisse wurden als PDF-Datei gespeichert:\r%1")
                                           << noPrinter;
        QTest::newRow("job failed, saved")
            << 2 << "auswertung.pdf" << true << true
            << QStringLiteral("Der Drucker nimmt nichts an.\rDie Ergebnisse wurden als PDF-Datei gespeichert:\r%1")
            << failed;
        QTest::newRow("queue stopped, job waits")
            << 3 << "" << true << false
            << QStringLiteral("Die Ergebnisse wurden an den Drucker Laserdrucker geschickt.\rDer Drucker ist zurzeit "
                              "angehalten. Der Auftrag wartet in seiner Warteschlange und wird gedruckt, sobald der "
                              "Drucker wieder läuft.")
            << "";
        QTest::newRow("no printer, cancelled")
            << 1 << "" << false << false
            << QStringLiteral("Die Ergebnisse wurden nicht gedruckt und nicht gespeichert.") << noPrinter;
        QTest::newRow("no printer, folder missing")
            << 1 << "fehlt/auswertung.pdf" << false << false
            << QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden:\r%1") << noPrinter;
    }
    void pageAlwaysEndsSomewhereTheStudentIsToldOf()
    {
        QFETCH(int, printer);
        QFETCH(QString, answer);
        QFETCH(bool, result);
        QFETCH(bool, pdfWritten);
        QFETCH(QString, message);
        QFETCH(QString, dialogTitle);
        QTemporaryDir scratch;
        Lab lab;
        lab.printer = static_cast<decltype(lab.printer)>(printer);
        const QString file = answer.isEmpty() ? QString() : scratch.filePath(answer);
        lab.answer = file;
        OnePage page;

        QCOMPARE(lab.printPage(nullptr, page), result);
        QCOMPARE(lab.messages, QStringList{message.contains("%1") ? message.arg(file) : message});
        QCOMPARE(lab.dialogTitles, dialogTitle.isEmpty() ? QStringList{} : QStringList{dialogTitle});
        if (!dialogTitle.isEmpty())
            QVERIFY(lab.proposed.endsWith(QStringLiteral("/KORA-Auswertung.pdf")));
        QCOMPARE(!file.isEmpty() && QFile::exists(file), pdfWritten);
        if (pdfWritten) {
            QFile pdf(file);
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            QVERIFY(pdf.read(5) == "%PDF-");
        }
        // The page is painted once, on the printer or into the file.
        QCOMPARE(page.painted, result ? 1 : 0);
    }

    // The PDF save dialog as the student sees it on a German system: Qt's
    // own texts come from its translations, loaded before the first window.
    void qtDialogsSpeakGerman()
    {
        QVERIFY(ui::loadQtTranslations(QLocale(QLocale::German, QLocale::Germany)));
        QFileDialog dialog(nullptr, QStringLiteral("Kein Drucker verfügbar - Ergebnisse als PDF speichern"),
                           QDir::tempPath(), QStringLiteral("PDF-Dateien (*.pdf)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QStringList texts;
        for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            texts << dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        for (auto* b : buttons->buttons())
            texts << b->text();
        QCOMPARE(texts, (QStringList{"Suchen in:", "Datei&name:", "Dateien des Typs:", "S&peichern", "Abbrechen"}));
    }
};

QTEST_MAIN(TestServices)
#include "test_services.moc"
