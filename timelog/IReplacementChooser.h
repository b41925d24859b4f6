// Before a record that others refer to is deleted, the user chooses the record that takes its place:
// the "In Use" dialogs implement this and register themselves (SetReplacementChooser). Without one
// registered no replacement can be chosen, and the deletion that needs it stops.
#pragma once

#include "framework/core/CObArray.h"

class IReplacementChooser {
public:
    virtual ~IReplacementChooser() = default;

    // The "In Use" dialog of that resource id over the candidates (every other record of the kind);
    // the chosen record, or nullptr when the user cancelled.
    virtual CObject* ChooseReplacement(UINT dialogId, const CObArray& candidates) = 0;
};

// The registered chooser, or nullptr.
IReplacementChooser* GetReplacementChooser();
void SetReplacementChooser(IReplacementChooser* pChooser);
