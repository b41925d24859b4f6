#include "grid/core/CGELibraryState.h"

#include "framework/win/CFrameWnd.h"
#include "framework/win/CView.h"
#include "framework/win/CWinApp.h"
#include "framework/win/CWnd.h"
#include "grid/GridResource.h"
#include "grid/core/CGEAbstractControlFactory.h"
#include "grid/core/CGEAbstractSheetNameImp.h"
#include "grid/core/CGEAbstractStartupHook.h"
#include "grid/core/CGEControlFactory.h"
#include "grid/core/CGESysDrawInfo.h"

#include <cstdio>

namespace {

// String-table ids of the texts, in slot order.
constexpr UINT kTextIds[CGELibraryState::textWndClass] = {
    20139, 20140, 20141, 20142, 20143, 20144, 20145, 20146, 20162, 20163, 20164, 20165, 20147, 20148, 20150,
    20180, 20151, 20152, 20154, 20155, 20156, 20157, 20172, 20173, 20168, 20169, 20174, 20175, 20178, 20179};

// The module the engine's code and resources live in.
HINSTANCE EngineInstance() {
    HINSTANCE hInstance = AfxGetInstanceHandle();
    return hInstance != nullptr ? hInstance : ::GetModuleHandleA(nullptr);
}

// A copy of a system control class under our own name, usable by every module of the process.
void RegisterSystemCopy(HINSTANCE hInstance, LPCSTR pszSystemClass, LPCSTR pszName) {
    WNDCLASSA wc{};
    if (::GetClassInfoA(hInstance, pszName, &wc))
        return;
    if (!::GetClassInfoA(nullptr, pszSystemClass, &wc))
        return;
    wc.style |= CS_GLOBALCLASS;
    wc.hInstance = hInstance;
    wc.lpszClassName = pszName;
    ::RegisterClassA(&wc);
}

// A class of ours with DefWindowProc (the window's object subclasses it) and nothing else.
void RegisterPlainClass(HINSTANCE hInstance, LPCSTR pszName, UINT nStyle) {
    WNDCLASSA wc{};
    if (::GetClassInfoA(hInstance, pszName, &wc))
        return;
    wc = WNDCLASSA{};
    wc.style = nStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.lpszClassName = pszName;
    ::RegisterClassA(&wc);
}

} // namespace

CGELibraryState::CGELibraryState() : m_parentWndClasses(10), m_mapObjectGrids(10), m_autoDeleteList(10) {}

CGELibraryState::~CGELibraryState() {
    delete m_pControlFactory;
    m_pControlFactory = nullptr;
    delete m_pSheetNameImp;
    m_pSheetNameImp = nullptr;
    DeleteAutoDeleteObjects();
    POSITION pos = m_mapObjectGrids.GetStartPosition();
    while (pos != nullptr) {
        void* key = nullptr;
        void* value = nullptr;
        m_mapObjectGrids.GetNextAssoc(pos, key, value);
        delete static_cast<CPtrList*>(value);
    }
    m_mapObjectGrids.RemoveAll();
}

void CGELibraryState::DeleteAutoDeleteObjects() {
    while (!m_autoDeleteList.IsEmpty())
        delete static_cast<CObject*>(m_autoDeleteList.RemoveHead());
    m_pCoveredCellPoolImp = nullptr;
    m_pSpanCellPoolImp = nullptr;
    m_pDelayedRangePoolImp = nullptr;
    m_pPrintDeviceImp = nullptr;
    m_pStyleCompareSubsetImp = nullptr;
    m_pStyleSerializeImp = nullptr;
    m_pDocSerializeImp = nullptr;
    m_pProfileImp = nullptr;
    m_pParamCopyOperatorImp = nullptr;
    m_pSortMoveDataImp = nullptr;
    m_pDrawRotatedTextImp = nullptr;
    m_pDataCopyMoveCellsImp = nullptr;
    m_pLongOperationImp = nullptr;
    m_pLegacyCompatibleSerializeImp = nullptr;
    m_pNumberFormattingImp = nullptr;
    m_pOleDateTimeImp = nullptr;
}

void CGELibraryState::Initialize(DWORD, CGEAbstractControlFactory* pFactory, DWORD, DWORD) {
    const HINSTANCE hInstance = EngineInstance();

    char szFormat[32];
    std::snprintf(szFormat, sizeof szFormat, "Grid Styles %08x",
                  static_cast<unsigned>(reinterpret_cast<UINT_PTR>(hInstance)));
    m_uiClipboardFormat = ::RegisterClipboardFormatA(szFormat);

    if (pFactory != m_pControlFactory) {
        delete m_pControlFactory;
        m_pControlFactory = pFactory;
    }
    delete m_pSheetNameImp;
    m_pSheetNameImp = nullptr;

    const DWORD dwVersion = ::GetVersion();
    const BYTE nMajor = LOBYTE(LOWORD(dwVersion));
    const BYTE nMinor = HIBYTE(LOWORD(dwVersion));
    m_wVersion = static_cast<WORD>(nMajor * 256 + nMinor);
    m_bNotNT = (dwVersion & 0x80000000u) != 0;
    m_bNewShell = nMajor >= 4;
    m_bOldShell = !m_bNewShell;
    m_bWin32s = m_bNotNT && nMajor < 4;

    if (m_pControlFactory != nullptr)
        m_pControlFactory->InstallApplicationFeatures();

    const HINSTANCE hResources = AfxGetResourceHandle();
    LoadTexts();
    m_astrTexts[textWndClass] = AfxRegisterWndClass(CS_SAVEBITS);
    if (m_pControlFactory != nullptr)
        m_pControlFactory->RegisterWndClasses(hInstance);
    RegisterWindowClasses(hInstance);
    AfxSetResourceHandle(hResources);

    GEGetSysDrawInfo()->RefreshColors();
    if (m_pStartupHook != nullptr)
        m_pStartupHook->Startup();
    m_bInitialized = 1;
}

