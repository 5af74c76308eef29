#pragma once

#include <QIcon>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <string>

#include "KyMediaFile_t.h"
#include "KyMediaListListener.h"
#include "KyTerBaseCtr.h"

class QTableWidget;

// Held while a listing is put into a table.
extern QMutex g_mediaTableMutex;

// One folder of the server's media library in a table: double-click moves
// through folders (a ".." row goes up), listings come through the facade,
// the worker's failures show as message dialogs.
class KyMediaViewCtrl : public QObject, public KyTerBaseCtr, public KyMediaListListener {
    Q_OBJECT
public:
    explicit KyMediaViewCtrl(QTableWidget* table);
    ~KyMediaViewCtrl() override;

    virtual void listDir(QString path);
    void refreshCurrentDir();
    QString absolutePath(const QString& name) const;
    std::string absolutePath(const std::string& name) const;
    QString rootPath() const { return mRootPath; }
    QString currentPath() const { return mCurrentPath; }
    bool hasSizeItem(int row) const;

    void ftpListForward(const QList<KyMediaFile_t>& list) override;

    void setGeometry(const QRect&) override {}
    QWidget* widget() override { return nullptr; }
    QTableWidget* table() override { return mTable; }

signals:
    void getDirListFinished(const QList<KyMediaFile_t>* list);
    void updateMediaPath(QString path);

public slots:
    virtual void mediaTableDClicked();
    virtual void mediaTableClicked();
    void showMediaTable(const QList<KyMediaFile_t>* list);
    void slot_updateCurrentPathList();
    void slot_setMediaRoot(QString root);
    void slot_ftpError(int code, QString name, int status);

protected:
    // Writes the cells of a row of the fill.
    virtual void writeMediaFileRow(const KyMediaFile_t& file, int row);
    // Column 0: the name with the folder or file icon; dir (not 0 for a folder) as data.
    void placeNameCell(const QString& name, int row, int dir);
    QString shownPath() const;

    QTableWidget* mTable;
    std::string mRootPath8;
    QString mRootPath;
    QString mCurrentPath;
    QString mTablePath;   // the folder the table shows, relative to the root
    std::string mSeparator8;
    QString mSeparator;
    std::string mFileIconPath;
    std::string mFolderIconPath;
    QIcon mFileIcon;
    QIcon mFolderIcon;
};
