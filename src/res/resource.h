// Resource identifiers shared by the resource script and the code.
#pragma once

#define IDI_RUXA 1     // the program's icon, also the tray icon
#define IDI_PICICON 2  // 16 x 16 fallback when a custom icon file cannot be used
#define IDI_LOGO 3     // the About box's logo, drawn by make_logo.py
