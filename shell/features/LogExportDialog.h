#pragma once

#include <memory>

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include "KyShadowDialog.h"

#include "LogExportThread.h"
namespace Ui {
class LogExportDialog;
}

// Asks for a file name and a folder and exports one whole log to CSV on a
// LogExportThread, showing its progress and result.
class LogExportDialog : public KyShadowDialog {
    Q_OBJECT
public:
    LogExportDialog(QWidget* parent, const QStringList& titles, int kind);
    ~LogExportDialog() override;

    // Default file name of a log kind; empty for another kind.
    static QString defaultFileName(int kind);
    // folder + "/" + name, with ".csv" appended unless it ends so (case-sensitive).
    static QString exportPath(const QString& folder, const QString& name);

    LogExportThread* thread() const { return m_thread; }

public slots:
    void user_define_btn_clicked();
    void export_btn_clicked();
    void update_export_rate(long num);
    void update_finish_flag(int value);

private:
    void chooseFolder(const QString& folder);

    std::unique_ptr<Ui::LogExportDialog> ui;
    QStringList m_titles;
    int m_kind;
    QString m_fileName;
    QString m_folder;
    QPointer<LogExportThread> m_thread;
};
