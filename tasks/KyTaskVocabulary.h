#pragma once

#include <QString>
#include <string>

// Task kinds (sourceCategory).
enum KyTaskKind { KY_TASK_SOUND_SOURCE = 1, KY_TASK_MANUAL = 2, KY_TASK_TIMER = 3, KY_TASK_SDK = 4 };
// Broadcast types (sourceType).
enum KyBroadcastType { KY_BROADCAST_FILES = 1, KY_BROADCAST_CAP = 2, KY_BROADCAST_TTS = 3, KY_BROADCAST_MIC = 4 };
// Task states (status).
enum KyTaskState { KY_TASK_UNKNOWN = 0, KY_TASK_RUNNING = 1, KY_TASK_IDLE = 2, KY_TASK_ILLEGAL = 3 };

// Separator of the media paths in the content of a files task.
extern const char* const TaskFileListSeparator;

// Texts translated in the context "KyBaseTaskMgrForm". A broadcast type
// outside 1..4 reads as 1; a state below 0 or above 2 as "Illegality".
QString broadcastTypeText(int type);
// The same broadcast-type text as local 8-bit (UTF-8) text, for table cells.
std::string broadcastTypeText8(int type);
std::string taskStateText(int state);
