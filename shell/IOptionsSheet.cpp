#include "shell/IOptionsSheet.h"

namespace {
IOptionsSheet* g_optionsSheet = nullptr;
} // namespace

IOptionsSheet* GetOptionsSheet() {
    return g_optionsSheet;
}

void SetOptionsSheet(IOptionsSheet* sheet) {
    g_optionsSheet = sheet;
}
