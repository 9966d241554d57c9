// The hidden main window: never shown, it anchors the tray icon and receives
// its callbacks and the hot keys, holds the two popup menus and the three
// timers of the delayed capture, and owns every other window of the program.
// Every request runs one road through it, from arming to idle (Road.cpp):
// a capture source makes the picture, an output takes it, and Deliver and
// Finish decide what follows.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>

#include "Capture.h"
#include "CommandLine.h"
#include "FrmAbout.h"
#include "FrmCustom.h"
#include "FrmOption.h"
#include "FrmPrint.h"
#include "SettingsStore.h"
#include "ShellRules.h"
#include "ShellState.h"
#include "UniqueHandle.h"
#include "WindowTimer.h"

class FrmRuxa final : RegionSelectionOwner, PrintDialogOwner, OptionsDialogOwner, AboutOwner {
public:
    static constexpr const wchar_t* ClassName = L"FrmRuxa";
    // The resident copy's window carries this property, and takes this
    // registered message from a second start: open the menu (or the dialog
    // that is up) for the user who started the program again.
    static constexpr const wchar_t* ResidentProperty = L"RuxaResident";
    static constexpr const wchar_t* OpenAgainMessage = L"RuxaOpenAgain";

    // Creates the window with the program's built-in icon, its menus and
    // timers. A resident run registers the enabled hot keys and keeps them
    // as the settings store them; a command-line run registers none.
    FrmRuxa(HINSTANCE instance, bool commandLine);
    ~FrmRuxa();
    FrmRuxa(const FrmRuxa&) = delete;
    FrmRuxa& operator=(const FrmRuxa&) = delete;

    HWND Handle() const { return window_; }
    // The icon the tray and the dialogs take; the window does not own it.
    void SetIcon(HICON icon);

    // The resident start's last steps: the options dialog loaded and
    // unloaded once unseen, the tray icon added, the shell idle.
    void StartResident();
    // One command-line run: the capture, then the print (at once or through
    // the confirmation); the run ends by itself (ExitCode).
    void RunCommandLine(const BasRuxa::CommandLineRequest& request);
    // Ends the run: the window goes (the hot keys, the tray icon and every
    // other window with it) and the message loop ends with `code`.
    void EndRun(BasRuxa::RunExit code);
    BasRuxa::RunExit ExitCode() const { return exitCode_; }

    // Timer1: desktop and region captures. Timer2: watches for the foreground
    // window to change. Timer3: the active-window capture after that change.
    WindowTimer& Timer1() { return timer1_; }
    WindowTimer& Timer2() { return timer2_; }
    WindowTimer& Timer3() { return timer3_; }
    // The window that was in the foreground at Timer2's first tick; null until then.
    HWND PrevForeground = nullptr;

    HMENU Pop_Menu1() const { return menu1_.get(); }
    HMENU Pop_Menu2() const { return menu2_.get(); }

    // A tray callback: the mouse message the icon reports.
    void TrayMessage(int message);
    // What the double-click action and the hot keys ask for.
    void RunCommand(shell::Command command);

    void Pop_DtCopy_Click();
    void Pop_AwCopy_Click();
    void Pop_RsCopy_Click();
    void Pop_FileCopy_Click();
    void Pop_DtCapture_Click();
    void Pop_AwCapture_Click();
    void Pop_RsCapture_Click();
    void Pop_FileCapture_Click();
    void Pop_Option_Click();
    void Pop_Help_Click();
    void Pop_About_Click();
    void Pop_End_Click();
    void Pop_Can_Click();

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // The windows it owns, made on first use.
    FrmPrint& PrintDialog();
    FrmOption& OptionsDialog();
    FrmAbout& AboutBox();
    FrmCustom& RegionSelection();

private:
    enum class Output { Print, Copy };

    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);
    void Destroyed();
    void BuildMenus();
    void ShowPopup(HWND owner, HMENU menu);
    void RunMenuItem(UINT id);
    void OpenAgain();
    void FollowStoredHotKeys(const SettingsModel& before, const SettingsModel& after);

    // The road (Road.cpp).
    void ArmTimer1(std::int16_t state);
    void ArmTimer2(std::int16_t state);
    // What ﾃﾞｽｸﾄｯﾌﾟ全体 takes as set: every monitor or the one under the pointer.
    Capture::DesktopArea DesktopAreaSet() const;
    PictureSurface CaptureDesktop(Capture::DesktopArea area);
    void SelectRegion(const BasRuxa::ShellRequest& request, Output output);
    void Deliver(const BasRuxa::ShellRequest& request, Output output, Capture::Captured captured);
    void Print(const BasRuxa::ShellRequest& request, PictureSurface picture);
    void Finish(const BasRuxa::ShellRequest& request, BasRuxa::RunExit outcome);

    void RegionChosen(PictureSurface region) override;
    void RegionCancelled() override;
    void ShowCancelMenu(HWND owner) override;
    void PrintDialogClosed(BasRuxa::RunExit outcome) override;
    void OptionsClosed() override;
    bool HotKeyRefused(int slot) const override;
    void AboutClosed() override;

    HWND window_ = nullptr;
    UINT taskbarCreated_ = 0;
    UINT openAgain_ = 0;
    WindowTimer timer1_{1};
    WindowTimer timer2_{2};
    WindowTimer timer3_{3};
    unique_hmenu menu1_;
    unique_hmenu menu2_;
    SettingsStore::Subscription hotKeysFollow_;
    BasRuxa::RunExit exitCode_ = BasRuxa::RunExit::Done;

    // A command-line run prints with the named setting it asked for, and
    // confirms when it asked to, whatever the settings say.
    struct RunPrint {
        PrintSettings print;
        std::int16_t lastSet = -1;
        bool confirm = false;
    };
    std::optional<RunPrint> commandLine_;
    // The request the region selection serves, and its output.
    BasRuxa::ShellRequest regionFor_ = BasRuxa::NoShellState;
    Output regionOutput_ = Output::Copy;

    std::unique_ptr<FrmPrint> frmPrint_;
    std::unique_ptr<FrmOption> frmOption_;
    std::unique_ptr<FrmAbout> frmAbout_;
    std::unique_ptr<FrmCustom> frmCustom_;
};
