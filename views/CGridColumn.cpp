#include "views/CGridColumn.h"

#include "views/ViewControlIds.h"

CGridColumn::CGridColumn(int columnId, UINT titleId) : m_ColumnId(columnId), m_ControlType(kCtrlStatic) {
    m_Title.LoadString(titleId);
}

CGridColumn::CGridColumn(UINT titleId, int controlType, double weight, BOOL firstFlag, BOOL mayBeChosen)
    : m_ColumnId(static_cast<int>(titleId)), m_ControlType(controlType), m_Weight(weight),
      m_bFirstFlag(firstFlag ? 1 : 0), m_bMayBeChosen(mayBeChosen ? 1 : 0) {
    m_Title.LoadString(titleId);
}

bool CGridColumn::IsCheckBox() const {
    return m_ControlType == kCtrlCheckBox3d;
}
