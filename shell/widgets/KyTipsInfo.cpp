#include "KyTipsInfo.h"

#include <QCoreApplication>

#include "KyTipsTexts.h"

const char* KY_TIPS_TIPS = QT_TRANSLATE_NOOP("KyTipsInfo", "Tips");
const char* KY_TIPS_DELETE_CURRENT_RECORD = QT_TRANSLATE_NOOP("KyTipsInfo", "Delete current record?");
const char* KY_TIPS_NO_EDIT_PERMISSION =
    QT_TRANSLATE_NOOP("KyTipsInfo", "Current user does not have permission to edit!");
const char* KY_TIPS_DELETE_FAILED = QT_TRANSLATE_NOOP("KyTipsInfo", "Delete failed");
const char* KY_TIPS_TERMINAL_MUST_BE_OFFLINE =
    QT_TRANSLATE_NOOP("KyTipsInfo", "Terminal can not be removed without offline!");
const char* KY_TIPS_DELETE_CHOSEN_MEDIA = QT_TRANSLATE_NOOP("KyTipsInfo", "Delete chosen media?");
const char* KY_TIPS_ILLEGAL_NAME = QT_TRANSLATE_NOOP("KyTipsInfo", "Name contains illegal characters!");
const char* KY_TIPS_SPEAKER_CHECK_NEEDS_IDLE =
    QT_TRANSLATE_NOOP("KyTipsInfo", "Can't check speaker when terminal not idle!");
const char* KY_TIPS_SET_NAME = QT_TRANSLATE_NOOP("KyTipsInfo", "Set Name");

const char* KY_COLUMN_ID = QT_TRANSLATE_NOOP("KyTipsInfo", "ID");
const char* KY_COLUMN_IP = QT_TRANSLATE_NOOP("KyTipsInfo", "IP");
const char* KY_COLUMN_NAME = QT_TRANSLATE_NOOP("KyTipsInfo", "Name");
const char* KY_COLUMN_STATUS = QT_TRANSLATE_NOOP("KyTipsInfo", "Status");
const char* KY_COLUMN_CODE = QT_TRANSLATE_NOOP("KyTipsInfo", "Code");
const char* KY_COLUMN_IS_PPT = QT_TRANSLATE_NOOP("KyTipsInfo", "Is PPT");
const char* KY_COLUMN_IS_AEC = QT_TRANSLATE_NOOP("KyTipsInfo", "Is AEC");

QString KyTipsInfo::translate(const char* source)
{
    return QCoreApplication::translate("KyTipsInfo", source);
}

QString KyTipsInfo::tips() { return translate(KY_TIPS_TIPS); }
QString KyTipsInfo::deleteCurrentRecord() { return translate(KY_TIPS_DELETE_CURRENT_RECORD); }
QString KyTipsInfo::noEditPermission() { return translate(KY_TIPS_NO_EDIT_PERMISSION); }
QString KyTipsInfo::deleteFailed() { return translate(KY_TIPS_DELETE_FAILED); }
QString KyTipsInfo::terminalMustBeOffline() { return translate(KY_TIPS_TERMINAL_MUST_BE_OFFLINE); }
QString KyTipsInfo::deleteChosenMedia() { return translate(KY_TIPS_DELETE_CHOSEN_MEDIA); }
QString KyTipsInfo::illegalName() { return translate(KY_TIPS_ILLEGAL_NAME); }
QString KyTipsInfo::speakerCheckNeedsIdle() { return translate(KY_TIPS_SPEAKER_CHECK_NEEDS_IDLE); }
QString KyTipsInfo::setName() { return translate(KY_TIPS_SET_NAME); }

QString makeColumnKeyId() { return KyTipsInfo::translate(KY_COLUMN_ID); }
QString makeColumnKeyIp() { return KyTipsInfo::translate(KY_COLUMN_IP); }
QString makeColumnKeyName() { return KyTipsInfo::translate(KY_COLUMN_NAME); }
QString makeColumnKeyStatus() { return KyTipsInfo::translate(KY_COLUMN_STATUS); }
QString makeColumnKeyCode() { return KyTipsInfo::translate(KY_COLUMN_CODE); }
QString makeColumnKeyIsPpt() { return KyTipsInfo::translate(KY_COLUMN_IS_PPT); }
QString makeColumnKeyIsAec() { return KyTipsInfo::translate(KY_COLUMN_IS_AEC); }
