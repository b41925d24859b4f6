// Resource ids of the control wrapper tests (3000-3999).
#pragma once

// Three 16 x 16 images side by side: red, green, blue, each with a 4 x 4 magenta (transparent) corner
// at its top left.
#define IDB_CONTROLS_STRIP 3001
#define IDS_CONTROLS_TIP 3002
