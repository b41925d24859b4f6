#include "foundation/CHoverButton.h"

#include "foundation/WindowHelpers.h"
#include "framework/win/CBrush.h"
#include "framework/win/CDC.h"

IMPLEMENT_DYNAMIC(CHoverButton, CButton)

BEGIN_MESSAGE_MAP(CHoverButton, CButton)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_CAPTURECHANGED()
ON_WM_SIZE()
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

namespace {

// The light grey that image strips use as background; it is shown in the button's face colour.
constexpr COLORREF kStripBackground = RGB(192, 192, 192);
// Distance of the image from the button's edge when the button also shows text.
constexpr int kImageMargin = 6;
// Paints the brush where the source is black and keeps the destination where it is white (PSDPxax).
constexpr DWORD kPaintWhereSourceIsBlack = 0x00B8074A;

// Two memory DCs and an 8x8 checkerboard brush shared by all hover buttons for the life of the process.
// Plain handles: they outlive the framework's per-thread handle maps at exit.
class SharedDrawing {
public:
    static const SharedDrawing& Get() {
        static const SharedDrawing shared;
        return shared;
    }
    ~SharedDrawing() {
        ::DeleteDC(imageDc);
        ::DeleteDC(maskDc);
        ::DeleteObject(checkerBrush);
    }
    SharedDrawing(const SharedDrawing&) = delete;
    SharedDrawing& operator=(const SharedDrawing&) = delete;

    HDC imageDc;
    HDC maskDc;
    HBRUSH checkerBrush;

private:
    SharedDrawing() : imageDc(::CreateCompatibleDC(nullptr)), maskDc(::CreateCompatibleDC(nullptr)) {
        // Alternate pixels: rows of 0x55 and 0xAA (each row a WORD in a monochrome bitmap).
        const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        HBITMAP bits = ::CreateBitmap(8, 8, 1, 1, pattern);
        checkerBrush = ::CreatePatternBrush(bits);
        ::DeleteObject(bits);
    }
};

} // namespace

CHoverButton::CHoverButton() {
    SharedDrawing::Get();
}

CHoverButton::~CHoverButton() = default;

BOOL CHoverButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    m_buttonWidth = rect.right - rect.left;
    m_buttonHeight = rect.bottom - rect.top;
    dwStyle = (dwStyle & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
    return CButton::Create(lpszCaption, dwStyle, rect, pParentWnd, nID);
}

void CHoverButton::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    if ((GetStyle() & BS_TYPEMASK) != BS_OWNERDRAW)
        ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    RecordSize();
}

void CHoverButton::RecordSize() {
    CRect rect;
    GetWindowRect(&rect);
    m_buttonWidth = rect.Width();
    m_buttonHeight = rect.Height();
}

bool CHoverButton::SetBitmap(UINT resourceId, int imageIndex, int width, int height) {
    CBitmap strip;
    if (!LoadBitmapReplacingColor(&strip, resourceId, FaceColor(), kStripBackground))
        return false;
    m_bitmap.DeleteObject();
    m_bitmap.Attach(strip.Detach());
    m_bitmapId = resourceId;
    m_imageIndex = imageIndex;
    BITMAP info{};
    ::GetObjectA(m_bitmap.GetSafeHandle(), sizeof info, &info);
    m_imageWidth = width > 0 ? width : info.bmWidth;
    m_imageHeight = height > 0 ? height : info.bmHeight;
    if (GetSafeHwnd() != nullptr)
        Invalidate();
    return true;
}

void CHoverButton::ReloadBitmap() {
    if (m_bitmapId != 0)
        SetBitmap(m_bitmapId, m_imageIndex, m_imageWidth, m_imageHeight);
}

