/* Resource numbers of the program: dialogs, controls, icons, the system
   menu command and the help contexts. Plain C preprocessor, read by windres
   and by C++ alike. Numbers that several dialogs share under different
   meanings get one name per meaning. */
#ifndef CORVANE_RESOURCES_RESOURCE_H
#define CORVANE_RESOURCES_RESOURCE_H

/* Dialogs around the wizard */
#define IDD_ABOUT 100
#define IDD_PROGRESS 101
#define IDD_INTRODUCTION 102
#define IDD_RESTART_REMINDER 103
#define IDD_QUICKTIME_REMINDER 104
#define IDD_CONFIG_DETAILS 105 /* Windows version or video details */
#define IDD_DISK_DETAILS 107
#define IDD_CONFIG_SYS 109     /* page of the CONFIG.SYS and AUTOEXEC.BAT viewer */
#define IDD_AUTOEXEC_BAT 110   /* page of the CONFIG.SYS and AUTOEXEC.BAT viewer */
#define IDD_FILE_GENERAL 111   /* pages of the file details sheet: 111, 112, 265 */
#define IDD_FILE_VERSION 112
#define IDD_CONFIRM_FILE_REPLACE 113
#define IDD_SETTING_DETAILS 114
#define IDD_CONFIRM_SETTING_FIX 115
#define IDD_OLE_DETAILS 116
#define IDD_CONFIRM_OLE_FIX 117
#define IDD_TYPELIB_DETAILS 118
#define IDD_CONFIRM_TYPELIB_FIX 119
#define IDD_CONFIRM_FILE_COPY 120
#define IDD_FILE_DEPENDENT 265

/* Wizard pages */
#define IDD_PROBLEM1 211
#define IDD_PROBLEM2 212
#define IDD_PROBLEM3 213
#define IDD_PROBLEM4 214
#define IDD_PROBLEM5 215
#define IDD_PROBLEM6 216
#define IDD_PROBLEM7 217
#define IDD_PROBLEM8 218
#define IDD_CHECK1 221
#define IDD_CHECK_LIST 222     /* requirement, file and registration lists */
#define IDD_CHECK_SETTINGS 223 /* INI and Registry lists */
#define IDD_CHECK12 224
#define IDD_RECENT1 231
#define IDD_RECENT2 232
#define IDD_RECENT3 233
#define IDD_MISC1 241
#define IDD_MISC2 242
#define IDD_MISC3 243
#define IDD_MISC4 244
#define IDD_MISC5 245
#define IDD_TECH_SUPPORT 251
#define IDD_TECH_SUPPORT1 261
#define IDD_TECH_SUPPORT2 262
#define IDD_TECH_SUPPORT3 263
#define IDD_TECH_SUPPORT4 264
#define IDD_MISC3_NT 266
#define IDD_MISC4_NT 267

/* Controls shared by many dialogs */
#define IDC_PICTURE 1001       /* icon; on the About box the animation's place */
#define IDC_APP_NAME 1002
#define IDC_HEADING 1003
#define IDC_SHOW_NEXT_TIME 1004
#define IDC_SKIP_SECTION 1005
#define IDC_LAST_SECTION 1006

/* Question and symptom pages. The answer buttons are not in value order. */
#define IDC_ANSWER_YES 1100
#define IDC_ANSWER_DONT_KNOW 1101
#define IDC_ANSWER_NO 1102
#define IDC_SYMPTOM_CRASHES 1110 /* symptom bit n is check box 1110 + n */
#define IDC_SYMPTOM_BEHAVIOUR 1111
#define IDC_SYMPTOM_VIDEO 1112
#define IDC_SYMPTOM_AUDIO 1113
#define IDC_SYMPTOM_PRINTING 1114
#define IDC_SYMPTOM_HARDWARE 1115
#define IDC_RESTART_WINDOWS 1120

/* Check and recent-changes list pages */
#define IDC_LIST 1200
#define IDC_FOUND_COUNT 1201
#define IDC_SHOW_ALL 1202
#define IDC_SHOW_PROBLEMS 1203 /* "Show &OK Only" on the recent-changes list */
#define IDC_DETAILS 1204
#define IDC_FIX 1205           /* "Revert" on the recent-changes list */
#define IDC_HINT 1214          /* full name of the selected setting, or a hint */
#define IDC_RESTART_TEXT 1230
#define IDC_DATE_LIST 1259
#define IDC_RECENT_ADVICE 1260

/* Configuration details, disk details and the CONFIG.SYS viewer */
#define IDC_DETAIL_LABEL1 1206
#define IDC_DETAIL_LABEL2 1207
#define IDC_DETAIL_LABEL3 1208
#define IDC_DETAIL_VALUE1 1209 /* on the disk details: the temporary space figures */
#define IDC_DETAIL_VALUE2 1210
#define IDC_DETAIL_VALUE3 1211
#define IDC_DRIVE_LIST 1213
#define IDC_FILE_LINES 1232

