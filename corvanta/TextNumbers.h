#pragma once
// Numbers of Corvanta's texts in its string table (shared by the resource
// script and the code).
#define TXT_PROGRAM_TITLE 65008
#define TXT_ACT_OPEN_READ 65009
#define TXT_ACT_TEST_EOF 65010
#define TXT_ACT_READ 65011
#define TXT_ACT_WRITE 65012
#define TXT_ACT_OPEN_WRITE 65013
#define TXT_ACT_CLOSE 65014
#define TXT_RETRY_QUESTION 65015
