// CGECheckBoxEx: the check box with an editing life like the edit control's: a toggle changes the value
// in the control only (the cell shows it), and Store writes it to the cell when the grid leaves or stores
// the current cell. Delete empties the value while it is active.
#pragma once

#include "grid/controls/CGECheckBox.h"

class CGECheckBoxEx : public CGECheckBox {
public:
    static const CGEControlClass controlClass; // "CGECheckBoxEx"

    CGECheckBoxEx(CGEGridCore* pGrid, BOOL b3D, UINT nBitmapId, UINT nPrintBitmapId);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    // Becoming active composes the cell's style again.
    void SetActive(BOOL bActive) override;
    BOOL IsActive() const override { return m_bActive; }
    void SetModify(BOOL bModified) override { m_bModified = bModified; }
    BOOL GetModify() const override { return m_bModified; }
    // Binds and reads the cell's style into the control.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    // An unsaved toggle shows in the control's own active cell.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    BOOL OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The toggle: the next value kept in the control.
    void OnChildButtonClicked(CGEChild* pChild) override;

protected:
    const CGEStyle& StyleForToggle() override;
    // The control's value changed: the cell is redrawn and marked modified.
    void ChangeValue(const CString& strValue);

    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
};
