#include "grid/core/CGEGridCore.h"

#include "framework/core/CResourceException.h"
#include "framework/win/CDocument.h"
#include "framework/win/CWnd.h"
#include "grid/core/CGEAbstractControlFactory.h"
#include "grid/core/CGEAbstractGridProfileImp.h"
#include "grid/core/CGEAbstractSheetNameImp.h"
#include "grid/core/CGEAutoScrollPlugin.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEPluginComponent.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"

#include <algorithm>

CGEGridCore::CGEGridCore(CWnd* pGridWnd, CDocument* pDocument, BOOL bIsView)
    : m_pAppState(GEGetLibraryState()), m_pGridWnd(pGridWnd), m_pDocument(pDocument), m_bIsView(bIsView),
      m_autoDeleteList(10), m_pluginList(10), m_recycledStyles(10), m_exclusionRects(10), m_refreshRects(10) {
    m_pDataClass = RUNTIME_CLASS(CGEData);
    m_hcurDefault = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    m_bAlternateLook = m_pAppState->m_bAlternateLook;
    if (m_pAppState->m_pControlFactory != nullptr)
        m_pAppState->m_pControlFactory->InstallGridFeatures(this);
}

CGEGridCore::~CGEGridCore() {
    // The current cell's control lets go of its cell before the controls go.
    m_pCurrentControl = nullptr;
    FreeGdiCache();
    ReleaseGridDC();
    if (m_bOwnParam)
        delete m_pParam;
    m_pParam = nullptr;

    while (!m_autoDeleteList.IsEmpty())
        delete static_cast<CObject*>(m_autoDeleteList.RemoveHead());

    delete m_pScratchStyle;
    delete m_pLookupStyle;
    delete m_pCurrentCellStyle;
    while (!m_recycledStyles.IsEmpty())
        delete static_cast<CGEStyle*>(m_recycledStyles.RemoveHead());
    m_pluginList.RemoveAll();
    for (auto& [id, pControl] : m_mapControls)
        delete pControl;
    m_mapControls.clear();
    while (!m_exclusionRects.IsEmpty())
        delete static_cast<CRect*>(m_exclusionRects.RemoveHead());
    while (!m_refreshRects.IsEmpty())
        delete static_cast<CRect*>(m_refreshRects.RemoveHead());
    m_pAppState->RemoveGrid(this);
}

void CGEGridCore::OnGridInitialUpdate() {
    WNDCLASSA wc{};
    HINSTANCE hInstance =
        AfxGetInstanceHandle() != nullptr ? AfxGetInstanceHandle() : ::GetModuleHandleA(nullptr);
    if (!::GetClassInfoA(hInstance, "GEWND", &wc))
        AfxThrowResourceException(); // the engine has not started (GEInitializeLibrary)

    m_pAppState->m_bSuppressStoreOnKillFocus = FALSE;
    POSITION pos = m_pluginList.GetHeadPosition();
    while (pos != nullptr)
        static_cast<CGEPluginComponent*>(m_pluginList.GetNext(pos))->PlugIn(m_pGridWnd);

    if (m_pScratchStyle == nullptr)
        m_pScratchStyle = CreateStyle();
    m_pStyleClass = m_pScratchStyle->GetRuntimeClass();

    if (m_pParam == nullptr)
        SetParam(nullptr, TRUE);
    m_pAppState->AddGridForObject(m_pParam, this);

    CGEAbstractGridProfileImp* pProfile = m_pAppState->m_pProfileImp;
    if (m_pParam->GetProperties() == nullptr) {
        auto* pProperties = new CGEProperties;
        pProperties->AddDefaults();
        if (pProfile != nullptr)
            pProfile->ReadProperties(pProperties);
        m_pParam->SetProperties(pProperties, TRUE);
    }
    m_pAppState->AddGridForObject(m_pParam->GetProperties(), this);

    if (m_pParam->GetStylesMap() == nullptr) {
        auto* pStylesMap = new CGEStylesMap;
        pStylesMap->SetStyleClass(m_pStyleClass);
        CreateStandardStyles(*pStylesMap);
        if (CGEAbstractControlFactory* pFactory = m_pAppState->m_pControlFactory) {
            pFactory->RegisterControlNames(*pStylesMap);
            pFactory->RegisterUserAttributes(*pStylesMap);
        }
        if (pProfile != nullptr)
            pProfile->ReadStylesMap(pStylesMap);
        m_pParam->SetStylesMap(pStylesMap, TRUE);
    }
    m_pAppState->AddGridForObject(m_pParam->GetStylesMap(), this);

    TakeBaseStyles();
    if (m_pStyleStandard != nullptr && m_pStyleStandard->GetIncludeControl())
        GetRegisteredControl(m_pStyleStandard->GetControl());
    else
        CreateStandardStyles(*GetStylesMap()); // a map made elsewhere gets the three standard styles

    if (m_pParam->GetData() == nullptr) {
        auto* pData = static_cast<CGEData*>(m_pDataClass->CreateObject());
        m_pParam->SetData(pData, TRUE);
        pData->InitParam(m_pParam);
    }
    m_pAppState->AddGridForObject(m_pParam->GetData(), this);

    m_pParam->SetInit(TRUE);
    m_nZoom = m_pParam->GetZoom();
    m_bInitDone = TRUE;

    m_nTopRow = std::max(m_nTopRow, GetFrozenRows() + 1);
    m_nLeftCol = std::max(m_nLeftCol, GetFrozenCols() + 1);

    if (m_pAppState->m_pSheetNameImp != nullptr)
        m_pAppState->m_pSheetNameImp->SetSheetName(m_pGridWnd, m_pParam->m_strName);

    if (m_pParam->m_bCurrentCell && m_pParam->m_nCurrentRow <= GetRowCount() &&
        m_pParam->m_nCurrentCol <= GetColCount()) {
        StoreCurrentCell(TRUE, m_pParam->m_nCurrentRow, m_pParam->m_nCurrentCol);
        RefreshCurrentCell(FALSE);
    }
    if (m_pParam->m_bPendingRange) {
        const CGECellRange& r = m_pParam->m_PendingRange;
        SetSelection(nullptr, r.top, r.left, r.bottom, r.right);
        m_pParam->m_bPendingRange = FALSE;
        UpdateScrollbars();
    }
}

