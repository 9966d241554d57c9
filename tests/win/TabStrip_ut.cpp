// The tab strip's hook of its container. What the options dialog uses of the
// strip is checked on that dialog: its style and font and a click on a tab
// (OptionsTest.OpensOn...), the client area it reports after a resize
// (OptionsTest.ANewDpi...). Its moves, BeforeClick and other styles are not
// used by the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Form.h"
#include "bastabStrip.h"
#include "cTabStrip.h"

namespace {

constexpr std::array Controls{ControlSpec{ControlKind::Container, 100, L"", 120, 120, 4500, 3000}};

// The strip finds its object through a property of the container named by
// the container's handle; going, it gives the container its own procedure back.
TEST(TabStrip, ContainerLinkIsAPropertyNamedByItsHandleAndGoesWithTheStrip) {
    Form form;
    ASSERT_TRUE(form.Create(FormSpec{L"タブ", 4800, 4200, Controls}, [](UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }));
    const HWND box = form.Item(100);
    const std::wstring name = bastabStrip::PropertyName(box);
    EXPECT_EQ(name, std::to_wstring(reinterpret_cast<INT_PTR>(box)));
    const LONG_PTR original = GetWindowLongPtrW(box, GWLP_WNDPROC);
    {
        cTabStrip strip;
        strip.PictureBox(box);
        EXPECT_EQ(GetPropW(box, name.c_str()), &strip);
        EXPECT_EQ(GetWindowLongPtrW(box, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&bastabStrip::TabStripProc));
        EXPECT_EQ(GetParent(strip.hwnd()), box);
    }
    EXPECT_EQ(GetWindowLongPtrW(box, GWLP_WNDPROC), original);
    EXPECT_EQ(GetPropW(box, name.c_str()), nullptr);
}

}  // namespace
