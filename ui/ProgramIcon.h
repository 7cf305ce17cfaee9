#pragma once

#include <QIcon>
#include <QPixmap>

namespace zeft::ui {

// The maker's logo, 84 by 108 pixels (the About box), and the program's window icon. Both
// are drawn, so that the program needs no picture files for them.
QPixmap MakerLogo();
QIcon ProgramIcon();

} // namespace zeft::ui
