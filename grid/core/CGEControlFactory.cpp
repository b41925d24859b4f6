#include "grid/core/CGEControlFactory.h"

#include "framework/core/CResourceException.h"
#include "grid/GridResource.h"
#include "grid/controls/CGECheckBox.h"
#include "grid/controls/CGECheckBoxEx.h"
#include "grid/controls/CGEDaoBitmap.h"
#include "grid/controls/CGEHeader.h"
#include "grid/controls/CGEListBox.h"
#include "grid/controls/CGEOleDateTimeImp.h"
#include "grid/controls/CGEProgressCtrl.h"
#include "grid/controls/CGEPushbutton.h"
#include "grid/controls/CGERadioButton.h"
#include "grid/controls/CGERadioButtonEx.h"
#include "grid/controls/CGEStatic.h"
#include "grid/controls/GEControlIds.h"
#include "grid/controls/combo/CGECheckListComboBox.h"
#include "grid/controls/combo/CGEComboBox.h"
#include "grid/controls/combo/CGEComboBoxWnd.h"
#include "grid/controls/combo/CGETabbedComboBox.h"
#include "grid/controls/combo/CGETabbedComboBoxWnd.h"
#include "grid/controls/datetime/CGEDateTimeCtrl.h"
#include "grid/controls/gadgets/CGECurrencyEdit.h"
#include "grid/controls/edit/CGEEditControl.h"
#include "grid/controls/edit/CGEHotSpotEdit.h"
#include "grid/controls/edit/CGEMaskControl.h"
#include "grid/controls/edit/CGEPasswordControl.h"
#include "grid/controls/edit/CGERichEditCtrl.h"
#include "grid/controls/edit/CGESpinEdit.h"
#include "grid/controls/edit/CGEVScrollEdit.h"
#include "grid/core/CGEBrowserGrid.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"
#include "grid/core/CGENumberFormattingImp.h"
#include "grid/core/CGESpanCellPoolImp.h"
#include "grid/features/CGECoveredCellPoolImp.h"
#include "grid/features/CGEDataCopyMoveCellsImp.h"
#include "grid/features/CGEDrawRotatedTextImp.h"
#include "grid/features/CGEGridDocSerializeImp.h"
#include "grid/features/CGEGridParamCopyOperatorImp.h"
#include "grid/features/CGEGridProfileImp.h"
#include "grid/features/CGEGridSortMoveDataImp.h"
#include "grid/features/CGELongOperationImp.h"
#include "grid/features/CGEPrintDeviceImp.h"
#include "grid/features/CGESerializeLegacyCompatibleImp.h"
#include "grid/features/CGEStyleCompareSubsetImp.h"
#include "grid/features/CGEStyleSerializeImp.h"

#include <memory>
#include <new>

