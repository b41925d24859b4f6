#include "foundation/WindowHelpers.h"

#include "foundation/LocaleFormat.h"
#include "foundation/SharedHelpers.h"
#include "framework/win/CBitmap.h"
#include "framework/win/CComboBox.h"
#include "framework/win/CFont.h"
#include "framework/win/CMenu.h"
#include "framework/win/CTreeCtrl.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "framework/win/CWnd.h"

#include <htmlhelp.h>
#include <mapi.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// ---------------- prompts ----------------

// Shows a framework prompt from the string table, or fallback when the table
// does not have it.
void ShowPrompt(UINT id, const char* fallback) {
    CString text;
    if (!text.LoadString(id) || text.IsEmpty())
        text = fallback;
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION, id);
}

// ---------------- mail ----------------

struct LibraryDeleter {
    void operator()(HMODULE module) const { ::FreeLibrary(module); }
};
using UniqueLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryDeleter>;

// The file name part of a path (after the last backslash or slash).
CString FileNameOfPath(const CString& path) {
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return path.Mid(slash + 1);
}

// The full form of path; the path as given when it cannot be made full.
CString FullPathOf(const CString& path) {
    char full[MAX_PATH] = {};
    const DWORD length = ::GetFullPathNameA(path, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return path;
    return CString(full);
}

// Disables this thread's enabled top-level windows while a mail client's own
// dialog is up, and enables them again afterwards.
class DisabledThreadWindows {
public:
    DisabledThreadWindows() {
        ::EnumThreadWindows(::GetCurrentThreadId(), &DisabledThreadWindows::Collect,
                            reinterpret_cast<LPARAM>(&m_windows));
        for (HWND window : m_windows)
            ::EnableWindow(window, FALSE);
    }
    ~DisabledThreadWindows() {
        for (HWND window : m_windows) {
            if (::IsWindow(window))
                ::EnableWindow(window, TRUE);
        }
    }
    DisabledThreadWindows(const DisabledThreadWindows&) = delete;
    DisabledThreadWindows& operator=(const DisabledThreadWindows&) = delete;

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM windows) {
        if (::IsWindowVisible(window) && ::IsWindowEnabled(window))
            reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
        return TRUE;
    }
    std::vector<HWND> m_windows;
};

// ---------------- help ----------------

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// HTML Help, loaded on first use and kept for the life of the process (its
// windows live in it).
HtmlHelpFunction HtmlHelpEntry() {
    static const HtmlHelpFunction entry = []() -> HtmlHelpFunction {
        HMODULE module = ::LoadLibraryA("hhctrl.ocx");
        if (module == nullptr)
            return nullptr;
        return reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void*>(::GetProcAddress(module, "HtmlHelpA")));
    }();
    return entry;
}

// ---------------- trees ----------------

HTREEITEM FindTreeItemByData(CTreeCtrl* tree, HTREEITEM item, DWORD_PTR data) {
    for (; item != nullptr; item = tree->GetNextSiblingItem(item)) {
        if (tree->GetItemData(item) == data)
            return item;
        if (HTREEITEM found = FindTreeItemByData(tree, tree->GetChildItem(item), data))
            return found;
    }
    return nullptr;
}

bool IsExpandedParent(CTreeCtrl* tree, HTREEITEM item) {
    return tree->ItemHasChildren(item) && (tree->GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

// ---------------- menus ----------------

// The menu (the given one or a submenu) that holds the command id, and its
// position there.
bool FindMenuItem(HMENU menu, UINT id, HMENU& holder, int& position) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = ::GetSubMenu(menu, i)) {
            if (FindMenuItem(sub, id, holder, position))
                return true;
        } else if (::GetMenuItemID(menu, i) == id &&
                   !(::GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR)) {
            holder = menu;
            position = i;
            return true;
        }
    }
    return false;
}

// ---------------- bitmaps ----------------

