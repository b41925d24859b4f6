#include "grid/features/CGEStyleSerializeImp.h"

#include "grid/core/CGEFont.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELinePen.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStyleBrush.h"
#include "grid/features/GEInstallAppFeature.h"

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
    GEInstallAppFeature<CGEStyleSerializeImp>(GEGetLibraryState()->m_pStyleSerializeImp);
}