namespace {

// The window classes the factory registers for the grid's sheet tabs.
const char* const kWndClasses[] = {"CGEGridWnd", "CGETabBeam", "CGETabWnd"};

// A control with a cell tip.
template <class T> CGEControl* WithTip(std::unique_ptr<T> pControl) {
    pControl->AttachCellTip();
    return pControl.release();
}

CGEControl* MakeComboBox(CGEGridCore* pGrid, UINT nID, DWORD dwFlags) {
    return WithTip(std::make_unique<CGEComboBox>(pGrid, nID, nID, dwFlags));
}

CGEControl* MakeTabbedComboBox(CGEGridCore* pGrid) {
    return WithTip(
        std::make_unique<CGETabbedComboBox>(pGrid, GE_IDS_CTRL_TABBED_COMBOBOX, GE_IDS_CTRL_TABBED_COMBOBOX));
}

CGEControl* MakeComboBoxWnd(CGEGridCore* pGrid, UINT nID, DWORD dwStyle) {
    auto pCombo = std::make_unique<CGEComboBoxWnd>(pGrid);
    pCombo->CreateControlWindow(dwStyle, nID);
    pCombo->m_bFillFromChoiceList = TRUE;
    pCombo->m_bKeepArrowKeys = FALSE;
    return WithTip(std::move(pCombo));
}

CGEControl* MakeTabbedComboBoxWnd(CGEGridCore* pGrid, UINT nID) {
    auto pCombo = std::make_unique<CGETabbedComboBoxWnd>(pGrid);
    if (nID == GE_IDS_CTRL_CBS_TABBED_DROPDOWN) {
        pCombo->CreateControlWindow(CBS_DROPDOWN, nID);
    } else {
        pCombo->CreateControlWindow(CBS_DROPDOWNLIST, nID);
        pCombo->m_bDropDownOnClick = TRUE;
    }
    return WithTip(std::move(pCombo));
}

CGEControl* MakeControl(UINT nID, CGEGridCore* pGrid) {
    switch (nID) {
    case GE_IDS_CTRL_STATIC:
        return WithTip(std::make_unique<CGEStatic>(pGrid));
    case GE_IDS_CTRL_PUSHBTN:
        return new CGEPushbutton(pGrid);
    case GE_IDS_CTRL_CHECKBOX:
        return new CGECheckBox(pGrid, FALSE, 0, 0);
    case GE_IDS_CTRL_CHECKBOX3D:
        return new CGECheckBox(pGrid, TRUE, 0, 0);
    case GE_IDS_CTRL_CHECKBOX_EX:
        return new CGECheckBoxEx(pGrid, FALSE, 0, 0);
    case GE_IDS_CTRL_CHECKBOX3D_EX:
        return new CGECheckBoxEx(pGrid, TRUE, 0, 0);
    case GE_IDS_CTRL_HEADER:
        return WithTip(std::make_unique<CGEHeader>(pGrid));
    case GE_IDS_CTRL_SCROLLEDIT:
        return WithTip(std::make_unique<CGEVScrollEdit>(pGrid, nID));
    case GE_IDS_CTRL_HOTSPOT:
        return WithTip(std::make_unique<CGEHotSpotEdit>(pGrid, nID));
    case GE_IDS_CTRL_SPINEDIT:
        return WithTip(std::make_unique<CGESpinEdit>(pGrid, nID));
    case GE_IDS_CTRL_PASSWORD:
        return WithTip(std::make_unique<CGEPasswordControl>(pGrid, nID));
    case GE_IDS_CTRL_MASKEDIT:
        return WithTip(std::make_unique<CGEMaskControl>(pGrid, nID, RUNTIME_CLASS(CGEMaskData)));
    case GE_IDS_CTRL_RICHEDIT:
        return WithTip(std::make_unique<CGERichEditCtrl>(pGrid));
    case GE_IDS_CTRL_PROGRESS:
        return new CGEProgressCtrl(pGrid);
    case GE_IDS_CTRL_DAOBITMAP:
        return new CGEDaoBitmap(pGrid);
    case GE_IDS_CTRL_LISTBOX:
        return WithTip(std::make_unique<CGEListBox>(pGrid, nID));
    case GE_IDS_CTRL_RADIOBTN:
        return new CGERadioButton(pGrid, FALSE);
    case GE_IDS_CTRL_RADIOBTN3D:
        return new CGERadioButton(pGrid, TRUE);
    case GE_IDS_CTRL_RADIOBTN_EX:
        return new CGERadioButtonEx(pGrid, FALSE);
    case GE_IDS_CTRL_RADIOBTN3D_EX:
        return new CGERadioButtonEx(pGrid, TRUE);
    case GE_IDS_CTRL_COMBOBOX:
        return MakeComboBox(pGrid, nID, CGEComboBox::flagNoTextFit);
    case GE_IDS_CTRL_ZEROBASED:
        return MakeComboBox(pGrid, nID, CGEComboBox::flagZeroBased);
    case GE_IDS_CTRL_ONEBASED:
        return MakeComboBox(pGrid, nID, CGEComboBox::flagOneBased);
    case GE_IDS_CTRL_TEXTFIT:
        return MakeComboBox(pGrid, nID, CGEComboBox::flagTextFit);
    case GE_IDS_CTRL_ONEBASED_EX:
        return MakeComboBox(pGrid, nID, CGEComboBox::flagDisplayChoice | CGEComboBox::flagOneBased);
    case GE_IDS_CTRL_ZEROBASED_EX:
        return MakeComboBox(pGrid, nID, CGEComboBox::flagDisplayChoice | CGEComboBox::flagZeroBased);
    case GE_IDS_CTRL_TABBED_COMBOBOX:
        return MakeTabbedComboBox(pGrid);
    case GE_IDS_CTRL_CBS_DROPDOWN:
        return MakeComboBoxWnd(pGrid, nID, WS_VSCROLL | CBS_AUTOHSCROLL | CBS_DROPDOWN);
    case GE_IDS_CTRL_CBS_DROPDOWNLIST:
        return MakeComboBoxWnd(pGrid, nID, WS_VSCROLL | CBS_DROPDOWNLIST);
    case GE_IDS_CTRL_CHECKLIST_COMBOBOX:
        return WithTip(std::make_unique<CGECheckListComboBox>(pGrid, nID, nID));
    case GE_IDS_CTRL_CBS_TABBED_DROPDOWN:
    case GE_IDS_CTRL_CBS_TABBED_DROPDOWNLIST:
        // The window-based tabbed combo is not made on the legacy platform: the tabbed combo stands in.
        if (GEGetLibraryState()->m_bWin32s)
            return MakeTabbedComboBox(pGrid);
        return MakeTabbedComboBoxWnd(pGrid, nID);
    case GE_IDS_CTRL_DATETIME:
        return WithTip(std::make_unique<CGEDateTimeCtrl>(pGrid, nID, GEB_DTS_DROPDOWN | GEB_DTS_SPIN));
    case GE_IDS_CTRL_DATETIMENOCAL:
        return WithTip(std::make_unique<CGEDateTimeCtrl>(pGrid, nID, GEB_DTS_SPIN));
    case GE_IDS_CTRL_CURRENCY:
        return WithTip(std::make_unique<CGECurrencyEdit>(pGrid, nID));
    case GE_IDS_CTRL_OLEPREVIEW:
        // The object preview belongs to record browsers only.
        if (dynamic_cast<CGEBrowserGrid*>(pGrid) == nullptr)
            return nullptr;
        break;
    default:
        break;
    }
    // Every other id, and the kinds not made here, get the edit control.
    return WithTip(std::make_unique<CGEEditControl>(pGrid, GE_IDS_CTRL_EDIT));
}

} // namespace