struct DcDeleter {
    void operator()(HDC dc) const { ::DeleteDC(dc); }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// A screen DC for the life of the object.
class ScreenDc {
public:
    ScreenDc() : m_dc(::GetDC(nullptr)) {}
    ~ScreenDc() { ::ReleaseDC(nullptr, m_dc); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

// Top-down 32-bit pixels of a bitmap and the header that describes them.
struct Pixels32 {
    BITMAPINFOHEADER header{};
    std::vector<DWORD> pixels;
};

bool ReadPixels(HDC dc, HBITMAP bitmap, Pixels32& out) {
    BITMAP info{};
    if (::GetObjectA(bitmap, sizeof info, &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0)
        return false;
    out.header = BITMAPINFOHEADER{};
    out.header.biSize = sizeof(BITMAPINFOHEADER);
    out.header.biWidth = info.bmWidth;
    out.header.biHeight = -info.bmHeight;
    out.header.biPlanes = 1;
    out.header.biBitCount = 32;
    out.header.biCompression = BI_RGB;
    out.pixels.assign(static_cast<size_t>(info.bmWidth) * info.bmHeight, 0);
    return ::GetDIBits(dc, bitmap, 0, info.bmHeight, out.pixels.data(),
                       reinterpret_cast<BITMAPINFO*>(&out.header), DIB_RGB_COLORS) == info.bmHeight;
}

// The 32-bit DIB pixel (blue, green, red, unused) of a colour.
DWORD PixelOf(COLORREF color) {
    return (static_cast<DWORD>(GetRValue(color)) << 16) | (static_cast<DWORD>(GetGValue(color)) << 8) |
           GetBValue(color);
}

// Sets pixels of colour from to colour to in a 32-bit DIB; returns how many
// changed.
size_t ReplacePixels(std::vector<DWORD>& pixels, COLORREF from, COLORREF to) {
    const DWORD fromPixel = PixelOf(from);
    const DWORD toPixel = PixelOf(to);
    size_t changed = 0;
    for (DWORD& pixel : pixels) {
        if ((pixel & 0x00FFFFFF) == fromPixel) {
            pixel = toPixel;
            ++changed;
        }
    }
    return changed;
}

// Number of colour-table entries of a DIB header.
DWORD ColorTableSize(const BITMAPINFOHEADER& header) {
    if (header.biBitCount > 8)
        return 0;
    return header.biClrUsed != 0 ? header.biClrUsed : (1u << header.biBitCount);
}

bool IsUncompressed(const BITMAPINFOHEADER& header) {
    return header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS;
}

// Where the pixels of a packed DIB start: after the header, the three colour masks that follow a
// classic header (newer headers hold them) and the colour table.
size_t BitsOffset(const BITMAPINFOHEADER& header, DWORD tableSize) {
    const bool masksAfterHeader =
        header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER);
    return header.biSize + (masksAfterHeader ? 3 * sizeof(DWORD) : 0) + tableSize * sizeof(RGBQUAD);
}

// Bytes of the pixels of an uncompressed DIB (rows padded to whole DWORDs).
size_t BitsSize(const BITMAPINFOHEADER& header) {
    const size_t stride = (static_cast<size_t>(header.biWidth) * header.biBitCount + 31) / 32 * 4;
    const LONG height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    return stride * static_cast<size_t>(height);
}

} // namespace

// ---------------- mail and help ----------------

void SendMailWithMapi(const CString& path, const CString& subject, const CString& note,
                      const CString& recipient) {
    CWaitCursor wait;
    const UniqueLibrary mapi(::LoadLibraryA("MAPI32.DLL"));
    if (!mapi) {
        ShowPrompt(AFX_IDP_FAILED_MAPI_LOAD, "The mail system could not be loaded.");
        return;
    }
    const auto sendMail = reinterpret_cast<LPMAPISENDMAIL>(
        reinterpret_cast<void*>(::GetProcAddress(mapi.get(), "MAPISendMail")));
    if (sendMail == nullptr) {
        ShowPrompt(AFX_IDP_INVALID_MAPI_DLL, "The mail system's library is not valid.");
        return;
    }

    // MAPI takes non-const texts; these copies live until the call returns.
    CString subjectText = subject;
    CString noteText = note;
    CString filePath = path.IsEmpty() ? CString() : FullPathOf(path);
    CString fileName = FileNameOfPath(filePath);
    CString recipientName = recipient;

    MapiFileDesc file{};
    file.nPosition = static_cast<ULONG>(-1);
    file.lpszPathName = filePath.GetBuffer();
    file.lpszFileName = fileName.GetBuffer();
    MapiRecipDesc to{};
    to.ulRecipClass = MAPI_TO;
    to.lpszName = recipientName.GetBuffer();

    MapiMessage message{};
    message.lpszSubject = subjectText.GetBuffer();
    message.lpszNoteText = noteText.GetBuffer();
    if (!path.IsEmpty()) {
        message.nFileCount = 1;
        message.lpFiles = &file;
    }
    if (!recipient.IsEmpty()) {
        message.nRecipCount = 1;
        message.lpRecips = &to;
    }

    CWnd* mainWnd = AfxGetMainWnd();
    const HWND owner = mainWnd != nullptr ? mainWnd->GetSafeHwnd() : nullptr;
    ULONG result = SUCCESS_SUCCESS;
    {
        const DisabledThreadWindows disabled;
        result = sendMail(0, reinterpret_cast<ULONG_PTR>(owner), &message, MAPI_LOGON_UI | MAPI_DIALOG, 0);
    }
    if (owner != nullptr && ::IsWindow(owner)) {
        ::SetActiveWindow(owner);
        ::SetForegroundWindow(owner);
    }
    if (result != SUCCESS_SUCCESS && result != MAPI_USER_ABORT && result != MAPI_E_LOGIN_FAILURE)
        ShowPrompt(AFX_IDP_FAILED_MAPI_SEND, "The message could not be sent.");
}

void ShowContextHelp(const HELPINFO* info) {
    if (info == nullptr || info->iCtrlId == -1)
        return;
    const CString helpFile = GetHelpFilePath();
    // Pairs of control id and topic id, closed by a pair of zeros.
    DWORD ids[4] = {static_cast<DWORD>(info->iCtrlId), static_cast<DWORD>(info->dwContextId), 0, 0};
    HWND shown = nullptr;
    if (HtmlHelpFunction htmlHelp = HtmlHelpEntry()) {
        shown = htmlHelp(static_cast<HWND>(info->hItemHandle), helpFile + "::/context.txt",
                         HH_TP_HELP_WM_HELP, reinterpret_cast<DWORD_PTR>(ids));
    }
    if (shown == nullptr) {
        CString text = "The help file cannot be opened!\r\n\r\n%1";
        text.Replace("%1", helpFile);
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    }
}

HWND CallHtmlHelp(HWND caller, const char* file, UINT command, DWORD_PTR data) {
    HtmlHelpFunction htmlHelp = HtmlHelpEntry();
    return htmlHelp != nullptr ? htmlHelp(caller, file, command, data) : nullptr;
}

BOOL OnDialogHelp(const HELPINFO* info) {
    ShowContextHelp(info);
    return TRUE;
}

// ---------------- dialog items ----------------

void EnableDlgItem(CWnd* parent, int id, bool enable) {
    if (CWnd* child = parent != nullptr ? parent->GetDlgItem(id) : nullptr)
        child->EnableWindow(enable ? TRUE : FALSE);
}

void ShowDlgItem(CWnd* parent, int id, bool show) {
    if (CWnd* child = parent != nullptr ? parent->GetDlgItem(id) : nullptr)
        child->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void SetDlgItemFont(CWnd* parent, int id, CFont* font) {
    if (font == nullptr || font->GetSafeHandle() == nullptr)
        return;
    if (CWnd* child = parent != nullptr ? parent->GetDlgItem(id) : nullptr)
        child->SetFont(font, TRUE);
}

void SetDlgItemBoldFont(CWnd* parent, int id, CFont* font) {
    CWnd* child = parent != nullptr && font != nullptr ? parent->GetDlgItem(id) : nullptr;
    if (child == nullptr)
        return;
    // A control without a font of its own draws with the system font.
    HFONT current = reinterpret_cast<HFONT>(child->SendMessage(WM_GETFONT));
    if (current == nullptr)
        current = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    LOGFONTA description{};
    if (::GetObjectA(current, sizeof description, &description) == 0)
        return;
    font->DeleteObject();
    if (!font->CreateFontIndirect(&description))
        return;
    ToggleFontBold(font);
    child->SetFont(font, TRUE);
}

void ToggleFontBold(CFont* font) {
    LOGFONTA description{};
    if (font == nullptr || !font->GetLogFont(&description))
        return;
    description.lfWeight = description.lfWeight < FW_BOLD ? FW_BOLD : FW_DONTCARE;
    font->DeleteObject();
    font->CreateFontIndirect(&description);
}

void FocusDlgItemSelectAll(CWnd* parent, int id) {
    CWnd* child = parent != nullptr ? parent->GetDlgItem(id) : nullptr;
    if (child == nullptr)
        return;
    child->SetFocus();
    child->SendMessage(EM_SETSEL, 0, -1);
    child->SendMessage(EM_SCROLLCARET);
}

// ---------------- combo boxes ----------------

void FitComboDropHeight(CComboBox* combo) {
    if (combo == nullptr || combo->GetSafeHwnd() == nullptr)
        return;
    constexpr int kMaxShownItems = 30;
    int height = combo->GetItemHeight(-1) + 8;
    const int shown = std::min(combo->GetCount(), kMaxShownItems);
    for (int i = 0; i < shown; ++i)
        height += combo->GetItemHeight(i);
    CRect rect;
    combo->GetWindowRect(&rect);
    if (CWnd* parent = combo->GetParent())
        parent->ScreenToClient(&rect);
    combo->MoveWindow(rect.left, rect.top, rect.Width(), height, FALSE);
    combo->Invalidate();
}

int SelectComboItemByData(CComboBox* combo, LONG_PTR data) {
    return SelectComboItemByData(combo, static_cast<DWORD_PTR>(data));
}

int SelectComboItemByData(CComboBox* combo, DWORD_PTR data) {
    if (combo == nullptr || combo->GetSafeHwnd() == nullptr)
        return -1;
    const int count = combo->GetCount();
    for (int i = 0; i < count; ++i) {
        if (combo->GetItemData(i) == data) {
            combo->SetCurSel(i);
            return i;
        }
    }
    return -1;
}

// ---------------- trees ----------------

HTREEITEM SelectTreeItemByData(CTreeCtrl* tree, DWORD_PTR data) {
    if (tree == nullptr || tree->GetSafeHwnd() == nullptr)
        return nullptr;
    HTREEITEM found = FindTreeItemByData(tree, tree->GetRootItem(), data);
    if (found != nullptr) {
        tree->Select(found, TVGN_CARET);
        tree->EnsureVisible(found);
    }
    return found;
}

void GetExpandedTreeItems(CTreeCtrl* tree, HTREEITEM item, CString& expanded) {
    if (tree == nullptr || tree->GetSafeHwnd() == nullptr)
        return;
    for (; item != nullptr; item = tree->GetNextSiblingItem(item)) {
        if (!tree->ItemHasChildren(item))
            continue;
        if (IsExpandedParent(tree, item)) {
            if (!expanded.IsEmpty())
                expanded += '\t';
            expanded += tree->GetItemText(item);
        }
        GetExpandedTreeItems(tree, tree->GetChildItem(item), expanded);
    }
}

void ExpandTreeItems(CTreeCtrl* tree, HTREEITEM item, const CString& expanded) {
    if (tree == nullptr || tree->GetSafeHwnd() == nullptr || expanded.IsEmpty())
        return;
    CStringArray texts;
    SplitString(expanded, texts, '\t', false);
    std::vector<HTREEITEM> pending;
    for (; item != nullptr; item = tree->GetNextSiblingItem(item))
        pending.push_back(item);
    // Walks the items without recursion: each expanded item's children join the
    // work list.
    while (!pending.empty()) {
        HTREEITEM current = pending.back();
        pending.pop_back();
        if (!tree->ItemHasChildren(current))
            continue;
        if (FindStringNoCase(texts, tree->GetItemText(current)) >= 0)
            tree->Expand(current, TVE_EXPAND);
        for (HTREEITEM child = tree->GetChildItem(current); child != nullptr;
             child = tree->GetNextSiblingItem(child))
            pending.push_back(child);
    }
}

// ---------------- menus ----------------

bool RemoveMenuItem(CMenu* menu, UINT id, bool withSeparator) {
    HMENU holder = nullptr;
    int position = -1;
    if (menu == nullptr || menu->GetSafeHmenu() == nullptr ||
        !FindMenuItem(menu->GetSafeHmenu(), id, holder, position))
        return false;
    if (withSeparator && position > 0 &&
        (::GetMenuState(holder, position - 1, MF_BYPOSITION) & MF_SEPARATOR)) {
        ::DeleteMenu(holder, position - 1, MF_BYPOSITION);
        --position;
    }
    return ::DeleteMenu(holder, position, MF_BYPOSITION) != FALSE;
}

// ---------------- date pickers ----------------

bool ParseDateTimeUserString(NMDATETIMESTRINGA* info) {
    if (info == nullptr || info->pszUserString == nullptr)
        return false;
    CTime parsed;
    SYSTEMTIME fields{};
    if (!AcxParseDateTime(info->pszUserString, &parsed) || !parsed.GetAsSystemTime(fields))
        return false;
    info->st = fields;
    info->dwFlags = GDT_VALID;
    return true;
}

// ---------------- folders ----------------

CString BrowseForFolder() {
    BROWSEINFOA browse{};
    if (CWnd* mainWnd = AfxGetMainWnd())
        browse.hwndOwner = mainWnd->GetSafeHwnd();
    LPITEMIDLIST chosen = ::SHBrowseForFolderA(&browse);
    if (chosen == nullptr)
        return CString();
    char path[MAX_PATH] = {};
    const bool hasPath = ::SHGetPathFromIDListA(chosen, path) != FALSE;
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(::SHGetMalloc(&allocator)) && allocator != nullptr) {
        allocator->Free(chosen);
        allocator->Release();
    }
    return hasPath ? CString(path) : CString();
}

// ---------------- message pumping ----------------

bool PumpOneMessage() {
    MSG msg;
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) || msg.message == WM_QUIT)
        return false;
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    return true;
}