void CGEGridCore::SetParam(CGEGridParam* pParam, BOOL bOwn) {
    if (pParam == nullptr) {
        pParam = new CGEGridParam;
        bOwn = TRUE;
    }
    if (pParam == m_pParam) {
        m_bOwnParam = bOwn;
        return;
    }
    if (m_pParam != nullptr) {
        m_pAppState->RemoveGrid(this);
        if (m_bOwnParam)
            delete m_pParam;
    }
    m_pParam = pParam;
    m_bOwnParam = bOwn;
    ResetBaseStyles();
    ResetCurrentCellStyleCache();
    m_bCurrentCell = FALSE;
    m_pCurrentControl = nullptr;
    ResetLastVisible();
    m_bCacheValid = FALSE;
}

CGEData* CGEGridCore::GetData() const {
    return m_pParam != nullptr ? m_pParam->GetData() : nullptr;
}

CGEProperties* CGEGridCore::GetProperties() const {
    return m_pParam != nullptr ? m_pParam->GetProperties() : nullptr;
}

CGEStylesMap* CGEGridCore::GetStylesMap() const {
    return m_pParam != nullptr ? m_pParam->GetStylesMap() : nullptr;
}

void CGEGridCore::SetModifiedFlag(BOOL bModified) {
    if (m_pDocument != nullptr)
        m_pDocument->SetModifiedFlag(bModified);
}

void CGEGridCore::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    if (m_pDocument != nullptr && m_bHintsEnabled)
        m_pDocument->UpdateAllViews(pSender, lHint, pHint);
}

CRect CGEGridCore::GetGridArea() const {
    CRect rect;
    if (m_bPrinting)
        rect = m_rectPrint;
    else if (m_bGridRect)
        rect = m_rectGrid;
    else if (m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr)
        m_pGridWnd->GetClientRect(&rect);
    if (rect.right < rect.left || rect.bottom < rect.top)
        rect.SetRectEmpty();
    return rect;
}

void CGEGridCore::SetGridRect(BOOL bSet, LPCRECT pRect) {
    m_bGridRect = bSet && pRect != nullptr;
    if (m_bGridRect)
        m_rectGrid = *pRect;
    ResetLastVisible();
    m_bCacheValid = FALSE;
}

void CGEGridCore::AddPlugin(CGEPluginComponent* pPlugin) {
    if (pPlugin != nullptr && m_pluginList.Find(pPlugin) == nullptr)
        m_pluginList.AddTail(pPlugin);
}

BOOL CGEGridCore::DispatchToPlugins(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    POSITION pos = m_pluginList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pPlugin = static_cast<CGEPluginComponent*>(m_pluginList.GetNext(pos));
        if (pPlugin->OnPluginMessage(message, wParam, lParam, pResult))
            return TRUE;
    }
    return FALSE;
}

void CGEGridCore::AddAutoDeleteObject(CObject* pObject) {
    if (pObject != nullptr)
        m_autoDeleteList.AddHead(pObject);
}

void CGEGridCore::InstallAutoScroll() {
    if (m_pAutoScrollPlugin == nullptr) {
        m_pAutoScrollPlugin = new CGEAutoScrollPlugin(this);
        AddAutoDeleteObject(m_pAutoScrollPlugin);
        AddPlugin(m_pAutoScrollPlugin);
    }
}

BOOL CGEGridCore::IsReadOnly() {
    return m_pParam != nullptr && m_pParam->IsReadOnly();
}

void CGEGridCore::SetReadOnly(BOOL bReadOnly) {
    if (m_pParam != nullptr)
        m_pParam->SetReadOnly(bReadOnly);
}
