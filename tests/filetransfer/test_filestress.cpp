// Many transfers with connections cut at random points: each job ends either
// complete and byte-identical or reported failed with nothing partial left.
#include <QtTest>

#include "KyFileTestRig.h"

class TestFileStress : public QObject {
    Q_OBJECT
private slots:
    void transfersWithRandomCuts();
};

void TestFileStress::transfersWithRandomCuts()
{
    KyFileTestRig rig;
    rig.worker->setTimeScale(0.5);
    std::mt19937 gen(20240607);
    int completed = 0, failed = 0;
    for (int job = 1; job <= 100; ++job) {
        const bool upload = job % 2 == 0;
        const int size = 20000 + int(gen() % 100000);
        const bool cut = gen() % 3 != 0;
        const qint64 cutAt = cut ? qint64(gen() % (size + size / 5)) : -1;
        const QByteArray data = KyFileTestRig::randomBytes(size, unsigned(job));
        const QString name = QStringLiteral("f%1.bin").arg(job);
        const QString local = rig.localDir() + "/" + name;
        const QString remote = rig.srvDir() + "/" + name;
        KyFileTestRig::writeFile(upload ? local : remote, data);
        if (cut)
            rig.service->setCloseAfter(cutAt);
        if (upload)
            rig.worker->postFile(local, "/data/media/" + name, job);
        else
            QVERIFY(rig.worker->getFile("/data/media/" + name, local, job));
        QVERIFY(rig.drain());
        rig.service->setCloseAfter(0, 0);

        const auto failures = rig.failuresOf(job);
        const auto finished = rig.endsOf(job, size);
        const bool expectDone = !cut || cutAt >= size;
        QVERIFY2(finished.size() == 1, qPrintable(QStringLiteral("job %1: %2 ends").arg(job).arg(finished.size())));
        const QString target = upload ? remote : local;
        if (expectDone) {
            QCOMPARE(finished.first().status, 0);
            QCOMPARE(KyFileTestRig::readFile(target), data);
            ++completed;
        } else {
            QCOMPARE(failures.size(), 1);
            QVERIFY2(!QFile::exists(target), qPrintable(QStringLiteral("job %1 left %2").arg(job).arg(target)));
            ++failed;
        }
        // Nothing but whole files in either folder.
        for (const QString& dir : {rig.localDir(), rig.srvDir()}) {
            for (const QString& entry : QDir(dir).entryList(QDir::Files | QDir::Hidden))
                QVERIFY2(QRegularExpression(QStringLiteral("^f\\d+\\.bin$")).match(entry).hasMatch(),
                         qPrintable(entry));
        }
        QFile::remove(local);
        QFile::remove(remote);
    }
    QVERIFY(completed > 20 && failed > 20);
}

QTEST_MAIN(TestFileStress)
#include "test_filestress.moc"
