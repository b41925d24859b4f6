#include "framework/win/AfxDlgSupport.h"

#include "framework/win/AfxCtrlSupport.h"

#include <commctrl.h>

#include <cstring>
#include <cwchar>
#include <string>

namespace {

// The 16-bit numbers of the list messages, as resource editors store them.
constexpr WORD kCbAddString16 = 0x0403;
constexpr WORD kLbAddString16 = 0x0401;

// Reads a template: WORDs, aligned as the layout requires.
class TemplateReader {
public:
    explicit TemplateReader(const void* p) : m_p(static_cast<const BYTE*>(p)) {}

    WORD Word() {
        WORD w;
        std::memcpy(&w, m_p, sizeof w);
        m_p += sizeof w;
        return w;
    }
    DWORD DWord() {
        DWORD d;
        std::memcpy(&d, m_p, sizeof d);
        m_p += sizeof d;
        return d;
    }
    void Skip(size_t bytes) { m_p += bytes; }
    void AlignDWord() {
        const auto offset = reinterpret_cast<UINT_PTR>(m_p) & 3;
        if (offset != 0)
            m_p += 4 - offset;
    }
    // A zero-terminated wide string.
    std::wstring String() {
        std::wstring text;
        for (WORD w = Word(); w != 0; w = Word())
            text += static_cast<wchar_t>(w);
        return text;
    }
    // A name or ordinal (0xFFFF and a number, or a string); the name, empty for ordinals.
    std::wstring NameOrOrdinal() {
        WORD first;
        std::memcpy(&first, m_p, sizeof first);
        if (first == 0xFFFF) {
            Skip(2 * sizeof(WORD));
            return std::wstring();
        }
        return String();
    }

private:
    const BYTE* m_p;
};

// The common control classes of a window class name (0 for others).
DWORD CommonControlClasses(const std::wstring& name) {
    struct Entry {
        const wchar_t* name;
        DWORD classes;
    };
    static const Entry entries[] = {
        {L"SysDateTimePick32", ICC_DATE_CLASSES},   {L"SysMonthCal32", ICC_DATE_CLASSES},
        {L"SysListView32", ICC_LISTVIEW_CLASSES},   {L"SysHeader32", ICC_LISTVIEW_CLASSES},
        {L"SysTreeView32", ICC_TREEVIEW_CLASSES},   {L"SysTabControl32", ICC_TAB_CLASSES},
        {L"tooltips_class32", ICC_TAB_CLASSES},     {L"msctls_progress32", ICC_PROGRESS_CLASS},
        {L"msctls_trackbar32", ICC_BAR_CLASSES},    {L"msctls_statusbar32", ICC_BAR_CLASSES},
        {L"ToolbarWindow32", ICC_BAR_CLASSES},      {L"msctls_updown32", ICC_UPDOWN_CLASS},
        {L"msctls_hotkey32", ICC_HOTKEY_CLASS},     {L"SysAnimate32", ICC_ANIMATE_CLASS},
        {L"SysIPAddress32", ICC_INTERNET_CLASSES},  {L"ComboBoxEx32", ICC_USEREX_CLASSES},
        {L"ReBarWindow32", ICC_COOL_CLASSES},       {L"SysPager", ICC_PAGESCROLLER_CLASS},
        {L"NativeFontCtl", ICC_NATIVEFNTCTL_CLASS}, {L"SysLink", ICC_LINK_CLASS},
    };
    for (const Entry& entry : entries) {
        if (_wcsicmp(name.c_str(), entry.name) == 0)
            return entry.classes;
    }
    return 0;
}

// Makes the window class available; FALSE when it is known but cannot be made available.
BOOL InitClass(const std::wstring& name) {
    if (name.empty())
        return TRUE; // a predefined control (button, edit ...)
    if (_wcsicmp(name.c_str(), L"RichEdit20A") == 0 || _wcsicmp(name.c_str(), L"RichEdit20W") == 0)
        return AfxInitRichEdit2();
    if (_wcsicmp(name.c_str(), L"RICHEDIT50W") == 0)
        return AfxInitRichEdit5();
    const DWORD classes = CommonControlClasses(name);
    return classes == 0 || AfxInitCommonControls(classes);
}

bool IsExtendedTemplate(const void* lpTemplate) {
    WORD header[2];
    std::memcpy(header, lpTemplate, sizeof header);
    return header[0] == 1 && header[1] == 0xFFFF;
}

// The 32-bit list message of a record's message, or 0 for a record to skip.
UINT ListMessage(WORD message) {
    switch (message) {
    case kCbAddString16:
    case CB_ADDSTRING:
        return CB_ADDSTRING;
    case kLbAddString16:
    case LB_ADDSTRING:
        return LB_ADDSTRING;
    default:
        return 0;
    }
}

} // namespace

