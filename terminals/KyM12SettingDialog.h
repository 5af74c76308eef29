#pragma once

#include <QDialog>
#include <string>

#include "KyDragMoveHelper.h"
#include "KySelectTableCtrl.h"
#include "ShadowWidget.h"

namespace Ui {
class fM12SettingForm;
}
struct KyM12;
class QTableWidget;

// "手机设置": name, talk list, sound-source tasks and regions of one m12
// terminal; OK sends each part itself, name first.
class KyM12SettingDialog : public ShadowWidget<QDialog> {
    Q_OBJECT
public:
    explicit KyM12SettingDialog(KyM12* m12);
    ~KyM12SettingDialog() override;

public slots:
    void slot_ok_clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A pick table, and whether its book loaded (a table whose book did not
    // load is never sent, so a stored list is not wiped).
    struct Pick {
        KySelectTableCtrl ctrl;
        bool loaded = false;
        std::string unshown;   // stored entries no row shows, sent after the checked ones
    };

    void fillTalkTable();
    void fillSoundSourceTable();
    void fillRegionTable();
    void addCheckRow(QTableWidget* table, bool checked, const std::string& name, int id);
    // Name step; false keeps the dialog open.
    bool saveName();
    // Sends one list when its table was touched; shows failText on failure.
    void saveList(const Pick& pick, int bookType, bool withType, const char* failText);

    KyM12* m_m12;
    std::string m_openName;
    Ui::fM12SettingForm* m_form;
    Pick m_talk;
    Pick m_soundSources;
    Pick m_regions;
    KyDragMoveHelper m_mover;
};
