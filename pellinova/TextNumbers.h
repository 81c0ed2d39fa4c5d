#pragma once
// Numbers of Pellinova's texts in its string table (shared by the resource
// script and the code).
#define TXT_PROGRAM_TITLE 64992
#define TXT_ACT_OPEN_READ 64993
#define TXT_ACT_TEST_EOF 64994
#define TXT_ACT_READ 64995
#define TXT_ACT_WRITE 64996
#define TXT_ACT_OPEN_WRITE 64997
#define TXT_ACT_CLOSE 64998
#define TXT_RETRY_QUESTION 64999
