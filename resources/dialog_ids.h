#ifndef TINTFALL_DIALOG_IDS_H
#define TINTFALL_DIALOG_IDS_H
/* Dialog templates and their controls. Shared by the resource script and
   the dialog models, so plain #defines only. */

#define IDD_GAME_PAGE 160
#define IDD_INTERFACE_PAGE 161
#define IDD_CONTROL_PAGE 162
#define IDD_SOUND_PAGE 163
#define IDD_KEY_CAPTURE 164
#define IDD_BEST_SCORES 165
#define IDD_NAME_PROMPT 166
#define IDD_SEND_RESULT 167
#define IDD_UPLOAD 168
#define IDD_DOWNLOAD 169
#define IDD_WATCH_REPLAY 170

/* Game page */
#define IDC_MODE_CLASSIC 1101
#define IDC_MODE_TIMER 1102
#define IDC_MODE_RISING 1103
#define IDC_DIFFICULTY_EASY 1104
#define IDC_DIFFICULTY_NORMAL 1105
#define IDC_DIFFICULTY_HARD 1106
#define IDC_BLOCKS_ONE 1107
#define IDC_BLOCKS_TWO 1108
#define IDC_BLOCKS_THREE 1109
#define IDC_BOMBS 1110
#define IDC_START_LEVEL 1111
#define IDC_DEMOLITION_EDIT 1112
#define IDC_DEMOLITION_SPIN 1113
#define IDC_LEVEL_ANIMATION_EDIT 1114
#define IDC_LEVEL_ANIMATION_SPIN 1115

/* Interface page */
#define IDC_BACKGROUND_LIST 1120
#define IDC_DEFINE_COLOUR 1121
#define IDC_SHOW_NEXT_BAR 1122
#define IDC_ANIMATE_TITLE 1123
#define IDC_SHOW_STATUS_BAR 1124
#define IDC_BLOCK_SET_FIRST 1130 /* 1130..1141, set N is 1130 + N */
#define IDC_BLOCK_PREVIEW_FIRST 1150 /* 1150..1161 */
#define IDB_BLOCK_PREVIEW_FIRST 134 /* bitmaps 134..145 */

/* Control page: buttons, names, edits and spins in action order
   Move Left, Move Right, Move Down, Rotate, Drop Bottom (, Pause game) */
#define IDC_KEY_BUTTON_FIRST 1170 /* 1170..1175 */
#define IDC_KEY_NAME_FIRST 1176 /* 1176..1181 */
#define IDC_KEYS_RESET 1182
#define IDC_DELAY_EDIT_FIRST 1183 /* 1183..1187 */
#define IDC_DELAY_SPIN_FIRST 1188 /* 1188..1192 */
#define IDC_DELAYS_RESET 1193

/* Sound page */
#define IDC_SOUND_ON 1200
#define IDC_SOUND_LIST 1201
#define IDC_SOUND_EVENT_ON 1202
#define IDC_SOUND_PLAY 1203
#define IDC_SOUND_CHANGE 1204
#define IDC_SOUND_PATH 1205
#define IDC_SOUND_RESET 1206
#define IDC_SOUND_RESET_ALL 1207

/* Key capture prompt */
#define IDC_KEY_CAPTURE_TEXT 1210

/* Best Scores */
#define IDC_TABLE_CLASSIC 1050
#define IDC_TABLE_TIMER 1051
#define IDC_TABLE_RISING 1052
#define IDC_TABLE_INTERNET 1053
#define IDC_SCORES_CLEAR 1022
#define IDC_SCORES_SEND 1023
#define IDC_SCORES_UPDATE 1024
#define IDC_LAST_UPDATE 1025

/* Name prompt */
#define IDC_PLAYER_NAME 1012

/* Send Result */
#define IDC_SEND_NAME 1012
#define IDC_SEND_EMAIL 1058
#define IDC_SEND_COUNTRY 1059
#define IDC_SEND_NOTES 1060
#define IDC_SEND_CONDITIONS 1063

/* Transfer Data */
#define IDC_TRANSFER_TEXT 1056
#define IDT_TRANSFER_START 1

/* Watch Replay */
#define IDC_REPLAY_LIST 1220

#endif
