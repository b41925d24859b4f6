// What a grid view (CGEGridView, CGEBrowserView) does for its grid core at each view step; one place for
// both view classes.
#pragma once

#include "framework/core/AfxDefs.h"

class CDC;
class CGEGridCore;
class CObject;
class CPrintInfo;
class CView;

namespace gegridview {

// The document, the sending view and the scroll bars; then the core's initialisation.
void InitialUpdate(CView* pView, CGEGridCore* pGrid);
// Screen: the grid's paint. Printing: the current page through the print feature.
void Draw(CView* pView, CGEGridCore* pGrid, CDC* pDC);
// A grid hint goes to the update-hint feature; anything else redraws the grid.
void Update(CView* pView, CGEGridCore* pGrid, CView* pSender, CObject* pHint);
void BeginPrinting(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo);
void Print(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo);
void EndPrinting(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo);

} // namespace gegridview
