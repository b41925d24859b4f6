// Resource ids of the frame layout tests: a frame with a splitter, a tool bar and a status bar
// (7500-7599).
#pragma once

// The frame: menu and title.
#define IDR_FB_FRAME 7500
// Tool bar buttons and menu commands, with their strings ("prompt\ntip").
#define IDR_FB_TOOLBAR 7501
#define ID_FB_ADD_ENTRY 7510
#define ID_FB_DELETE_ENTRY 7511
#define ID_FB_START_TIMER 7512
#define ID_FB_FILTER 7513
#define ID_FB_REPORT 7514
#define ID_FB_PLAIN 7515    // a prompt without a tip
#define ID_FB_NOSTRING 7516 // a command without a string
// Status bar indicator.
#define IDS_FB_TOTAL 7520
