// The two popup menus of the main window, built once with it.
#pragma once

namespace FrmRuxa {

void BuildMenus();

}  // namespace FrmRuxa
