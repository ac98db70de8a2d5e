#pragma once

#include <QIcon>

namespace vermil {

// The manager's icon: a small date seal drawn by the seal painter.
QIcon managerIcon();

} // namespace vermil
