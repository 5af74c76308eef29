#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "KySelectTableCtrl.h"
#include "KyShadowDialog.h"

namespace Ui {
class fM12SettingForm;
}
struct KyM12;
class KyTableBatch;
class QTableWidget;

// "手机设置": name, talk list, sound-source tasks and regions of one m12
// terminal; OK sends each part itself, name first.
class KyM12SettingDialog : public KyShadowDialog {
    Q_OBJECT
public:
    explicit KyM12SettingDialog(KyM12* m12);
    ~KyM12SettingDialog() override;

public slots:
    void slot_ok_clicked();

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
    void addCheckRow(KyTableBatch& rows, int columns, bool checked, const std::string& name, int id);
    // Name step; false keeps the dialog open.
    bool saveName();
    // Sends one list when its table was touched; shows failText on failure.
    void saveList(const Pick& pick, int bookType, bool withType, const char* failText);

    KyM12* m_m12;
    std::string m_openName;
    std::unique_ptr<Ui::fM12SettingForm> m_form;
    Pick m_talk;
    Pick m_soundSources;
    Pick m_regions;
};
