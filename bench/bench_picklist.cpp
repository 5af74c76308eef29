// Pick lists (the check-mark lists of the task and terminal dialogs): the
// fill of 1,000, 10,000 and 100,000 terminals row by row, as a dialog adds
// them, plus the first paint, against a bare QTableWidget fill and paint of
// the same cells, taken in turns (goals: <= 2 at 1,000 and 100,000 rows,
// <= 1.5 at 10,000).
#include <QApplication>
#include <QCheckBox>
#include <QTableWidget>
#include <QTextCodec>
#include <cstdio>
#include <string>
#include <vector>

#include "KyBenchTiming.h"
#include "KySelectTableCtrl.h"

namespace {

struct Terminal {
    std::string name;
    int id;
    std::string type;
};

void paintNow(QWidget* w)
{
    QCoreApplication::processEvents();
    w->repaint();
}

// Name (checkable, id in the user role), id and type, as the pick list's layout 3.
void bareFill(QTableWidget& t, const std::vector<Terminal>& terms)
{
    t.setRowCount(0);
    t.setRowCount(int(terms.size()));
    for (int r = 0; r < int(terms.size()); ++r) {
        auto* name = new QTableWidgetItem(QString::fromUtf8(terms[r].name.c_str()));
        name->setFlags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        name->setCheckState(Qt::Unchecked);
        name->setData(Qt::UserRole, terms[r].id);
        t.setItem(r, 0, name);
        t.setItem(r, 1, new QTableWidgetItem(QString::number(terms[r].id)));
        t.setItem(r, 2, new QTableWidgetItem(QString::fromUtf8(terms[r].type.c_str())));
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));   // as the console sets it
    for (int rows : {1000, 10000, 100000}) {
        std::vector<Terminal> terms;
        for (int i = 0; i < rows; ++i)
            terms.push_back({"教学楼终端" + std::to_string(i), 1001 + i, i % 3 ? "IP" : "SIP"});
        QTableWidget bare;
        bare.setColumnCount(3);
        bare.resize(500, 400);
        bare.show();
        double page = 1e9;
        double plain = 1e9;
        for (int run = 0; run < (rows >= 100000 ? 3 : 7); ++run) {
            plain = std::min(plain, kySeconds([&] {
                bareFill(bare, terms);
                paintNow(&bare);
            }));
            QTableWidget table;   // a dialog's list starts empty
            QCheckBox all;
            table.resize(500, 400);
            table.show();
            KySelectTableCtrl pick;
            pick.setTable(&table, &all, 3);
            page = std::min(page, kySeconds([&] {
                {
                    KySelectTableCtrl::Batch batch(pick);   // as the dialogs add their lists
                    for (const Terminal& t : terms)
                        pick.addRow(Qt::Unchecked, t.name, t.id, t.type);
                }
                paintNow(&table);
            }));
        }
        std::printf("pick list %6d rows: fill and paint %7.1f ms list, %7.1f ms bare, ratio %.2f (goal <= %.1f)\n", rows,
                    page * 1e3, plain * 1e3, page / plain, rows == 10000 ? 1.5 : 2.0);
        std::fflush(stdout);
    }
    return 0;
}
