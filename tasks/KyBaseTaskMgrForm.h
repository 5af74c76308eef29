#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QWidget>

#include "KySsTask.h"
#include "KyTerBaseCtr.h"

class QTableWidget;
class QTableWidgetItem;
namespace Ui {
class fTaskInfoForm;
}

// Task list page of one task kind: the eight-column table filled from the
// task store, live updates from the store's signals, delete and start/stop
// of the selected rows. Rows change only on the store's signals, never for
// an operation the page sent.
class KyBaseTaskMgrForm : public QWidget, public KyTerBaseCtr {
    Q_OBJECT
public:
    KyBaseTaskMgrForm();
    ~KyBaseTaskMgrForm() override;

    QWidget* widget() override { return this; }
    QTableWidget* table() override;
    void updateRow(int row, int id) override;
    // A pushed change: the row refreshed or added, then sorted into place;
    // a task whose kind changed leaves the page.
    void applyRowChange(int id) override;

    int taskKind() const { return m_taskKind; }
    int schemeId() const { return m_schemeId; }

public slots:
    virtual void slot_showTaskList() = 0;
    virtual void slot_addClicked() = 0;
    virtual void slot_editClicked() = 0;
    virtual void slot_deleteClicked();
    virtual void widget_item_clicked(QTableWidgetItem* widget_item);
    void slot_updateTaskRow(int id);
    void slot_delTaskRow(int id);
    // Shows the refusal of a delete this page sent (every page hears it).
    void slot_delTaskFailed(QString res);

protected:
    virtual void initTable();
    // Runs the page's task editor on the record; true on OK. The manual and
    // timer pages use the manual/timer task editor.
    virtual bool runEditor(KySsTask& task);

    void addTaskRow(const KySsTask& task);
    void fillNewRow(int row, const KySsTask& task);
    void fillTaskRow(int row, const KySsTask& task);
    // Clears the table and adds every task of the page's kind (and, for
    // timer tasks, of the current scheme) in store order.
    void fillTaskList();
    // Ascending by the start-time text, as a stable sort orders the rows;
    // `touched` is the one row written since the last sort (-1 none).
    void sortByStartTime(int touched = -1);
    void placeRow(int touched);
    void moveRow(int from, int to);
    QString startKey(int row) const;
    bool inStartOrder() const;
    bool belongsHere(const KySsTask& task) const;

    // Sends a task the editor accepted (op 0 add, 1 modify); any failure
    // shows "Add Error!" or "Edit Error!" of the page.
    void saveEdited(KySsTask& task, int op);
    // A new idle task of the page's kind (and current scheme) through the editor.
    void addTask();
    // Edits the current row's task unless it is running or, when micLocked,
    // a mic broadcast.
    void editCurrentTask(bool micLocked);
    void startOrStopSelected(bool start);
    // Column-0 values (id, state column value) of the selected rows, from the
    // last selected to the first.
    std::vector<std::pair<int, int>> selectedRowsReversed();

    void connectCommon();
    void message(const QString& text);
    // Translation in the concrete page's context.
    QString pageTr(const char* source) const;

    std::unique_ptr<Ui::fTaskInfoForm> ui;
    int m_schemeId = -1;
    int m_taskKind = 0;
    bool m_deleting = false;   // this page's delete request is in flight
    bool m_sorted = false;     // rows in start-time order since the last sort
    std::map<int, QString> m_typeTexts;
    std::map<int, QString> m_stateTexts;
};
