#include "journal/journal.h"

#include "ui/decimal.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMap>
#include <QUndoCommand>

#include <algorithm>

namespace journal {

// ---------------------------------------------------------------- RowsModel

RowsModel::RowsModel(QObject* parent) : QAbstractTableModel(parent), decimal_(ui::decimalSeparator()) {}

int RowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columnTotal;
}

QVariant RowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const Row& r = rows_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return shownCellText(r, index.column(), decimal_);
    case Qt::EditRole:
        return cellText(r, index.column(), decimal_);
    case Qt::ToolTipRole:
        return numberTip(r, index.column());
    case Qt::TextAlignmentRole:
        if (index.column() == colBemerkung || index.column() == colVorwiderstand)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

// The plain number a file holds beside a cell, with its unit, where there is one.
QVariant RowsModel::numberTip(const Row& r, int column) const
{
    static const QMap<int, std::pair<int, QString>> numbers = {
        {colZeit, {colSekunden, QStringLiteral(" s")}},
        {colAnzeige, {colVolt, QStringLiteral(" V")}},
        {colVorwiderstand, {colOhm, QStringLiteral(" Ohm")}}};
    const auto it = numbers.constFind(column);
    if (it == numbers.cend())
        return {};
    const QString number = cellText(r, it->first, decimal_);
    return number.isEmpty() ? QVariant() : QVariant(number + it->second);
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnTotal)
        return {};
    return shownColumnName(section);
}

void RowsModel::setRows(QList<Row> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

// ---------------------------------------------------------------- undo steps

class RemoveRows : public QUndoCommand {
public:
    RemoveRows(Journal& j, QList<std::pair<int, Row>> rows)
        : QUndoCommand(QCoreApplication::translate("journal::Journal", "Zeilen löschen")), journal_(j),
          rows_(std::move(rows))
    {
    }
    void redo() override
    {
        QList<int> indices;
        for (const auto& [i, r] : rows_)
            indices << i;
        journal_.removeAt(indices);
    }
    void undo() override { journal_.insertAt(rows_); }

private:
    Journal& journal_;
    QList<std::pair<int, Row>> rows_; // ascending by index
};

class EditNote : public QUndoCommand {
public:
    EditNote(Journal& j, int nr, QString before, QString after)
        : QUndoCommand(QCoreApplication::translate("journal::Journal", "Bemerkung ändern")), journal_(j),
          nr_(nr), before_(std::move(before)), after_(std::move(after))
    {
    }
    void redo() override { apply(after_); }
    void undo() override { apply(before_); }

private:
    void apply(const QString& note)
    {
        const auto& rows = journal_.rows();
        for (int i = 0; i < rows.size(); ++i)
            if (rows[i].nr == nr_)
                journal_.writeNote(i, note);
    }
    Journal& journal_;
    int nr_;
    QString before_, after_;
};

// ---------------------------------------------------------------- Journal

Journal::Journal(QObject* parent) : Journal(journalFolder(), parent) {}

Journal::Journal(const QString& folder, QObject* parent)
    : RowsModel(parent), file_(folder, QDateTime::currentDateTime(), csvFormatFor(QLocale())),
      undo_(std::make_unique<QUndoStack>())
{
}

Journal::~Journal() = default;

const Row& Journal::record(Row row)
{
    row.nr = next_++;
    row.seconds = timeline_.recordSecond();
    const int at = static_cast<int>(rows_.size());
    beginInsertRows({}, at, at);
    rows_.append(std::move(row));
    endInsertRows();
    const bool hadFile = file_.exists();
    const bool wasWorking = file_.working();
    file_.append(rows_);
    if (hadFile != file_.exists() || wasWorking != file_.working())
        emit fileChanged();
    return rows_.last();
}

void Journal::removeRowsAt(const QList<int>& indices)
{
    QList<int> sorted = indices;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    QList<std::pair<int, Row>> taken;
    for (int i : sorted)
        if (i >= 0 && i < rows_.size())
            taken.append({i, rows_[i]});
    if (taken.isEmpty())
        return;
    undo_->push(new RemoveRows(*this, std::move(taken)));
}

Qt::ItemFlags Journal::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = RowsModel::flags(index);
    if (index.isValid() && index.column() == colBemerkung)
        f |= Qt::ItemIsEditable;
    return f;
}

bool Journal::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != colBemerkung ||
        index.row() >= rows_.size())
        return false;
    const QString note = value.toString();
    const Row& r = rows_[index.row()];
    if (note == r.bemerkung)
        return true;
    undo_->push(new EditNote(*this, r.nr, r.bemerkung, note));
    return true;
}

void Journal::insertAt(const QList<std::pair<int, Row>>& rows)
{
    for (const auto& [i, r] : rows) {
        const int at = std::min(i, static_cast<int>(rows_.size()));
        beginInsertRows({}, at, at);
        rows_.insert(at, r);
        endInsertRows();
    }
    saveAll();
}

void Journal::removeAt(const QList<int>& sortedIndices)
{
    for (auto it = sortedIndices.rbegin(); it != sortedIndices.rend(); ++it) {
        beginRemoveRows({}, *it, *it);
        rows_.removeAt(*it);
        endRemoveRows();
    }
    saveAll();
}

void Journal::writeNote(int row, const QString& note)
{
    rows_[row].bemerkung = note;
    emit dataChanged(index(row, colBemerkung), index(row, colBemerkung));
    saveAll();
}

void Journal::saveAll()
{
    const bool wasWorking = file_.working();
    file_.rewrite(rows_);
    if (wasWorking != file_.working())
        emit fileChanged();
}

void Journal::checkFolder()
{
    const bool wasWorking = file_.working();
    file_.checkFolder();
    if (wasWorking != file_.working())
        emit fileChanged();
}

void Journal::sample(double step, double sensorTemp, double setPoint, double volts)
{
    timeline_.sample(step, sensorTemp, setPoint, volts);
    emit sampled();
}

} // namespace journal
