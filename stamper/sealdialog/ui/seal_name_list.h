#pragma once

#include <QListWidget>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vermil {

// The seals of the seal dialog and the password change, by name, one to choose.
// Only a selection is a choice: the list makes its first entry current when it
// gets the focus, and that must not pick a seal.
class SealNameList : public QListWidget {
    Q_OBJECT

public:
    explicit SealNameList(QWidget* parent = nullptr);

    // The names (CP932) in their order; no choice is reported for them.
    void setNames(const std::vector<std::string>& names);
    // Marks the model's row, if any, without reporting it as a choice.
    void showRow(std::optional<std::size_t> row);

signals:
    void rowChosen(int row);
};

} // namespace vermil
