#ifndef LIROVANT_SETTINGS_IDS_H
#define LIROVANT_SETTINGS_IDS_H
/* Control ids of the settings dialog (shared by the resource script and the code). */

#define IDC_PageControl 5001

/* The ten file-type boxes, numbered in the order the dialog's code lists the types. */
#define IDC_CheckBox_First 5010
#define IDC_CheckBox_TXT   5010
#define IDC_CheckBox_INI   5011
#define IDC_CheckBox_DIZ   5012
#define IDC_CheckBox_CFG   5013
#define IDC_CheckBox_LOG   5014
#define IDC_CheckBox_BAT   5015
#define IDC_CheckBox_REG   5016
#define IDC_CheckBox_RU    5017
#define IDC_CheckBox_NFO   5018
#define IDC_CheckBox_BAK   5019

#define IDC_Group_Types  5020
#define IDC_Group_Misc   5021
#define IDC_Group_Sounds 5022

#define IDC_Minimize_To_Tray  5030
#define IDC_Escape_Closes     5031
#define IDC_Status_Bar        5032
#define IDC_Remember_Caret    5033
#define IDC_Undo_Limit        5034
#define IDC_Undo_Limit_Spin   5035
#define IDC_Undo_Limit_Label  5036
#define IDC_Layout_Mode       5037
#define IDC_Layout_Mode_Label 5038
#define IDC_Layout_Label      5039
#define IDC_Recognize_Page    5040

/* Sound row N (0..4): label, check box, file field, browse and play button. */
#define IDC_Sound_Row_First 5100
#define IDC_Sound_Row_Step  10
#define IDC_Row_Label       0
#define IDC_Row_Sound       1
#define IDC_Row_Edit        2
#define IDC_Row_Button      3
#define IDC_Row_BitBtn      4

#endif
