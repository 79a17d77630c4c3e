// The configuration report: what the document holds (identification, phone
// numbers, the scheduler table, every scenario's picture, the sources of the
// outputs, every shown section's settings in words), and that it renders to
// a PDF and to one self-contained HTML file, or writes nothing.

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "config/default_image.h"
#include "report/config_report.h"

using namespace krx;

namespace {

// The default body with connection 3's phone (68 + 2 * 36), scheduler task 1
// enabled at 07:15 on Monday switching relay 1 on (2680: byte 0 bit 0, days
// byte 4, hour byte 5, minute byte 6, action kind 3 in byte 12 bits 2-7,
// output 0 in byte 13, reaction 1 "включить" in byte 14), and relay 1
// switched on by the tamper sensor (2849 bit 0; 2850: output 0, reaction 1).
ConfigImage Configured() {
    ConfigImage image = DefaultImage();
    const std::string phone = "+79161112233";
    for (std::size_t i = 0; i < phone.size(); ++i) image.bytes()[140 + i] = std::uint8_t(phone[i]);
    image.bytes()[2680] = 0x01;
    image.bytes()[2684] = 0x01;
    image.bytes()[2685] = 7;
    image.bytes()[2686] = 15;
    image.bytes()[2692] = 3 << 2;
    image.bytes()[2693] = 0;
    image.bytes()[2694] = 1;
    image.bytes()[2849] |= 0x01;
    image.bytes()[2850] = 1 << 3;
    return image;
}

ReportSetup Setup(QStringList identification = {}) {
    ReportSetup s;
    s.source = QStringLiteral("site-7.cnt");
    s.made = QDateTime(QDate(2026, 12, 11), QTime(9, 30, 0));
    s.identification = identification;
    return s;
}

QString Plain(const QString& html) {
    QString text = html;
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return text;
}

}  // namespace

class TestConfigReport : public QObject {
    Q_OBJECT
private slots:
    void html_holdsEverySectionOfTheReport();
    void html_identificationOnlyWhenAttached();
    void pdf_rendersPages();
    void html_file_isSelfContained();
    void write_unknownSuffixOrFolder_writesNothing();
};

void TestConfigReport::html_holdsEverySectionOfTheReport() {
    const QString html = ReportHtml(Configured(), Setup(), [](int n) { return QStringLiteral("pic%1").arg(n); });
    const QString text = Plain(html);
    QVERIFY(text.contains(QStringLiteral("Отчёт о конфигурации")));
    QVERIFY(text.contains(QStringLiteral("11.12.2026 09:30:00")));
    QVERIFY(text.contains(QStringLiteral("site-7.cnt")));
    // The phones, connection by connection.
    QVERIFY(html.contains(QStringLiteral("<td>Соединение 3</td><td>+79161112233</td>")));
    // The scheduler row of task 1: enabled, 07:15, Monday only, relay 1 on.
    QVERIFY2(html.contains(QStringLiteral("<tr><td>1</td><td>✓</td><td>07:15</td><td>✓</td><td></td><td></td><td></td>"
                                          "<td></td><td></td><td></td><td></td><td></td><td>Управление Реле 1</td>"
                                          "<td>включить</td></tr>")),
             qPrintable(html.mid(html.indexOf("07:15") - 80, 400)));
    // A picture per scenario, with its repetition in words (scenario 1 is endless, 4 played once).
    for (int n = 1; n <= 14; ++n) QVERIFY(html.contains(QStringLiteral("src=\"pic%1\"").arg(n)));
    QVERIFY(text.contains(QStringLiteral("Сценарий № 1 — повторяется бесконечно")));
    QVERIFY(text.contains(QStringLiteral("Сценарий № 4 — выполняется один раз")));
    // What acts on relay 1: the scheduler and the tamper sensor.
    const qsizetype relay = html.indexOf(QStringLiteral("<p><b>Реле 1</b></p>"));
    const qsizetype relay2 = html.indexOf(QStringLiteral("<p><b>Реле 2</b></p>"));
    QVERIFY(relay > 0 && relay2 > relay);
    QCOMPARE(html.mid(relay, relay2 - relay).count(QStringLiteral("<li>")), 2);
    // Every shown section's settings in words; the unshown records are not listed.
    QVERIFY(html.contains(QStringLiteral("<td>DTMFPass</td><td>4725</td>")));
    QVERIFY(html.contains(QStringLiteral("<td>Call2CallPauseX10S</td><td>10</td>")));
    QVERIFY(html.contains(QStringLiteral("<td>ACK</td><td>да</td>")));
    QVERIFY(html.contains(QStringLiteral("<h3>Профиль 4</h3>")));
    QVERIFY(!html.contains(QStringLiteral("<h3>Профиль 5</h3>")));
    QVERIFY(!html.contains(QStringLiteral("<h3>Вход 5</h3>")));
}

void TestConfigReport::html_identificationOnlyWhenAttached() {
    const auto pictures = [](int) { return QString(); };
    QVERIFY(!ReportHtml(DefaultImage(), Setup(), pictures).contains(QStringLiteral("Идентификация контроллера")));
    const QString html = ReportHtml(DefaultImage(),
                                    Setup({"KRX310", "LT", "01.00", "01.02", "01.00", "2026-03", "356938035643809",
                                           "00000001 00000002 00000003 00000004"}),
                                    pictures);
    QVERIFY(html.contains(QStringLiteral("Идентификация контроллера")));
    QVERIFY(html.contains(QStringLiteral("<td>IMEI</td><td>356938035643809</td>")));
    QVERIFY(html.contains(QStringLiteral("<td>Устройство</td><td>KRX310</td>")));
}

void TestConfigReport::pdf_rendersPages() {
    QTemporaryDir dir;
    const QString file = dir.filePath("report.pdf");
    QVERIFY(WriteReport(Configured(), Setup(), file));
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    const qsizetype pages = bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page ");
    QVERIFY2(pages >= 5, qPrintable(QString::number(pages)));
    // The fourteen waveforms are images of the document.
    QVERIFY(bytes.count("/Subtype /Image") >= 14);
}

void TestConfigReport::html_file_isSelfContained() {
    QTemporaryDir dir;
    const QString file = dir.filePath("report.html");
    QVERIFY(WriteReport(Configured(), Setup(), file));
    QFile html(file);
    QVERIFY(html.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(html.readAll());
    QCOMPARE(text.count(QStringLiteral("src=\"data:image/png;base64,iVBOR")), 14);
    QVERIFY(text.contains(QStringLiteral("+79161112233")));
}

void TestConfigReport::write_unknownSuffixOrFolder_writesNothing() {
    QTemporaryDir dir;
    QVERIFY(!WriteReport(DefaultImage(), Setup(), dir.filePath("report.docx")));
    QVERIFY(!QFile::exists(dir.filePath("report.docx")));
    QVERIFY(!WriteReport(DefaultImage(), Setup(), dir.filePath("missing/report.pdf")));
    QVERIFY(ReportFormatOf(QStringLiteral("A.PDF")) == ReportFormat::Pdf);
    QVERIFY(ReportFormatOf(QStringLiteral("a.htm")) == ReportFormat::Html);
}

QTEST_MAIN(TestConfigReport)
#include "tst_config_report.moc"