CGEControl* CGEControlFactory::CreateControl(UINT nID, CGEGridCore* pGrid) {
    try {
        return MakeControl(nID, pGrid);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void CGEControlFactory::RegisterControlNames(CGEStylesMap& stylesMap) {
    static const WORD kIds[] = {GE_IDS_CTRL_EDIT,
                                GE_IDS_CTRL_HEADER,
                                GE_IDS_CTRL_TEXTFIT,
                                GE_IDS_CTRL_COMBOBOX,
                                GE_IDS_CTRL_ONEBASED,
                                GE_IDS_CTRL_ZEROBASED,
                                GE_IDS_CTRL_ONEBASED_EX,
                                GE_IDS_CTRL_ZEROBASED_EX,
                                GE_IDS_CTRL_CBS_DROPDOWN,
                                GE_IDS_CTRL_CBS_DROPDOWNLIST,
                                GE_IDS_CTRL_LISTBOX,
                                GE_IDS_CTRL_STATIC,
                                GE_IDS_CTRL_PUSHBTN,
                                GE_IDS_CTRL_RADIOBTN,
                                GE_IDS_CTRL_RADIOBTN3D,
                                GE_IDS_CTRL_CHECKBOX,
                                GE_IDS_CTRL_CHECKBOX3D,
                                GE_IDS_CTRL_CHECKBOX_EX,
                                GE_IDS_CTRL_CHECKBOX3D_EX,
                                GE_IDS_CTRL_RADIOBTN_EX,
                                GE_IDS_CTRL_RADIOBTN3D_EX,
                                GE_IDS_CTRL_MASKEDIT,
                                GE_IDS_CTRL_PROGRESS,
                                GE_IDS_CTRL_PASSWORD,
                                GE_IDS_CTRL_CBS_TABBED_DROPDOWN,
                                GE_IDS_CTRL_CBS_TABBED_DROPDOWNLIST,
                                GE_IDS_CTRL_TABBED_COMBOBOX,
                                GE_IDS_CTRL_RICHEDIT,
                                GE_IDS_CTRL_CHECKLIST_COMBOBOX,
                                GE_IDS_CTRL_SPINEDIT,
                                GE_IDS_CTRL_HOTSPOT,
                                GE_IDS_CTRL_SCROLLEDIT,
                                GE_IDS_CTRL_DATETIME,
                                GE_IDS_CTRL_DATETIMENOCAL,
                                GE_IDS_CTRL_CURRENCY,
                                GE_IDS_CTRL_DAOBITMAP,
                                GE_IDS_CTRL_OLEPREVIEW};
    for (WORD nID : kIds)
        stylesMap.AddControl(nID);
}

void CGEControlFactory::RegisterUserAttributes(CGEStylesMap& stylesMap) {
    CGEControl::AddUserAttributes(stylesMap);
    // The check box's values.
    stylesMap.AddUserAttribute(GE_IDS_UA_CHECKBOX_CHECKED);
    stylesMap.AddUserAttribute(GE_IDS_UA_CHECKBOX_UNCHECKED);
    // The tabbed combo box's table; its two switches are edited as centred 3-D check boxes.
    stylesMap.AddUserAttribute(GE_IDS_UA_TABLIST_KEYCOL);
    stylesMap.AddUserAttribute(GE_IDS_UA_TABLIST_TEXTCOL);
    CGEStyle checkBox;
    checkBox.SetControl(GE_IDS_CTRL_CHECKBOX3D)
        .SetVerticalAlignment(DT_VCENTER)
        .SetHorizontalAlignment(DT_CENTER);
    stylesMap.AddUserAttribute(GE_IDS_UA_TABLIST_SHOWALLCOLS, &checkBox);
    stylesMap.AddUserAttribute(GE_IDS_UA_TABLIST_TITLES, &checkBox);
    stylesMap.AddUserAttribute(GE_IDS_UA_TABLIST_SORTCOL);
    stylesMap.AddUserAttribute(GE_IDS_UA_TABLIST_UNIQUEID);
    CGEStyle text;
    text.SetWrapText(TRUE).SetAllowEnter(TRUE);
    stylesMap.AddUserAttribute(GE_IDS_UA_TOOLTIPTEXT, &text);
    CString strEllipses;
    strEllipses.LoadString(GE_IDS_CHOICES_ELLIPSIS);
    CGEStyle ellipsis;
    ellipsis.SetControl(GE_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(strEllipses);
    stylesMap.AddUserAttribute(GE_IDS_UA_ELLIPSISTYPE, &ellipsis);
    CGERadioButtonEx::AddUserAttributes(stylesMap);
    CGESpinEdit::AddUserAttributes(stylesMap);
    CGEProgressCtrl::AddUserAttributes(stylesMap);
    CGEDateTimeCtrl::AddUserAttributes(stylesMap);
    CGECurrencyEdit::AddUserAttributes(stylesMap);
    CGEMaskControl::AddUserAttributes(stylesMap);
}

void CGEControlFactory::InstallGridFeatures(CGEGridCore* pGrid) {
    // The per-grid features add their installers here in this order: find and replace, hidden cells,
    // auto-scroll, resize to fit, update hints, command factory, sorting, alternative drawing, covered,
    // merged and floating cells, printing, range selection, spreadsheet-like frame, drag and drop, user
    // resizing, optimized update, marking the current cell's headers, freeze menu, direct copy and move,
    // text and style data exchange, cut and paste, clearing cells.
    pGrid->InstallFindReplace();
    pGrid->InstallHideCells();
    pGrid->InstallAutoScroll();
    pGrid->InstallResizeToFit();
    pGrid->InstallUpdateHint();
    pGrid->InstallCommandFactory();
    pGrid->InstallSort();
    pGrid->InstallOldDrawing();
    pGrid->InstallCoveredCells();
    pGrid->InstallMergeCells();
    pGrid->InstallFloatCells();
    pGrid->InstallPrinting();
    pGrid->InstallUserSelectRange();
    pGrid->InstallExcelLikeFrame();
    pGrid->InstallUserDragSelectRange();
    pGrid->InstallUserResizeCells();
    pGrid->InstallOptimizedUpdate();
    pGrid->InstallMarkEditHeader();
    pGrid->InstallFreezeMenuHelper();
    pGrid->InstallDirectCopyMoveCells();
    pGrid->InstallTextDataExchange();
    pGrid->InstallStyleDataExchange();
    pGrid->InstallCutPaste();
    pGrid->InstallClearCells();
}

void CGEControlFactory::InstallApplicationFeatures() {
    // The application-wide features add their installers here, in this order: print device, style
    // comparison, style serialisation, older-format serialisation, registry profile, document
    // serialisation, parameter copy, rotated text, number formatting, the date-time object, moving data
    // after a sort, data copy and move, long operations, covered-cell pool, span-cell pool.
    GEInstallPrintDevice();
    GEInstallStyleCompareSubset();
    GEInstallStyleSerialize();
    GEInstallLegacyCompatibleSerialize();
    GEInstallGridProfile();
    GEInstallGridDocSerialize();
    GEInstallGridParamCopyOperator();
    GEInstallDrawRotatedText();
    GEInstallNumberFormatting();
    GEInstallOleDateTime();
    GEInstallSortMoveData();
    GEInstallDataCopyMoveCells();
    GEInstallLongOperation();
    GEInstallCoveredCellPool();
    GEInstallSpanCellPool();
}

BOOL CGEControlFactory::RegisterWndClasses(HINSTANCE hInstance) {
    for (const char* pszClass : kWndClasses) {
        WNDCLASSA wc{};
        if (::GetClassInfoA(hInstance, pszClass, &wc))
            continue; // registered before for this module
        wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInstance;
        wc.lpszClassName = pszClass;
        if (!::RegisterClassA(&wc))
            AfxThrowResourceException();
    }
    return TRUE;
}

void CGEControlFactory::UnregisterWndClasses(HINSTANCE hInstance) {
    for (const char* pszClass : kWndClasses)
        ::UnregisterClassA(pszClass, hInstance);
}
