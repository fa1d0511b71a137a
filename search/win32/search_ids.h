#ifndef LIROVANT_SEARCH_IDS_H
#define LIROVANT_SEARCH_IDS_H
/* Resource and control ids of the search commands, all within 3000-3999.
   Plain defines only: the resource compiler reads this file too. */

/* The input box of go to line. */
#define IDD_LINE_INPUT        3000
#define IDC_LINE_INPUT_PROMPT 3001
#define IDC_LINE_INPUT_TEXT   3002

#endif
