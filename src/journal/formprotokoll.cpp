#include "journal/formprotokoll.h"

#include "journal/files.h"
#include "journal/placement.h"
#include "ui/decimal.h"
#include "ui/services.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

namespace journal {

namespace {

// The size the window opens in where the screen has room for it.
constexpr int openWidth = 940;
constexpr int openHeight = 660;

QChartView* chartView(QWidget* parent, const char* name)
{
    auto* view = new QChartView(new QChart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing, false);
    view->setMinimumSize(260, 200);
    return view;
}

} // namespace

Formprotokoll::Formprotokoll(Journal& journal, QWidget* parent)
    : QWidget(parent, Qt::Window), journal_(journal)
{
    setObjectName(QStringLiteral("Formprotokoll"));
    setWindowTitle(tr("KORA - Temperatursensoren als Zweipol - Messprotokoll"));
    buildWindow();
    connectJournal();
    useModel(&journal_);
    characteristic_->setRows(journal_.rows());
    journal_.checkFolder();
    showFileState();
    fillEarlierList();
    resize(openWidth, openHeight);
}

Formprotokoll::~Formprotokoll() = default;

void Formprotokoll::buildWindow()
{
    Labeldatei = new QLabel(this);
    Labeldatei->setObjectName(QStringLiteral("Labeldatei"));
    Labeldatei->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Labeldatei->setWordWrap(true);

    Comboprotokolle = new QComboBox(this);
    Comboprotokolle->setObjectName(QStringLiteral("Comboprotokolle"));
    Comboprotokolle->setAccessibleName(tr("Angezeigtes Protokoll"));
    Comboprotokolle->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto button = [this](const char* name, const QString& text, const QString& tip) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };
    Commandspeichern = button("Commandspeichern", tr("Speichern unter …"),
                              tr("Das angezeigte Protokoll als CSV-Datei speichern"));
    Commandkopieren =
        button("Commandkopieren", tr("Kopieren"),
               tr("Die markierten Zeilen, sonst alle, in die Zwischenablage kopieren (Strg+C)"));
    Commandloeschen =
        button("Commandloeschen", tr("Zeilen löschen"), tr("Die markierten Zeilen löschen (Entf)"));
    Commandrueckgaengig = button("Commandrueckgaengig", tr("Rückgängig"),
                                 tr("Das letzte Löschen oder Ändern zurücknehmen (Strg+Z)"));

    Tableprotokoll = new QTableView(this);
    Tableprotokoll->setObjectName(QStringLiteral("Tableprotokoll"));
    Tableprotokoll->setAccessibleName(tr("Messprotokoll"));
    Tableprotokoll->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tableprotokoll->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Tableprotokoll->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                    QAbstractItemView::AnyKeyPressed);
    Tableprotokoll->verticalHeader()->hide();
    Tableprotokoll->horizontalHeader()->setStretchLastSection(true);
    Tableprotokoll->setWordWrap(false);
    Tableprotokoll->verticalHeader()->setDefaultSectionSize(Tableprotokoll->fontMetrics().height() + 6);

    Chartkennlinie = chartView(this, "Chartkennlinie");
    Chartzeitverlauf = chartView(this, "Chartzeitverlauf");
    characteristic_ = std::make_unique<CharacteristicChart>(Chartkennlinie->chart());
    time_ = std::make_unique<TimeChart>(Chartzeitverlauf->chart());

    arrangeWindow();
    connectControls();
}

// The tool row above the table, and the table above the two charts.
void Formprotokoll::arrangeWindow()
{
    auto* tools = new QHBoxLayout;
    tools->addWidget(new QLabel(tr("Protokoll:"), this));
    tools->addWidget(Comboprotokolle);
    tools->addStretch(1);
    for (QPushButton* b : {Commandspeichern, Commandkopieren, Commandloeschen, Commandrueckgaengig})
        tools->addWidget(b);

    auto* charts = new QSplitter(Qt::Horizontal, this);
    charts->addWidget(Chartkennlinie);
    charts->addWidget(Chartzeitverlauf);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(Tableprotokoll);
    split->addWidget(charts);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    split->setSizes({400, 600});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Labeldatei);
    layout->addLayout(tools);
    layout->addWidget(split, 1);
}