void CGELibraryState::LoadTexts() {
    for (int i = 0; i < textWndClass; ++i)
        m_astrTexts[i].LoadString(kTextIds[i]);
    m_strAbortQuestion.LoadString(GE_IDS_ABORT_QUESTION);
    m_strProcessing.LoadString(GE_IDS_PROCESSING);
    m_strDone.LoadString(GE_IDS_DONE);
    m_strPressEsc.LoadString(GE_IDS_PRESS_ESC);
}

void CGELibraryState::RegisterWindowClasses(HINSTANCE hInstance) {
    RegisterSystemCopy(hInstance, "edit", "GEEDIT");
    RegisterSystemCopy(hInstance, "listbox", "GELISTBOX");
    RegisterSystemCopy(hInstance, "combobox", "GECOMBOBOX");
    RegisterPlainClass(hInstance, "GEWND", CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    RegisterPlainClass(hInstance, "GENDBLCLKSWND", CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW);
    RegisterPlainClass(hInstance, "GeMdiFrame", CS_GLOBALCLASS | CS_DBLCLKS);
}

void CGELibraryState::AddAutoDeleteObject(CObject* pObject) {
    if (pObject != nullptr)
        m_autoDeleteList.AddHead(pObject);
}

void CGELibraryState::AddParentWindowClass(CRuntimeClass* pClass) {
    if (pClass != nullptr && m_parentWndClasses.Find(pClass) == nullptr)
        m_parentWndClasses.AddTail(pClass);
}

CWnd* CGELibraryState::FindParentWindow(CWnd* pWnd) const {
    POSITION pos = m_parentWndClasses.GetHeadPosition();
    while (pos != nullptr) {
        auto* pClass = static_cast<CRuntimeClass*>(m_parentWndClasses.GetNext(pos));
        if (CWnd* pParent = GEGetParentOfKind(pWnd, pClass, TRUE))
            return pParent;
    }
    return nullptr;
}

void CGELibraryState::AddGridForObject(const void* pObject, CGEGridCore* pGrid) {
    void* value = nullptr;
    if (!m_mapObjectGrids.Lookup(const_cast<void*>(pObject), value)) {
        value = new CPtrList(10);
        m_mapObjectGrids.SetAt(const_cast<void*>(pObject), value);
    }
    static_cast<CPtrList*>(value)->AddTail(pGrid);
}

CGEGridCore* CGELibraryState::GetFirstGridForObject(const void* pObject) const {
    void* value = nullptr;
    if (!m_mapObjectGrids.Lookup(const_cast<void*>(pObject), value))
        return nullptr;
    auto* pList = static_cast<CPtrList*>(value);
    return pList->IsEmpty() ? nullptr : static_cast<CGEGridCore*>(pList->GetHead());
}

int CGELibraryState::GetGridCountForObject(const void* pObject) const {
    void* value = nullptr;
    if (!m_mapObjectGrids.Lookup(const_cast<void*>(pObject), value))
        return 0;
    return static_cast<int>(static_cast<CPtrList*>(value)->GetCount());
}

void CGELibraryState::RemoveGrid(CGEGridCore* pGrid) {
    CPtrList emptied;
    POSITION pos = m_mapObjectGrids.GetStartPosition();
    while (pos != nullptr) {
        void* key = nullptr;
        void* value = nullptr;
        m_mapObjectGrids.GetNextAssoc(pos, key, value);
        auto* pList = static_cast<CPtrList*>(value);
        while (POSITION found = pList->Find(pGrid))
            pList->RemoveAt(found);
        if (pList->IsEmpty())
            emptied.AddTail(key);
    }
    while (!emptied.IsEmpty()) {
        void* key = emptied.RemoveHead();
        void* value = nullptr;
        m_mapObjectGrids.Lookup(key, value);
        delete static_cast<CPtrList*>(value);
        m_mapObjectGrids.RemoveKey(key);
    }
}

CGELibraryState* GEGetLibraryState() {
    static CGELibraryState state;
    return &state;
}

void GEInitializeLibrary(DWORD dwLanguage, DWORD dwPath1, DWORD dwPath2) {
    GEGetLibraryState()->Initialize(dwLanguage, new CGEControlFactory, dwPath1, dwPath2);
}

CWnd* GEGetParentOfKind(const CWnd* pWnd, CRuntimeClass* pClass, BOOL bDirectOnly) {
    if (pWnd == nullptr)
        return nullptr;
    CWnd* pParent = pWnd->GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(pClass))
        return nullptr;
    if (bDirectOnly)
        return pParent;
    for (CWnd* pAncestor = pParent; pAncestor != nullptr; pAncestor = pAncestor->GetParent()) {
        if (pAncestor->IsIconic())
            return nullptr;
    }
    return pParent;
}

CView* GEGetActiveView() {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pApp->m_pMainWnd == nullptr || !pApp->m_pMainWnd->IsFrameWnd())
        return nullptr;
    auto* pFrame = static_cast<CFrameWnd*>(pApp->m_pMainWnd);
    if (CView* pView = pFrame->GetActiveView())
        return pView;
    CFrameWnd* pActive = pFrame->GetActiveFrame();
    return pActive != nullptr ? pActive->GetActiveView() : nullptr;
}
