// The About box, shown modeless from the tray menu: the product, its version,
// and the project's web page and mail address, which open when clicked.
#pragma once

class Form;

namespace FrmAbout {

enum ControlId : int {
    Command2 = 1,  // OK
    Picture2 = 10,
    Label1,
    Label2,
    Label3,
    LblURL,
    LblMail,
    Label4,
    Line1,
    Line2,
};

// Shows the box, or brings the open one to the front.
void Show();
// Closes it; the shell returns to idle.
void Unload();

// The open box, nullptr when it is not loaded.
Form* Window();

}  // namespace FrmAbout
