// Resource ids of the document, view and frame tests (5000-5999).
#pragma once

#define IDR_DV_NOTES 5000
#define IDR_DV_POPUP 5001
#define IDD_DV_FORM 5010
#define IDC_DV_NAME 5011
#define IDC_DV_COUNT 5012

#define ID_DV_VIEW_CMD 0x8500
#define ID_DV_DOC_CMD 0x8501
#define ID_DV_FRAME_CMD 0x8502
#define ID_DV_APP_CMD 0x8503
#define ID_DV_NO_HANDLER 0x8504
#define ID_DV_DISABLED_CMD 0x8505
#define IDS_DV_IDLE_TEXT 5020
