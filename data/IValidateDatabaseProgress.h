// What the database check shows while it works: the modeless "Validating Database" window. The
// database layer only needs these calls, so it does not depend on the window classes; the window is
// shown when the object is made and closed when it is destroyed.
#pragma once

class IValidateDatabaseProgress {
public:
    virtual ~IValidateDatabaseProgress() = default;
    // step rows of total are done.
    virtual void SetProgress(int step, int total) = 0;
};
