#pragma once

#include <QWidget>

#include "KyTermTbCtrl.h"

namespace Ui {
class playerInfoForm;
}
class KyVolumeStepper;

// Play-terminal page: type, name, id, volume, state, power and temperature of
// the play terminals and IP amplifiers, in ascending id order; rename, delete
// offline terminals, amplifier power and broadcast volume of the selected rows.
class KyPlayerInfoForm : public QWidget, public KyTermTbCtrl {
    Q_OBJECT
public:
    KyPlayerInfoForm();
    ~KyPlayerInfoForm() override;

    QWidget* widget() override { return this; }
    QTableWidget* table() override;
    void updateRow(int row, int id) override;
    void initColumns() override {}
    int addTerminalRow(KyTerminal* term) override;

    static QString typeText(const KyTerminal& term);
    static QString stateText(int state);
    static QString speakerText(int state);

public slots:
    void showTerminals() { KyTermTbCtrl::showTerminals(); }
    void delTer(int id) { slot_delRowById(id); }
    void updateTer(int id) { refreshRowById(id); }
    void slot_delError();
    void slot_tableItemSelected();
    void slot_setTermClicked();
    void slot_delTermClicked();
    void openAmpClicked() { setSelectedPower(1); }
    void closeAmpClicked() { setSelectedPower(0); }
    void defaultSetClicked();
    void tcpModeClicked();
    void progressVolumnChange(int volumn);
    void speakerCheckClicked();

private:
    void fillRow(int row, const KyTerminal& term);
    void setRowVolume(int row, int volume);
    void setSelectedPower(int state);
    QList<int> selectedRowsInColumn(int column) const;
    void showMessage(const QString& text);

    Ui::playerInfoForm* ui;
    KyVolumeStepper* m_stepper;
};
