#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "KyAdvancedCtr.h"

namespace Ui {
class MediaMgrForm;
}
class KyDownAndUploadViewCtr;
class KyMediaViewCtrl;
class QTableWidgetItem;

// The media library page: one folder of the server's library, the transfer
// list, and the commands upload, download, new folder, delete and rename.
// It uses the file-service worker the console's run has started.
class KyMediaMgrForm : public QWidget, public KyAdvancedCtr {
    Q_OBJECT
public:
    static constexpr qint64 kMaxUploadSize = 1073741824;
    static constexpr int kMaxUploadNameLength = 256;

    KyMediaMgrForm();
    ~KyMediaMgrForm() override;

    // At most 256 characters, none of / \ : * ? " < > | '.
    static bool isLegalUploadName(const QString& name);
    // None of the upload name's ten characters nor "&".
    static bool isLegalMediaName(const QString& name);
    // The name sent to the server: the last "." and what follows it dropped;
    // a file's name then ends in ".mp3".
    static QString fixMediaName(const QString& name, bool isDir);
    // The text of the refusal of an upload name with one of the ten characters.
    static QString illegalUploadNameText();

    void setGeometry(const QRect&) override {}
    QWidget* widget() override { return this; }
    QTableWidget* table() override;

    KyMediaViewCtrl* mediaView() const { return mMediaView; }
    KyDownAndUploadViewCtr* transferView() const { return mTransferView; }

public slots:
    void slot_uploadClicked();
    void slot_downloadClicked();
    void newDirClicked();
    void delMediaClicked();
    void renameClicked();
    void slot_showMediaPath(QString path);
    void slot_ItemEnter(QTableWidgetItem* item);
    void copyClicked();
    void cutClicked();
    void pasteClicked();

private:
    struct Entry {
        QString name;
        int isDir;
        int size;   // column-3 data, -1 without a size cell
    };

    void connectButtons();
    void uploadOne(const QString& local);
    // Column-0 entries of the selection, last selected first, taken whole:
    // a listing may refill the table while they are worked through.
    QList<Entry> selectedEntries() const;
    // The name for the server, or empty after the refusal was shown.
    QString checkedNewName(const QString& name, bool isDir);
    void refreshShownDir();

    std::unique_ptr<Ui::MediaMgrForm> ui;
    KyMediaViewCtrl* mMediaView;
    KyDownAndUploadViewCtr* mTransferView;
    QString mFilter;
};
