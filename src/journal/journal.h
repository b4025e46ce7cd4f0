#pragma once
// The measurement journal of a run: the rows the student recorded, as a
// table model with an undo stack for deletions and notes, kept safe in its
// own file; and the time series of the bench's displays over the last ten
// minutes. It is fed by the bench and knows only what the bench shows.

#include "journal/autosave.h"
#include "journal/row.h"
#include "lab/journalcharts.h"

#include <QAbstractTableModel>
#include <QUndoStack>

#include <deque>
#include <memory>

namespace journal {

// The rows of a journal as a table, read only; the cells show numbers with
// the decimal separator of the user's locale.
class RowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RowsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const QList<Row>& rows() const { return rows_; }
    void setRows(QList<Row> rows);

protected:
    QList<Row> rows_;

private:
    QVariant numberTip(const Row& r, int column) const;
    QChar decimal_; // the user's, looked up once: a repaint asks for every cell
};

using lab::Sample;

class Journal : public RowsModel {
    Q_OBJECT
public:
    // Writes into `folder`, by default the user's journal folder.
    explicit Journal(QObject* parent = nullptr);
    Journal(const QString& folder, QObject* parent);
    ~Journal() override;

    // Takes a row; its number and time are given here. Returns the row as kept.
    const Row& record(Row row);
    // Removes these rows (indices into rows()), as one step to undo.
    void removeRowsAt(const QList<int>& indices);

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The note column; each edit is one step to undo.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    QUndoStack* undoStack() const { return undo_.get(); }

    const Autosave& file() const { return file_; }
    // Makes the journal folder so that a problem shows before the first row.
    void checkFolder();

    // The clock of the run and the displays at each tick.
    void sample(double step, double sensorTemp, double setPoint, double volts);
    double seconds() const { return timeline_.seconds(); }
    const std::deque<Sample>& timeline() const { return timeline_.samples(); }
    static constexpr double timelineSeconds = lab::Timeline::keptSeconds; // ten minutes

signals:
    void sampled();
    // The file's place or its trouble changed.
    void fileChanged();

private:
    friend class RemoveRows;
    friend class EditNote;
    void insertAt(const QList<std::pair<int, Row>>& rows);
    void removeAt(const QList<int>& sortedIndices);
    void writeNote(int row, const QString& note);
    void saveAll();

    Autosave file_;
    std::unique_ptr<QUndoStack> undo_;
    int next_ = 1;
    lab::Timeline timeline_;
};

} // namespace journal
