<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BaseSetNameDialog</name>
    <message>
        <location filename="../shell/widgets/BaseSetNameDialog.cpp" line="49"/>
        <source>Setting Error!</source>
        <translation>设置错误！</translation>
    </message>
</context>
<context>
    <name>fTaskInfoForm</name>
    <message>
        <location filename="../tasks/fTaskInfoForm.ui" line="9"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location filename="../tasks/fTaskInfoForm.ui" line="77"/>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location filename="../tasks/fTaskInfoForm.ui" line="84"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location filename="../tasks/fTaskInfoForm.ui" line="91"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>InfoCenterMgr</name>
    <message>
        <location filename="../shell/features/InfoCenterMgr.cpp" line="30"/>
        <source>Programme Source</source>
        <translation>音源管理</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgr.cpp" line="31"/>
        <source>Terminal Manage</source>
        <translation>终端管理</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgr.cpp" line="32"/>
        <source>Advanced Setup </source>
        <translation>高级设置</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgr.cpp" line="33"/>
        <source>User Log</source>
        <translation>日志管理</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgr.cpp" line="34"/>
        <source>Record</source>
        <translation>录音管理</translation>
    </message>
</context>
<context>
    <name>InfoCenterMgrClass</name>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="14"/>
        <source>InfoCenterMgr</source>
        <translation>管理中心</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="90"/>
        <source>对讲管理中心</source>
        <translation>对讲管理中心</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="269"/>
        <source>预案类型</source>
        <translation>预案类型</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="350"/>
        <source>音源管理</source>
        <translation>音源管理</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="369"/>
        <source>预案管理</source>
        <translation>预案管理</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="382"/>
        <source>定时任务</source>
        <translation>定时任务</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="395"/>
        <source>消防/人工</source>
        <translation>消防/人工</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="408"/>
        <source>对接任务</source>
        <translation>对接任务</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="495"/>
        <source>Terminal Type</source>
        <translation>终端类型</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="514"/>
        <source>Player</source>
        <translation>播放终端</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="530"/>
        <source>Server Mic</source>
        <translation>服务器话筒</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="543"/>
        <source>Call Mic</source>
        <translation>呼叫话筒</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="556"/>
        <source>Emergency Mic</source>
        <translation>紧急话筒</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="572"/>
        <source>Capture</source>
        <translation>采集终端</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="588"/>
        <source>TTS</source>
        <translation>TTS终端</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="601"/>
        <source>消防联动</source>
        <translation>消防联动</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="617"/>
        <source>移动设备</source>
        <translation>移动设备</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="704"/>
        <source>高级设置</source>
        <translation>高级设置</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="723"/>
        <source>Media Mgr</source>
        <translation>媒体管理</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="739"/>
        <source>Server Group</source>
        <translation>话筒分组</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="755"/>
        <source>Region Mgr</source>
        <translation>区域管理</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="771"/>
        <source>System Setting</source>
        <translation>系统设置</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="858"/>
        <source>日志类型</source>
        <translation>日志类型</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="877"/>
        <source>用户日志</source>
        <translation>用户日志</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="893"/>
        <source>广播日志</source>
        <translation>广播日志</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="909"/>
        <source>终端日志</source>
        <translation>终端日志</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="996"/>
        <source>录音类型</source>
        <translation>录音类型</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="1015"/>
        <source>Talkback Record</source>
        <translation>对讲录音</translation>
    </message>
    <message>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="1049"/>
        <location filename="../shell/features/InfoCenterMgrClass.ui" line="1062"/>
        <source>--------</source>
        <translation>--------</translation>
    </message>
</context>
<context>
    <name>KyBaseTaskMgrForm</name>
    <message>
        <location filename="../tasks/KyTaskVocabulary.cpp" line="12"/>
        <source>File Play Broadcast</source>
        <translation>文件广播</translation>
    </message>
    <message>
        <location filename="../tasks/KyTaskVocabulary.cpp" line="13"/>
        <source>Cap Broadcast</source>
        <translation>采集广播</translation>
    </message>
    <message>
        <location filename="../tasks/KyTaskVocabulary.cpp" line="14"/>
        <source>TTS Broadcast</source>
        <translation>TTS广播</translation>
    </message>
    <message>
        <location filename="../tasks/KyTaskVocabulary.cpp" line="15"/>
        <source>Mic Broadcast</source>
        <translation>话筒广播</translation>
    </message>
    <message>
        <location filename="../tasks/KyTaskVocabulary.cpp" line="19"/>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <location filename="../tasks/KyTaskVocabulary.cpp" line="20"/>
        <source>Running</source>
        <translation>运行</translation>
    </message>
    <message>
        <location filename="../tasks/KyTaskVocabulary.cpp" line="21"/>
        <source>Idle</source>
        <translation>空闲</translation>
    </message>
    <message>
        <location filename="../tasks/KyTaskVocabulary.cpp" line="22"/>
        <source>Illegality</source>
        <translation>非法</translation>
    </message>
    <message>
        <location filename="../tasks/KyBaseTaskMgrForm.cpp" line="53"/>
        <source>Broadcast Type</source>
        <translation>广播类型</translation>
    </message>
    <message>
        <location filename="../tasks/KyBaseTaskMgrForm.cpp" line="53"/>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <location filename="../tasks/KyBaseTaskMgrForm.cpp" line="53"/>
        <source>Play Volume</source>
        <translation>播放音量</translation>
    </message>
    <message>
        <location filename="../tasks/KyBaseTaskMgrForm.cpp" line="74"/>
        <source>Task List</source>
        <translation>任务列表</translation>
    </message>
    <message>
        <location filename="../tasks/KyBaseTaskMgrForm.cpp" line="73"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location filename="../tasks/KyBaseTaskMgrForm.cpp" line="292"/>
        <source>Delete Error!</source>
        <translation>删除失败！</translation>
    </message>
    <message>
        <source>Task is runnig, it is not editable!</source>
        <translation>任务正在执行，不可编辑！</translation>
    </message>
</context>
<context>
    <name>KyDialog</name>
    <message>
        <location filename="../shell/widgets/KyDialog.ui" line="9"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyDialog.ui" line="69"/>
        <source>Manager Center</source>
        <translation>管理中心</translation>
    </message>
