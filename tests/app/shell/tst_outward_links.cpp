// The support message, the map link and the about box: the texts they hand
// to the desktop, worked out by hand, and the window's buttons and menu item
// that hand them over.

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "app/dialogs/about_box.h"
#include "app/pages/controller_panel.h"
#include "app/shell/outward_links.h"
#include "support/fake_window_services.h"
#include "support/sim_window_rig.h"

using namespace krx;
using krx::test::Rig;

namespace {

IdentificationCaptions Identified() {
    IdentificationCaptions c;
    c.deviceName = "KRX310";
    c.modification = "LT";
    c.hardwareVersion = "01.00";
    c.softwareVersion = "01.01";
    c.date = "14.03.2013";
    c.countryCode = "RU";
    c.bootLoaderVersion = "01.02";
    c.uniqueId = "4B525833 31304C54 00A1B2C3 0000002A";
    c.imei = "356938035643809";
    return c;
}

const QString kFallback = QStringLiteral("KRX740, нет информации о версии устройства");

test::FakeDialogs& Dialogs(const Rig& rig) { return static_cast<test::FakeDialogs&>(rig.window->dialogs()); }

}  // namespace

class TestOutwardLinks : public QObject {
    Q_OBJECT
private slots:
    void supportSubject_identifiedController();
    void supportSubject_noController_data();
    void supportSubject_noController();
    void supportButton_beforeAndAfterIdentification();
    void mapLink_onlyForFixModesTwoToFour_data();
    void mapLink_onlyForFixModesTwoToFour();
    void mapButton_handsTheLinkOverOnlyWithAFix();
    void aboutBox_labelsAndLinks();
};

void TestOutwardLinks::supportSubject_identifiedController() {
    QCOMPARE(SupportSubject(Identified()),
             QStringLiteral("KRX310-LT-h01.00-s01.01-14.03.2013-RU-d01.02-ID:4B525833 31304C54 00A1B2C3 "
                            "0000002A-IMEI:356938035643809"));
    // Not escaped: the blanks of the identifier stay as they are.
    QCOMPARE(SupportMailLink("a b"), QStringLiteral("mailto:support@example.com?subject=a b"));
}

void TestOutwardLinks::supportSubject_noController_data() {
    QTest::addColumn<QString>("deviceName");
    QTest::newRow("placeholder identification") << "--------";
    QTest::newRow("nothing identified yet") << "";
}

void TestOutwardLinks::supportSubject_noController() {
    QFETCH(QString, deviceName);
    IdentificationCaptions c = Identified();
    c.deviceName = deviceName;
    QCOMPARE(SupportSubject(c), kFallback);
}

void TestOutwardLinks::supportButton_beforeAndAfterIdentification() {
    Rig rig;
    auto* button = rig.window->findChild<QPushButton*>("Button21");
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("Написать в техническую поддержку"));
    // The monitor has not identified anything yet.
    button->click();
    QCOMPARE(Dialogs(rig).links, QStringList{"mailto:support@example.com?subject=" + kFallback});

    QTRY_COMPARE_WITH_TIMEOUT(rig.label("iGSMIMEILabel")->text(), QStringLiteral("356938035643809"), 10000);
    button->click();
    QCOMPARE(Dialogs(rig).links.size(), 2);
    const QString link = Dialogs(rig).links.last();
    QVERIFY2(link.startsWith("mailto:support@example.com?subject=KRX310-LT-h"), qPrintable(link));
    QVERIFY2(link.endsWith("-ID:" + rig.label("iLabelDevSN")->text() + "-IMEI:356938035643809"), qPrintable(link));
}

void TestOutwardLinks::mapLink_onlyForFixModesTwoToFour_data() {
    QTest::addColumn<int>("fixMode");
    QTest::addColumn<bool>("opens");
    for (int mode = 0; mode <= 7; ++mode) {
        QTest::addRow("fix mode %d", mode) << mode << (mode >= 2 && mode <= 4);
    }
}

void TestOutwardLinks::mapLink_onlyForFixModesTwoToFour() {
    QFETCH(int, fixMode);
    QFETCH(bool, opens);
    // A locale with a decimal comma changes nothing.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString link = MapLink({fixMode, 55.7558f, 37.6173f});
    QLocale::setDefault(previous);
    if (!opens) {
        QCOMPARE(link, QString());
        return;
    }
    // 55.7558 and 37.6173 held in single precision are 55.7557983... and
    // 37.6172981...; nine significant digits.
    QCOMPARE(link, QStringLiteral("http://maps.example.com/maps?&hl=ru&q=55.7557983,37.6172981"
                                  "&ie=UTF8&output=html&zoom=0&zp=OO"));
}

void TestOutwardLinks::mapButton_handsTheLinkOverOnlyWithAFix() {
    Rig rig;
    auto* page = dynamic_cast<ControllerPanel*>(rig.window->page(sections::kController));
    QVERIFY(page);
    auto* button = rig.window->findChild<QPushButton*>("ButtonShowOnMap");
    QVERIFY(!button->isEnabled());
    QCOMPARE(button->toolTip(), QStringLiteral("Для этой функции требуется подключение к Интернет"));
    button->setEnabled(true);  // as a GPS fix would
    page->setGpsPosition({1, 55.7558f, 37.6173f});
    button->click();
    QVERIFY(Dialogs(rig).links.isEmpty());
    page->setGpsPosition({3, 55.7558f, 37.6173f});
    button->click();
    QCOMPARE(Dialogs(rig).links.size(), 1);
    QVERIFY(Dialogs(rig).links.first().contains("q=55.7557983,37.6172981"));
}

void TestOutwardLinks::aboutBox_labelsAndLinks() {
    Rig rig;
    QStringList seen;
    Dialogs(rig).onModal = [&seen](QDialog& dialog) {
        auto* box = qobject_cast<AboutBox*>(&dialog);
        QVERIFY(box);
        seen << box->objectName() << box->windowTitle();
        for (int n = 1; n <= 5; ++n) seen << box->label(n)->text();
        QCOMPARE(box->label(4)->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(box->label(5)->cursor().shape(), Qt::PointingHandCursor);
        auto* ok = box->findChild<QPushButton*>("OKButton");
        QVERIFY(ok && ok->isDefault());
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QTest::mouseClick(box->label(4), Qt::LeftButton);
        QTest::mouseClick(box->label(5), Qt::LeftButton);
    };
    rig.actions().Abaut->trigger();
    QCOMPARE(Dialogs(rig).modals, 1);
    QCOMPARE(seen, (QStringList{"TAboutBox", "О программе", "Конфигуратор GSM контроллера KRX310",
                                "для версии устройства LT.01.01", "Ver. 1.2.1", "http://www.example.com",
                                "E-mail: support@example.com"}));
    QCOMPARE(Dialogs(rig).links,
             (QStringList{"http://www.example.com", "mailto:support@example.com?subject=KRX740"}));

    // The about words are the catalogue's.
    InterfaceTexts texts = rig.window->texts();
    texts.aboutCaption = "About";
    texts.aboutForVersion = "for the device version";
    rig.window->setTexts(texts);
    seen.clear();
    rig.actions().Abaut->trigger();
    QCOMPARE(seen.at(1), QStringLiteral("About"));
    QCOMPARE(seen.at(3), QStringLiteral("for the device version LT.01.01"));
}

QTEST_MAIN(TestOutwardLinks)
#include "tst_outward_links.moc"
