#pragma once

// Shared source texts of the tips, translated in the context "KyTipsInfo".
extern const char* KY_TIPS_TIPS;
extern const char* KY_TIPS_DELETE_CURRENT_RECORD;
extern const char* KY_TIPS_NO_EDIT_PERMISSION;
extern const char* KY_TIPS_DELETE_FAILED;
extern const char* KY_TIPS_TERMINAL_MUST_BE_OFFLINE;
extern const char* KY_TIPS_DELETE_CHOSEN_MEDIA;
extern const char* KY_TIPS_ILLEGAL_NAME;
extern const char* KY_TIPS_SPEAKER_CHECK_NEEDS_IDLE;
extern const char* KY_TIPS_SET_NAME;

// Column titles of the list tables, same context.
extern const char* KY_COLUMN_ID;
extern const char* KY_COLUMN_IP;
extern const char* KY_COLUMN_NAME;
extern const char* KY_COLUMN_STATUS;
extern const char* KY_COLUMN_CODE;
extern const char* KY_COLUMN_IS_PPT;
extern const char* KY_COLUMN_IS_AEC;