void Formprotokoll::connectControls()
{
    connect(Commandspeichern, &QPushButton::clicked, this, &Formprotokoll::saveAs);
    connect(Commandkopieren, &QPushButton::clicked, this, &Formprotokoll::copyRows);
    connect(Commandloeschen, &QPushButton::clicked, this, &Formprotokoll::deleteRows);
    connect(Commandrueckgaengig, &QPushButton::clicked, journal_.undoStack(), &QUndoStack::undo);
    // The keys act on the whole window; a note being edited keeps its own
    // Delete, copy and undo.
    auto key = [this](const QKeySequence& k, auto slot) {
        auto* s = new QShortcut(k, this);
        connect(s, &QShortcut::activated, this, slot);
    };
    key(QKeySequence::Delete, [this] { deleteRows(); });
    key(QKeySequence::Copy, [this] { copyRows(); });
    key(QKeySequence::Undo, [this] {
        if (!showingEarlier())
            journal_.undoStack()->undo();
    });
    key(QKeySequence::Redo, [this] {
        if (!showingEarlier())
            journal_.undoStack()->redo();
    });
    connect(Comboprotokolle, &QComboBox::activated, this, [this](int index) {
        if (index <= 0)
            showCurrent();
        else
            showEarlier(Comboprotokolle->itemData(index).toString());
    });
}

void Formprotokoll::connectJournal()
{
    connect(&journal_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { rowsRecorded(first, last); });
    connect(&journal_, &QAbstractItemModel::rowsRemoved, this, [this] {
        if (!showingEarlier())
            characteristic_->setRows(journal_.rows());
    });
    connect(&journal_, &Journal::fileChanged, this, [this] {
        showFileState();
        fillEarlierList();
    });
    connect(journal_.undoStack(), &QUndoStack::canUndoChanged, this, [this] { showFileState(); });
    // Drawn live only while it can be seen; it catches up when shown.
    connect(&journal_, &Journal::sampled, this, [this] {
        if (isVisible() && !showingEarlier() && !journal_.timeline().empty())
            time_->append(journal_.timeline().back(), journal_.timeline(), journal_.seconds());
    });
}

void Formprotokoll::rowsRecorded(int first, int last)
{
    if (showingEarlier())
        showCurrent(); // a new reading brings the run's own journal back
    else if (first == last && last == journal_.rowCount() - 1)
        characteristic_->addRow(journal_.rows().at(last));
    else
        characteristic_->setRows(journal_.rows());
    if (last == journal_.rowCount() - 1)
        Tableprotokoll->scrollToBottom();
}

void Formprotokoll::useModel(RowsModel* model)
{
    QItemSelectionModel* old = Tableprotokoll->selectionModel();
    Tableprotokoll->setModel(model);
    delete old;
    // Widths from the header and the widest text a cell can hold, measured
    // once: a table that sized itself to its contents at every new row
    // would get slower with each one.
    const QFontMetrics fm(Tableprotokoll->font());
    const QFontMetrics header(Tableprotokoll->horizontalHeader()->font());
    const char* widest[columnTotal] = {"9999",       "999:59", "–",         "100", "150,0", "24",
                                       "überbrückt", "200 mV", "-000,5 mV", "aus", ""};
    for (int c = 0; c < columnTotal - 1; ++c)
        Tableprotokoll->setColumnWidth(c, std::max(header.horizontalAdvance(shownColumnName(c)),
                                                   fm.horizontalAdvance(QString::fromUtf8(widest[c]))) +
                                              14);
}

const QList<Row>& Formprotokoll::shownRows() const
{
    return earlier_ ? earlier_->rows() : journal_.rows();
}

void Formprotokoll::showCurrent()
{
    if (earlier_) {
        useModel(&journal_);
        earlier_.reset();
        earlierFile_.clear();
        earlierError_.clear();
    }
    Comboprotokolle->setCurrentIndex(0);
    characteristic_->setRows(journal_.rows());
    time_->setTimeline(journal_.timeline(), journal_.seconds());
    showFileState();
}

void Formprotokoll::showEarlier(const QString& file)
{
    const ReadJournal read = readJournalFile(file);
    auto model = std::make_unique<RowsModel>();
    model->setRows(read.rows);
    useModel(model.get());
    earlier_ = std::move(model);
    earlierFile_ = file;
    earlierError_ = reasonText(read.reason);
    const int at = Comboprotokolle->findData(file);
    if (at >= 0)
        Comboprotokolle->setCurrentIndex(at);
    characteristic_->setRows(earlier_->rows());
    time_->setRows(earlier_->rows());
    showFileState();
}

