#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "KySelectTableCtrl.h"
#include "KyShadowDialog.h"

namespace Ui {
class fM11SettingForm;
}
class QTableWidget;
struct KyMic;

// Setting dialog of one mic11 terminal: name, volumes and push-to-talk, the
// monitored terminals, the ordered sound-source tasks and the regions. OK
// sends each part itself; a list whose book did not load is never sent.
class KyM11SettingDialog : public KyShadowDialog {
    Q_OBJECT
public:
    // mic: the caller's copy, written by OK.
    explicit KyM11SettingDialog(KyMic* mic);
    ~KyM11SettingDialog() override;

    // "Mic02_1002 IpAmp_3001": the checked monitor rows, the type "IpAmp"
    // unless the type text contains "Mic".
    QString monitorText() const;
    // Ids of the chosen tasks, top to bottom, with the stored ids the dialog
    // cannot show kept at their stored places.
    QString soundSourceText() const;
    QString regionText() const;

public slots:
    void slot_ok_clicked();
    void moveup_broad_file();
    void movedown_broad_file();
    void slot_delSelectedSsTask();
    void slot_delSelectedSsTask(int row, int col);
    void slot_addSsPlan(int row, int col);
    void slot_addAllSelectedPlan();

private:
    struct Settings {
        std::string name;
        int vol[4] = {0, 0, 0, 0};
        int pttMode = 0;
        bool operator==(const Settings& o) const;
    };

    void setupVolumes();
    void connectWidgets();
    void fillMonitorTable();
    void fillSoundSourceTables();
    void fillRegionTable();
    void renameTabs();
    Settings enteredSettings() const;
    // What OK writes: entered values, stored ones for the fields left as shown.
    Settings settingsToSave(const Settings& entered) const;
    void saveBook(int type, const QString& text, const QString& failure);
    void swapChosen(int from, int to);
    void message(const QString& text);

    std::unique_ptr<Ui::fM11SettingForm> ui;
    KyMic* m_mic;
    Settings m_opened;  // stored
    Settings m_shown;   // as the widgets showed it
    std::vector<int> m_storedSources;   // the stored book, in order
    std::vector<int> m_shownSources;    // ids of the book with a row
    KySelectTableCtrl m_talkCtrl;
    KySelectTableCtrl m_transferCtrl;
    KySelectTableCtrl m_groupCtrl;
    KySelectTableCtrl m_monitorCtrl;
    KySelectTableCtrl m_regionCtrl;
    KySelectTableCtrl m_unusedCtrl;
    bool m_monitorLoaded = false;
    bool m_sourceLoaded = false;
    bool m_regionLoaded = false;
};
