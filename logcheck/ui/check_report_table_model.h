#pragma once

#include <QAbstractTableModel>

namespace vermil {

class CheckReport;

// Shows the report as the result text reads: each log line, then a row with
// its computed code and verdict. Rows are made when the view asks for them.
class CheckReportTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CheckReportTableModel(const CheckReport& report, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Follow the report: call after lines were added or the report was cleared.
    void linesAdded(std::size_t first, std::size_t count);
    void reportCleared();

    // The log line a row belongs to.
    static std::size_t lineOfRow(int row) { return static_cast<std::size_t>(row) / 2; }

private:
    const CheckReport& report_;
    int rows_ = 0;
};

} // namespace vermil
