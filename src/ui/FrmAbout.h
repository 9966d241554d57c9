// The About box, shown modeless from the tray menu.
#pragma once

namespace FrmAbout {

// Shows the box; its closing returns the shell to idle.
void Show();

}  // namespace FrmAbout
