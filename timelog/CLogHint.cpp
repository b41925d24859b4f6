#include "timelog/CLogHint.h"

IMPLEMENT_DYNAMIC(CLogHint, CObject)
