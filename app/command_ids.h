/* Menu command identifiers, shared by the resource script and the code. */
#ifndef LIROVANT_COMMAND_IDS_H
#define LIROVANT_COMMAND_IDS_H

#define IDR_MAINMENU     100
#define IDR_POPUPMENU    101
#define IDR_TRAYMENU     102
#define IDR_ACCELERATORS 103

/* File */
#define IDM_Sozdat_Text  1001
#define IDM_Open_Text    1002
#define IDM_Save_Text    1003
#define IDM_Save_Kak     1004
#define IDM_Printer_Text 1005
#define IDM_Name1        1011
/* IDM_Name1 .. IDM_Name8 are consecutive */
#define IDM_Name8         1018
#define IDM_Erase_History 1020
#define IDM_Close_Text    1021

/* Edit */
#define IDM_Undo1        1101
#define IDM_Redo1        1102
#define IDM_Copy1        1103
#define IDM_Cut1         1104
#define IDM_Paste1       1105
#define IDM_Delete1      1106
#define IDM_Vydelit_Vse1 1107
#define IDM_Find1        1108
#define IDM_Naiti_Dalee  1109
#define IDM_Find2        1110
#define IDM_TIme_Date    1111

/* Misc */
#define IDM_WordWrap1 1201
#define IDM_Registr   1202
#define IDM_Kirilica  1203
#define IDM_Latinica  1204
#define IDM_Translit  1205

/* Lines */
#define IDM_Help_String       1301
#define IDM_Del_Enter         1302
#define IDM_Del_Space_In_Word 1303
#define IDM_Space_Del         1304
#define IDM_Del_Tab           1305
#define IDM_Space_Del_Right   1306
#define IDM_Umnyiy_Format     1307
#define IDM_Space_Plus        1308
#define IDM_Perehod           1309

/* Settings */
#define IDM_Tip_Srifta 1401
#define IDM_Cvet_Fona  1402
#define IDM_Font_Minus 1403
#define IDM_Font_Plus  1404
#define IDM_Options    1405

/* Code pages: IDM_DOS_WIN + pair index, in menu order */
#define IDM_DOS_WIN 1501
#define IDM_KOI_WIN 1502
#define IDM_ISO_WIN 1503
#define IDM_MAC_WIN 1504
#define IDM_WIN_DOS 1505
#define IDM_WIN_KOI 1506
#define IDM_WIN_ISO 1507
#define IDM_WIN_MAC 1508
#define IDM_DOS_ISO 1509
#define IDM_DOS_KOI 1510
#define IDM_DOS_MAC 1511
#define IDM_KOI_DOS 1512
#define IDM_KOI_ISO 1513
#define IDM_KOI_MAC 1514
#define IDM_ISO_DOS 1515
#define IDM_ISO_KOI 1516
#define IDM_ISO_MAC 1517
#define IDM_MAC_DOS 1518
#define IDM_MAC_KOI 1519
#define IDM_MAC_ISO 1520

/* Help */
#define IDM_May_Help    1601
#define IDM_Sovety      1602
#define IDM_Chto_Novogo 1603
#define IDM_Nedostatki  1604
#define IDM_May_About   1605

/* Context menu */
#define IDM_Undo2        1701
#define IDM_Redo2        1702
#define IDM_Copy2        1703
#define IDM_Cut2         1704
#define IDM_Paste2       1705
#define IDM_Delete2      1706
#define IDM_Vydelit_Vse2 1707

/* Tray menu */
#define IDM_Close_SysTray 1801

/* Separators that come and go */
#define IDM_N15 1901

/* Settings dialog */
#define IDD_NASTROYKI 200

#endif
