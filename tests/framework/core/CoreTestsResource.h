// Ids of the string table the core framework tests load (CoreTests.rc).
#pragma once

#define IDS_CORETEST_HELLO 1001
#define IDS_CORETEST_LONG 1002
#define IDS_CORETEST_FORMAT1 1003
#define IDS_CORETEST_FORMAT2 1004
#define IDS_CORETEST_MESSAGE 1005
#define IDS_CORETEST_NONASCII 1006
// Same string block as the ids above, but no string.
#define IDS_CORETEST_ABSENT_IN_BLOCK 1007
// Last slot of the next string block.
#define IDS_CORETEST_BLOCK_END 1023
// No string block at all.
#define IDS_CORETEST_ABSENT_BLOCK 5000
