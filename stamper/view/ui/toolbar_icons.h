#pragma once

#include "stamper/view/main_frame_texts.h"

#include <QIcon>

namespace vermil {

// The icon of a command's toolbar button, drawn as vectors so that it is sharp at
// every size and scale.
QIcon toolbarIcon(FrameCommand command);

} // namespace vermil
