// CGETabbedLBoxHeader: the title row shown above (or below) a tabbed combo box's drop-down list: one raised
// box per shown column with its title text or picture, in the list's font.
#pragma once

#include "framework/win/CWnd.h"

#include <vector>

class CGETabbedLBoxHeader : public CWnd {
public:
    CGETabbedLBoxHeader() = default;

    // The invisible tool pop-up window of the library's pop-up class, owned by the desktop.
    BOOL CreateHeader();
    void SetLayout(BOOL bShowAll, int nTextCol, int nColCount, const std::vector<int>& boundaries);
    void SetTitle(LPCSTR pszTitle) { m_strTitle = pszTitle; }
    const CString& GetTitle() const { return m_strTitle; }

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bShowAll = TRUE;
    int m_nTextCol = 0;
    int m_nColCount = 0;
    std::vector<int> m_boundaries;
    CString m_strTitle;
};