</context>
<context>
    <name>KyPlanTaskMgrForm</name>
    <message>
        <source>Add Error!</source>
        <translation>添加失败！</translation>
    </message>
    <message>
        <source>Edit Error!</source>
        <translation>编辑失败！</translation>
    </message>
    <message>
        <source>Mic broadcast it is not editable!</source>
        <translation>话筒广播不可编辑！</translation>
    </message>
    <message>
        <source>Task is runnig, it is not editable!</source>
        <translation>任务正在执行，不可编辑！</translation>
    </message>
</context>
<context>
    <name>KySsTaskMgrForm</name>
    <message>
        <source>Add Error!</source>
        <translation>添加失败！</translation>
    </message>
    <message>
        <source>Edit Error!</source>
        <translation>编辑失败！</translation>
    </message>
    <message>
        <source>Task is runnig, it is not editable!</source>
        <translation>任务正在执行，不可编辑！</translation>
    </message>
</context>
<context>
    <name>KyTimerTaskMgrForm</name>
    <message>
        <source>Add Error!</source>
        <translation>添加失败！</translation>
    </message>
    <message>
        <source>Edit Error!</source>
        <translation>编辑失败！</translation>
    </message>
    <message>
        <source>Task is runnig, it is not editable!</source>
        <translation>任务正在执行，不可编辑！</translation>
    </message>
</context>
<context>
    <name>KyM02SettingDialog</name>
    <message>
        <location filename="../terminals/KyM02SettingDialog.cpp" line="47"/>
        <source>Mic Setting</source>
        <translation>终端属性</translation>
    </message>
    <message>
        <location filename="../terminals/KyM02SettingDialog.cpp" line="102"/>
        <source>The name cannot be empty!</source>
        <translation>名称不能为空！</translation>
    </message>
</context>
<context>
    <name>KyM04SettingDialog</name>
    <message>
        <location filename="../terminals/KyM04SettingDialog.cpp" line="61"/>
        <source>Mic Setting</source>
        <translation>终端属性</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04SettingDialog.cpp" line="138"/>
        <source>The name cannot be empty!</source>
        <translation>名称不能为空！</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04SettingDialog.cpp" line="12"/>
        <source>Left Move</source>
        <translation>左移</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04SettingDialog.cpp" line="13"/>
        <source>Right Move</source>
        <translation>右移</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04SettingDialog.cpp" line="14"/>
        <source>Up Move</source>
        <translation>上移</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04SettingDialog.cpp" line="15"/>
        <source>Down Move</source>
        <translation>下移</translation>
    </message>
</context>
<context>
    <name>KyM02InfoForm</name>
    <message>
        <location filename="../terminals/KyM02InfoForm.cpp" line="24"/>
        <source>Call Mic</source>
        <translation>呼叫话筒</translation>
    </message>
    <message>
        <location filename="../terminals/KyM02InfoForm.cpp" line="26"/>
        <source>Call Config</source>
        <translation>呼叫配置</translation>
    </message>
    <message>
        <location filename="../terminals/KyM02InfoForm.cpp" line="15"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location filename="../terminals/KyM02InfoForm.cpp" line="15"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="12"/>
        <source>Login Out</source>
        <translation>离线</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="13"/>
        <source>Idle</source>
        <translation>空闲</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="14"/>
        <source>Sound Source Broadcast</source>
        <translation>音源广播</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="15"/>
        <source>Mic Broadcast</source>
        <translation>话筒广播</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="16"/>
        <source>Ring By Call</source>
        <translation>呼叫振铃</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="17"/>
        <source>Talking</source>
        <translation>通话中</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="18"/>
        <source>Monitor</source>
        <translation>监听</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="19"/>
        <source>EmergencyBroadcast</source>
        <translation>紧急广播</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="108"/>
        <source>Delete Error!</source>
        <translation>删除失败！</translation>
    </message>
    <message>
        <location filename="../terminals/KyM02InfoForm.cpp" line="113"/>
        <source>Setting Error!</source>
        <translation>设置错误！</translation>
    </message>
    <message>
        <location filename="../terminals/KyM02InfoForm.cpp" line="117"/>
        <source>Button Call Config Setting Error!</source>
        <translation>按键呼叫配置设置错误！</translation>
    </message>
    <message>
        <location filename="../terminals/KyM02InfoForm.cpp" line="27"/>
        <source>Attribute</source>
        <translation>属性</translation>
    </message>
</context>
<context>
    <name>KyM04InfoForm</name>
    <message>
        <location filename="../terminals/KyM04InfoForm.cpp" line="37"/>
        <source>Emergency Phone</source>
        <translation>紧急电话</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04InfoForm.cpp" line="44"/>
        <source>Move Mode</source>
        <translation>移动模式</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04InfoForm.cpp" line="44"/>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04InfoForm.cpp" line="45"/>
        <source>Text Content</source>
        <translation>显示内容</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04SettingDialog.cpp" line="12"/>
        <source>Left Move</source>
        <translation>左移</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04SettingDialog.cpp" line="13"/>
        <source>Right Move</source>
        <translation>右移</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04SettingDialog.cpp" line="14"/>
        <source>Up Move</source>
        <translation>上移</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04SettingDialog.cpp" line="15"/>
        <source>Down Move</source>
        <translation>下移</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04InfoForm.cpp" line="22"/>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04InfoForm.cpp" line="18"/>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04InfoForm.cpp" line="20"/>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04InfoForm.cpp" line="145"/>
        <source>Led Config Setting Error!</source>
        <translation>LED配置设置错误！</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="12"/>
        <source>Login Out</source>
        <translation>离线</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="13"/>
        <source>Idle</source>
        <translation>空闲</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="14"/>
        <source>Sound Source Broadcast</source>
        <translation>音源广播</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="15"/>
        <source>Mic Broadcast</source>
        <translation>话筒广播</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="16"/>
        <source>Ring By Call</source>
        <translation>呼叫振铃</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="17"/>
        <source>Talking</source>
        <translation>通话中</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="18"/>
        <source>Monitor</source>
        <translation>监听</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="19"/>
        <source>EmergencyBroadcast</source>
        <translation>紧急广播</translation>
    </message>
    <message>
        <location filename="../terminals/KyTalkInfoForm.cpp" line="108"/>
        <source>Delete Error!</source>
        <translation>删除失败！</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04InfoForm.cpp" line="134"/>
        <location filename="../terminals/KyM04InfoForm.cpp" line="170"/>
        <source>Setting Error!</source>
        <translation>设置错误！</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04InfoForm.cpp" line="140"/>
        <source>Button Call Config Setting Error!</source>
        <translation>按键呼叫配置设置错误！</translation>
    </message>
    <message>
        <location filename="../terminals/KyM04InfoForm.cpp" line="40"/>
        <source>Attribute</source>
        <translation>属性</translation>
    </message>
