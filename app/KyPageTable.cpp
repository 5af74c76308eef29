#include "KyPageTable.h"

#include "InfoCenterMgr.h"
#include "KyCapInfoForm.h"
#include "KyFAlarmInfoForm.h"
#include "KyM02InfoForm.h"
#include "KyM04InfoForm.h"
#include "KyM12InfoForm.h"
#include "KyMediaMgrForm.h"
#include "KyMicGroupInfoForm.h"
#include "KyMicInfoForm.h"
#include "KyPlanTaskMgrForm.h"
#include "KyPlayerInfoForm.h"
#include "KyRegionMgrForm.h"
#include "KySsTaskMgrForm.h"
#include "KySystemSettingForm.h"
#include "KyTalkLogInfoForm.h"
#include "KyTalkRecordForm.h"
#include "KyTermLogInfoForm.h"
#include "KyTimerTaskMgrForm.h"
#include "KyTtsInfoForm.h"
#include "KyUserLogInfoForm.h"
#include "ui_InfoCenterMgrClass.h"

namespace {

using Form = Ui::InfoCenterMgrClass;
using Page = InfoCenterMgr::Page;

// Navigation rows, each with the panel of page buttons it shows.
enum Row { Tasks, Terminals, Settings, Logs, Records };
enum Build { Eager, OnFirstUse };
enum Button { Shown, Hidden };

struct Place {
    KyPageButton button;
    Row row;
    const char* icon;
};

template <class P>
KyPageEntry entry(Page id, QWidget* (*create)(QWidget*), const Place& place, Build build,
                Button button)
{
    return {id, &P::staticMetaObject, create, place.button, place.row, place.icon, build == Eager,
            button == Shown};
}

// A page of class P built without a parent, with the constructor arguments args.
template <class P, int... args>
KyPageEntry page(Page id, const Place& place, Build build, Button button)
{
    return entry<P>(id, [](QWidget*) -> QWidget* { return new P(args...); }, place, build, button);
}

// A page of class P built on the window's central widget.
template <class P>
KyPageEntry pageOnCentral(Page id, const Place& place, Build build, Button button)
{
    return entry<P>(id, [](QWidget* central) -> QWidget* { return new P(central); }, place, build, button);
}

}  // namespace

const std::vector<KyPageEntry>& kyPageTable()
{
    static const std::vector<KyPageEntry> pages = {
        page<KyPlanTaskMgrForm>(InfoCenterMgr::PageSsTask,
            {&Form::fSsTaskMgrBtn, Tasks, ":/images/task_ss.png"}, Eager, Shown),
        page<KySsTaskMgrForm, 2>(InfoCenterMgr::PageManualTask,
            {&Form::fManualTaskMgrBtn, Tasks, ":/images/task_manual.png"}, OnFirstUse, Shown),
        page<KySsTaskMgrForm, 4>(InfoCenterMgr::PageSdkTask,
            {&Form::fSdkTaskMgrBtn, Tasks, ":/images/task_sdk.png"}, OnFirstUse, Hidden),
        page<KyTimerTaskMgrForm, 3>(InfoCenterMgr::PageTimerTask,
            {&Form::fTimerTaskMgrBtn, Tasks, ":/images/task_timer.png"}, OnFirstUse, Shown),
        page<KyPlayerInfoForm>(InfoCenterMgr::PagePlayer,
            {&Form::fPlayerMgrBtn, Terminals, ":/images/player_term.png"}, Eager, Shown),
        page<KyMicInfoForm>(InfoCenterMgr::PageMic,
            {&Form::fMicMgrBtn, Terminals, ":/images/server_mic.png"}, Eager, Shown),
        page<KyCapInfoForm>(InfoCenterMgr::PageCapture,
            {&Form::fCapMgrBtn, Terminals, ":/images/plate_svr.png"}, OnFirstUse, Shown),
        page<KyTtsInfoForm>(InfoCenterMgr::PageTts,
            {&Form::fTtsMgrBtn, Terminals, ":/images/term_tts.png"}, OnFirstUse, Shown),
        page<KyM02InfoForm>(InfoCenterMgr::PageM02,
            {&Form::fCallMicMgrBtn, Terminals, ":/images/call_mic.png"}, OnFirstUse, Hidden),
        page<KyM04InfoForm>(InfoCenterMgr::PageM04,
            {&Form::fEmMicMgrBtn, Terminals, ":/images/alarm_info.png"}, OnFirstUse, Hidden),
        page<KyM12InfoForm>(InfoCenterMgr::PageM12,
            {&Form::fM12MgrBtn, Terminals, ":/images/term_m12.png"}, Eager, Hidden),
        page<KyFAlarmInfoForm>(InfoCenterMgr::PageFAlarm,
            {&Form::fFAlarmMgrBtn, Terminals, ":/images/term_falarm.png"}, OnFirstUse, Shown),
        page<KyMediaMgrForm>(InfoCenterMgr::PageMedia,
            {&Form::fMediaMgrBtn, Settings, ":/images/media_mgr.png"}, Eager, Shown),
        page<KyMicGroupInfoForm>(InfoCenterMgr::PageMicGroup,
            {&Form::fMicGroupMgrBtn, Settings, ":/images/server_group.png"}, Eager, Hidden),
        page<KyRegionMgrForm>(InfoCenterMgr::PageRegion,
            {&Form::fRegionMgrBtn, Settings, ":/images/region_mgr.png"}, OnFirstUse, Shown),
        page<KySystemSettingForm>(InfoCenterMgr::PageSystemSet,
            {&Form::fSystemSetMgrBtn, Settings, ":/images/parameter_setting.png"}, Eager, Shown),
        page<KyUserLogInfoForm>(InfoCenterMgr::PageUserLog,
            {&Form::fUserLogMgrBtn, Logs, ":/images/userlog.png"}, OnFirstUse, Shown),
        page<KyTalkLogInfoForm>(InfoCenterMgr::PageTalkLog,
            {&Form::fTalkLogMgrBtn, Logs, ":/images/talklog.png"}, OnFirstUse, Hidden),
        page<KyTermLogInfoForm>(InfoCenterMgr::PageTermLog,
            {&Form::fTermLogMgrBtn, Logs, ":/images/termlog.png"}, OnFirstUse, Shown),
        pageOnCentral<KyTalkRecordForm>(InfoCenterMgr::PageTalkRecord,
            {&Form::fTalkRecordMgrBtn, Records, ":/images/talk_record.png"}, OnFirstUse, Shown),
    };
    return pages;
}
