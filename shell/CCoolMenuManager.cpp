#include "shell/CCoolMenuManager.h"

#include "framework/win/CWnd.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace {

constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;
constexpr int kGutter = 24;      // room for the picture or the check mark
constexpr int kTextMargin = 4;   // after the gutter and before the right edge
constexpr int kAccelerator = 16; // between the text and its accelerator
const COLORREF kButtonFace = RGB(192, 192, 192);

HFONT MenuFont() {
    static HFONT font = [] {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof metrics;
        if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            return ::CreateFontIndirectA(&metrics.lfMenuFont);
        return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    }();
    return font;
}

// The text before and after the tab that separates the accelerator.
void SplitAccelerator(const CString& text, CString& label, CString& accelerator) {
    const int tab = text.Find('\t');
    label = tab >= 0 ? text.Left(tab) : text;
    accelerator = tab >= 0 ? text.Mid(tab + 1) : CString();
}

// The character after the first single '&', lower case; 0 for none.
char Mnemonic(const CString& text) {
    for (int i = 0; i + 1 < text.GetLength(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
        ++i;
    }
    return 0;
}

} // namespace

void CCoolMenuManager::Install(CWnd* pFrame) {
    HookWindow(pFrame);
}

bool CCoolMenuManager::LoadToolbar(UINT nID) {
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(241));
    if (hRes == nullptr)
        return false;
    const DWORD size = ::SizeofResource(hInst, hRes);
    const auto* data = static_cast<const WORD*>(::LockResource(::LoadResource(hInst, hRes)));
    // Version 1, image width, image height, count, then the commands (0: separator).
    if (data == nullptr || size < 8 || data[0] != 1 || data[1] != kImageWidth || data[2] != kImageHeight ||
        size < 8u + 2u * data[3])
        return false;
    HBITMAP hBitmap = static_cast<HBITMAP>(
        ::LoadImageA(hInst, MAKEINTRESOURCEA(nID), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (hBitmap == nullptr)
        return false;
    if (m_images.GetSafeHandle() == nullptr &&
        !m_images.Create(kImageWidth, kImageHeight, ILC_COLOR24 | ILC_MASK, 16, 16)) {
        ::DeleteObject(hBitmap);
        return false;
    }
    const int first = ImageList_AddMasked(m_images.GetSafeHandle(), hBitmap, kButtonFace);
    ::DeleteObject(hBitmap);
    if (first < 0)
        return false;
    int image = first;
    for (WORD i = 0; i < data[3]; ++i) {
        const UINT command = data[4 + i];
        if (command != 0)
            m_imageOfCommand[command] = image++;
    }
    return true;
}

int CCoolMenuManager::ImageOf(UINT command) const {
    const auto found = m_imageOfCommand.find(command);
    return found != m_imageOfCommand.end() ? found->second : -1;
}

const CCoolMenuManager::Item* CCoolMenuManager::ItemOf(ULONG_PTR data) const {
    for (const Item& item : m_items) {
        if (reinterpret_cast<ULONG_PTR>(&item) == data)
            return &item;
    }
    return nullptr;
}

void CCoolMenuManager::ForgetClosedMenus() {
    for (auto menu = m_itemsOfMenu.begin(); menu != m_itemsOfMenu.end();) {
        if (::IsMenu(menu->first)) {
            ++menu;
            continue;
        }
        for (const auto& item : menu->second)
            m_items.erase(item);
        menu = m_itemsOfMenu.erase(menu);
    }
}

void CCoolMenuManager::ForgetReplacedItems(HMENU hPopup) {
    // Items an update handler gave a new text are plain strings again: their old records go.
    const auto menu = m_itemsOfMenu.find(hPopup);
    if (menu == m_itemsOfMenu.end())
        return;
    std::set<ULONG_PTR> inUse;
    const int count = ::GetMenuItemCount(hPopup);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        if (::GetMenuItemInfoA(hPopup, static_cast<UINT>(position), TRUE, &info) &&
            (info.fType & MFT_OWNERDRAW))
            inUse.insert(info.dwItemData);
    }
    menu->second.remove_if([&](std::list<Item>::iterator item) {
        if (inUse.count(reinterpret_cast<ULONG_PTR>(&*item)) != 0)
            return false;
        m_items.erase(item);
        return true;
    });
}

void CCoolMenuManager::ConvertPopup(HMENU hPopup) {
    ForgetClosedMenus();
    ForgetReplacedItems(hPopup);
    const int count = ::GetMenuItemCount(hPopup);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
        if (!::GetMenuItemInfoA(hPopup, static_cast<UINT>(position), TRUE, &info))
            continue;
        if ((info.fType & (MFT_SEPARATOR | MFT_BITMAP)) || info.hSubMenu != nullptr)
            continue;
        if (info.fType & MFT_OWNERDRAW)
            continue; // drawn already (by this manager or by its owner)
        char text[256] = {};
        ::GetMenuStringA(hPopup, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
        m_items.push_back({text, info.wID});
        m_itemsOfMenu[hPopup].push_back(std::prev(m_items.end()));
        MENUITEMINFOA drawn{};
        drawn.cbSize = sizeof drawn;
        drawn.fMask = MIIM_FTYPE | MIIM_DATA;
        drawn.fType = (info.fType & ~MFT_STRING) | MFT_OWNERDRAW;
        drawn.dwItemData = reinterpret_cast<ULONG_PTR>(&m_items.back());
        ::SetMenuItemInfoA(hPopup, static_cast<UINT>(position), TRUE, &drawn);
    }
}

