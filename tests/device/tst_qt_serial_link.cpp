// The QSerialPort link on a pseudo-terminal whose output is held (as a
// transmitter that cannot get rid of its bytes): a write that runs out of
// time returns, and the job then reports the missing answer, not a port
// error.

#include <QtTest>

#include <QElapsedTimer>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <vector>

#include "device/qt_serial_link.h"
#include "device/serial_link.h"
#include "device/status_sink.h"
#include "device/transfer_messages.h"
#include "device/treaddata.h"

using namespace krx;

class QtSerialLinkTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void heldOutput_writeReturnsAtItsTimeout();
    void heldOutput_jobEndsWithNoAnswerNotPortError();

private:
    int master_ = -1;
    int slave_ = -1;
    QString portName_;
};

void QtSerialLinkTest::init() {
    SetSerialLinkFactory({});
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master_ >= 0);
    QVERIFY(::grantpt(master_) == 0 && ::unlockpt(master_) == 0);
    const char* name = ::ptsname(master_);
    QVERIFY(name != nullptr);
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    QVERIFY(slave_ >= 0);
    termios raw{};
    QVERIFY(::tcgetattr(slave_, &raw) == 0);
    ::cfmakeraw(&raw);
    QVERIFY(::tcsetattr(slave_, TCSANOW, &raw) == 0);
    // Output suspended: nothing written to the port leaves it.
    QVERIFY(::tcflow(slave_, TCOOFF) == 0);
    portName_ = QString::fromLocal8Bit(name).mid(QStringLiteral("/dev/").size());
}

void QtSerialLinkTest::cleanup() {
    if (slave_ >= 0) {
        ::tcflow(slave_, TCOON);
        ::close(slave_);
    }
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

void QtSerialLinkTest::heldOutput_writeReturnsAtItsTimeout() {
    QtSerialLink link;
    link.setPortName(portName_);
    QVERIFY(link.open());
    const std::array<std::uint8_t, 10> bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QElapsedTimer clock;
    clock.start();
    bool raised = false;
    try {
        link.write(bytes);
    } catch (const SerialLinkError&) {
        raised = true;
    }
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(!raised, "a write time-out is not a port failure");
    // 10 bytes: 4 ms each plus 200 ms.
    QVERIFY2(elapsed >= WriteTotalTimeoutMs(bytes.size()) - 20, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < 3000, qPrintable(QString::number(elapsed)));
    link.close();
}

void QtSerialLinkTest::heldOutput_jobEndsWithNoAnswerNotPortError() {
    StatusSink sink;
    QStringList texts;
    QList<StatusColour> colours;
    connect(&sink, &StatusSink::statusChanged, this, [&](const QString& text, StatusColour c) {
        texts << text;
        colours << c;
    });
    std::vector<std::uint8_t> record(88);
    TReadData job(TransferJobKind::IdentityRead, record, portName_, &sink);
    QVERIFY(!RunJobAndWait(job).ok);
    QCoreApplication::processEvents();
    QVERIFY(!texts.isEmpty());
    QCOMPARE(texts.last(), TransferMessages().at(msg::kNoAnswer));
    QCOMPARE(colours.last(), StatusColour::Red);
    QVERIFY(!texts.contains(TransferMessages().at(msg::kPortError) + portName_));
}

QTEST_GUILESS_MAIN(QtSerialLinkTest)
#include "tst_qt_serial_link.moc"