</context>
<context>
    <name>fMicSettingForm</name>
    <message>
        <location filename="../terminals/fMicSettingForm.ui" line="10"/>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
</context>
<context>
    <name>fM04SettingForm</name>
    <message>
        <location filename="../terminals/fM04SettingForm.ui" line="10"/>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
</context>
<context>
    <name>fM04TableForm</name>
    <message>
        <location filename="../terminals/fM04TableForm.ui" line="9"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location filename="../terminals/fM04TableForm.ui" line="86"/>
        <source>Config</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../terminals/fM04TableForm.ui" line="100"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
</context>
<context>
    <name>KyPlanTaskEditDialog</name>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="16"/>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="19"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="15"/>
        <source>New Sound Source Task</source>
        <translation>新建音源任务</translation>
    </message>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="18"/>
        <source>Sound Source Task Edit</source>
        <translation>音源任务编辑</translation>
    </message>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="24"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="24"/>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="33"/>
        <source>The name cannot be empty!</source>
        <translation>名称不能为空！</translation>
    </message>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="37"/>
        <source>Play times or counts must be selected!</source>
        <translation>必须选择播放时长或播放次数！</translation>
    </message>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="38"/>
        <source>Play time con't be 0!</source>
        <translation>播放时长不能为0！</translation>
    </message>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="39"/>
        <source>Play counts con't be 0!</source>
        <translation>播放次数不能为0！</translation>
    </message>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="43"/>
        <source>Please select play file!</source>
        <translation>请选择播放文件！</translation>
    </message>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="44"/>
        <source>Please select terminal!</source>
        <translation>请选择终端！</translation>
    </message>
    <message>
        <location filename="../tasks/KyPlanTaskEditDialog.cpp" line="45"/>
        <source>Tts content can't be empty!</source>
        <translation>TTS内容不能为空！</translation>
    </message>
</context>
<context>
    <name>KyTimerTaskEditDialog</name>
    <message>
        <location filename="../tasks/KyTimerTaskEditDialog.cpp" line="54"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location filename="../tasks/KyTimerTaskEditDialog.cpp" line="54"/>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <location filename="../tasks/KyTimerTaskEditDialog.cpp" line="221"/>
        <source>Play times or counts must be selected!</source>
        <translation>必须选择播放时长或播放次数！</translation>
    </message>
    <message>
        <location filename="../tasks/KyTimerTaskEditDialog.cpp" line="235"/>
        <source>Please select play file!</source>
        <translation>请选择播放文件！</translation>
    </message>
</context>
<context>
    <name>KyTipsInfo</name>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="7"/>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="8"/>
        <source>Delete current record?</source>
        <translation>确定删除当前记录？</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="10"/>
        <source>Current user does not have permission to edit!</source>
        <translation>当前用户没有编辑权限！</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="11"/>
        <source>Delete failed</source>
        <translation>删除失败</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="13"/>
        <source>Terminal can not be removed without offline!</source>
        <translation>终端在线时不能删除！</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="14"/>
        <source>Delete chosen media?</source>
        <translation>确定删除选中的媒体？</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="15"/>
        <source>Name contains illegal characters!</source>
        <translation>名称包含非法字符！</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="17"/>
        <source>Can&apos;t check speaker when terminal not idle!</source>
        <translation>终端不空闲时不能检测喇叭！</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="18"/>
        <source>Set Name</source>
        <translation>设置名称</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="20"/>
        <source>ID</source>
        <translation>编号</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="21"/>
        <source>IP</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="22"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="23"/>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="24"/>
        <source>Code</source>
        <translation>编码</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="25"/>
        <source>Is PPT</source>
        <translation>是否PPT</translation>
    </message>
    <message>
        <location filename="../shell/widgets/KyTipsInfo.cpp" line="26"/>
        <source>Is AEC</source>
        <translation>是否AEC</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <location filename="../shell/features/LoginDialog.ui" line="9"/>
        <location filename="../shell/features/LoginDialog.ui" line="121"/>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.ui" line="67"/>
        <source>Server:</source>
        <translation>服务器：</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.ui" line="75"/>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.ui" line="85"/>
        <source>User:</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.ui" line="93"/>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.ui" line="128"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.cpp" line="40"/>
        <source>Logged in.</source>
        <translation>登录成功。</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.cpp" line="42"/>
        <source>The server refused the login: wrong user name or password.</source>
        <translation>服务器拒绝登录：用户名或密码错误。</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.cpp" line="44"/>
        <source>The server did not answer the login in time.</source>
        <translation>服务器未及时响应登录请求。</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.cpp" line="46"/>
        <source>Cannot connect to the server. Check the address and port.</source>
        <translation>无法连接服务器，请检查地址和端口。</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.cpp" line="48"/>
        <source>Login failed.</source>
        <translation>登录失败。</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.cpp" line="57"/>
        <source>Please enter the server address.</source>
        <translation>请输入服务器地址。</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.cpp" line="61"/>
        <source>Please enter a server port between 1 and 65535.</source>
        <translation>请输入1到65535之间的服务器端口。</translation>
    </message>
    <message>
        <location filename="../shell/features/LoginDialog.cpp" line="65"/>
        <source>Please enter the user name.</source>
        <translation>请输入用户名。</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <location filename="../shell/widgets/MessageBox.ui" line="9"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location filename="../shell/widgets/MessageBox.ui" line="23"/>
        <source>消息</source>
        <translation>消息</translation>
    </message>
    <message>
        <location filename="../shell/widgets/MessageBox.ui" line="42"/>
        <location filename="../shell/widgets/MessageBox.ui" line="68"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../shell/widgets/MessageBox.ui" line="75"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>fCommonTableForm</name>
    <message>
        <location filename="../shell/tables/fCommonTableForm.ui" line="9"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location filename="../shell/tables/fCommonTableForm.ui" line="40"/>
        <source>预案类型</source>
        <translation>预案类型</translation>
    </message>
    <message>
        <location filename="../shell/tables/fCommonTableForm.ui" line="81"/>
        <source>Config</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../shell/tables/fCommonTableForm.ui" line="88"/>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location filename="../shell/tables/fCommonTableForm.ui" line="95"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location filename="../shell/tables/fCommonTableForm.ui" line="102"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>fExectTimeDialog</name>
    <message>
        <location filename="../shell/widgets/fExectTimeDialog.ui" line="9"/>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <location filename="../shell/widgets/fExectTimeDialog.ui" line="38"/>
        <source>设置时间</source>
        <translation>设置时间</translation>
    </message>
    <message>
        <location filename="../shell/widgets/fExectTimeDialog.ui" line="85"/>
        <source>名称：</source>
        <translation>名称：</translation>
    </message>
    <message>
        <location filename="../shell/widgets/fExectTimeDialog.ui" line="90"/>
        <source>执行时间</source>
        <translation>执行时间</translation>
    </message>
    <message>
        <location filename="../shell/widgets/fExectTimeDialog.ui" line="102"/>
        <source>执行时间：</source>
        <translation>执行时间：</translation>
    </message>
    <message>
        <location filename="../shell/widgets/fExectTimeDialog.ui" line="141"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../shell/widgets/fExectTimeDialog.ui" line="147"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>fSetNameDialog</name>
    <message>
        <location filename="../shell/widgets/fSetNameDialog.ui" line="9"/>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <location filename="../shell/widgets/fSetNameDialog.ui" line="38"/>
        <source>终端属性</source>
        <translation>终端属性</translation>
    </message>
    <message>
        <location filename="../shell/widgets/fSetNameDialog.ui" line="76"/>
        <source>名称：</source>
        <translation>名称：</translation>
    </message>
    <message>
        <location filename="../shell/widgets/fSetNameDialog.ui" line="88"/>
        <source>注意：长度不可超过8个中文或者16个字符！</source>
        <translation>注意：长度不可超过8个中文或者16个字符！</translation>
    </message>
    <message>
        <location filename="../shell/widgets/fSetNameDialog.ui" line="107"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../shell/widgets/fSetNameDialog.ui" line="113"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>messageDialog</name>
    <message>
        <location filename="../shell/widgets/messageDialog.ui" line="9"/>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <location filename="../shell/widgets/messageDialog.ui" line="102"/>
        <source>确认</source>
        <translation>确认</translation>
    </message>
    <message>
        <location filename="../shell/widgets/messageDialog.ui" line="108"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KyLogInfoFormBase</name>
    <message>
        <location filename="../shell/features/KyLogInfoFormBase.cpp" line="86"/>
        <source>Talkback log server connect error!</source>
        <translation>对讲日志服务器连接错误！</translation>
    </message>