CString CCoolMenuManager::ItemText(HMENU hMenu, int position) const {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    if (!::GetMenuItemInfoA(hMenu, static_cast<UINT>(position), TRUE, &info) || !(info.fType & MFT_OWNERDRAW))
        return CString();
    const Item* item = ItemOf(info.dwItemData);
    return item != nullptr ? item->text : CString();
}

void CCoolMenuManager::MeasureItem(MEASUREITEMSTRUCT& measure) {
    const Item* item = ItemOf(measure.itemData);
    if (item == nullptr)
        return;
    CString label;
    CString accelerator;
    SplitAccelerator(item->text, label, accelerator);
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(hDC, MenuFont());
    RECT labelRect{};
    ::DrawTextA(hDC, label, -1, &labelRect, DT_SINGLELINE | DT_CALCRECT);
    RECT accelRect{};
    if (!accelerator.IsEmpty())
        ::DrawTextA(hDC, accelerator, -1, &accelRect, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    ::SelectObject(hDC, old);
    ::ReleaseDC(nullptr, hDC);
    measure.itemWidth =
        static_cast<UINT>(kGutter + kTextMargin + labelRect.right +
                          (accelerator.IsEmpty() ? 0 : kAccelerator + accelRect.right) + kTextMargin);
    measure.itemHeight = static_cast<UINT>(std::max<LONG>(kImageHeight + 5, labelRect.bottom + 4));
}

void CCoolMenuManager::DrawItem(const DRAWITEMSTRUCT& draw) {
    const Item* item = ItemOf(draw.itemData);
    if (item == nullptr)
        return;
    HDC hDC = draw.hDC;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool disabled = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool checked = (draw.itemState & ODS_CHECKED) != 0;
    RECT rect = draw.rcItem;
    ::FillRect(hDC, &rect, ::GetSysColorBrush(selected && !disabled ? COLOR_HIGHLIGHT : COLOR_MENU));

    const int image = ImageOf(item->command);
    const int imageX = rect.left + (kGutter - kImageWidth) / 2;
    const int imageY = rect.top + (rect.bottom - rect.top - kImageHeight) / 2;
    if (image >= 0) {
        if (checked) {
            RECT frame{imageX - 2, imageY - 2, imageX + kImageWidth + 2, imageY + kImageHeight + 2};
            ::DrawEdge(hDC, &frame, BDR_SUNKENOUTER, BF_RECT);
        }
        if (disabled) {
            HICON hIcon = ImageList_GetIcon(m_images.GetSafeHandle(), image, ILD_TRANSPARENT);
            ::DrawStateA(hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, imageX, imageY, 0, 0,
                         DST_ICON | DSS_DISABLED);
            ::DestroyIcon(hIcon);
        } else {
            ImageList_Draw(m_images.GetSafeHandle(), image, hDC, imageX, imageY, ILD_TRANSPARENT);
        }
    } else if (checked) {
        RECT mark{rect.left, rect.top, rect.left + kGutter, rect.bottom};
        HDC hMarkDC = hDC;
        const int size = ::GetSystemMetrics(SM_CXMENUCHECK);
        RECT box{mark.left + (kGutter - size) / 2, mark.top + (mark.bottom - mark.top - size) / 2, 0, 0};
        box.right = box.left + size;
        box.bottom = box.top + size;
        ::DrawFrameControl(hMarkDC, &box, DFC_MENU, DFCS_MENUCHECK);
    }

    CString label;
    CString accelerator;
    SplitAccelerator(item->text, label, accelerator);
    HGDIOBJ old = ::SelectObject(hDC, MenuFont());
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(
        hDC, ::GetSysColor(disabled ? COLOR_GRAYTEXT : (selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT)));
    RECT textRect{rect.left + kGutter + kTextMargin, rect.top, rect.right - kTextMargin, rect.bottom};
    ::DrawTextA(hDC, label, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (!accelerator.IsEmpty())
        ::DrawTextA(hDC, accelerator, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    ::SelectObject(hDC, old);
}

LRESULT CCoolMenuManager::MenuChar(char key, HMENU hPopup) const {
    const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(key)));
    const int count = ::GetMenuItemCount(hPopup);
    for (int position = 0; position < count; ++position) {
        const CString text = ItemText(hPopup, position);
        if (!text.IsEmpty() && Mnemonic(text) == wanted)
            return MAKELRESULT(position, MNC_EXECUTE);
    }
    return 0;
}

LRESULT CCoolMenuManager::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITMENUPOPUP: {
        // The frame's update handlers first: they enable, check, rename and remove items.
        const LRESULT result = Default();
        if (!HIWORD(lParam))
            ConvertPopup(reinterpret_cast<HMENU>(wParam));
        return result;
    }
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType == ODT_MENU && ItemOf(measure->itemData) != nullptr) {
            MeasureItem(*measure);
            return TRUE;
        }
        break;
    }
    case WM_DRAWITEM: {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw->CtlType == ODT_MENU && ItemOf(draw->itemData) != nullptr) {
            DrawItem(*draw);
            return TRUE;
        }
        break;
    }
    case WM_MENUCHAR:
        if (const LRESULT answer =
                MenuChar(static_cast<char>(LOWORD(wParam)), reinterpret_cast<HMENU>(lParam)))
            return answer;
        break;
    default:
        break;
    }
    return Default();
}
