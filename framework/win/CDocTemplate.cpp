#include "framework/win/CDocTemplate.h"

#include "framework/win/CCreateContext.h"
#include "framework/win/CDocument.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CWinApp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {}

void CDocTemplate::LoadTemplate() {
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const {
    rString.Empty();
    CString strings = m_strDocStrings;
    if (strings.IsEmpty())
        strings.LoadString(m_nIDResource);
    int start = 0;
    for (int part = 0; part < index; ++part) {
        const int next = strings.Find('\n', start);
        if (next < 0)
            return FALSE;
        start = next + 1;
    }
    const int end = strings.Find('\n', start);
    rString = end < 0 ? strings.Mid(start) : strings.Mid(start, end - start);
    return TRUE;
}

void CDocTemplate::AddDocument(CDocument* pDoc) {
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc) {
    if (pDoc->m_pDocTemplate == this)
        pDoc->m_pDocTemplate = nullptr;
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch) {
    rpDocMatch = nullptr;
    char full[MAX_PATH * 2] = {};
    if (::GetFullPathNameA(lpszPathName, sizeof full, full, nullptr) == 0)
        lstrcpynA(full, lpszPathName, sizeof full);
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        CDocument* pDoc = GetNextDoc(pos);
        if (pDoc->GetPathName().CompareNoCase(full) == 0) {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }
    CString ext;
    if (GetDocString(ext, filterExt) && !ext.IsEmpty()) {
        const CString path = full;
        const int dot = path.ReverseFind('.');
        if (dot >= 0) {
            const CString fileExt = path.Mid(dot);
            // The filter may list several extensions ("*.abc;*.def" or ".abc").
            int start = 0;
            while (start <= ext.GetLength()) {
                int end = ext.Find(';', start);
                if (end < 0)
                    end = ext.GetLength();
                CString one = ext.Mid(start, end - start);
                one.TrimLeft("* ");
                if (!one.IsEmpty() && one.CompareNoCase(fileExt) == 0)
                    return yesAttemptNative;
                start = end + 1;
            }
        }
    }
    return yesAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument() {
    if (m_pDocClass == nullptr)
        return nullptr;
    auto* pDocument = dynamic_cast<CDocument*>(m_pDocClass->CreateObject());
    if (pDocument == nullptr)
        return nullptr;
    AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
    if (m_pFrameClass == nullptr)
        return nullptr;
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    auto* pFrame = dynamic_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
    if (pFrame == nullptr)
        return nullptr;
    // A frame that fails to load has deleted itself (PostNcDestroy) when its window existed.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified() {
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL) {
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        CDocument* pDoc = GetNextDoc(pos); // the position moves on before the document goes
        pDoc->OnCloseDocument();
    }
}