void WaitPumpingMessages(DWORD ms) {
    constexpr DWORD kWaitCursorAfter = 3000;
    const bool showWait = ms > kWaitCursorAfter;
    HCURSOR previous = showWait ? ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT)) : nullptr;
    const DWORD start = ::GetTickCount();
    for (;;) {
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= ms)
            break;
        if (PumpOneMessage())
            continue;
        // Nothing to dispatch: sleep until a message arrives or the time is up. A
        // waiting WM_QUIT counts as input, so then only a short sleep keeps the
        // loop from spinning.
        MSG quit;
        if (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
            ::Sleep(std::min<DWORD>(ms - elapsed, 10));
        else
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
    }
    if (showWait)
        ::SetCursor(previous);
}

// ---------------- bitmaps ----------------

void ReplaceBitmapColor(CBitmap* bitmap, COLORREF from, COLORREF to) {
    if (bitmap == nullptr || bitmap->GetSafeHandle() == nullptr)
        return;
    const auto handle = static_cast<HBITMAP>(bitmap->GetSafeHandle());
    const ScreenDc screen;
    Pixels32 image;
    if (!ReadPixels(screen.Get(), handle, image))
        return;
    if (ReplacePixels(image.pixels, from, to) == 0)
        return;
    ::SetDIBits(screen.Get(), handle, 0, static_cast<UINT>(-image.header.biHeight), image.pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&image.header), DIB_RGB_COLORS);
}