</context>
<context>
    <name>KyUserLogInfoForm</name>
    <message>
        <location filename="../shell/features/KyUserLogInfoForm.cpp" line="37"/>
        <source>User Log</source>
        <translation>用户日志</translation>
    </message>
    <message>
        <location filename="../shell/features/KyUserLogInfoForm.cpp" line="37"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location filename="../shell/features/KyUserLogInfoForm.cpp" line="37"/>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <location filename="../shell/features/KyUserLogInfoForm.cpp" line="37"/>
        <source>Content</source>
        <translation>内容</translation>
    </message>
</context>
<context>
    <name>KyTermLogInfoForm</name>
    <message>
        <location filename="../shell/features/KyTermLogInfoForm.cpp" line="11"/>
        <source>Terminal Log</source>
        <translation>终端日志</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTermLogInfoForm.cpp" line="12"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTermLogInfoForm.cpp" line="12"/>
        <source>Terminal Id</source>
        <translation>终端ID</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTermLogInfoForm.cpp" line="12"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTermLogInfoForm.cpp" line="12"/>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTermLogInfoForm.cpp" line="12"/>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTermLogInfoForm.cpp" line="12"/>
        <source>Action</source>
        <translation>动作</translation>
    </message>
</context>
<context>
    <name>KyTalkLogInfoForm</name>
    <message>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="19"/>
        <source>Talk Log</source>
        <translation>对讲日志</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="20"/>
        <source>Begin Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="20"/>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="20"/>
        <source>Caller Code</source>
        <translation>主叫号码</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="20"/>
        <source>Caller Name</source>
        <translation>主叫名称</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="20"/>
        <source>Called Code</source>
        <translation>被叫号码</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="21"/>
        <source>Called Name</source>
        <translation>被叫名称</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="21"/>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="21"/>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="9"/>
        <source>EmergencyHelp</source>
        <translation>紧急求助</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="9"/>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="10"/>
        <source>Talkback</source>
        <translation>对讲</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="10"/>
        <location filename="../shell/features/KyTalkLogInfoForm.cpp" line="11"/>
        <source>Broadcast</source>
        <translation>广播</translation>
    </message>
</context>
<context>
    <name>KyTalkRecordForm</name>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="39"/>
        <source>Record List</source>
        <translation>录音列表</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="40"/>
        <source>Begin Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="40"/>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="40"/>
        <source>Caller Code</source>
        <translation>主叫号码</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="40"/>
        <source>Caller Name</source>
        <translation>主叫名称</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="40"/>
        <source>Called Code</source>
        <translation>被叫号码</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="41"/>
        <source>Called Name</source>
        <translation>被叫名称</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="41"/>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="41"/>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="41"/>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="23"/>
        <source>Tts</source>
        <translation>文字转语音</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="23"/>
        <source>Talkback</source>
        <translation>对讲</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="24"/>
        <source>Broadcast</source>
        <translation>广播</translation>
    </message>
    <message>
        <location filename="../shell/features/KyTalkRecordForm.cpp" line="147"/>
        <source>save file</source>
        <translation>保存文件</translation>
    </message>
</context>
<context>
    <name>KySystemSettingForm</name>
    <message>
        <location filename="../shell/features/KySystemSettingBackup.cpp" line="109"/>
        <source>Backup Files (*.backup)</source>
        <translation>备份文件 (*.backup)</translation>
    </message>
