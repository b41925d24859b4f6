// CCreateContext: what a frame needs to build its views when it is created for a document: the view
// class to create, the document the views show, the template that made them and the frame the new one
// copies its layout from.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CRuntimeClass.h"

class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;

struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
