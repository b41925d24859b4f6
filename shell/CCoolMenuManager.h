// CCoolMenuManager: draws the main window's drop-down menus with the tool bar's pictures beside their
// commands. It hooks the frame's messages (CSubclassWnd): when a popup opens, after the frame's update
// handlers have run, each command item becomes owner-drawn; the manager then measures and draws it
// (picture or check mark, text, accelerator, greyed when disabled) and answers the item's mnemonic key.
// The pictures come from TOOLBAR resources and their bitmaps (LoadToolbar).
#pragma once

#include "foundation/CSubclassWnd.h"
#include "framework/core/CString.h"
#include "framework/win/CImageList.h"

#include <list>
#include <map>

class CWnd;

class CCoolMenuManager : public CSubclassWnd {
public:
    CCoolMenuManager() = default;
    ~CCoolMenuManager() override = default;

    // Hooks the frame whose popups it draws.
    void Install(CWnd* pFrame);
    // Adds the pictures of the TOOLBAR resource nID (its commands and the bitmap of the same id, the
    // button face grey transparent). False when either is missing or malformed.
    bool LoadToolbar(UINT nID);
    // The picture of a command (its index), or -1.
    int ImageOf(UINT command) const;

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Makes the command items of the popup owner-drawn (already done items keep their record).
    void ConvertPopup(HMENU hPopup);
    // The text an owner-drawn item of this manager shows ("" for other items).
    CString ItemText(HMENU hMenu, int position) const;

    // Draws one item (the frame's WM_DRAWITEM for an item of this manager); measures one.
    void DrawItem(const DRAWITEMSTRUCT& item);
    void MeasureItem(MEASUREITEMSTRUCT& item);
    // The WM_MENUCHAR answer for the key in the popup: the item whose text has that mnemonic, else 0.
    LRESULT MenuChar(char key, HMENU hPopup) const;

private:
    struct Item {
        CString text;
        UINT command;
    };
    const Item* ItemOf(ULONG_PTR data) const;
    void ForgetClosedMenus();
    void ForgetReplacedItems(HMENU hPopup);

    CImageList m_images;
    std::map<UINT, int> m_imageOfCommand;
    std::list<Item> m_items; // stable addresses: each owner-drawn item carries one as its data
    std::map<HMENU, std::list<std::list<Item>::iterator>> m_itemsOfMenu;
};
