#pragma once

#include <memory>

#include <QWidget>

class KySchemeViewCtrl;
class QTableWidget;
struct KyScheme;
namespace Ui {
class QtSchemeInfo;
}

// Scheme list of one kind: lists, adds, edits, enables/disables and deletes
// schemes, and reports the chosen scheme through showTaskInfo. The table
// follows the scheme store's notifications of the kind.
class QtSchemeInfo : public QWidget {
    Q_OBJECT
public:
    QtSchemeInfo(QWidget* parent, int kind);
    ~QtSchemeInfo() override;

    QTableWidget* table() const;

signals:
    // The scheme whose tasks are to be listed; -1 when there is none.
    void showTaskInfo(int schemeId);

public slots:
    void showScheme();
    void addSchemeClicked();
    void editSchemeClicked();
    void delSchemeClicked();
    void startOrStopSchemeClicked();
    void showTask();
    void addScheme(int id);
    void updateScheme(int id);
    void deleteScheme(int id);

private:
    void initConnections();
    bool currentScheme(KyScheme& out);
    void message(const char* text);

    std::unique_ptr<Ui::QtSchemeInfo> ui;
    int m_kind;
    std::unique_ptr<KySchemeViewCtrl> m_view;
};
