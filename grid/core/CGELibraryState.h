// CGELibraryState: the grid engine's one process-wide state (GEGetLibraryState). It holds the control
// factory, the application-wide feature objects, the texts loaded at start-up, the operating-system
// version block, the registered clipboard format and the map from shared objects (parameter objects and
// what hangs from them) to the grids that use them. Only the user-interface thread touches it.
#pragma once

#include "framework/core/CMapPtrToPtr.h"
#include "framework/core/CPtrList.h"
#include "framework/core/CString.h"

struct CRuntimeClass;
class CObject;
class CWnd;
class CGEAbstractControlFactory;
class CGEAbstractSheetNameImp;
class CGEAbstractStartupHook;
class CGEAbstractCoveredCellPoolImp;
class CGEAbstractSpanCellPoolImp;
class CGEAbstractDelayedRangePoolImp;
class CGEAbstractPrintDeviceImp;
class CGEAbstractStyleCompareSubsetImp;
class CGEAbstractStyleSerializeImp;
class CGEAbstractGridDocSerializeImp;
class CGEAbstractGridProfileImp;
class CGEAbstractGridParamCopyOperatorImp;
class CGEAbstractGridSortMoveDataImp;
class CGEAbstractDrawRotatedTextImp;
class CGEAbstractDataCopyMoveCellsImp;
class CGEAbstractLongOperationImp;
class CGEAbstractSerializeLegacyCompatibleImp;
class CGEAbstractNumberFormattingImp;
class CGEAbstractOleDateTimeImp;
class CGEGridCore;

class CGELibraryState {
public:
    // The texts loaded at start-up, in slot order.
    enum Text {
        textRedoing,
        textUndoing,
        textGeneratingUndo,
        textStoringCells,
        textRestoringCells,
        textCells,
        textRemovingRows,
        textRemovingCols,
        textMoveRows,
        textMoveCols,
        textInsertRows,
        textInsertCols,
        textCopyingText,
        textCopyingInternal,
        textCutData,
        textClearCells,
        textCuttingData,
        textPastingData,
        textPaste,
        textReplacing,
        textReplaceAll,
        textSearching,
        textResizingRows,
        textResizingCols,
        textFreezeCols,
        textFreezeRows,
        textCurrentCell,
        textClipboardSize,
        textCopy,
        textMove,
        textWndClass, // the generated name of the class registered with CS_SAVEBITS (pop-up windows)
        textCount
    };

    CGELibraryState();
    ~CGELibraryState();
    CGELibraryState(const CGELibraryState&) = delete;
    CGELibraryState& operator=(const CGELibraryState&) = delete;

    // Start-up: clipboard format, factory (taken over; an earlier one is deleted), version block,
    // application-wide features, texts, window classes, system colours, start-up hook; then initialised.
    // The language and the two paths have no effect.
    void Initialize(DWORD dwLanguage, CGEAbstractControlFactory* pFactory, DWORD dwPath1, DWORD dwPath2);
    BOOL IsInitialized() const { return m_bInitialized; }

    // Objects deleted at shutdown (installers of application-wide features add theirs), newest first.
    void AddAutoDeleteObject(CObject* pObject);
    // Parent windows of these classes count as a grid's frame (CGEView).
    void AddParentWindowClass(CRuntimeClass* pClass);
    // The direct parent of pWnd of the first registered class that has one; null when none.
    CWnd* FindParentWindow(CWnd* pWnd) const;

    // Which grids use a shared object (parameter object, properties, styles map, cell data).
    void AddGridForObject(const void* pObject, CGEGridCore* pGrid);
    CGEGridCore* GetFirstGridForObject(const void* pObject) const;
    // Removes the grid from every list; an emptied list and its key go.
    void RemoveGrid(CGEGridCore* pGrid);
    // The grids registered for an object (empty when none).
    int GetGridCountForObject(const void* pObject) const;

    const CString& GetText(Text nText) const { return m_astrTexts[nText]; }

    DWORD m_bInitialized = 0;
    UINT m_uiClipboardFormat = 0;
    CString m_astrTexts[textCount];
    // Texts of the long-operation feature.
    CString m_strAbortQuestion, m_strProcessing, m_strDone, m_strPressEsc;

