/* Menu command identifiers, shared by the resource script and the code. */
#ifndef LIROVANT_COMMAND_IDS_H
#define LIROVANT_COMMAND_IDS_H

#define IDR_MAINMENU     100
#define IDR_POPUPMENU    101
#define IDR_TRAYMENU     102
#define IDR_ACCELERATORS 103

/* File */
#define IDM_New           1001
#define IDM_Open          1002
#define IDM_Save          1003
#define IDM_Save_As       1004
#define IDM_Print         1005
#define IDM_Recent_1      1011
#define IDM_Recent_2      1012
#define IDM_Recent_3      1013
#define IDM_Recent_4      1014
#define IDM_Recent_5      1015
#define IDM_Recent_6      1016
#define IDM_Recent_7      1017
#define IDM_Recent_8      1018
#define IDM_Clear_History 1020
#define IDM_Exit          1021

/* Edit */
#define IDM_Undo       1101
#define IDM_Redo       1102
#define IDM_Copy       1103
#define IDM_Cut        1104
#define IDM_Paste      1105
#define IDM_Delete     1106
#define IDM_Select_All 1107
#define IDM_Find       1108
#define IDM_Find_Next  1109
#define IDM_Replace    1110
#define IDM_Time_Date  1111

/* Misc */
#define IDM_Word_Wrap         1201
#define IDM_Toggle_Case       1202
#define IDM_Retype_To_Russian 1203
#define IDM_Retype_To_Latin   1204
#define IDM_Transliterate     1205

/* Lines */
#define IDM_Lines_Help             1301
#define IDM_Remove_Line_Breaks     1302
#define IDM_Squeeze_Spaces         1303
#define IDM_Remove_Leading_Space   1304
#define IDM_Tabs_To_Spaces         1305
#define IDM_Remove_Trailing_Spaces 1306
#define IDM_Smart_Format           1307
#define IDM_Add_Spaces             1308
#define IDM_Go_To_Line             1309

/* Settings */
#define IDM_Font              1401
#define IDM_Background_Colour 1402
#define IDM_Font_Smaller      1403
#define IDM_Font_Larger       1404
#define IDM_Options           1405

/* Code pages, in menu order */
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

/* The text read as a file's bytes */
#define IDM_Recognize_Page 1521
#define IDM_UTF8_WIN       1522
#define IDM_WIN_UTF8       1523

/* File encodings, in the order of kFile_Encodings (common/file_encoding.h) */
#define IDM_Encoding_First    1531
#define IDM_Encoding_Win      1531
#define IDM_Encoding_Utf8     1532
#define IDM_Encoding_Utf8_Bom 1533
#define IDM_Encoding_Utf16_Le 1534
#define IDM_Encoding_Utf16_Be 1535
#define IDM_Encoding_Dos      1536
#define IDM_Encoding_Koi      1537
#define IDM_Encoding_Iso      1538
#define IDM_Encoding_Mac      1539
#define IDM_Encoding_Koi8_U   1540
#define IDM_Encoding_Cp1125   1541
#define IDM_Encoding_Ibm855   1542
/* Read the document's file again in one of kReread_Encodings */
#define IDM_Reread_First  1561
#define IDM_Reread_Win    1561
#define IDM_Reread_Utf8   1562
#define IDM_Reread_Dos    1563
#define IDM_Reread_Koi    1564
#define IDM_Reread_Iso    1565
#define IDM_Reread_Mac    1566
#define IDM_Reread_Koi8_U 1567
#define IDM_Reread_Cp1125 1568
#define IDM_Reread_Ibm855 1569
/* Line ends of the document's file, in the order of Line_End */
#define IDM_Line_Ends_First 1551
#define IDM_Line_Ends_Cr_Lf 1551
#define IDM_Line_Ends_Lf    1552
#define IDM_Line_Ends_Cr    1553

/* Help */
#define IDM_Help_Contents 1601
#define IDM_Tips          1602
#define IDM_Whats_New     1603
#define IDM_Shortcomings  1604
#define IDM_About         1605

/* Context menu */
#define IDM_Context_Undo       1701
#define IDM_Context_Redo       1702
#define IDM_Context_Copy       1703
#define IDM_Context_Cut        1704
#define IDM_Context_Paste      1705
#define IDM_Context_Delete     1706
#define IDM_Context_Select_All 1707

/* Tray menu */
#define IDM_Tray_Exit 1801

/* Separators that come and go */
#define IDM_Time_Date_Separator 1901

/* Settings dialog */
#define IDD_SETTINGS 200

#endif
