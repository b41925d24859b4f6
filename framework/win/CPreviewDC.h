// CPreviewDC: the device context print preview hands to a view. Attributes and measurements come from
// the printer (the attribute DC), drawing goes to the screen (the output DC): every change of the
// mapping is made on the printer and mirrored onto the screen scaled so that one printer page fills
// the page rectangle on the screen. Views draw through the ordinary CDC members and need not know.
#pragma once

#include "framework/core/CPoint.h"
#include "framework/core/CRect.h"
#include "framework/core/CSize.h"
#include "framework/win/CDC.h"

class CPreviewDC : public CDC {
    DECLARE_DYNAMIC(CPreviewDC)
public:
    CPreviewDC();
    // The handles are borrowed (the printer DC belongs to the print job, the screen DC to the window).
    ~CPreviewDC() override;

    void SetAttribDC(HDC hDC) override;
    void SetOutputDC(HDC hDC) override;

    // The paper of sizePaper printer pixels is shown in rectScreen (device units of the output DC); the
    // printer's device origin lies ptPrintable printer pixels into the paper (its unprintable margin).
    void SetScaleRect(const CRect& rectScreen, CSize sizePaper, CPoint ptPrintable);
    // Makes the output DC's mapping the printer's, scaled onto the page rectangle.
    void MirrorMappingMode();
    // A point in the printer's device units as a point of the output DC's device units.
    CPoint PrinterToScreen(CPoint ptPrinter) const;

    using CDC::OffsetViewportOrg;
    using CDC::ScaleViewportExt;
    using CDC::ScaleWindowExt;
    using CDC::SetViewportExt;
    using CDC::SetViewportOrg;
    using CDC::SetWindowExt;
    int SetMapMode(int nMapMode) override;
    CPoint SetViewportOrg(int x, int y) override;
    CPoint OffsetViewportOrg(int nWidth, int nHeight) override;
    CSize SetViewportExt(int cx, int cy) override;
    CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) override;
    CSize SetWindowExt(int cx, int cy) override;
    CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) override;
    BOOL RestoreDC(int nSavedDC) override;

private:
    // Whether drawing goes somewhere else than the printer (else this is a plain printer DC).
    bool Mirrored() const { return m_hDC != nullptr && m_hAttribDC != nullptr && m_hDC != m_hAttribDC; }

    CPoint m_ptScreenOrigin; // output device point of the printer's device origin
    CSize m_sizeScaleNum{1, 1};
    CSize m_sizeScaleDen{1, 1};
};
