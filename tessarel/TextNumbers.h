#pragma once
// Numbers of Tessarel's texts in its string table (shared by the resource
// script and the code).
#define TXT_PROGRAM_TITLE 65168
#define TXT_ACT_OPEN_READ 65169
#define TXT_ACT_TEST_EOF 65170
#define TXT_ACT_READ 65171
#define TXT_ACT_WRITE 65172
#define TXT_ACT_OPEN_WRITE 65173
#define TXT_ACT_CLOSE 65174
#define TXT_RETRY_QUESTION 65175
