// CGECaptiveCurEdit: the hidden currency edit a currency cell uses to format and read the values of cells
// other than the one being edited, so that the live editor is never disturbed.
#pragma once

#include "grid/controls/gadgets/CGEBCurrencyEdit.h"

class CGECaptiveCurEdit : public CGEBCurrencyEdit {};
