// CGEBDTStaticGadget: literal text between the fields of the date-time editor (separators, quoted
// text); it takes neither the focus nor the mouse.
#pragma once

#include "framework/core/CString.h"
#include "grid/controls/datetime/CGEBDTGadget.h"

class CGEBDTStaticGadget : public CGEBDTGadget {
    DECLARE_DYNAMIC(CGEBDTStaticGadget)

public:
    BOOL Initialise(CGEBDateTimeCtrl* pOwner, const CString& strText, int nId = -1);

    void CalcSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    const CString& GetText() const { return m_strText; }

private:
    CString m_strText;
};
