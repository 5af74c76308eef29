#pragma once

#include <QBrush>
#include <QTableWidgetItem>
#include <QWidget>
#include <memory>

#include "KyJoinedNotice.h"
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
    void applyRowChange(int id) override;
    void initColumns() override {}
    int addTerminalRow(KyTerminal* term) override;
    void fillTerminals(const std::list<KyTerminal>& list) override;

    // 0 PR, 1 IP, 2 IPD-S, 3 IPD, 4 CL, 5 any other (01): the type name of
    // exten unless it is "--", else of type.
    static int typeKind(const KyTerminal& term);
    static QString typeText(int kind);
    static QString stateText(int state);
    static QString speakerText(int state);

public slots:
    void showTerminals();
    // The list signal: a whole list that arrived since the last fill refills
    // the rows; a new terminal comes as its change and gets its row alone.
    void slot_listArrived();
    void delTer(int id) { slot_delRowById(id); }
    void updateTer(int id);
    void slot_delError(QString text);
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
    // The first row whose id is greater than id (the row count when none).
    int firstRowAfter(int id);
    void setRowVolume(int row, int volume);
    void setSelectedPower(int state);
    QList<int> selectedRowsInColumn(int column) const;
    void showMessage(const QString& text);

    void makeCellPatterns();

    struct Texts {
        QString type[6];
        QString degrees = QString::fromUtf8(" ℃");
        QBrush black = QBrush(QColor(0, 0, 0));
        QBrush red = QBrush(QColor(255, 0, 0));
    };
    // Cells whose text and look follow from one code of the record, made
    // once: a fill copies them.
    struct CellPatterns {
        QTableWidgetItem state[6];
        QTableWidgetItem power[2];
        QTableWidgetItem speaker[5];
        QTableWidgetItem noTemperature;
        QTableWidgetItem offlineTemperature;
    };

    std::unique_ptr<Ui::playerInfoForm> ui;
    Texts m_texts;
    KyJoinedNotice m_deleteFailures;   // failed-deletion pushes join one open notice
    CellPatterns m_cells;
    KyVolumeStepper* m_stepper;
    int m_shownList = -1;   // the store's list count at the last fill
};
