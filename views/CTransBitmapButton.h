// The program's small bitmap buttons inside grid cells. CTransBitmapButtonBase draws the face: a raised
// (pressed: sunken) 3-D frame and a bitmap resource centred in it, one pixel right and down while
// pressed. CTransBitmapButton is the base of the buttons that act when clicked: CParentPostButton tells
// the window that owns the grid, CFileOpenButton lets the user choose files for its cell.
#pragma once

#include "grid/controls/CGEButton.h"

#include <functional>
#include <memory>

class CWnd;

class CTransBitmapButtonBase : public CGEButton {
public:
    // bitmapId: the bitmap resource the face shows.
    CTransBitmapButtonBase(CGEControl* pOwner, UINT bitmapId);

    void Draw(CDC* pDC, BOOL bFocus) override;
    UINT GetBitmapId() const { return m_bitmapId; }
    void SetBitmapId(UINT bitmapId) { m_bitmapId = bitmapId; }

    // Where the bitmap of a size goes in a face (pushed: one pixel right and down); never left of or
    // above the face.
    static CPoint PlaceBitmap(const CRect& face, CSize bitmap, BOOL bPushed);

private:
    UINT m_bitmapId;
};

class CTransBitmapButton : public CTransBitmapButtonBase {
public:
    using CTransBitmapButtonBase::CTransBitmapButtonBase;
    // The completed click, after the owner control was told.
    virtual void OnClicked() {}
};

// Posts "ACX_BtnPost" to the window that owns the grid, with the first selected row and column (0 when
// nothing is selected; the current cell counts as selected).
class CParentPostButton : public CTransBitmapButton {
public:
    using CTransBitmapButton::CTransBitmapButton;
    void OnClicked() override;
    // The registered message "ACX_BtnPost".
    static UINT BtnPostMessage();

protected:
    // The window told of a click: the grid window's parent (the grid window when it has none).
    virtual CWnd* GetPostTarget(CWnd* pGridWnd) const;
};

// Lets the user choose existing files; the owner cell gets the path of one file, or of several joined
// with commas.
class CFileOpenButton : public CTransBitmapButton {
public:
    using CTransBitmapButton::CTransBitmapButton;
    void OnClicked() override;
    // The cell value of a choice: the open-file dialog's buffer holds one full path, or a folder and the
    // names after it (each ended by a zero, the list by two).
    static CString JoinChosenFiles(const char* buffer);
};

// Makes the button a cell control carries: the owner and the button's parameter (its bitmap).
using CellButtonFactory = std::function<std::unique_ptr<CTransBitmapButton>(CGEControl* pOwner, UINT param)>;

template <class TButton> CellButtonFactory MakeCellButtonFactory() {
    return [](CGEControl* pOwner, UINT param) { return std::make_unique<TButton>(pOwner, param); };
}
