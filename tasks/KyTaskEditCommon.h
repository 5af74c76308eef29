#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QList>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStringList>
#include <QTableWidget>
#include <QTextEdit>
#include <memory>
#include <vector>

#include "KyMediaFile_t.h"
#include "KyMediaTableCtrl.h"

struct KySsTask;
class KyTaskMediaListViewCtrl;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QTableWidgetItem;
class QTimeEdit;
class QWidget;

// The widgets both task editors share, under the same object names in their forms.
struct KyTaskEditWidgets {
    QLineEdit* name = nullptr;
    QSpinBox* volume = nullptr;
    QSlider* volumeSlider = nullptr;
    QCheckBox* playTimeBox = nullptr;
    QTimeEdit* playTime = nullptr;
    QCheckBox* playCountBox = nullptr;
    QLineEdit* playCount = nullptr;
    QComboBox* type = nullptr;
    QStackedWidget* pages = nullptr;
    QTableWidget* mediaTable = nullptr;
    QTableWidget* playTable = nullptr;
    QTableWidget* capTable = nullptr;
    QTextEdit* tts = nullptr;
    QLabel* ttsCounter = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* close = nullptr;

    template <class Form>
    static KyTaskEditWidgets of(Form& ui)
    {
        KyTaskEditWidgets w;
        w.name = ui.fNameEdit;
        w.volume = ui.fVolSpinBox;
        w.volumeSlider = ui.fVolSlider;
        w.playTimeBox = ui.fPlayTimeCheckBox;
        w.playTime = ui.fPlayTimeEdit;
        w.playCountBox = ui.fPlayCountCheckBox;
        w.playCount = ui.fPlayCountLineEdit;
        w.type = ui.fTypeComboBox;
        w.pages = ui.fStackedWidget;
        w.mediaTable = ui.fFileTableWidget;
        w.playTable = ui.fPlayTableWidget;
        w.capTable = ui.fCapTableWidget;
        w.tts = ui.fTtsContentTextEdit;
        w.ttsCounter = ui.fSizeLabel;
        w.ok = ui.fOkBtn;
        w.cancel = ui.fCancelBtn;
        w.close = ui.dialogCloseBtn;
        return w;
    }
};

// What the two task editors do alike: volume, play mode, broadcast type and
// the three content pages (media picker and play list, capture terminal, TTS
// text), filled from the task record and read back into it on OK.
class KyTaskEditCommon {
public:
    static constexpr int kTtsLimit = 200;

    enum PlayModeCheck { PlayModeOk, NoPlayMode, ZeroDuration, ZeroCount };
    enum ContentCheck { ContentOk, NoPlayFile, NoCapTerminal, NoTtsText };

    KyTaskEditCommon(const KyTaskEditWidgets& widgets, KySsTask* task, QWidget* owner);
    ~KyTaskEditCommon();

    bool isNew() const;
    KySsTask* task() const { return m_task; }

    // Opening, in this order.
    void openVolume();
    void openPlayMode();
    // capHeaders: the three capture-table headers; sizeColumnToContents: the
    // picker's size column fits its contents, the others stretch.
    void openContent(const QStringList& capHeaders, bool sizeColumnToContents);

    // Connects the shared widgets to the editor's slots of the same names
    // (slot_okClicked, slot_setPlayTimeStateChanged, ...); made last.
    template <class Editor>
    void connectShared(Editor* editor);
    // One refusal of OK: a message with the confirm button only.
    static void refuse(const QString& text);

    // Interaction.
    void playTimeToggled();
    void playCountToggled();
    void capItemClicked(QTableWidgetItem* item);
    void capCellChanged(int row, int column);
    void addSelectedFiles();
    void removePlayRow(int row);
    void removeSelectedPlayRows();
    // step -1 moves the current row up, +1 down.
    void moveCurrentPlayRow(int step);
    void limitTtsText();

    // OK. An empty name writes nothing and answers false; otherwise name
    // and volume are written.
    bool readNameAndVolume();
    PlayModeCheck readPlayMode();
    // Writes the broadcast type, then the content of its page.
    ContentCheck readContent();

    const QList<KyMediaFile_t>& playList() const { return m_playList; }
    KyTaskMediaListViewCtrl* mediaBrowser() const { return m_mediaBrowser.get(); }
    int chosenCapRow() const { return m_chosenCapRow; }

private:
    void openMediaBrowser(bool sizeColumnToContents);
    void fillCapTable(const QStringList& headers);
    void showStoredContent();
    void appendPlayEntry(const QString& path, const QString& fileName);
    void showTtsCounter();
    // Writes the type and content the widgets hold into the task.
    ContentCheck readEnteredContent();

    KyTaskEditWidgets w;
    KySsTask* m_task;
    int m_chosenCapRow = -1;
    std::unique_ptr<KyTaskMediaListViewCtrl> m_mediaBrowser;
    std::vector<std::string> m_storedFiles;
    QList<KyMediaFile_t> m_playList;   // entry i is row i of the play table
    KyMediaTableCtrl m_mediaTableCtrl;
    KyMediaTableCtrl m_playTableCtrl;
    QButtonGroup* m_playModeGroup;
    // An edited task's widgets as opened: a field left so keeps its stored
    // value (a name cut to 32 characters, a volume out of range, a duration of
    // 24 hours or more). -1: no stored duration to keep.
    std::string m_shownName;
    int m_shownVolume = 0;
    int m_shownDuration = -1;
    int m_shownType = 0;
    std::string m_shownContent;   // what OK writes for the content as opened
    std::string m_storedContent;
};

template <class Editor>
void KyTaskEditCommon::connectShared(Editor* editor)
{
    QObject::connect(w.ok, &QPushButton::clicked, editor, &Editor::slot_okClicked);
    QObject::connect(w.cancel, &QPushButton::clicked, editor, &Editor::reject);
    QObject::connect(w.close, &QPushButton::clicked, editor, &Editor::close);
    QObject::connect(w.volume, qOverload<int>(&QSpinBox::valueChanged), w.volumeSlider, &QSlider::setValue);
    QObject::connect(w.volumeSlider, &QSlider::valueChanged, w.volume, &QSpinBox::setValue);
    QObject::connect(w.playTimeBox, &QCheckBox::stateChanged, editor, &Editor::slot_setPlayTimeStateChanged);
    QObject::connect(w.playCountBox, &QCheckBox::stateChanged, editor, &Editor::slot_setPlayCountsStateChanged);
    QObject::connect(w.type, qOverload<int>(&QComboBox::currentIndexChanged), w.pages,
                     &QStackedWidget::setCurrentIndex);
    QObject::connect(w.capTable, &QTableWidget::itemClicked, editor, &Editor::slot_capTableItemClicked);
    QObject::connect(w.capTable, &QTableWidget::cellChanged, editor, &Editor::slot_capTableCellChanged);
    QObject::connect(w.mediaTable, &QTableWidget::cellDoubleClicked, editor, &Editor::slot_addPlayFile);
    QObject::connect(w.playTable, &QTableWidget::cellDoubleClicked, editor, &Editor::slot_delPlayFile);
    QObject::connect(w.tts, &QTextEdit::textChanged, editor, &Editor::slot_textChanged);
}
