// Numeric identifiers of the grid engine's own resources (GridResources.rc2). The program's resource
// script and the grid test programs include that script; the engine loads these by number.
#pragma once

// Texts of long operations
#define GE_IDS_PROCESSING 20075
#define GE_IDS_DONE 20076
#define GE_IDS_PRESS_ESC 20077
#define GE_IDS_ABORT_QUESTION 20081

// Undo, redo and progress texts; command names
#define GE_IDS_REDOING 20139
#define GE_IDS_UNDOING 20140
#define GE_IDS_GENERATING_UNDO 20141
#define GE_IDS_STORING_CELLS 20142
#define GE_IDS_RESTORING_CELLS 20143
#define GE_IDS_CELLS 20144
#define GE_IDS_REMOVING_ROWS 20145
#define GE_IDS_REMOVING_COLS 20146
#define GE_IDS_COPYING_TEXT 20147
#define GE_IDS_COPYING_INTERNAL 20148
#define GE_IDS_CUT_DATA 20150
#define GE_IDS_CUTTING_DATA 20151
#define GE_IDS_PASTING_DATA 20152
#define GE_IDS_PASTE 20154
#define GE_IDS_REPLACING 20155
#define GE_IDS_REPLACE_ALL 20156
#define GE_IDS_SEARCHING 20157
#define GE_IDS_CMD_ROW_HEIGHTS 20158
#define GE_IDS_CMD_COL_WIDTHS 20159
#define GE_IDS_CMD_DEFAULT_ROW_HEIGHT 20160
#define GE_IDS_CMD_DEFAULT_COL_WIDTH 20161
#define GE_IDS_MOVE_ROWS 20162
#define GE_IDS_MOVE_COLS 20163
#define GE_IDS_INSERT_ROWS 20164
#define GE_IDS_INSERT_COLS 20165
#define GE_IDS_CMD_COVER_CELLS 20166
#define GE_IDS_CMD_CELLS 20167
#define GE_IDS_FREEZE_COLS 20168
#define GE_IDS_FREEZE_ROWS 20169
#define GE_IDS_CMD_HIDE_ROWS 20170
#define GE_IDS_CMD_HIDE_COLS 20171
#define GE_IDS_RESIZING_ROWS 20172
#define GE_IDS_RESIZING_COLS 20173
#define GE_IDS_CURRENT_CELL 20174
#define GE_IDS_CLIPBOARD_SIZE 20175
#define GE_IDS_COPY 20178
#define GE_IDS_MOVE 20179
#define GE_IDS_CLEAR_CELLS 20180
#define GE_IDS_CMD_SORT_ROWS 20181
#define GE_IDS_CMD_SORT_COLS 20182
#define GE_IDS_CMD_STYLES_MAP 20185
#define GE_IDS_CMD_PROPERTIES 20186
#define GE_IDS_CMD_BASE_STYLE 20187
#define GE_IDS_CMD_SET_RANGE_NAME 20188
#define GE_IDS_CMD_DELETE_RANGE_NAME 20189

// Messages of the engine
#define GE_IDS_UNDO_TOO_LARGE 20197
#define GE_IDS_MUST_EDIT_OR_ADDNEW 20198

// Cell controls the core itself registers, and the user attribute that composition reads
#define GE_IDS_CTRL_ROWHEADER 52533
#define GE_IDS_UA_NEGATIVE_COLOR 52797

// User property of the current cell's frame
#define GE_IDS_PROP_CURRENTCELL 51005

// Names of the properties' colours
#define GE_IDS_COLOR_GRIDLINES 52232
#define GE_IDS_COLOR_FIXEDLINES 52233
#define GE_IDS_COLOR_TRACKINGLINE 52234
#define GE_IDS_COLOR_BACKGROUND 52235
#define GE_IDS_COLOR_DRAGGINGLINE 52236

// Bitmaps: row-header marks of a record browser (edited record, append row, current row), drop arrow
#define GE_IDB_ROW_EDIT 20020
#define GE_IDB_ROW_APPEND 20021
#define GE_IDB_ROW_CURRENT 20022
#define GE_IDB_DROP_ARROW 20028

// Bitmap of the radio-button cells' 3-D buttons
#define GE_IDB_RADIOBUTTON 20019
// Check boxes: five 13 x 13 frames side by side (alternative look, 3-D look, plain and printing)
#define GE_IDB_CHECKBOX_ALT 20024
#define GE_IDB_CHECKBOX_3D 20025
#define GE_IDB_CHECKBOX 20026

// The header's ellipsis types, one per line (the choice list of its user attribute)
#define GE_IDS_CHOICES_ELLIPSIS 20126
#define GE_IDS_CHOICES_DATETIME_NOEDIT 20060
#define GE_IDS_CHOICES_DATETIME_VALIDMODE 20061
#define GE_IDS_CHOICES_DATETIME_FORMATTYPE 20062

// Calculator and currency gadgets: the currency cell's calculator button, the calculator's Enter key, the
// calculator's texts and the placement choices of the currency attributes
#define GE_IDB_CALC_BUTTON 20036
#define GE_IDB_CALC_ENTER 20037
#define GE_IDS_CALC_ENTER 20124
#define GE_IDS_CALC_ERROR 20125
#define GE_IDS_CHOICES_CURRENCY_NEGATIVE 20064
#define GE_IDS_CHOICES_CURRENCY_POSITIVE 20065

// Cursors
#define GE_IDC_COL_SIZE 20190
#define GE_IDC_ROW_SIZE 20191
#define GE_IDC_HIDDEN_COL 20192
#define GE_IDC_HIDDEN_ROW 20193
#define GE_IDC_SEL_EDGE 20194
#define GE_IDC_SEL_COL 20195
#define GE_IDC_SEL_ROW 20196
#define GE_IDC_NO_DROP 20208
#define GE_IDC_DRAG_FILL 20209
