#pragma once

#include <QDialog>

#include "KyOrgInfoPage.h"
#include "KyOrgPageUtil.h"

// The record-kind half of a group or region page. Kind names the record and
// reaches its list store and editor:
//   using Record;                      with an int id
//   static std::list<Record> records();
//   static bool get(int id, Record* out);
//   static int maxId();
//   static int save(Record* record, int op);
//   static int runEditor(Record* record);   the editor's exec() result
template <class Kind>
class KyOrgPage : public KyOrgInfoPage {
protected:
    using Record = typename Kind::Record;
    using KyOrgInfoPage::KyOrgInfoPage;

    // A new row at the top for the record.
    virtual void addRecordRow(const Record* record) = 0;
    virtual void showRecordMembers(const Record* record) = 0;

    // The editor on the record; when accepted, a new record gets its id and
    // the record is saved. 0 when cancelled or saved; -1 when the save
    // failed, after "Setting Error!".
    int editAndSave(Record* record, int op)
    {
        if (Kind::runEditor(record) != QDialog::Accepted)
            return 0;
        if (op == KY_OP_ADD)
            record->id = kyNextOrgId(Kind::maxId());
        if (Kind::save(record, op) != 0) {
            kyShowTips(text("Setting Error!"));
            return -1;
        }
        return 0;
    }

    void fillRows() override
    {
        for (const Record& record : Kind::records())
            addRecordRow(&record);
    }

    bool addRowOf(int id) override
    {
        Record record;
        if (!Kind::get(id, &record))
            return false;
        addRecordRow(&record);
        return true;
    }

    bool showMembersOf(int id) override
    {
        Record record;
        if (!Kind::get(id, &record))
            return false;
        showRecordMembers(&record);
        return true;
    }

    int addRecord() override
    {
        Record record;
        record.id = 0;
        return editAndSave(&record, KY_OP_ADD);
    }

    int editRecord(int id) override
    {
        Record record;
        return Kind::get(id, &record) ? editAndSave(&record, KY_OP_MODIFY) : 0;
    }

    int deleteRecord(int id) override
    {
        Record record;
        return Kind::get(id, &record) ? Kind::save(&record, KY_OP_DELETE) : 0;
    }
};