</context>
<context>
    <name>fLogInfoForm</name>
    <message>
        <location filename="../shell/features/fLogInfoForm.ui" line="6"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location filename="../shell/features/fLogInfoForm.ui" line="78"/>
        <source>Previous</source>
        <translation>上一页</translation>
    </message>
    <message>
        <location filename="../shell/features/fLogInfoForm.ui" line="92"/>
        <source>Next</source>
        <translation>下一页</translation>
    </message>
</context>
<context>
    <name>KyCapInfoForm</name>
    <message>
        <location filename="../terminals/KyCapInfoForm.cpp" line="42"/>
        <source>CaptureList</source>
        <translation>采集终端列表</translation>
    </message>
    <message>
        <location filename="../terminals/KyCapInfoForm.cpp" line="44"/>
        <source>Attributes</source>
        <translation>属性</translation>
    </message>
    <message>
        <location filename="../terminals/KyCapInfoForm.cpp" line="45"/>
        <source>Call Config</source>
        <translation>呼叫配置</translation>
    </message>
    <message>
        <location filename="../terminals/KyCapInfoForm.cpp" line="50"/>
        <source>CapVol</source>
        <translation>采集音量</translation>
    </message>
    <message>
        <location filename="../terminals/KyCapInfoForm.cpp" line="51"/>
        <source>Samplerate</source>
        <translation>采集音质</translation>
    </message>
    <message>
        <location filename="../terminals/KyCapInfoForm.cpp" line="76"/>
        <source>General</source>
        <translation>普通</translation>
    </message>
    <message>
        <location filename="../terminals/KyCapInfoForm.cpp" line="72"/>
        <source>Medium </source>
        <translation>中等</translation>
    </message>
    <message>
        <location filename="../terminals/KyCapInfoForm.cpp" line="74"/>
        <source>Advanced</source>
        <translation>高等</translation>
    </message>
    <message>
        <location filename="../terminals/KyCapInfoForm.cpp" line="88"/>
        <source>Off Line</source>
        <translation>离线</translation>
    </message>
    <message>
        <location filename="../terminals/KyCapInfoForm.cpp" line="84"/>
        <source>Idle</source>
        <translation>空闲</translation>
    </message>
    <message>
        <location filename="../terminals/KyCapInfoForm.cpp" line="86"/>
        <source>Broadcasting</source>
        <translation>广播中</translation>
    </message>
    <message>
        <location filename="../terminals/KyCapInfoForm.cpp" line="183"/>
        <source>Delete Error!</source>
        <translation>删除失败！</translation>
    </message>
</context>
<context>
    <name>KySetCapDialog</name>
    <message>
        <location filename="../terminals/KySetCapDialog.cpp" line="66"/>
        <source>The name cannot be empty！</source>
        <translation>名称不能为空！</translation>
    </message>
</context>
<context>
    <name>KyTtsInfoForm</name>
    <message>
        <location filename="../terminals/KyTtsInfoForm.cpp" line="41"/>
        <source>TTS List</source>
        <translation>TTS终端列表</translation>
    </message>
    <message>
        <location filename="../terminals/KyTtsInfoForm.cpp" line="64"/>
        <source>Off Line</source>
        <translation>离线</translation>
    </message>
    <message>
        <location filename="../terminals/KyTtsInfoForm.cpp" line="56"/>
        <source>Idle</source>
        <translation>空闲</translation>
    </message>
    <message>
        <location filename="../terminals/KyTtsInfoForm.cpp" line="58"/>
        <source>Begin Work</source>
        <translation>开始工作</translation>
    </message>
    <message>
        <location filename="../terminals/KyTtsInfoForm.cpp" line="60"/>
        <source>Working</source>
        <translation>工作中</translation>
    </message>
    <message>
        <location filename="../terminals/KyTtsInfoForm.cpp" line="62"/>
        <source>End Work</source>
        <translation>结束工作</translation>
    </message>
    <message>
        <location filename="../terminals/KyTtsInfoForm.cpp" line="140"/>
        <source>Setting Error!</source>
        <translation>设置错误！</translation>
    </message>
    <message>
        <location filename="../terminals/KyTtsInfoForm.cpp" line="154"/>
        <source>Delete Error!</source>
        <translation>删除失败！</translation>
    </message>
</context>
<context>
    <name>KyMediaViewCtrl</name>
    <message>
        <location filename="../views/KyMediaViewCtrl.cpp" line="162"/>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <location filename="../views/KyMediaViewCtrl.cpp" line="162"/>
        <source>Media File</source>
        <translation>媒体文件</translation>
    </message>
</context>
<context>
    <name>KyMediaTableCtrl</name>
    <message>
        <location filename="../views/KyMediaTableCtrl.cpp" line="14"/>
        <source>Media Name</source>
        <translation>媒体名称</translation>
    </message>
    <message>
        <location filename="../views/KyMediaTableCtrl.cpp" line="17"/>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <location filename="../views/KyMediaTableCtrl.cpp" line="18"/>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
</context>
<context>
    <name>KyMediaMgrForm</name>
    <message>
        <location filename="../media/KyMediaMgrForm.cpp" line="80"/>
        <source>Audio Files (*.mp3)</source>
        <translation>音频文件 (*.mp3)</translation>
    </message>
    <message>
        <location filename="../media/KyMediaMgrForm.cpp" line="207"/>
        <source>save file</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <location filename="../media/KyMediaMgrForm.cpp" line="241"/>
        <source>New Dir</source>
        <translation>新建目录</translation>
    </message>
