#pragma once

#include <QStringList>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "KyTerBaseCtr.h"

class QLabel;
class QPushButton;
class QTableWidgetItem;

// The widgets of a group or region page form; the record table has its own name in each form.
struct KyOrgPageWidgets {
    QLabel* title;
    QPushButton* newBtn;
    QPushButton* editBtn;
    QPushButton* delBtn;
    QPushButton* configBtn;
    QTableWidget* records;
    QTableWidget* members;

    template <class Form>
    static KyOrgPageWidgets of(Form& f, QTableWidget* records)
    {
        return {f.tableNameLable, f.fNewBtn, f.fEditBtn, f.fDelBtn, f.fConfigBtn, records, f.fMemberTableWidget};
    }
};

// List page of records whose ids the console chooses (mic groups, regions):
// the records, the members of the chosen one, and new, edit and delete
// through the record's editor. The record kind comes in through KyOrgPage.
// Texts go through the translator in the context of the concrete page.
class KyOrgInfoPage : public QWidget, public KyTerBaseCtr {
    Q_OBJECT
public:
    QWidget* widget() override { return this; }
    QTableWidget* table() override { return m_form.records; }

public slots:
    void slot_add_clicked();
    void slot_edit_clicked();
    void slot_delete_clicked();
    void widget_item_clicked(QTableWidgetItem* widget_item);

protected:
    explicit KyOrgInfoPage(QWidget* parent) : QWidget(parent) {}

    // Called by the concrete page's constructor once its form is built:
    // title, headers, the standard table look and the button connections.
    void setupPage(const KyOrgPageWidgets& form, const char* title, QStringList headers, const char* memberHeader);

    // Bodies of the list-store slots.
    void showList();
    void updateRecordRow(int id);
    void deleteRecordRow(int id);

    void clearMembers();
    // The member list, top to bottom: each name with its id as data.
    void showMembers(const std::vector<std::pair<int, std::string>>& members);
    QString text(const char* source) const;

    // The record kind's part.
    virtual void fillRows() = 0;
    // Adds the row of the cached record; false when it is not cached.
    virtual bool addRowOf(int id) = 0;
    // Shows the members of the cached record; false when it is not cached.
    virtual bool showMembersOf(int id) = 0;
    // The editor on a fresh record, then the add; 0 when cancelled or done.
    virtual int addRecord() = 0;
    // The editor on a copy of the cached record, then the change; 0 when not
    // cached, cancelled or done.
    virtual int editRecord(int id) = 0;
    // Deletes the cached record; 0 when not cached or done.
    virtual int deleteRecord(int id) = 0;

private:
    void showCurrentMembers();

    KyOrgPageWidgets m_form{};
};
