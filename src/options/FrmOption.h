// The options dialog, shown modeless from the tray menu and hot key slot 8.
#pragma once

namespace FrmOption {

// Shows the dialog; its closing returns the shell to idle.
void Show();

}  // namespace FrmOption
