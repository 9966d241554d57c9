// The help pages ruxa.exe carries, written out where a browser can open them:
// once per version of the pages, into a folder of its own, whole or not at
// all.
#pragma once
#include <windows.h>

#include <string>

#include "ProgramHelp.h"

namespace help {

// The page's file in the written folder.
const wchar_t* PageFile(HelpPage page);

struct WrittenPages {
    std::wstring folder;  // the pages' folder; ends in "\" once they are there
    DWORD error = ERROR_SUCCESS;
};

// Makes sure `base`\<version of the pages>\ holds every page, the stylesheet
// and the pictures, making `base` as needed. A complete set found there is
// used as it is. A new set is written beside it under a name of this process,
// its marker last, and renamed into place, so neither a browser nor another
// copy of the program ever meets part of one, and a failure leaves nothing
// behind. On failure: the folder the pages were to go to and the first
// error met.
WrittenPages WritePages(const std::wstring& base);

}  // namespace help
