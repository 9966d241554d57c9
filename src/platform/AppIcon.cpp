#include "AppIcon.h"

namespace AppIcon {
namespace {

HICON mainIcon = nullptr;

}  // namespace

HICON Main() { return mainIcon; }
void SetMain(HICON icon) { mainIcon = icon; }

}  // namespace AppIcon
