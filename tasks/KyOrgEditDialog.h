#pragma once

#include <QStringList>
#include <string>
#include <utility>
#include <vector>

#include "KyShadowDialog.h"

class KyTableBatch;
class QCheckBox;
class QLineEdit;
class QTableWidget;

// The widgets of a group or region editor form; the member table has its own name in each form.
struct KyOrgEditWidgets {
    QLabel* icon;
    QLabel* title;
    QPushButton* close;
    QLineEdit* name;
    QCheckBox* selectAll;
    QTableWidget* members;
    QPushButton* ok;
    QPushButton* cancel;

    template <class Form>
    static KyOrgEditWidgets of(Form& f, QTableWidget* members)
    {
        return {f.iconLabel, f.titleNameLabel, f.fCloseBtn, f.fNameEdit, f.fSelectAllCheckBox, members, f.fOkBtn,
                f.fCancelBtn};
    }
};

// Modal editor of one mic group or region: a name and the checked members;
// edits the caller's record in place and sends nothing. Texts go through the
// translator in the context of the concrete editor.
class KyOrgEditDialog : public KyShadowDialog {
    Q_OBJECT
public slots:
    void slot_ok_clicked();
    void slot_stateChanged(int state);

protected:
    KyOrgEditDialog() : KyShadowDialog(nullptr) {}

    // Called by the concrete editor's constructor once its form is built:
    // icon, close button, name length, the member table (headers after
    // "Name", standard look), the title and the name (when not new), the connections.
    void setupEditor(const KyOrgEditWidgets& form, QStringList headers, bool isNew, const char* newTitle,
                     const char* editTitle, const std::string& name);

    // A checkable row at the end of the fill's batch: column 0 holds the check state, the id as data
    // and the first cell.
    static void appendMemberRow(KyTableBatch& rows, const QStringList& cells, int id, bool checked);
    // Id and column-0 text of every checked row, top to bottom.
    std::vector<std::pair<int, QString>> checkedRows() const;
    QTableWidget* memberTable() const { return m_form.members; }

    // OK with a name: writes it (local 8-bit), the kind's fields and the members into the record.
    virtual void store(const std::string& name) = 0;
    // The name to write: the stored one while the edit shows what it showed when opened
    // (cut to 32 characters, bytes that are not UTF-8), else the entered one.
    std::string keptName(const std::string& stored, const std::string& entered) const;

private:
    QString text(const char* source) const;

    KyOrgEditWidgets m_form{};
    std::string m_shownName;   // the name edit's text when opened, local 8-bit
};
