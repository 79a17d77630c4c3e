// The sink a job reports to: reports made on another thread reach the
// sink's thread in the order they were made, also when a receiver lets
// events in while it handles one, and deliverPending() hands over at once
// what is still on its way.

#include <QtTest>

#include <QThread>

#include "device/status_sink.h"

using namespace krx;

namespace {

// Makes `count` reports on its own thread: the maximum, then positions 1..count-1.
void ReportFromAnotherThread(StatusSink& sink, int count) {
    QThread* worker = QThread::create([&sink, count] {
        sink.setProgressMaximum(count);
        for (int i = 1; i < count; ++i) sink.setProgressPosition(i);
        sink.setStatus(QStringLiteral("Данные считаны"), StatusColour::Blue);
    });
    worker->start();
    worker->wait();
    delete worker;
}

}  // namespace

class StatusSinkTest : public QObject {
    Q_OBJECT
private slots:
    void reportsFromAnotherThread_arriveInOrder();
    void receiverLettingEventsIn_doesNotReorderReports();
    void deliverPending_emitsWhatIsOnItsWayAtOnce();
    void reportInOwnThread_isEmittedAtOnce();
};

void StatusSinkTest::reportsFromAnotherThread_arriveInOrder() {
    StatusSink sink;
    QList<int> seen;
    connect(&sink, &StatusSink::progressMaximumChanged, this, [&](int m) { seen.append(-m); });
    connect(&sink, &StatusSink::progressPositionChanged, this, [&](int p) { seen.append(p); });
    QSignalSpy status(&sink, &StatusSink::statusChanged);
    ReportFromAnotherThread(sink, 50);
    QVERIFY(seen.isEmpty());  // nothing is emitted on the job's thread
    QTRY_COMPARE(status.count(), 1);
    QList<int> expected{-50};
    for (int i = 1; i < 50; ++i) expected.append(i);
    QCOMPARE(seen, expected);
    QCOMPARE(status.at(0).at(0).toString(), QStringLiteral("Данные считаны"));
    QCOMPARE(status.at(0).at(1).value<StatusColour>(), StatusColour::Blue);
}

void StatusSinkTest::receiverLettingEventsIn_doesNotReorderReports() {
    StatusSink sink;
    QList<int> seen;
    bool secondJobDone = false;
    connect(&sink, &StatusSink::progressPositionChanged, this, [&](int p) {
        seen.append(p);
        if (secondJobDone) return;
        secondJobDone = true;
        // While the first job's reports are being handled, a second job
        // reports, and the receiver (repainting, waiting) lets its queued
        // call in.
        ReportFromAnotherThread(sink, 10);
        QCoreApplication::processEvents();
    });
    ReportFromAnotherThread(sink, 20);
    QTRY_COMPARE(seen.size(), 19 + 9);
    QList<int> expected;
    for (int i = 1; i < 20; ++i) expected.append(i);
    for (int i = 1; i < 10; ++i) expected.append(i);
    QCOMPARE(seen, expected);
}

void StatusSinkTest::deliverPending_emitsWhatIsOnItsWayAtOnce() {
    StatusSink sink;
    QSignalSpy positions(&sink, &StatusSink::progressPositionChanged);
    QSignalSpy status(&sink, &StatusSink::statusChanged);
    ReportFromAnotherThread(sink, 5);
    sink.deliverPending();  // no event loop in between
    QCOMPARE(positions.count(), 4);
    QCOMPARE(status.count(), 1);
    // Nothing is emitted twice when the queued call comes in later.
    QCoreApplication::processEvents();
    QCOMPARE(positions.count(), 4);
    QCOMPARE(status.count(), 1);
}

void StatusSinkTest::reportInOwnThread_isEmittedAtOnce() {
    StatusSink sink;
    QSignalSpy opened(&sink, &StatusSink::portOpened);
    sink.notifyPortOpened(QStringLiteral("pts/3"));
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.at(0).at(0).toString(), QStringLiteral("pts/3"));
}

QTEST_GUILESS_MAIN(StatusSinkTest)
#include "tst_status_sink.moc"