/* Item details and confirmation dialogs: actual beside expected */
#define IDC_ITEM_NAME 1216
#define IDC_ITEM_TYPE 1217     /* type description, or the entry's second text */
#define IDC_ACTUAL_LOCATION 1218
#define IDC_ACTUAL_VERSION 1219
#define IDC_ACTUAL_SIZE 1220
#define IDC_ACTUAL_DATE 1221
#define IDC_EXPECTED_LOCATION 1222
#define IDC_EXPECTED_VERSION 1223
#define IDC_EXPECTED_SIZE 1224
#define IDC_EXPECTED_DATE 1225
#define IDC_ACTUAL_TYPELIB_GUID 1226
#define IDC_EXPECTED_TYPELIB_GUID 1227
#define IDC_NOTE 1229
#define IDC_ACTUAL_SERVER_LOCATION 1234
#define IDC_ACTUAL_PROGID 1235
#define IDC_ACTUAL_GUID 1236
#define IDC_EXPECTED_SERVER_LOCATION 1237
#define IDC_EXPECTED_PROGID 1238
#define IDC_EXPECTED_GUID 1239
#define IDC_ACTUAL_TYPELIB_NAME 1240
#define IDC_ACTUAL_HELP_LOCATION 1242
#define IDC_EXPECTED_TYPELIB_NAME 1243
#define IDC_EXPECTED_HELP_LOCATION 1245
#define IDC_VALUE_NAME 1246
#define IDC_ACTUAL_DATA 1247
#define IDC_EXPECTED_DATA 1248
#define IDC_SUGGESTED_ACTION 1249
#define IDC_ITEM_SUBNAME 1250  /* INI section or Registry subkey */
#define IDC_NAME_LABEL1 1251
#define IDC_NAME_LABEL2 1252
#define IDC_SUGGESTED_ACTION_LABEL 1253
#define IDC_NEW_VALUE_LIST 1256
#define IDC_NEW_VALUE_EDIT 1257
#define IDC_DEPENDENT_LIST 1267
#define IDC_EXPECTED_LABEL 1268
#define IDC_ACTUAL_LABEL 1269

/* The "Version" page of the file details reuses numbers of the "General" page */
#define IDC_FILE_VERSION 1219
#define IDC_PRODUCT_VERSION 1220
#define IDC_FILE_DESCRIPTION 1221
#define IDC_FILE_COPYRIGHT 1222
#define IDC_VERSION_LIST 1226

/* Progress dialog */
#define IDC_PROGRESS_TEXT 1254
#define IDC_PROGRESS_BAR 1255

/* Advice and contact pages */
#define IDC_USER_NAME 1261
#define IDC_ADDRESS1 1262
#define IDC_ADDRESS2 1263
#define IDC_ADDRESS3 1264
#define IDC_PROBLEM_ID 1265
#define IDC_PROBLEM_DESC 1266
#define IDC_SHOW_README 1400

/* The contact block; the user details page uses the same numbers for
   its company name, phone, fax and e-mail edits. */
#define IDC_VENDOR_NAME 1500
#define IDC_TECH_SUPPORT_NAME 1501
#define IDC_CONTACT1_LABEL 1502
#define IDC_CONTACT1_VALUE 1503
#define IDC_CONTACT2_LABEL 1504
#define IDC_CONTACT2_VALUE 1505
#define IDC_CONTACT3_LABEL 1506
#define IDC_CONTACT3_VALUE 1507
#define IDC_TECH_SUPPORT_INSTRUCTIONS 1508
#define IDC_COMPANY_NAME 1500
#define IDC_PHONE 1503
#define IDC_FAX 1505
#define IDC_EMAIL 1507

/* Icons */
#define IDI_APP 128
/* The document types' icons follow the program's, so that they are the
   icons at positions 1, 2 and 3 of the program file. */
#define IDI_DOCUMENT_CDB 129
#define IDI_DOCUMENT_UDB 130
#define IDI_DOCUMENT_FDB 131
#define IDI_ABOUT_FIRST_FRAME 600 /* the About animation: 600 + frame, frames 0-19 */
#define IDI_ABOUT_LAST_FRAME 619
#define IDI_QUESTION_PICTURE1 630
#define IDI_QUESTION_PICTURE2 631

/* Status images of the result lists, one per problem level */
#define IDI_STATUS_REVERTED 632
#define IDI_STATUS_SERIOUS_WARNING 634
#define IDI_STATUS_WARNING 635
#define IDI_STATUS_SERIOUS_PROBLEM 636
#define IDI_STATUS_PROBLEM 637
#define IDI_STATUS_SERIOUS_WARNING_RESTART 638
#define IDI_STATUS_WARNING_RESTART 639
#define IDI_STATUS_SERIOUS_PROBLEM_RESTART 640
#define IDI_STATUS_PROBLEM_RESTART 641
#define IDI_STATUS_OK 642
#define IDI_STATUS_REVERTED_RESTART 652

/* File type and setting icons */
#define IDI_REGISTRY 643
#define IDI_FILE_PROGRAM 644   /* a program without an icon of its own */
#define IDI_FILE_EXTENSION 645
#define IDI_FILE_FONT 646
#define IDI_FILE_HELP 647
#define IDI_FILE_SETTINGS 648  /* also the INI setting dialogs */
#define IDI_FILE_REGISTRATION 649
#define IDI_FILE_GENERIC 650
#define IDI_FILE_ARCHIVE 651

/* The "&About Corvane" system menu command; compare after masking the low
   four bits, as for every system command. */
#define IDM_ABOUT 0x0010

/* Help contexts of the dialogs that do not use their own resource number */
#define IDH_MIN_REQUIREMENTS 300
#define IDH_FILES 301
#define IDH_SETTINGS 302
#define IDH_REGISTRATIONS 303
#define IDH_CONFIG_FILES 700
#define IDH_FILE_DETAILS 800

#endif
