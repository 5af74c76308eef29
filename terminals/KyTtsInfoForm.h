#pragma once

#include <QWidget>
#include <memory>

#include "KyTerBaseCtr.h"

namespace Ui {
class fCommonTableForm;
}
struct KyTts;

// TTS terminal list page: renames terminals and deletes offline ones; rows
// follow the list manager's signals.
class KyTtsInfoForm : public QWidget, public KyTerBaseCtr {
    Q_OBJECT
public:
    KyTtsInfoForm();
    ~KyTtsInfoForm() override;

    QWidget* widget() override { return this; }
    QTableWidget* table() override;
    void updateRow(int row, int id) override;
    void applyRowChange(int id) override;

    Ui::fCommonTableForm& form() { return *ui; }

    static QString stateText(int state);

public slots:
    void showTtsList();
    void slot_delTts(int id);
    void updateTTs(int id);
    void ttsTableSelected();
    void delTtsClicked();
    virtual void slot_editTtsClicked();

private:
    void setupPage();
    void insertTopRow(const KyTts& tts);
    void writeCells(int row, const KyTts& tts);

    std::unique_ptr<Ui::fCommonTableForm> ui;
    std::map<int, QString> m_stateTexts;
};