</context>
<context>
    <name>KyPlayerInfoForm</name>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="104"/>
        <source>PRTerm</source>
        <translation>PR终端</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="105"/>
        <source>IPTerm</source>
        <translation>IP终端</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="106"/>
        <source>IPDSTerm</source>
        <translation>IPD-S终端</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="107"/>
        <source>IPDTerm</source>
        <translation>IPD终端</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="108"/>
        <source>CLTerm</source>
        <translation>CL终端</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="109"/>
        <source>01Term</source>
        <translation>01终端</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="121"/>
        <source>Off Line</source>
        <translation>离线</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="116"/>
        <source>Idle</source>
        <translation>空闲</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="117"/>
        <source>Broadcasting</source>
        <translation>广播中</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="118"/>
        <source>Mic Broadcast</source>
        <translation>话筒广播</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="119"/>
        <source>Warning</source>
        <translation>告警</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="120"/>
        <source>EmergencyBroadcast</source>
        <translation>紧急广播</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="128"/>
        <source>Open Circuit</source>
        <translation>开路</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="129"/>
        <source>Pass</source>
        <translation>正常</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="130"/>
        <source>Short Circuit</source>
        <translation>短路</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="131"/>
        <source>Checking</source>
        <translation>检测中</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="272"/>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="333"/>
        <source>Setting Error!</source>
        <translation>设置错误！</translation>
    </message>
    <message>
        <location filename="../terminals/KyPlayerInfoForm.cpp" line="361"/>
        <source>Delete Error!</source>
        <translation>删除错误！</translation>
    </message>
</context>
<context>
    <name>KyTerTableWidgetStr</name>
    <message>
        <location filename="../terminals/KyTerTableWidgetStr.cpp" line="6"/>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../terminals/KyTerTableWidgetStr.cpp" line="8"/>
        <source>open</source>
        <translation>开启</translation>
    </message>
</context>
<context>
    <name>KyMicInfoForm</name>
    <message>
        <location filename="../terminals/KyMicInfoForm.cpp" line="18"/>
        <source>Server Mic</source>
        <translation>服务器话筒</translation>
    </message>
    <message>
        <location filename="../terminals/KyMicInfoForm.cpp" line="44"/>
        <source>Off Line</source>
        <translation>离线</translation>
    </message>
    <message>
        <location filename="../terminals/KyMicInfoForm.cpp" line="44"/>
        <source>Idle</source>
        <translation>空闲</translation>
    </message>
    <message>
        <location filename="../terminals/KyMicInfoForm.cpp" line="45"/>
        <source>Mic to Broadcast</source>
        <translation>话筒广播</translation>
    </message>
    <message>
        <location filename="../terminals/KyMicInfoForm.cpp" line="45"/>
        <source>Mic Call Ring</source>
        <translation>话筒呼叫振铃</translation>
    </message>
    <message>
        <location filename="../terminals/KyMicInfoForm.cpp" line="46"/>
        <source>Talkbacking</source>
        <translation>对讲中</translation>
    </message>
    <message>
        <location filename="../terminals/KyMicInfoForm.cpp" line="46"/>
        <source>Monitor Terminal</source>
        <translation>监听终端</translation>
    </message>
    <message>
        <location filename="../terminals/KyMicInfoForm.cpp" line="47"/>
        <source>Mic Stop Service</source>
        <translation>话筒停止服务</translation>
    </message>
</context>
<context>
    <name>KyM11SettingDialog</name>
    <message>
        <location filename="../terminals/KyM11SettingDialog.cpp" line="59"/>
        <location filename="../terminals/KyM11SettingDialog.cpp" line="60"/>
        <source>Mic Setting</source>
        <translation>话筒设置</translation>
    </message>
    <message>
        <location filename="../terminals/KyM11SettingDialog.cpp" line="345"/>
        <source>The name cannot be empty!</source>
        <translation>名称不能为空！</translation>
    </message>
    <message>
        <location filename="../terminals/KyM11SettingDialog.cpp" line="357"/>
        <source>Setting Error!</source>
        <translation>设置错误！</translation>
    </message>
    <message>
        <location filename="../terminals/KyM11SettingDialog.cpp" line="363"/>
        <source>Setting Monitor List Error!</source>
        <translation>设置监听名单错误！</translation>
    </message>
    <message>
        <location filename="../terminals/KyM11SettingDialog.cpp" line="365"/>
        <source>Setting Ss Task List Error!</source>
        <translation>设置音源列表错误！</translation>
    </message>
    <message>
        <location filename="../terminals/KyM11SettingDialog.cpp" line="367"/>
        <source>Setting Region List Error!</source>
        <translation>设置分区列表错误！</translation>
    </message>
</context>
<context>
    <name>QtSchemeInfo</name>
    <message>
        <location filename="../tasks/QtSchemeInfo.ui" line="9"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location filename="../tasks/QtSchemeInfo.cpp" line="12"/>
        <source>Play Task</source>
        <translation>播放任务</translation>
    </message>
    <message>
        <location filename="../tasks/QtSchemeInfo.cpp" line="13"/>
        <source>Amp Task</source>
        <translation>功放任务</translation>
    </message>
    <message>
        <location filename="../tasks/QtSchemeInfo.cpp" line="14"/>
        <source>Power Task</source>
        <translation>电源任务</translation>
    </message>
    <message>
        <location filename="../tasks/QtSchemeInfo.cpp" line="15"/>
        <source>Volume Task</source>
        <translation>音量任务</translation>
    </message>
</context>
<context>
    <name>KyMicGroupInfoForm</name>
    <message>
        <location filename="../tasks/KyOrgInfoPage.cpp" line="19"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location filename="../tasks/KyMicGroupInfoForm.cpp" line="38"/>
        <source>Servet Group List</source>
        <translation>服务话筒组列表</translation>
    </message>
    <message>
        <location filename="../tasks/KyMicGroupInfoForm.cpp" line="39"/>
        <source>ID</source>
        <translation>编号</translation>
    </message>
    <message>
        <location filename="../tasks/KyMicGroupInfoForm.cpp" line="39"/>
        <source>Rule</source>
        <translation>响铃规则</translation>
    </message>
    <message>
        <location filename="../tasks/KyMicGroupInfoForm.cpp" line="39"/>
        <source>Ring Time</source>
        <translation>响铃时长</translation>
    </message>
    <message>
        <location filename="../tasks/KyMicGroupInfoForm.cpp" line="39"/>
        <source>Server Mic</source>
        <translation>服务话筒</translation>
    </message>
    <message>
        <location filename="../tasks/KyOrgInfoPage.cpp" line="93"/>
        <source>Add Error!</source>
        <translation>添加失败！</translation>
    </message>
    <message>
        <location filename="../tasks/KyOrgInfoPage.cpp" line="100"/>
        <source>Edit Error!</source>
        <translation>编辑失败！</translation>
    </message>
    <message>
        <location filename="../tasks/KyOrgPage.h" line="28"/>
        <source>Setting Error!</source>
        <translation>设置错误！</translation>
    </message>
    <message>
        <location filename="../tasks/KyOrgInfoPage.cpp" line="107"/>
        <source>Delete Error!</source>
        <translation>删除失败！</translation>
    </message>
    <message>
        <location filename="../tasks/KyCallWaitRule.cpp" line="6"/>
        <source>All Ring</source>
        <translation>全部振铃</translation>
    </message>
    <message>
        <location filename="../tasks/KyCallWaitRule.cpp" line="7"/>
        <source>Ring Least First</source>
        <translation>最少振铃优先</translation>
    </message>
    <message>
        <location filename="../tasks/KyCallWaitRule.cpp" line="8"/>
        <source>Answer Least First</source>
        <translation>最少应答优先</translation>
    </message>
    <message>
        <location filename="../tasks/KyCallWaitRule.cpp" line="9"/>
        <source>Talk Least First</source>
        <translation>最少通话优先</translation>
    </message>
    <message>
        <location filename="../tasks/KyCallWaitRule.cpp" line="10"/>
        <source>Fixed Order</source>
        <translation>固定顺序</translation>
    </message>
