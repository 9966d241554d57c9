// The small window that says the print is on its way to the printer. It has
// no buttons: it stands from the press of the print button until the job has
// been handed over.
#pragma once
#include "Form.h"
#include "UniqueHandle.h"

class FrmPrinting {
public:
    // Shows the window centred on the screen with the application's icon.
    void Load();
    void Unload();
    bool Loaded() const { return form_.Exists(); }

private:
    Form form_;
    unique_hicon builtInIcon_;
};