bool LoadBitmapReplacingColor(CBitmap* bitmap, UINT resourceId, COLORREF to, COLORREF from) {
    if (bitmap == nullptr)
        return false;
    const HINSTANCE instance = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(resourceId), RT_BITMAP);
    HGLOBAL loaded = found != nullptr ? ::LoadResource(instance, found) : nullptr;
    const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    const DWORD size = found != nullptr ? ::SizeofResource(instance, found) : 0;
    if (data == nullptr || size < sizeof(BITMAPINFOHEADER))
        return false;

    // The resource is read-only: work on a copy of its header, colour table and
    // bits.
    std::vector<BYTE> dib(static_cast<const BYTE*>(data), static_cast<const BYTE*>(data) + size);
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(dib.data());
    if (header->biSize < sizeof(BITMAPINFOHEADER) || header->biSize > size || header->biWidth <= 0 ||
        header->biHeight == 0)
        return false;
    const DWORD tableSize = ColorTableSize(*header);
    const size_t bitsOffset = BitsOffset(*header, tableSize);
    if (bitsOffset > size || (IsUncompressed(*header) && bitsOffset + BitsSize(*header) > size))
        return false; // a damaged resource: its pixels would be read beyond its end
    auto* table = reinterpret_cast<RGBQUAD*>(dib.data() + header->biSize);
    for (DWORD i = 0; i < tableSize; ++i) {
        RGBQUAD& entry = table[i];
        if (RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue) == from) {
            entry = RGBQUAD{GetBValue(to), GetGValue(to), GetRValue(to), 0};
            break;
        }
    }

    const int width = header->biWidth;
    const int height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    const ScreenDc screen;
    HBITMAP made = ::CreateCompatibleBitmap(screen.Get(), width, height);
    if (made == nullptr)
        return false;
    {
        const UniqueDc memory(::CreateCompatibleDC(screen.Get()));
        HGDIOBJ old = ::SelectObject(memory.get(), made);
        ::SetDIBitsToDevice(memory.get(), 0, 0, width, height, 0, 0, 0, height, dib.data() + bitsOffset,
                            reinterpret_cast<BITMAPINFO*>(header), DIB_RGB_COLORS);
        ::SelectObject(memory.get(), old);
    }
    bitmap->DeleteObject();
    bitmap->Attach(made);
    if (tableSize == 0)
        ReplaceBitmapColor(bitmap, from, to);
    return true;
}
