#pragma once

#include <vector>

#include "KyLogInfoFormBase.h"

class MsgTipsGroup;

// Call recordings: the talkback log with a download column; a double click
// on "双击下载" fetches the recording into a folder of the operator's choice,
// each running download shown as a pop-up notice.
class KyTalkRecordForm : public KyLogInfoFormBase {
    Q_OBJECT
public:
    explicit KyTalkRecordForm(QWidget* parent = nullptr);

    static QString recordTypeText(const std::string& type);
    // The notice text with its two line feeds put in.
    static QString breakNoticeText(const QString& text);
    static QString startedText(const QString& name);
    static QString progressText(const QString& name, int percent);
    static QString finishedText(const QString& name);
    static QString failedText(const QString& name, int percent);

    MsgTipsGroup* noticeGroup() const { return m_notices; }

    enum { kNoticeHideMs = 4000 };

public slots:
    void slot_showRecordList();
    void slot_getRecordSize(int size);
    void slot_previousClicked();
    void slot_nextClicked();
    void slot_cellDoubleClicked(int row, int col);
    void slot_refreshClicked();
    void set_refresh_btn_enable();
    void slot_updateRecordDownloadMsgTip(QString filename, int percent, int status);

protected:
    void drawRow(int row, const KyLogEntry& entry) override;
    QString sourcePrefix() const override;
    void keepRows(const std::vector<KyLogEntry>& rows) override { m_rows = rows; }

private:
    bool findRecord(int id, KyLogEntry& record) const;

    std::vector<KyLogEntry> m_rows;
    MsgTipsGroup* m_notices = nullptr;
};
