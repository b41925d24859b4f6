// Resource ids of the drawing and menu tests (4000-4999).
#pragma once

#define IDB_GDI_TEST 4000
#define IDR_GDI_MENU 4001
#define IDR_GDI_ACCEL 4002

#define ID_GDI_NEW 4100
#define ID_GDI_OPEN 4101
#define ID_GDI_SAVE 4102
#define ID_GDI_CHECKED 4103
#define ID_GDI_GRAYED 4104
#define ID_GDI_ZOOM_IN 4110
#define ID_GDI_ZOOM_OUT 4111
#define ID_GDI_HELP 4120
