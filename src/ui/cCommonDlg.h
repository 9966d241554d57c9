// The common dialogs behind properties: file open and save, font and help.
// One object serves one use: set the properties, call one Show method, read
// the results. The wide-character dialogs run underneath, so every length
// (MaxFileSize, the file title) counts characters.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

class cCommonDlg {
public:
    cCommonDlg();  // InitDir starts as the current directory

    const std::string& Filter() const { return filter_; }
    void Filter(std::string_view strNewFilter);
    void MaxFileSize(std::int32_t lngNewMaxFileSize) { maxFileSize_ = lngNewMaxFileSize; }
    void DialogTitle(std::string_view strNewDialogTitle) { dialogTitle_ = strNewDialogTitle; }
    void InitDir(std::string_view strNewInitDir) { initDir_ = strNewInitDir; }
    const std::string& FileName() const { return fileName_; }
    void FileName(std::string_view strNewFileName) { fileName_ = strNewFileName; }
    void FilterIndex(std::int16_t intNewFilterIndex) { filterIndex_ = intNewFilterIndex; }
    void Flags(std::int32_t lngNewFlags) { flags_ = lngNewFlags; }
    void DefaultExt(std::string_view strNewDefaultExt) { defaultExt_ = strNewDefaultExt; }
    const std::string& FileTitle() const { return fileTitle_; }
    void FileTitle(std::string_view strNewFileTitle) { fileTitle_ = strNewFileTitle; }

    const std::string& HelpFile() const { return helpFile_; }
    void HelpFile(std::string_view strNewHelpFile) { helpFile_ = strNewHelpFile; }
    std::int32_t HelpCommand() const { return helpCommand_; }
    void HelpCommand(std::int32_t lngNewHelpCommand) { helpCommand_ = lngNewHelpCommand; }
    std::int32_t HelpContext() const { return helpContext_; }
    void HelpContext(std::int32_t lngNewHelpContext) { helpContext_ = lngNewHelpContext; }
    // Held as a number: text that is not a whole 32-bit number is refused
    // (false) and the key keeps its value. No dialog uses the key.
    std::string HelpKey() const { return std::to_string(helpKey_); }
    bool HelpKey(std::string_view strNewHelpKey);

    // The owner of every dialog; its font seeds the font properties.
    HWND Form() const { return form_; }
    void Form(HWND NewForm);

    bool FontBold() const { return fontBold_; }
    void FontBold(bool bolNewFontBold) { fontBold_ = bolNewFontBold; }
    bool FontItalic() const { return fontItalic_; }
    void FontItalic(bool bolNewFontItalic) { fontItalic_ = bolNewFontItalic; }
    bool FontStrikethru() const { return fontStrikethru_; }
    void FontStrikethru(bool bolNewFontStrikethru) { fontStrikethru_ = bolNewFontStrikethru; }
    bool FontUnderline() const { return fontUnderline_; }
    void FontUnderline(bool bolNewFontUnderline) { fontUnderline_ = bolNewFontUnderline; }
    const std::string& FontName() const { return fontName_; }
    void FontName(std::string_view strNewFontName) { fontName_ = strNewFontName; }
    std::int16_t FontSize() const { return fontSize_; }
    void FontSize(std::int16_t intNewFontSize) { fontSize_ = intNewFontSize; }
    std::int32_t Max() const { return max_; }
    void Max(std::int32_t lngNewMax) { max_ = lngNewMax; }
    std::int32_t Min() const { return min_; }
    void Min(std::int32_t lngNewMin) { min_ = lngNewMin; }

    // With CancelError a cancelled file dialog sets CancelButton and empties
    // FileName; without it a cancel changes nothing.
    bool CancelError() const { return cancelError_; }
    void CancelError(bool bolNewCancelErr) { cancelError_ = bolNewCancelErr; }
    bool CancelButton() const { return cancelButton_; }
    // 1 runs ShowOpen, 2 ShowSave, 6 ShowHelp; any other value only stays.
    std::int16_t Action() const { return action_; }
    void Action(std::int16_t intNewAction);
    // The dialog service's extended error code of the last failure (0: none,
    // a plain cancel included) and its Japanese description.
    std::int32_t ErrNumber() const { return errNumber_; }
    std::string ErrDescription() const;

    void ShowOpen() { ShowFileDialog(1); }
    void ShowSave() { ShowFileDialog(2); }
    void ShowFont();
    void ShowHelp();

private:
    void ShowFileDialog(int kind);

    std::string filter_;
    std::string apiFilter_{"All Files (*.*)\0*.*\0", 20};
    std::int32_t maxFileSize_ = 255;
    std::string dialogTitle_ = "Open File";
    std::string initDir_;
    std::string fileName_;
    std::int16_t filterIndex_ = 0;
    std::int32_t flags_ = 0;
    std::string defaultExt_;
    std::string fileTitle_ = std::string(254, ' ');
    std::string helpFile_;
    std::int32_t helpCommand_ = 0;
    std::int32_t helpContext_ = 0;
    std::int32_t helpKey_ = 0;
    HWND form_ = nullptr;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    bool fontStrikethru_ = false;
    bool fontUnderline_ = false;
    std::string fontName_;
    std::int16_t fontSize_ = 0;
    std::int32_t max_ = 0;
    std::int32_t min_ = 0;
    COLORREF fontColour_ = 0;  // what the last font dialog returned, offered to the next
    bool cancelError_ = false;
    bool cancelButton_ = false;
    std::int16_t action_ = 0;
    std::int32_t errNumber_ = 0;
};