void Formprotokoll::showFileState()
{
    const Autosave& file = journal_.file();
    QString text;
    bool trouble = false;
    if (showingEarlier()) {
        text = tr("Früheres Protokoll, nur zum Lesen: ") + QDir::toNativeSeparators(earlierFile_);
        if (!earlierError_.isEmpty()) {
            text += QStringLiteral("\n") + earlierError_;
            trouble = true;
        }
    } else if (!file.working()) {
        text = tr("Das Protokoll wird nicht gespeichert: ") + reasonText(file.reason());
        trouble = true;
    } else if (file.exists()) {
        text = tr("Protokolldatei: ") + QDir::toNativeSeparators(file.path());
    } else {
        text = tr("Protokolldatei (wird mit dem ersten Messwert angelegt): ") +
               QDir::toNativeSeparators(file.path());
    }
    Labeldatei->setText(text);
    Labeldatei->setStyleSheet(trouble ? QStringLiteral("color: #b00000; font-weight: bold;") : QString());
    Commandloeschen->setEnabled(!showingEarlier());
    Commandrueckgaengig->setEnabled(!showingEarlier() && journal_.undoStack()->canUndo());
}

void Formprotokoll::fillEarlierList()
{
    const QString shown = earlierFile_;
    const QSignalBlocker quiet(Comboprotokolle);
    Comboprotokolle->clear();
    Comboprotokolle->addItem(tr("Aktuelles Protokoll"), QString());
    const QString own = QFileInfo(journal_.file().path()).absoluteFilePath();
    for (const QString& f : journalFiles(journal_.file().folder()))
        if (QFileInfo(f).absoluteFilePath() != own)
            Comboprotokolle->addItem(QFileInfo(f).fileName(), f);
    const int at = shown.isEmpty() ? 0 : Comboprotokolle->findData(shown);
    Comboprotokolle->setCurrentIndex(std::max(0, at));
}

void Formprotokoll::showBeside(QWidget* bench)
{
    if (!placed_ && bench) {
        placed_ = true;
        const QScreen* screen = bench->screen();
        const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
        // Not shown yet, the window has no decoration: it will get the bench's.
        const QSize frame = bench->frameGeometry().size() - bench->size();
        const Placement p = placeBeside(bench->frameGeometry(), size() + frame,
                                        minimumSizeHint().expandedTo(minimumSize()) + frame, available);
        if (p.bench.topLeft() != bench->frameGeometry().topLeft())
            bench->move(p.bench.topLeft());
        resize(p.journal.size() - frame);
        move(p.journal.topLeft());
    }
    show();
    raise();
    activateWindow();
}

void Formprotokoll::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    fillEarlierList();
    if (showingEarlier())
        time_->setRows(earlier_->rows());
    else
        time_->setTimeline(journal_.timeline(), journal_.seconds());
}

QList<int> Formprotokoll::selectedRows() const
{
    std::set<int> rows;
    for (const QModelIndex& i : Tableprotokoll->selectionModel()->selectedIndexes())
        rows.insert(i.row());
    return {rows.begin(), rows.end()};
}

void Formprotokoll::deleteRows()
{
    if (showingEarlier())
        return; // earlier journals are read only
    journal_.removeRowsAt(selectedRows());
}

void Formprotokoll::copyRows()
{
    const QList<int> chosen = selectedRows();
    const QList<Row> rows = chosen.isEmpty() ? shownRows() : pick(shownRows(), chosen);
    QApplication::clipboard()->setText(tabText(rows, ui::decimalSeparator()));
}

void Formprotokoll::saveAs()
{
    const QString base =
        showingEarlier() ? QFileInfo(earlierFile_).fileName() : QFileInfo(journal_.file().path()).fileName();
    QString file = ui::services().askSaveFileName(
        this, tr("Messprotokoll speichern unter"),
        QDir::home().filePath(base.isEmpty() ? tr("KORA-Protokoll.csv") : base), tr("CSV-Dateien (*.csv)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        file += QStringLiteral(".csv");
    const Reason trouble = writeJournalFile(file, shownRows(), csvFormatFor(QLocale()));
    if (!trouble.isEmpty()) {
        ui::services().message(this, reasonText(trouble));
        return;
    }
    ui::services().message(this,
                           tr("Das Messprotokoll wurde gespeichert:\r") + QDir::toNativeSeparators(file));
}

} // namespace journal
