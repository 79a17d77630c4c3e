// Terminal pictures: the built-in drawing, and picture files in the working
// directory that replace it.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "app/widgets/terminal_picture.h"

using namespace krx;

class TestTerminalPicture : public QObject {
    Q_OBJECT
private slots:
    void fileNames_areTheBlocksNames();
    void noFile_givesBuiltInDrawing_data();
    void noFile_givesBuiltInDrawing();
    void pngFile_replacesDrawing();
    void svgFile_replacesDrawing_andWinsOverPng();
    void unreadableFiles_keepBuiltInDrawing();
};

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QImage Solid(int w, int h, QColor c) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

}  // namespace

void TestTerminalPicture::fileNames_areTheBlocksNames() {
    QCOMPARE(TerminalPictureFileName(TerminalBlock::Inputs), QStringLiteral("KRX310-LT-Inputs.wmf"));
    QCOMPARE(TerminalPictureFileName(TerminalBlock::Outputs),
             QStringLiteral("KRX310-LT-Outputs.wmf"));
    QCOMPARE(TerminalPictureCandidates(TerminalBlock::Outputs),
             QStringList({"KRX310-LT-Outputs.wmf", "KRX310-LT-Outputs.svg",
                          "KRX310-LT-Outputs.png"}));
}

void TestTerminalPicture::noFile_givesBuiltInDrawing_data() {
    QTest::addColumn<int>("block");
    QTest::newRow("inputs") << int(TerminalBlock::Inputs);
    QTest::newRow("outputs") << int(TerminalBlock::Outputs);
}

void TestTerminalPicture::noFile_givesBuiltInDrawing() {
    QFETCH(int, block);
    QTemporaryDir dir;
    const auto b = static_cast<TerminalBlock>(block);
    const QPixmap loaded = LoadTerminalPicture(b, QDir(dir.path()));
    QVERIFY(!loaded.isNull());
    QCOMPARE(loaded.toImage(), BuiltInTerminalPicture(b).toImage());
}

void TestTerminalPicture::pngFile_replacesDrawing() {
    QTemporaryDir dir;
    QVERIFY(Solid(37, 23, Qt::red).save(dir.filePath("KRX310-LT-Inputs.png")));
    const QImage inputs = LoadTerminalPicture(TerminalBlock::Inputs, QDir(dir.path())).toImage();
    QCOMPARE(inputs.size(), QSize(37, 23));
    QCOMPARE(inputs.pixelColor(5, 5), QColor(Qt::red));
    // The other block keeps its drawing.
    QCOMPARE(LoadTerminalPicture(TerminalBlock::Outputs, QDir(dir.path())).toImage(),
             BuiltInTerminalPicture(TerminalBlock::Outputs).toImage());
}

void TestTerminalPicture::svgFile_replacesDrawing_andWinsOverPng() {
    QTemporaryDir dir;
    WriteFile(dir.filePath("KRX310-LT-Outputs.svg"),
              "<svg xmlns='http://www.w3.org/2000/svg' width='50' height='30'>"
              "<rect width='50' height='30' fill='#0000ff'/></svg>");
    QVERIFY(Solid(10, 10, Qt::red).save(dir.filePath("KRX310-LT-Outputs.png")));
    const QImage outputs = LoadTerminalPicture(TerminalBlock::Outputs, QDir(dir.path())).toImage();
    QCOMPARE(outputs.size(), QSize(50, 30));
    QCOMPARE(outputs.pixelColor(25, 15), QColor(Qt::blue));
}

void TestTerminalPicture::unreadableFiles_keepBuiltInDrawing() {
    QTemporaryDir dir;
    // A metafile Qt cannot read and a broken PNG: the drawing stays.
    WriteFile(dir.filePath("KRX310-LT-Inputs.wmf"), QByteArray("\xd7\xcd\xc6\x9a garbage", 12));
    WriteFile(dir.filePath("KRX310-LT-Inputs.png"), "not a png");
    QCOMPARE(LoadTerminalPicture(TerminalBlock::Inputs, QDir(dir.path())).toImage(),
             BuiltInTerminalPicture(TerminalBlock::Inputs).toImage());
}

QTEST_MAIN(TestTerminalPicture)
#include "tst_terminal_picture.moc"
