#pragma once
// The journal window: the table of recorded rows with their notes, the
// characteristic of the recorded points and the live time chart, where the
// journal's file is, export and copy, and earlier journals to read.

#include "journal/charts.h"
#include "journal/journal.h"

#include <QWidget>

#include <memory>

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace journal {

class Formprotokoll : public QWidget {
    Q_OBJECT
public:
    explicit Formprotokoll(Journal& journal, QWidget* parent = nullptr);
    ~Formprotokoll() override;

    // Shows and raises the window; the first time beside `bench` or below
    // it, which moves only when the screen has no room for both.
    void showBeside(QWidget* bench);

    // The rows the table shows: the run's own, or an earlier journal's.
    const QList<Row>& shownRows() const;
    bool showingEarlier() const { return earlier_ != nullptr; }
    void showCurrent();
    void showEarlier(const QString& file);

    const CharacteristicChart& characteristic() const { return *characteristic_; }
    const TimeChart& timeChart() const { return *time_; }

    // The actions of the buttons and keys.
    void saveAs();
    void copyRows();
    void deleteRows();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void buildWindow();
    void arrangeWindow();
    void connectControls();
    void connectJournal();
    void showFileState();
    void fillEarlierList();
    void useModel(RowsModel* model);
    QList<int> selectedRows() const;
    void rowsRecorded(int first, int last);

    Journal& journal_;
    std::unique_ptr<RowsModel> earlier_;
    QString earlierFile_;
    QString earlierError_;
    bool placed_ = false;

    QLabel* Labeldatei = nullptr;
    QComboBox* Comboprotokolle = nullptr;
    QPushButton* Commandspeichern = nullptr;
    QPushButton* Commandkopieren = nullptr;
    QPushButton* Commandloeschen = nullptr;
    QPushButton* Commandrueckgaengig = nullptr;
    QTableView* Tableprotokoll = nullptr;
    QChartView* Chartkennlinie = nullptr;
    QChartView* Chartzeitverlauf = nullptr;
    std::unique_ptr<CharacteristicChart> characteristic_;
    std::unique_ptr<TimeChart> time_;
};

} // namespace journal
