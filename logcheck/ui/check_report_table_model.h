#pragma once

#include <QAbstractTableModel>

#include <optional>

namespace vermil {

class CheckerDialogModel;

// Shows the report as the result text reads: each log line shown, then a row
// with its computed code and verdict; the row header holds the line number.
// Rows are made when the view asks for them, from the lines the dialog's model
// shows (all, or an index of the NG lines), so nothing is copied.
class CheckReportTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CheckReportTableModel(const CheckerDialogModel& model, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Follow the dialog's model: call after lines were added, the report was
    // cleared or the shown lines changed.
    void linesAdded();
    void reset();

    // The log line a row belongs to, and the first row of a log line when it is shown.
    std::size_t lineOfRow(int row) const;
    std::optional<int> rowOfLine(std::size_t line) const;

private:
    const CheckerDialogModel& model_;
    int rows_ = 0;
};

} // namespace vermil
