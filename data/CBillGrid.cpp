#include "data/CBillGrid.h"

IMPLEMENT_DYNCREATE(CBillGrid, CGEGridWnd)

BEGIN_MESSAGE_MAP(CBillGrid, CGEGridWnd)
END_MESSAGE_MAP()

CBillGrid::CBillGrid() = default;

CBillGrid::~CBillGrid() = default;
