#include "KyLogPageForm.h"

#include "KyServiceLogMgr.h"

KyLogPageForm::KyLogPageForm(QWidget* parent, const Kinds& kinds, int exportKind,
                             void (KyServiceLogMgr::*gotList)(), void (KyServiceLogMgr::*gotSize)(int))
    : KyLogInfoFormBase(parent, kinds), m_exportKind(exportKind)
{
    connect(m_logMgr, gotList, this, &KyLogPageForm::slot_showLogList);
    connect(m_logMgr, gotSize, this, &KyLogPageForm::slot_getLogSize);
    connectPaging(this, &KyLogPageForm::slot_previousClicked, &KyLogPageForm::slot_nextClicked,
                  &KyLogPageForm::slot_refreshClicked);
    connect(pagingButton(3), &QPushButton::clicked, this, &KyLogPageForm::slot_downloadClicked);
}

void KyLogPageForm::slot_showLogList() { showList(); }
void KyLogPageForm::slot_getLogSize(int size) { countArrived(size); }
void KyLogPageForm::slot_previousClicked() { previousPage(); }
void KyLogPageForm::slot_nextClicked() { nextPage(); }
void KyLogPageForm::slot_refreshClicked() { refresh(); }
void KyLogPageForm::set_query_btn_enable() { enableRefresh(); }
void KyLogPageForm::slot_downloadClicked() { openExport(m_exportKind); }
