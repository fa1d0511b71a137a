#ifndef LIROVANT_ABOUT_IDS_H
#define LIROVANT_ABOUT_IDS_H
/* Resource and control ids of the about box, all within 6000-6999. Plain
   defines only: the resource compiler reads this file too. */

/* The program's picture, a JPEG image. */
#define IDR_ABOUT_PICTURE 6000

#define IDC_ABOUT_MAY_PANEL      6101
#define IDC_ABOUT_PROGRAM_ICON   6102
#define IDC_ABOUT_PRODUCT_NAME   6103
#define IDC_ABOUT_VERSION        6104
#define IDC_ABOUT_LABEL1         6105
#define IDC_ABOUT_AUTHOR_CAPTION 6106
#define IDC_ABOUT_LABEL2         6107
#define IDC_ABOUT_MAIL_TO        6108
#define IDC_ABOUT_LABEL3         6109
#define IDC_ABOUT_HOME_PAGE      6110
#define IDC_ABOUT_PANEL2         6111
#define IDC_ABOUT_PANEL          6112
/* The five story labels are IDC_ABOUT_STORY1 + 0 to 4. */
#define IDC_ABOUT_STORY1 6121
/* The OK button is IDOK, so that Enter works through the dialog manager. */

#define IDT_ABOUT_TIMER 6130

#endif
