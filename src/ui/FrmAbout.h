// The About box, shown modeless from the tray menu: the product, its version,
// and the project's web page and mail address, which open when clicked.
#pragma once
#include <windows.h>

#include "Form.h"
#include "UniqueHandle.h"

class AboutOwner {
public:
    virtual void AboutClosed() = 0;

protected:
    ~AboutOwner() = default;
};

class FrmAbout {
public:
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

    explicit FrmAbout(AboutOwner& owner) : owner_(owner) {}
    FrmAbout(const FrmAbout&) = delete;
    FrmAbout& operator=(const FrmAbout&) = delete;

    // Shows the box, or brings the open one to the front.
    void Show();
    // Closes it; the owner hears of it.
    void Unload();

    // The open box, nullptr when it is not loaded.
    Form* Window() { return form_.Exists() ? &form_ : nullptr; }

private:
    INT_PTR Form_Message(UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load();
    bool IsLink(HWND control) const;
    void LblURL_Click();
    void LblMail_Click();

    AboutOwner& owner_;
    Form form_;
    unique_hicon logo_;
};
