// "Отчёт о конфигурации...": the editor's configuration written as a PDF or
// HTML report where the technician chooses, with the attached controller's
// identification; cancelling writes nothing, a failed write says so.

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "app/live/monitor_presenter.h"
#include "support/fake_window_services.h"
#include "support/sim_window_rig.h"

using namespace krx;
using krx::test::Rig;
using krx::test::WaitIdle;

namespace {

test::FakeDialogs& Dialogs(Rig& rig) { return static_cast<test::FakeDialogs&>(rig.window->dialogs()); }

QByteArray Contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestReportCommand : public QObject {
    Q_OBJECT
private slots:
    void report_pdf_writtenWhereChosen();
    void report_html_holdsTheEditedPhoneAndTheIdentification();
    void report_cancelled_writesNothing();
    void report_unwritable_warns();
};

void TestReportCommand::report_pdf_writtenWhereChosen() {
    QTemporaryDir dir;
    Rig rig;
    QVERIFY(WaitIdle(rig));
    Dialogs(rig).fileToChoose = dir.filePath("site.pdf");
    rig.actions().FileReport->trigger();
    QCOMPARE(Dialogs(rig).lastSetup->title, QStringLiteral("Отчёт о конфигурации"));
    QCOMPARE(Dialogs(rig).lastSetup->defaultSuffix, QStringLiteral("pdf"));
    QVERIFY(Contents(dir.filePath("site.pdf")).startsWith("%PDF-"));
    QVERIFY(Dialogs(rig).shown.empty());
}

void TestReportCommand::report_html_holdsTheEditedPhoneAndTheIdentification() {
    QTemporaryDir dir;
    Rig rig;
    QVERIFY(WaitIdle(rig));
    // The monitor has identified the simulated controller.
    QTRY_VERIFY_WITH_TIMEOUT(rig.wiring->presenter().identification().has_value(), 5000);
    const QString imei = rig.wiring->presenter().identification()->imei;
    QVERIFY(!imei.isEmpty());
    // A phone typed into connection 2 and not yet stored goes into the report.
    rig.window->selectSection(SectionId::Connection(2));
    auto* phone = rig.window->findChild<QLineEdit*>("MaskEditPhone");
    QVERIFY(phone);
    phone->setText(QStringLiteral("+79167778899"));
    Dialogs(rig).fileToChoose = dir.filePath("site.html");
    rig.actions().FileReport->trigger();
    const QString html = QString::fromUtf8(Contents(dir.filePath("site.html")));
    QVERIFY(html.contains(QStringLiteral("<td>Соединение 2</td><td>+79167778899</td>")));
    QVERIFY(html.contains(QStringLiteral("<td>IMEI</td><td>") + imei + "</td>"));
}

void TestReportCommand::report_cancelled_writesNothing() {
    QTemporaryDir dir;
    Rig rig;
    QVERIFY(WaitIdle(rig));
    Dialogs(rig).fileToChoose.clear();
    rig.actions().FileReport->trigger();
    QCOMPARE(Dialogs(rig).fileDialogs, 1);
    QVERIFY(QDir(dir.path()).isEmpty());
    QVERIFY(Dialogs(rig).shown.empty());
}

void TestReportCommand::report_unwritable_warns() {
    QTemporaryDir dir;
    Rig rig;
    QVERIFY(WaitIdle(rig));
    Dialogs(rig).fileToChoose = dir.filePath("no/such/folder/site.pdf");
    rig.actions().FileReport->trigger();
    QCOMPARE(int(Dialogs(rig).shown.size()), 1);
    QCOMPARE(Dialogs(rig).shown.front().text, QStringLiteral("Невозможно сохранить файл"));
}

QTEST_MAIN(TestReportCommand)
#include "tst_report_command.moc"