void CHoverButton::SetImageIndex(int imageIndex) {
    m_imageIndex = imageIndex;
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

void CHoverButton::SetImagePosition(ImagePosition position) {
    m_imagePosition = position;
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

void CHoverButton::SetPressed(bool latched) {
    if (m_latched == latched)
        return;
    m_latched = latched;
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

void CHoverButton::SetFaceColor(COLORREF color, bool useFaceColor) {
    m_faceColor = color;
    m_useFaceColor = useFaceColor;
    ReloadBitmap();
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

COLORREF CHoverButton::FaceColor() const {
    return m_useFaceColor ? m_faceColor : ::GetSysColor(COLOR_BTNFACE);
}

// ---------------- mouse ----------------

void CHoverButton::OnMouseMove(UINT nFlags, CPoint point) {
    CRect client;
    GetClientRect(&client);
    const bool inside = client.PtInRect(point) != FALSE;
    if (!m_hot && inside) {
        m_hot = true;
        SetCapture();
        Invalidate();
    } else if (m_hot && !inside) {
        LeaveHot();
    }
    CButton::OnMouseMove(nFlags, point);
}

void CHoverButton::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_hot)
        LeaveHot();
    CButton::OnLButtonDown(nFlags, point);
}

void CHoverButton::OnLButtonUp(UINT nFlags, CPoint point) {
    // A completed click: the button still shows pushed when released (the press
    // was not cancelled by leaving the button), whether or not the mouse moved
    // after the press.
    CRect client;
    GetClientRect(&client);
    const bool completedClick = (GetState() & BST_PUSHED) != 0 && client.PtInRect(point);
    if (m_latchOnClick && completedClick)
        m_latched = !m_latched;
    if (m_hot)
        LeaveHot();
    else
        Invalidate();
    CButton::OnLButtonUp(nFlags, point);
}

void CHoverButton::OnCaptureChanged(CWnd* pWnd) {
    // Another window took the mouse (a menu, a dialog): the button is no longer
    // under it for us.
    if (m_hot && (pWnd == nullptr || pWnd->GetSafeHwnd() != GetSafeHwnd())) {
        m_hot = false;
        Invalidate();
    }
    CButton::OnCaptureChanged(pWnd);
}

void CHoverButton::LeaveHot() {
    m_hot = false;
    if (CWnd::GetCapture() != nullptr && CWnd::GetCapture()->GetSafeHwnd() == GetSafeHwnd())
        ReleaseCapture();
    Invalidate();
}

void CHoverButton::OnSize(UINT nType, int cx, int cy) {
    CButton::OnSize(nType, cx, cy);
    RecordSize();
}

void CHoverButton::OnSysColorChange() {
    CButton::OnSysColorChange();
    ReloadBitmap();
    Invalidate();
}

// ---------------- drawing ----------------

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rect = lpDrawItemStruct->rcItem;
    const bool pushed = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const bool disabled = (lpDrawItemStruct->itemState & ODS_DISABLED) != 0;
    const COLORREF face = FaceColor();
    const COLORREF highlight = ::GetSysColor(COLOR_3DHILIGHT);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);

    dc->FillSolidRect(&rect, face);
    if (m_latched && !pushed) {
        // A latched button's face is dithered with the highlight colour, like a checked tool button.
        const COLORREF oldText = dc->SetTextColor(face);
        const COLORREF oldBack = dc->SetBkColor(highlight);
        CRect inner = rect;
        inner.DeflateRect(1, 1);
        dc->FillRect(&inner, CBrush::FromHandle(SharedDrawing::Get().checkerBrush));
        dc->SetTextColor(oldText);
        dc->SetBkColor(oldBack);
    }
    if (m_latched || pushed)
        dc->Draw3dRect(&rect, shadow, highlight);
    else if (m_hot)
        dc->Draw3dRect(&rect, highlight, shadow);

    CString text;
    GetWindowText(text);
    const int shift = (m_latched || pushed) ? 1 : 0;
    CRect textRect = rect;
    if (m_bitmap.GetSafeHandle() != nullptr) {
        int x = rect.left + (rect.Width() - m_imageWidth) / 2;
        int y = rect.top + (rect.Height() - m_imageHeight) / 2;
        if (!text.IsEmpty()) {
            switch (m_imagePosition) {
            case imageLeft:
                x = rect.left + kImageMargin;
                textRect.left = x + m_imageWidth + 2;
                break;
            case imageRight:
                x = rect.right - kImageMargin - m_imageWidth;
                textRect.right = x - 2;
                break;
            case imageTop:
                y = rect.top + kImageMargin;
                textRect.top = y + m_imageHeight;
                break;
            }
        }
        DrawImage(dc, x + shift, y + shift, disabled);
    }
    if (!text.IsEmpty()) {
        textRect.OffsetRect(shift, shift);
        const int oldMode = dc->SetBkMode(TRANSPARENT);
        const COLORREF oldColor = dc->SetTextColor(::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        dc->DrawText(text, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        dc->SetTextColor(oldColor);
        dc->SetBkMode(oldMode);
    }
}

void CHoverButton::DrawImage(CDC* dc, int x, int y, bool disabled) const {
    const SharedDrawing& shared = SharedDrawing::Get();
    CDC* imageDc = CDC::FromHandle(shared.imageDc);
    const int sourceX = m_imageIndex * m_imageWidth;
    const HGDIOBJ oldStrip = imageDc->SelectObject(m_bitmap.GetSafeHandle());
    if (!disabled) {
        dc->BitBlt(x, y, m_imageWidth, m_imageHeight, imageDc, sourceX, 0, SRCCOPY);
        imageDc->SelectObject(oldStrip);
        return;
    }
    // Embossed: a mask that is white where the image shows its background, then the drawn pixels
    // painted once in the highlight colour one pixel down and right, and once in the shadow colour.
    CDC* maskDc = CDC::FromHandle(shared.maskDc);
    CBitmap mask;
    mask.CreateBitmap(m_imageWidth, m_imageHeight, 1, 1, nullptr);
    const HGDIOBJ oldMask = maskDc->SelectObject(mask.GetSafeHandle());
    const COLORREF oldImageBack = imageDc->SetBkColor(FaceColor());
    maskDc->BitBlt(0, 0, m_imageWidth, m_imageHeight, imageDc, sourceX, 0, SRCCOPY);
    imageDc->SetBkColor(oldImageBack);

    const COLORREF oldText = dc->SetTextColor(RGB(0, 0, 0));
    const COLORREF oldBack = dc->SetBkColor(RGB(255, 255, 255));
    CBrush highlight(::GetSysColor(COLOR_3DHILIGHT));
    CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
    CBrush* oldBrush = dc->SelectObject(&highlight);
    dc->BitBlt(x + 1, y + 1, m_imageWidth, m_imageHeight, maskDc, 0, 0, kPaintWhereSourceIsBlack);
    dc->SelectObject(&shadow);
    dc->BitBlt(x, y, m_imageWidth, m_imageHeight, maskDc, 0, 0, kPaintWhereSourceIsBlack);
    dc->SelectObject(oldBrush);
    dc->SetTextColor(oldText);
    dc->SetBkColor(oldBack);
    maskDc->SelectObject(oldMask);
    imageDc->SelectObject(oldStrip);
}