</context>
<context>
    <name>KyMicGroupEditDialog</name>
    <message>
        <location filename="../tasks/KyCallWaitRule.cpp" line="6"/>
        <source>All Ring</source>
        <translation>全部振铃</translation>
    </message>
    <message>
        <location filename="../tasks/KyCallWaitRule.cpp" line="7"/>
        <source>Ring Least First</source>
        <translation>最少振铃优先</translation>
    </message>
    <message>
        <location filename="../tasks/KyCallWaitRule.cpp" line="8"/>
        <source>Answer Least First</source>
        <translation>最少应答优先</translation>
    </message>
    <message>
        <location filename="../tasks/KyCallWaitRule.cpp" line="9"/>
        <source>Talk Least First</source>
        <translation>最少通话优先</translation>
    </message>
    <message>
        <location filename="../tasks/KyCallWaitRule.cpp" line="10"/>
        <source>Fixed Order</source>
        <translation>固定顺序</translation>
    </message>
    <message>
        <location filename="../tasks/KyMicGroupEditDialog.cpp" line="19"/>
        <source>ID</source>
        <translation>编号</translation>
    </message>
    <message>
        <location filename="../tasks/KyMicGroupEditDialog.cpp" line="19"/>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <location filename="../tasks/KyMicGroupEditDialog.cpp" line="20"/>
        <source>Mic Group Edit</source>
        <translation>编辑话筒组</translation>
    </message>
    <message>
        <location filename="../tasks/KyMicGroupEditDialog.cpp" line="20"/>
        <source>Mic Group New</source>
        <translation>新建话筒组</translation>
    </message>
    <message>
        <location filename="../tasks/KyOrgEditDialog.cpp" line="86"/>
        <source>The name cannot be empty!</source>
        <translation>名称不能为空！</translation>
    </message>
</context>
<context>
    <name>KyRegionMgrForm</name>
    <message>
        <location filename="../tasks/KyOrgInfoPage.cpp" line="19"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location filename="../tasks/KyRegionMgrForm.cpp" line="39"/>
        <source>Region List</source>
        <translation>广播分区列表</translation>
    </message>
    <message>
        <location filename="../tasks/KyRegionMgrForm.cpp" line="39"/>
        <source>ID</source>
        <translation>编号</translation>
    </message>
    <message>
        <location filename="../tasks/KyRegionMgrForm.cpp" line="39"/>
        <source>Player</source>
        <translation>播放终端</translation>
    </message>
    <message>
        <location filename="../tasks/KyOrgInfoPage.cpp" line="93"/>
        <source>Add Error!</source>
        <translation>添加失败！</translation>
    </message>
    <message>
        <location filename="../tasks/KyOrgInfoPage.cpp" line="100"/>
        <source>Edit Error!</source>
        <translation>编辑失败！</translation>
    </message>
    <message>
        <location filename="../tasks/KyOrgPage.h" line="28"/>
        <source>Setting Error!</source>
        <translation>设置错误！</translation>
    </message>
    <message>
        <location filename="../tasks/KyOrgInfoPage.cpp" line="107"/>
        <source>Delete Error!</source>
        <translation>删除失败！</translation>
    </message>
</context>
<context>
    <name>KyRegionEditDialog</name>
    <message>
        <location filename="../tasks/KyRegionEditDialog.cpp" line="18"/>
        <source>ID</source>
        <translation>编号</translation>
    </message>
    <message>
        <location filename="../tasks/KyRegionEditDialog.cpp" line="18"/>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <location filename="../tasks/KyRegionEditDialog.cpp" line="18"/>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <location filename="../tasks/KyRegionEditDialog.cpp" line="19"/>
        <source>Region Edit</source>
        <translation>编辑分区</translation>
    </message>
    <message>
        <location filename="../tasks/KyRegionEditDialog.cpp" line="19"/>
        <source>Region New</source>
        <translation>新建分区</translation>
    </message>
    <message>
        <location filename="../tasks/KyOrgEditDialog.cpp" line="86"/>
        <source>The name cannot be empty!</source>
        <translation>名称不能为空！</translation>
    </message>
