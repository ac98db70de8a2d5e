#include "check_report_table_model.h"

#include "logcheck/checker_dialog_model.h"
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

CheckReportTableModel::CheckReportTableModel(const CheckerDialogModel& model, QObject* parent)
    : QAbstractTableModel(parent), model_(model) {}

int CheckReportTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int CheckReportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

std::size_t CheckReportTableModel::lineOfRow(int row) const {
    return model_.shownLine(static_cast<std::size_t>(row) / rowsPerLine);
}

std::optional<int> CheckReportTableModel::rowOfLine(std::size_t line) const {
    const auto shown = model_.shownIndexOf(line);
    if (!shown || *shown * rowsPerLine >= static_cast<std::size_t>(rows_))
        return std::nullopt;
    return static_cast<int>(*shown * rowsPerLine);
}

QVariant CheckReportTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_)
        return {};
    const CheckReport& report = model_.report();
    const std::size_t lineIndex = lineOfRow(index.row());
    const bool verdictRow = index.row() % 2 == 1;
    const CheckReport::Line& line = report.line(lineIndex);
    if (role == Qt::DisplayRole) {
        std::string utf8;
        if (verdictRow) {
            utf8 = "  " + std::string(line.code.data(), line.code.size()) +
                   (line.ok ? "  OK" : "  NG");
        } else {
            appendCp932AsUtf8(utf8, report.text(lineIndex));
        }
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }
    if (role == Qt::ForegroundRole && verdictRow && !line.ok)
        return QColor(200, 0, 0);
    return {};
}

QVariant CheckReportTableModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (orientation != Qt::Vertical || section < 0 || section >= rows_)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    if (section % 2 == 1)
        return QString();
    return QString::number(lineOfRow(section) + 1);
}

void CheckReportTableModel::linesAdded() {
    const int rows = rowsFor(model_.shownLineCount());
    if (rows <= rows_)
        return;
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
}

void CheckReportTableModel::reset() {
    beginResetModel();
    rows_ = rowsFor(model_.shownLineCount());
    endResetModel();
}

} // namespace vermil
