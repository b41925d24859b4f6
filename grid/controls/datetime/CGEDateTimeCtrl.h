// CGEDateTimeCtrl: a grid cell that shows and edits a date and time field by field (control ids 52543
// "Date Time Control with popup calendar", with drop-down and spin buttons, and 52544 "Date time control
// without calendar", spin buttons only). The control is itself the live editor shown over the current
// cell; two editors without windows turn stored values into display text and lay out the fields of
// cells that are not edited. Stored values are the date as the user's locale writes it, or its serial
// number ("%g") when stored as a number.
//
// The definition is split by concern:
//   CGEDateTimeCtrl.cpp       construction, formats, values, storing
//   CGEDateTimeCtrlDraw.cpp   sizes and drawing of active and inactive cells
//   CGEDateTimeCtrlKeys.cpp   keys, characters, mouse and clipboard
#pragma once

#include "framework/core/CStringArray.h"
#include "framework/win/CFont.h"
#include "grid/controls/CGEStatic.h"
#include "grid/controls/datetime/CGEBDateTimeCtrl.h"
#include "grid/controls/datetime/CGECaptiveDateTimeCtrl.h"

class CGEStylesMap;

class CGEDateTimeCtrl : public CGEBDateTimeCtrl, public CGEStatic {
    DECLARE_DYNAMIC(CGEDateTimeCtrl)

public:
    static const CGEControlClass controlClass; // "CGEDateTimeCtrl"

    // nControlId: 52543 or 52544; dwEditorStyle: the editor's window style bits (0x3 or 0x2).
    CGEDateTimeCtrl(CGEGridCore* pGrid, UINT nControlId, DWORD dwEditorStyle);
    ~CGEDateTimeCtrl() override;

    // Registers the date-time user attributes with their editing styles.
    static void AddUserAttributes(CGEStylesMap& stylesMap);

    // ---- the cell-control part ----
    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    CWnd* GetWndPtr() const override { return const_cast<CGEDateTimeCtrl*>(this); }
    void SetActive(BOOL bActive) override;
    BOOL IsActive() const override { return m_bActive; }
    void SetModify(BOOL bModified) override { m_bModified = bModified; }
    BOOL GetModify() const override { return m_bModified; }
    // Binds: the cell's format, value, range and fast-input setting go into the live editor.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // Writes the edited date back as the cell's value when modified.
    BOOL Store() override;
    // Ends a typing in progress, then the usual validation.
    BOOL OnValidate() override;
    // The focused field becomes one that can take the focus.
    BOOL OnStartEditing() override;
    CSize AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) override;
    void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                  const CGEStyle* pStandardStyle, BOOL bVert) override;
    BOOL CanFloatCell(ROWCOL, ROWCOL, const CGEStyle&, BOOL) override { return FALSE; }
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    BOOL GetValue(CString& strResult) override;
    void SetValue(LPCSTR pszValue) override;
    BOOL GetCurrentText(CString& strResult) override;
    void SetCurrentText(const CString& str) override;
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                        const CGEStyle& style) override;
    BOOL ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                   const CGEStyle* pOldStyle) override;
    BOOL GetDisplayValue(ROWCOL nRow, ROWCOL nCol, UINT nFlags, const CGEStyle& style, CString& str) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Copy() override;
    BOOL Paste() override;
    BOOL CanPaste() override;
    void ReplaceSel(LPCSTR pszText) override;
    BOOL GetSelectedText(CString& strResult) override;
    void LayoutChildren(ROWCOL, ROWCOL, const CRect&) override {}

    // ---- the editor part ----
    // A change of the live editor: refused for read-only cells; marks the cell modified.
    BOOL OnChanging(const COleDateTime& newValue) override;
    // The cell is redrawn and told of the change.
    void OnChanged() override;

    // A click at a point of the grid window: the field under it takes the focus and the editor opens.
    virtual BOOL OnCellClicked(UINT nFlags, int x, int y, BOOL bForce);
    // Sets the style's format into an editor: 51038 (type) and 51039 (custom format). TRUE when the
    // format shows a date.
    virtual BOOL ApplyStyleFormat(CGEBDateTimeCtrl* pEditor, const CGEStyle* pStyle);
    // Splits a typed or pasted text at blanks, line breaks and the field separators; TRUE with fields.
    virtual BOOL SplitFields(const CString& strText, const CGEStyle* pStyle, CStringArray& fields);
    virtual void OnEditorKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnEditorChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnEditorKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnEditorSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    // Reads a stored text: the locale's date text, else a non-zero number as the serial. FALSE when it
    // is neither.
    static BOOL ReadValue(LPCSTR pszText, COleDateTime& date);
    // The stored form of a date: the locale's text, or the serial with "%g".
    CString StorageText(const COleDateTime& date) const;
    // The field texts of a formatting editor joined: numbers as shown, names, literal text.
    static CString FieldText(const CGEBDateTimeCtrl& editor);
    CGECaptiveDateTimeCtrl& GetFormattingEditor() { return m_formatter; }
    UINT GetControlId() const { return m_nControlId; }

    BOOL m_bAlwaysShowSpin = FALSE;
    BOOL m_bAlwaysShowButton = FALSE;
    BOOL m_bStoreAsNumber = FALSE;
    BOOL m_bTabBetweenFields = FALSE;
    CString m_strFieldSeparators = ",";

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    BOOL IsKeyDown(int nVirtKey) const override;
    BOOL CreateEditor();
    // The date a text gives an editor: the text's date, else today at 00:00 for a date format (bToday)
    // or 30 December 1899 00:00.
    static COleDateTime DateOrDefault(LPCSTR pszText, BOOL bToday);
    // The focused field is one that takes the focus, and only it is highlighted.
    void CorrectFieldFocus();
    // Activates the editor over the bound cell (scrolled into view and redrawn).
    void ActivateEditor();
    void MoveFocusLocked(CWnd* pWnd);
    BOOL IsTypeWithToday(const CGEStyle& style, BOOL bDrawing) const;
    void DrawInactive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                      const CGEStyle* pStandardStyle);

    BOOL m_bShowsDate = TRUE;
    BOOL m_bActive = FALSE;
    UINT m_nControlId;
    DWORD m_dwEditorStyle;
    BOOL m_bModified = FALSE;
    CGECaptiveDateTimeCtrl m_formatter;
    CGECaptiveDateTimeCtrl m_drawer;
    CFont m_cellFont;
};
