#pragma once

#include "KyLogInfoFormBase.h"

// The slots and connections that the talkback and terminal log pages share;
// each page adds its title, columns and cells, then loads.
class KyLogPageForm : public KyLogInfoFormBase {
    Q_OBJECT
public slots:
    void slot_showLogList();
    void slot_getLogSize(int size);
    void slot_previousClicked();
    void slot_nextClicked();
    void slot_refreshClicked();
    void set_query_btn_enable();
    void slot_downloadClicked();

protected:
    KyLogPageForm(QWidget* parent, const Kinds& kinds, int exportKind, void (KyServiceLogMgr::*gotList)(),
                  void (KyServiceLogMgr::*gotSize)(int));

private:
    int m_exportKind;
};
