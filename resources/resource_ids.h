/* Resource and control ids shared by the resource script and the code.
   Plain #defines because the resource compiler reads this file too. */
#ifndef LQ_RESOURCE_IDS_H
#define LQ_RESOURCE_IDS_H

/* Dialog templates and the icon. */
#define IDD_MAIN_DIALOG        114
#define IDD_MESSAGE_BOX        112
#define IDD_FOLDER_CHOOSER     168
#define IDI_PROGRAM            103

/* "TEXT" resources that the setup program reads for itself. */
#define IDR_GLYPH_ATLAS        110
#define IDR_LICENCE_CHINESE    124
#define IDR_LICENCE_ENGLISH    161
#define IDR_SPEECH_RUNTIME     1029

/* MainDialog controls. */
#define IDC_PATH_FIELD         1002
#define IDC_LICENCE_SWITCH     1010
#define IDC_LICENCE_ENGLISH    1014
#define IDC_LICENCE_LIST       1019
#define IDC_BROWSE             1003
#define IDC_DESKTOP_OPTION     1004
#define IDC_AUTOSTART_OPTION   1005
#define IDC_PATH_LABEL         1006
#define IDC_BACK               3
#define IDC_NEXT               1001
#define IDC_CANCEL             2
#define IDC_PANEL_NAME         166
#define IDC_PANEL_ICON         102
#define IDC_DIVIDER            108
#define IDC_PANEL_INSTALLER    169
#define IDC_PANEL_PRODUCT      1009
#define IDC_PANEL_EDITION      1011
#define IDC_PANEL_SETUP        1012
#define IDC_LANGUAGE_LABEL     1017
#define IDC_LANGUAGE_LIST      1018
#define IDC_PANEL_BLANK        1020
#define IDC_WAIT_LABEL         1021
#define IDC_WEB_ADDRESS        172
#define IDC_PROGRESS           1026

/* Message box controls. */
#define IDC_MB_OK              1
#define IDC_MB_CANCEL          2
#define IDC_MB_YES             6
#define IDC_MB_NO              7
#define IDC_MB_CHINESE_LINE    1013
#define IDC_MB_ENGLISH_LINE    1028

/* Folder chooser labels (the other ids are the common dialog's own). */
#define IDC_FC_DIRECTORIES_LABEL 1008
#define IDC_FC_DRIVES_LABEL      1010

#endif
