#include "grid/features/CGEStyleSerializeImp.h"

#include "grid/core/CGEFont.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELinePen.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStyleBrush.h"

#include <memory>

void CGEStyleSerializeImp::SerializeFont(CGEFont& font, CArchive& ar) {
    font.SerializeLayout(ar);
}

void CGEStyleSerializeImp::SerializeBrush(CGEStyleBrush& brush, CArchive& ar) {
    brush.SerializeLayout(ar);
}

void CGEStyleSerializeImp::SerializePen(CGELinePen& pen, CArchive& ar) {
    pen.SerializeLayout(ar);
}

void CGEStyleSerializeImp::SerializeStyle(CGEStyle& style, CArchive& ar, const CGEStylesMap* pStylesMap) {
    style.SerializeLayout(ar, pStylesMap);
}

void GEInstallStyleSerialize() {
    CGELibraryState* state = GEGetLibraryState();
    if (state->m_pStyleSerializeImp != nullptr)
        return;
    auto imp = std::make_unique<CGEStyleSerializeImp>();
    state->m_pStyleSerializeImp = imp.get();
    state->AddAutoDeleteObject(imp.release());
}
