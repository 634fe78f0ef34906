#pragma once

#include <QIcon>
#include <QPixmap>

namespace shell {

// The program's picture (a mixer, test cubes and a control chart), 240 × 180 at its natural
// size, drawn at `size`. The splash and the About window show it.
QPixmap programPicture(QSize size = QSize(240, 180));

// The program's icon.
QIcon programIcon();

} // namespace shell
