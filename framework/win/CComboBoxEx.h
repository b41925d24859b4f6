// CComboBoxEx: the extended combo box, whose items carry images from an image list. Items are added
// and changed through COMBOBOXEXITEM structures; the combo box and edit control inside it are reached
// through GetComboBoxCtrl and GetEditCtrl.
#pragma once

#include "framework/win/CComboBox.h"
#include "framework/win/CEdit.h"
#include "framework/win/CImageList.h"

class CComboBoxEx : public CComboBox {
    DECLARE_DYNAMIC(CComboBoxEx)
public:
    CComboBoxEx() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
    // dwExStyle: the window's WS_EX_ styles (the control's own CBES_EX_ styles go to SetExtendedStyle).
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Returns the index of the new item, -1 on failure.
    int InsertItem(const COMBOBOXEXITEM* pCBItem);
    // Returns the number of items left, CB_ERR on failure.
    int DeleteItem(int iIndex);
    // Fills the members pCBItem->mask names for item pCBItem->iItem (text into pszText, cchTextMax).
    BOOL GetItem(COMBOBOXEXITEM* pCBItem);
    BOOL SetItem(const COMBOBOXEXITEM* pCBItem);
    BOOL HasEditChanged();

    DWORD GetExtendedStyle() const;
    // Changes the CBES_EX_ styles in dwExMask (all when 0); returns the previous styles.
    DWORD SetExtendedStyle(DWORD dwExMask, DWORD dwExStyles);

    // The list keeps the image list's handle only; the previous list is returned.
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
    CComboBox* GetComboBoxCtrl();
    // nullptr unless the combo box has an edit part (CBS_DROPDOWN).
    CEdit* GetEditCtrl();
};
