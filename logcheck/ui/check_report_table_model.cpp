#include "check_report_table_model.h"

#include "logcheck/check_report.h"
#include "logcheck/cp932_utf8_table.h"

#include <QColor>

#include <climits>

namespace vermil {
namespace {

constexpr std::size_t rowsPerLine = 2;
// A view's rows are counted in int; a larger report shows its first rows.
constexpr std::size_t maxRows = INT_MAX - 1;

int rowsFor(std::size_t lines) {
    return static_cast<int>(std::min(lines * rowsPerLine, maxRows));
}

} // namespace

CheckReportTableModel::CheckReportTableModel(const CheckReport& report, QObject* parent)
    : QAbstractTableModel(parent), report_(report) {}

int CheckReportTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int CheckReportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant CheckReportTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_)
        return {};
    const std::size_t lineIndex = lineOfRow(index.row());
    const bool verdictRow = index.row() % 2 == 1;
    const CheckReport::Line& line = report_.line(lineIndex);
    if (role == Qt::DisplayRole) {
        std::string utf8;
        if (verdictRow) {
            utf8 = "  " + std::string(line.code.data(), line.code.size()) +
                   (line.ok ? "  OK" : "  NG");
        } else {
            appendCp932AsUtf8(utf8, report_.text(lineIndex));
        }
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }
    if (role == Qt::ForegroundRole && verdictRow && !line.ok)
        return QColor(200, 0, 0);
    return {};
}

void CheckReportTableModel::linesAdded(std::size_t, std::size_t) {
    const int rows = rowsFor(report_.size());
    if (rows <= rows_)
        return;
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
}

void CheckReportTableModel::reportCleared() {
    beginResetModel();
    rows_ = rowsFor(report_.size());
    endResetModel();
}

} // namespace vermil
