#include "framework/win/CPrintInfo.h"

#include "framework/win/AfxRes.h"
#include "framework/win/CPrintDialog.h"

CPrintInfo::CPrintInfo() : m_dialog(std::make_unique<CPrintDialog>(FALSE)) {
    m_pPD = m_dialog.get();
    // Pages can be chosen; the selection only when a view offers it (PD_NOSELECTION cleared).
    m_pPD->m_pd.Flags &= ~PD_NOPAGENUMS;
    m_pPD->m_pd.nMinPage = 1;
    m_pPD->m_pd.nMaxPage = 0xFFFF;
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = 0xFFFF;
    m_strPageDesc.LoadString(AFX_IDS_PREVIEWPAGEDESC);
}

CPrintInfo::~CPrintInfo() {
    // The printer's device context was made for this job; the device names and mode are the
    // application's (CWinApp keeps them).
    if (m_pPD != nullptr && m_pPD->m_pd.hDC != nullptr) {
        ::DeleteDC(m_pPD->m_pd.hDC);
        m_pPD->m_pd.hDC = nullptr;
    }
}

void CPrintInfo::SetMinPage(UINT nMinPage) {
    m_pPD->m_pd.nMinPage = static_cast<WORD>(nMinPage);
}

void CPrintInfo::SetMaxPage(UINT nMaxPage) {
    m_pPD->m_pd.nMaxPage = static_cast<WORD>(nMaxPage);
}

UINT CPrintInfo::GetMinPage() const {
    return m_pPD->m_pd.nMinPage;
}

UINT CPrintInfo::GetMaxPage() const {
    return m_pPD->m_pd.nMaxPage;
}

UINT CPrintInfo::GetFromPage() const {
    return m_pPD->m_pd.nFromPage;
}

UINT CPrintInfo::GetToPage() const {
    return m_pPD->m_pd.nToPage;
}

UINT CPrintInfo::GetOffsetPage() const {
    return m_nOffsetPage;
}