BOOL AfxInitDialogTemplateClasses(LPCDLGTEMPLATEA lpTemplate) {
    if (lpTemplate == nullptr)
        return FALSE;
    const bool extended = IsExtendedTemplate(lpTemplate);
    TemplateReader reader(lpTemplate);
    DWORD style = 0;
    WORD items = 0;
    if (extended) {
        reader.Skip(2 * sizeof(WORD) + 2 * sizeof(DWORD)); // version, signature, help id, extended style
        style = reader.DWord();
        items = reader.Word();
    } else {
        style = reader.DWord();
        reader.Skip(sizeof(DWORD)); // extended style
        items = reader.Word();
    }
    reader.Skip(4 * sizeof(short)); // position and size
    reader.NameOrOrdinal();         // menu
    reader.NameOrOrdinal();         // window class
    reader.String();                // caption
    if (style & DS_SETFONT) {
        reader.Skip(sizeof(WORD)); // point size
        if (extended)
            reader.Skip(sizeof(WORD) + 2 * sizeof(BYTE)); // weight, italic, character set
        reader.String();                                  // typeface
    }
    BOOL result = TRUE;
    for (WORD item = 0; item < items; ++item) {
        reader.AlignDWord();
        if (extended)
            reader.Skip(3 * sizeof(DWORD) + 4 * sizeof(short) + sizeof(DWORD)); // help id, styles, place, id
        else
            reader.Skip(2 * sizeof(DWORD) + 4 * sizeof(short) + sizeof(WORD)); // styles, place, id
        if (!InitClass(reader.NameOrOrdinal()))
            result = FALSE;
        reader.NameOrOrdinal(); // title
        // Creation data: its size counts the size word itself in the older layout only.
        const WORD size = reader.Word();
        if (extended)
            reader.Skip(size);
        else if (size > sizeof(WORD))
            reader.Skip(size - sizeof(WORD));
    }
    return result;
}

BOOL AfxExecuteDlgInit(HWND hWnd, const void* lpData, DWORD dwSize) {
    const auto* p = static_cast<const BYTE*>(lpData);
    const BYTE* const end = p + dwSize;
    const size_t header = sizeof(WORD) + sizeof(WORD) + sizeof(DWORD);
    BOOL result = TRUE;
    while (static_cast<size_t>(end - p) >= sizeof(WORD)) {
        WORD nIDC;
        std::memcpy(&nIDC, p, sizeof nIDC);
        if (nIDC == 0)
            return result;
        if (static_cast<size_t>(end - p) < header)
            return FALSE;
        WORD message;
        DWORD length;
        std::memcpy(&message, p + sizeof(WORD), sizeof message);
        std::memcpy(&length, p + 2 * sizeof(WORD), sizeof length);
        p += header;
        if (static_cast<size_t>(end - p) < length)
            return FALSE;
        // The text stops at its zero or at the record's end, whichever comes first.
        const auto* text = reinterpret_cast<const char*>(p);
        const std::string item(text, strnlen(text, length));
        p += length;
        const UINT nMsg = ListMessage(message);
        if (nMsg == 0)
            continue;
        const LRESULT added =
            ::SendDlgItemMessageA(hWnd, nIDC, nMsg, 0, reinterpret_cast<LPARAM>(item.c_str()));
        if (added < 0) // CB_ERR, CB_ERRSPACE and their list box twins
            result = FALSE;
    }
    // Data that ends without its closing zero is cut short.
    return FALSE;
}
