// The screen's scale: twips (1/1440 inch) per physical pixel.
#pragma once

namespace screen {

double TwipsPerPixelX();
double TwipsPerPixelY();

}  // namespace screen
