// CGEBCalcBtn: one button of the calculator gadget: its look (font, optional bitmap, text colour), caption,
// the keys that press it, where the layout put it, whether it is pressed and the command it runs.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CRect.h"
#include "framework/core/CString.h"

#include <windows.h>

class CDC;

class CGEBCalcBtn : public CObject {
public:
    // The appearance several buttons share.
    struct Look {
        HFONT hFont = nullptr;
        HBITMAP* phBitmap = nullptr; // the owner's bitmap handle, which may be reloaded
        COLORREF clrText = 0;
        DWORD dwReserved = 0;
    };
    // State bits.
    static constexpr UINT statePressed = 1;
    static constexpr UINT stateNewRow = 2;

    CGEBCalcBtn() = default;

    // Keys are kept in lower case. The shorter forms take the keys from the caption, or one character.
    void Init(const Look& look, UINT nCommand, LPCSTR pszCaption, LPCSTR pszKeys, int nSpan, BOOL bNewRow);
    void Init(const Look& look, UINT nCommand, LPCSTR pszCaption, int nSpan = 1, BOOL bNewRow = FALSE);
    void Init(const Look& look, UINT nCommand, LPCSTR pszCaption, char cKey, int nSpan, BOOL bNewRow);

    void SetVirtKey(UINT nKey) { m_nVirtKey = nKey; }
    BOOL IsVirtKey(UINT nKey) const { return m_nVirtKey != 0 && m_nVirtKey == nKey; }
    // TRUE when the keys contain the text.
    BOOL HasKey(LPCSTR pszText) const;
    UINT GetState() const { return m_nState; }
    void SetState(UINT nState) { m_nState = nState; }
    UINT GetCommand() const { return m_nCommand; }
    int GetSpan() const { return m_nSpan; }
    const CString& GetCaption() const { return m_strCaption; }
    const CRect& GetRect() const { return m_rect; }
    void SetRect(const RECT& rect) { m_rect = rect; }

    // Frames, face, bitmap and caption; a pressed button is drawn sunk with its content shifted.
    virtual void Draw(CDC* pDC);

    // A one-pixel 3D frame just inside the rectangle, which then shrinks by that pixel.
    static void DrawFrame(CDC* pDC, CRect& rect, COLORREF clrTopLeft, COLORREF clrBottomRight);

private:
    Look m_look;
    CString m_strCaption;
    CString m_strKeys;
    UINT m_nVirtKey = 0;
    int m_nSpan = 1;
    CRect m_rect;
    UINT m_nState = 0;
    UINT m_nCommand = 0;
};
