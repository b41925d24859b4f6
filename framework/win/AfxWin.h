// The window framework in one include: application, message maps and command routing, windows,
// dialogs and data exchange.
#pragma once

#include "framework/win/AfxMsgMap.h"
#include "framework/win/AfxPriv.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CCmdTarget.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CCommandLineInfo.h"
#include "framework/win/CDC.h"
#include "framework/win/CDataExchange.h"
#include "framework/win/CDialog.h"
#include "framework/win/CFont.h"
#include "framework/win/CGdiObject.h"
#include "framework/win/CMenu.h"
#include "framework/win/CRecentFileList.h"
#include "framework/win/CRgn.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "framework/win/CWinThread.h"
#include "framework/win/CWnd.h"
