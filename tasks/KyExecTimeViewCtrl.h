#pragma once

#include <QObject>
#include <list>
#include <string>

#include "KyDataViewCtrl.h"

struct KyExecTime;
class QTableWidget;

// The execution-time table: column 0 the label, column 1 "hh:mm:ss" with the
// seconds as data. The rows are the only store; every write sorts them by time.
class KyExecTimeViewCtrl : public QObject, public KyDataViewCtrl {
    Q_OBJECT
public:
    explicit KyExecTimeViewCtrl(QTableWidget* table);

    void addExecTime(const KyExecTime& t);
    int removeCurrent();
    int currentExecTime(KyExecTime* out);
    int setCurrentExecTime(const KyExecTime& t);
    void setExecTimes(const std::list<KyExecTime>& times);
    void getExecTimes(std::list<KyExecTime>* out);

    virtual int writeRow(int row, const KyExecTime& t);
    virtual int readRow(int row, KyExecTime* out);

    // The stored form: "label#$%seconds" entries joined by "!!!".
    static std::string joinExecTimes(const std::list<KyExecTime>& times);
    // True when the label holds "#$%" or "!!!", which the stored form cannot carry.
    static bool hasSeparator(const std::string& label);
};
