// Identifiers shared by the resource script and the code.
#pragma once

#define IDS_PROJNAME 100
#define IDS_COLUMN_TITLE_FIRST 2000
#define IDS_COLUMN_DESCRIPTION_FIRST 2020

#define IDD_PROPPAGE 102
#define IDC_NOTE_LIST 209
#define IDC_CHANNEL_COMBO 214
#define IDC_COLORTABLE_COMBO 215
#define IDC_PREVIEW 216

#define IDR_MANIFEST 2

// The file types' icons; registered as "module,-id".
#define IDI_IBWFILE 110
#define IDI_QVDFFILE 111
