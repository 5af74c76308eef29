#include "KyTaskVocabulary.h"

#include <QCoreApplication>

const char* const TaskFileListSeparator = "@#$%";

namespace {

const char* const kContext = "KyBaseTaskMgrForm";

const char* const kTypeTexts[] = {
    QT_TRANSLATE_NOOP("KyBaseTaskMgrForm", "File Play Broadcast"),
    QT_TRANSLATE_NOOP("KyBaseTaskMgrForm", "Cap Broadcast"),
    QT_TRANSLATE_NOOP("KyBaseTaskMgrForm", "TTS Broadcast"),
    QT_TRANSLATE_NOOP("KyBaseTaskMgrForm", "Mic Broadcast"),
};

const char* const kStateTexts[] = {
    QT_TRANSLATE_NOOP("KyBaseTaskMgrForm", "Unknow"),
    QT_TRANSLATE_NOOP("KyBaseTaskMgrForm", "Running"),
    QT_TRANSLATE_NOOP("KyBaseTaskMgrForm", "Idle"),
    QT_TRANSLATE_NOOP("KyBaseTaskMgrForm", "Illegality"),
};

QString translated(const char* source)
{
    return QCoreApplication::translate(kContext, source);
}

const char* typeSource(int type)
{
    return kTypeTexts[(type >= KY_BROADCAST_FILES && type <= KY_BROADCAST_MIC) ? type - 1 : 0];
}

}  // namespace

QString broadcastTypeText(int type)
{
    return QString::fromLocal8Bit(broadcastTypeText8(type).c_str());
}

std::string broadcastTypeText8(int type)
{
    return translated(typeSource(type)).toLocal8Bit().toStdString();
}

std::string taskStateText(int state)
{
    const int index = (state >= KY_TASK_UNKNOWN && state <= KY_TASK_IDLE) ? state : KY_TASK_ILLEGAL;
    return translated(kStateTexts[index]).toLocal8Bit().toStdString();
}
