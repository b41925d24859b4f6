// Cell controls that carry a small bitmap button at the right edge of the cell: CGEStaticBtnControl (a
// read-only text) and CGEEditBtnControl (an edit). The button is made at construction by a factory
// (CParentPostButton, CFileOpenButton) with one parameter, its bitmap. The text rectangle leaves room
// for the button and a gap; the size the text needs grows by the button's width plus 3; the button sits
// at the cell's right edge, vertically centred. A completed click of the button sets the grid's active
// flag and lets the button act.
#pragma once

#include "grid/controls/CGEStatic.h"
#include "grid/controls/edit/CGEEditControl.h"
#include "grid/core/CGEGridCore.h"
#include "views/CTransBitmapButton.h"

#include <algorithm>
#include <utility>

// The geometry both share.
struct CellButtonGeometry {
    static constexpr int kSize = 14;     // the button is kSize x kSize
    static constexpr int kGap = 4;       // between the text and the button
    static constexpr int kSizeExtra = 3; // added to the size the text needs
    // The button's rectangle in a cell: right - size - 2 .. right - 1, vertically centred.
    static CRect ButtonRect(const CRect& cell) {
        const int top = cell.top + std::max(0, (cell.Height() - kSize) / 2);
        return CRect(cell.right - kSize - 2, top, cell.right - 1, top + kSize);
    }
};

template <class TBase> class TCellButtonControl : public TBase {
public:
    template <class... Args>
    TCellButtonControl(const CellButtonFactory& factory, UINT param, Args&&... args)
        : TBase(std::forward<Args>(args)...) {
        if (factory) {
            std::unique_ptr<CTransBitmapButton> button = factory(this, param);
            m_pButton = button.get();
            this->AppendChild(button.release());
        }
    }

    CTransBitmapButton* GetButton() const { return m_pButton; }

    CRect ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) override {
        CRect rect = TBase::ComputeTextRect(nRow, nCol, pRectCell, pStyle);
        m_cell = pRectCell != nullptr ? *pRectCell : this->m_pGrid->GetCellRect(nRow, nCol);
        if (m_pButton != nullptr)
            rect.right =
                std::max(rect.left, rect.right - CellButtonGeometry::kSize - CellButtonGeometry::kGap);
        return rect;
    }
    CSize AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) override {
        if (m_pButton != nullptr)
            size.cx += CellButtonGeometry::kSize + CellButtonGeometry::kSizeExtra;
        return TBase::AddTextMarginsToSize(pDC, size, style);
    }
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rectText) override {
        TBase::LayoutChildren(nRow, nCol, rectText);
        if (m_pButton != nullptr)
            m_pButton->SetRect(CellButtonGeometry::ButtonRect(m_cell));
    }
    void OnChildButtonClicked(CGEChild* pChild) override {
        if (pChild != nullptr && pChild == m_pButton) {
            this->m_pGrid->m_bActiveFlag = TRUE;
            m_pButton->OnClicked();
        }
        TBase::OnChildButtonClicked(pChild);
    }

private:
    CTransBitmapButton* m_pButton = nullptr; // owned by the control's children
    CRect m_cell;                            // the cell the last text rectangle was worked out for
};

class CGEStaticBtnControl : public TCellButtonControl<CGEStatic> {
public:
    CGEStaticBtnControl(CGEGridCore* pGrid, const CellButtonFactory& factory, UINT param)
        : TCellButtonControl<CGEStatic>(factory, param, pGrid) {}
};

class CGEEditBtnControl : public TCellButtonControl<CGEEditControl> {
public:
    CGEEditBtnControl(CGEGridCore* pGrid, UINT nID, const CellButtonFactory& factory, UINT param)
        : TCellButtonControl<CGEEditControl>(factory, param, pGrid, nID) {}
};
