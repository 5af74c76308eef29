#pragma once

#include "KyTableRef.h"

class QTableWidget;

// Base of the small table controllers of the task and scheme editors.
class KyDataViewCtrl {
public:
    explicit KyDataViewCtrl(QTableWidget* table) : m_ref(table) {}
    virtual ~KyDataViewCtrl() = default;

    virtual int idOfRow(int row);
    virtual void setCellData(int row, int id);
    virtual int rowOfId(int id);
    virtual int currentId();

    KyTableRef& ref() { return m_ref; }

protected:
    KyTableRef m_ref;
};
