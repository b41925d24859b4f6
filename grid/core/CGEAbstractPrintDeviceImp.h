// Print device (application-wide): a grid's own printer, kept with its parameter object.
#pragma once

#include "framework/core/CObject.h"

class CPrintDialog;
class CPrintInfo;
class CView;

class CGEAbstractPrintDeviceImp : public CObject {
public:
    // The print dialog with the device's printer; the dialog's result.
    virtual int DoPrintSetup(CObject* pDevice, CPrintDialog* pDialog) = 0;
    // The view's DoPreparePrinting with the device's printer; TRUE when printing may start.
    virtual BOOL PreparePrinting(CObject* pDevice, CView* pView, CPrintInfo* pInfo) = 0;

protected:
    CGEAbstractPrintDeviceImp() = default;
};
