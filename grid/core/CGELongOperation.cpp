#include "grid/core/CGELongOperation.h"

#include "grid/core/CGEAbstractLongOperationImp.h"
#include "grid/core/CGELibraryState.h"

int CGELongOperation::s_nLevel = 0;

namespace {

CGEAbstractLongOperationImp* Imp() {
    return GEGetLibraryState()->m_pLongOperationImp;
}

} // namespace

CGELongOperation::CGELongOperation() : m_dwStartTicks(::GetTickCount()), m_dwLastTicks(m_dwStartTicks) {
    ++s_nLevel;
    if (CGEAbstractLongOperationImp* pImp = Imp())
        pImp->Begin(this);
}

CGELongOperation::~CGELongOperation() {
    if (CGEAbstractLongOperationImp* pImp = Imp())
        pImp->End(this);
    --s_nLevel;
}

void CGELongOperation::FreeStatusText() {
    if (CGEAbstractLongOperationImp* pImp = Imp())
        pImp->FreeStatusText(this);
}

void CGELongOperation::SetStatusText(LPCSTR pszText, BOOL bCopy) {
    if (CGEAbstractLongOperationImp* pImp = Imp())
        pImp->SetStatusText(this, pszText, bCopy);
}

BOOL CGELongOperation::Step() {
    CGEAbstractLongOperationImp* pImp = Imp();
    return pImp != nullptr ? pImp->Step(this) : FALSE;
}

BOOL CGELongOperation::StepAndQueryAbort(BOOL& bAbort) {
    bAbort = FALSE;
    CGEAbstractLongOperationImp* pImp = Imp();
    return pImp != nullptr ? pImp->StepAndQueryAbort(this, bAbort) : FALSE;
}

BOOL CGELongOperation::ProcessMessages() {
    CGEAbstractLongOperationImp* pImp = Imp();
    return pImp != nullptr ? pImp->ProcessMessages(this) : FALSE;
}