</context>
<context>
    <name>fMicGroupInfoForm</name>
    <message>
        <location filename="../tasks/fMicGroupInfoForm.ui" line="9"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupInfoForm.ui" line="75"/>
        <source>Config</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupInfoForm.ui" line="82"/>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupInfoForm.ui" line="89"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupInfoForm.ui" line="96"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>fRegionInfoForm</name>
    <message>
        <location filename="../tasks/fRegionInfoForm.ui" line="9"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location filename="../tasks/fRegionInfoForm.ui" line="75"/>
        <source>Config</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../tasks/fRegionInfoForm.ui" line="82"/>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location filename="../tasks/fRegionInfoForm.ui" line="89"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location filename="../tasks/fRegionInfoForm.ui" line="96"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>fMicGroupEditDialog</name>
    <message>
        <location filename="../tasks/fMicGroupEditDialog.ui" line="9"/>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupEditDialog.ui" line="38"/>
        <source>终端属性</source>
        <translation>终端属性</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupEditDialog.ui" line="65"/>
        <source>属性：</source>
        <translation>属性：</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupEditDialog.ui" line="69"/>
        <source>名称：</source>
        <translation>名称：</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupEditDialog.ui" line="79"/>
        <source>响铃时长：</source>
        <translation>响铃时长：</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupEditDialog.ui" line="87"/>
        <source>响铃规则：</source>
        <translation>响铃规则：</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupEditDialog.ui" line="98"/>
        <source>服务话筒选择：</source>
        <translation>服务话筒选择：</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupEditDialog.ui" line="102"/>
        <source>全选</source>
        <translation>全选</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupEditDialog.ui" line="123"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../tasks/fMicGroupEditDialog.ui" line="129"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>fRegionEditDialog</name>
    <message>
        <location filename="../tasks/fRegionEditDialog.ui" line="9"/>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <location filename="../tasks/fRegionEditDialog.ui" line="38"/>
        <source>终端属性</source>
        <translation>终端属性</translation>
    </message>
    <message>
        <location filename="../tasks/fRegionEditDialog.ui" line="69"/>
        <source>名称：</source>
        <translation>名称：</translation>
    </message>
    <message>
        <location filename="../tasks/fRegionEditDialog.ui" line="82"/>
        <source>播放终端选择：</source>
        <translation>播放终端选择：</translation>
    </message>
    <message>
        <location filename="../tasks/fRegionEditDialog.ui" line="86"/>
        <source>全选</source>
        <translation>全选</translation>
    </message>
    <message>
        <location filename="../tasks/fRegionEditDialog.ui" line="107"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../tasks/fRegionEditDialog.ui" line="113"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KyM12InfoForm</name>
    <message>
        <location filename="../terminals/KyM12InfoForm.cpp" line="23"/>
        <source>Call Config</source>
        <translation>呼叫配置</translation>
    </message>
</context>
<context>
    <name>QtSetTCPForm</name>
    <message>
        <location filename="../terminals/QtSetTCPForm.ui" line="9"/>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <location filename="../terminals/QtSetTCPForm.ui" line="15"/>
        <source>防火墙模式</source>
        <translation>防火墙模式</translation>
    </message>
    <message>
        <location filename="../terminals/QtSetTCPForm.ui" line="22"/>
        <source>全部是</source>
        <translation>全部是</translation>
    </message>
    <message>
        <location filename="../terminals/QtSetTCPForm.ui" line="28"/>
        <source>全部否</source>
        <translation>全部否</translation>
    </message>
    <message>
        <location filename="../terminals/QtSetTCPForm.ui" line="42"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location filename="../terminals/QtSetTCPForm.ui" line="43"/>
        <source>终端名称</source>
        <translation>终端名称</translation>
    </message>
    <message>
        <location filename="../terminals/QtSetTCPForm.ui" line="44"/>
        <source>经过防火墙</source>
        <translation>经过防火墙</translation>
    </message>
    <message>
        <location filename="../terminals/QtSetTCPForm.ui" line="53"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../terminals/QtSetTCPForm.ui" line="59"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TerDefaultSetForm</name>
    <message>
        <location filename="../terminals/TerDefaultSetForm.ui" line="9"/>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <location filename="../terminals/TerDefaultSetForm.ui" line="15"/>
        <source>终端</source>
        <translation>终端</translation>
    </message>
    <message>
        <location filename="../terminals/TerDefaultSetForm.ui" line="23"/>
        <source>音量：</source>
        <translation>音量：</translation>
    </message>
    <message>
        <location filename="../terminals/TerDefaultSetForm.ui" line="32"/>
        <source>电源开启</source>
        <translation>电源开启</translation>
    </message>
    <message>
        <location filename="../terminals/TerDefaultSetForm.ui" line="37"/>
        <source>电源关闭</source>
        <translation>电源关闭</translation>
    </message>
    <message>
        <location filename="../terminals/TerDefaultSetForm.ui" line="44"/>
        <source>终端名称</source>
        <translation>终端名称</translation>
    </message>
    <message>
        <location filename="../terminals/TerDefaultSetForm.ui" line="45"/>
        <source>默认音量</source>
        <translation>默认音量</translation>
    </message>
    <message>
        <location filename="../terminals/TerDefaultSetForm.ui" line="46"/>
        <source>默认功放开关</source>
        <translation>默认功放开关</translation>
    </message>
    <message>
        <location filename="../terminals/TerDefaultSetForm.ui" line="47"/>
        <source>是否指定默认</source>
        <translation>是否指定默认</translation>
    </message>
    <message>
        <location filename="../terminals/TerDefaultSetForm.ui" line="56"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../terminals/TerDefaultSetForm.ui" line="62"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>fM12SettingForm</name>
    <message>
        <location filename="../terminals/fM12SettingForm.ui" line="9"/>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <location filename="../terminals/fM12SettingForm.ui" line="38"/>
        <source>终端属性</source>
        <translation>终端属性</translation>
    </message>
    <message>
        <location filename="../terminals/fM12SettingForm.ui" line="65"/>
        <source>属性：</source>
        <translation>属性：</translation>
    </message>
    <message>
        <location filename="../terminals/fM12SettingForm.ui" line="69"/>
        <source>名称：</source>
        <translation>名称：</translation>
    </message>
    <message>
        <location filename="../terminals/fM12SettingForm.ui" line="80"/>
        <source>配置：</source>
        <translation>配置：</translation>
    </message>
    <message>
        <location filename="../terminals/fM12SettingForm.ui" line="86"/>
        <source>通信名单</source>
        <translation>通信名单</translation>
    </message>
    <message>
        <location filename="../terminals/fM12SettingForm.ui" line="90"/>
        <location filename="../terminals/fM12SettingForm.ui" line="107"/>
        <location filename="../terminals/fM12SettingForm.ui" line="124"/>
        <source>全选</source>
        <translation>全选</translation>
    </message>
    <message>
        <location filename="../terminals/fM12SettingForm.ui" line="103"/>
        <source>音源配置</source>
        <translation>音源配置</translation>
    </message>
    <message>
        <location filename="../terminals/fM12SettingForm.ui" line="120"/>
        <source>分区配置</source>
        <translation>分区配置</translation>
    </message>
    <message>
        <location filename="../terminals/fM12SettingForm.ui" line="152"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../terminals/fM12SettingForm.ui" line="158"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
