// The system's default printer as the first start records it.
#pragma once
#include "Settings.h"

// Device name, orientation, paper source and size of the default printer, or
// all empty and zero when no printer is installed.
DefaultPrinterInfo QueryDefaultPrinter();