    // Operating-system version: major * 256 + minor, and the flags derived from GetVersion.
    WORD m_wVersion = 0;
    BOOL m_bNotNT = FALSE;
    BOOL m_bNewShell = FALSE;
    BOOL m_bOldShell = FALSE;
    BOOL m_bWin32s = FALSE;

    // While set, a grid that loses the focus does not store its current cell (each grid clears it when
    // it initialises; pop-ups set it while they open).
    BOOL m_bSuppressStoreOnKillFocus = FALSE;
    // Copied into each grid at construction: the alternative look (check boxes, frames).
    BOOL m_bAlternateLook = TRUE;
    BOOL m_bNoClipWhenPrinting = FALSE;
    // The alternative drawing path clips each row to its band while this is set.
    BOOL m_bClipRowsWhenDrawing = TRUE;
    // Set while a drop-down list or a gadget's pop-up is being created, closed or destroyed.
    BOOL m_bDropDownLock = FALSE;
    BOOL m_bPopupCreating = FALSE;

    CGEAbstractControlFactory* m_pControlFactory = nullptr; // owned
    CGEAbstractSheetNameImp* m_pSheetNameImp = nullptr;     // owned

    // Application-wide feature objects; each installer adds its object to the auto-delete list.
    CGEAbstractCoveredCellPoolImp* m_pCoveredCellPoolImp = nullptr;
    CGEAbstractSpanCellPoolImp* m_pSpanCellPoolImp = nullptr;
    CGEAbstractDelayedRangePoolImp* m_pDelayedRangePoolImp = nullptr;
    CGEAbstractPrintDeviceImp* m_pPrintDeviceImp = nullptr;
    CGEAbstractStyleCompareSubsetImp* m_pStyleCompareSubsetImp = nullptr;
    CGEAbstractStyleSerializeImp* m_pStyleSerializeImp = nullptr;
    CGEAbstractGridDocSerializeImp* m_pDocSerializeImp = nullptr;
    CGEAbstractGridProfileImp* m_pProfileImp = nullptr;
    CGEAbstractGridParamCopyOperatorImp* m_pParamCopyOperatorImp = nullptr;
    CGEAbstractGridSortMoveDataImp* m_pSortMoveDataImp = nullptr;
    CGEAbstractDrawRotatedTextImp* m_pDrawRotatedTextImp = nullptr;
    CGEAbstractDataCopyMoveCellsImp* m_pDataCopyMoveCellsImp = nullptr;
    CGEAbstractLongOperationImp* m_pLongOperationImp = nullptr;
    CGEAbstractSerializeLegacyCompatibleImp* m_pLegacyCompatibleSerializeImp = nullptr;
    CGEAbstractNumberFormattingImp* m_pNumberFormattingImp = nullptr;
    CGEAbstractOleDateTimeImp* m_pOleDateTimeImp = nullptr;
    // Not owned: its Startup runs as the last step of Initialize.
    CGEAbstractStartupHook* m_pStartupHook = nullptr;

    CPtrList m_parentWndClasses;   // CRuntimeClass*
    CMapPtrToPtr m_mapObjectGrids; // object -> owned CPtrList of CGEGridCore*
    CPtrList m_autoDeleteList;     // CObject*, deleted at shutdown

private:
    void LoadTexts();
    void RegisterWindowClasses(HINSTANCE hInstance);
    void DeleteAutoDeleteObjects();
};

// The engine's state and its start-up (the application passes 1536, 0, 0; only the factory is used).
CGELibraryState* GEGetLibraryState();
void GEInitializeLibrary(DWORD dwLanguage = 1536, DWORD dwPath1 = 0, DWORD dwPath2 = 0);
// The window's parent when it is of pClass; without bDirectOnly, null when the parent or one of its
// ancestors is iconic.
CWnd* GEGetParentOfKind(const CWnd* pWnd, CRuntimeClass* pClass, BOOL bDirectOnly);
// The active view of the main window, or of its active frame.
class CView;
CView* GEGetActiveView();
