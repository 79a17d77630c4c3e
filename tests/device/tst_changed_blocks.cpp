// Which blocks of the body differ: whole 256-byte blocks, the short last
// one, neighbours merged.

#include <QtTest>

#include <vector>

#include "device/changed_blocks.h"

using namespace krx;

Q_DECLARE_METATYPE(std::vector<std::size_t>)
Q_DECLARE_METATYPE(std::vector<BlockRun>)

class TestChangedBlocks : public QObject {
    Q_OBJECT
private slots:
    void runs_data();
    void runs();
};

void TestChangedBlocks::runs_data() {
    QTest::addColumn<std::vector<std::size_t>>("changedBytes");
    QTest::addColumn<std::vector<BlockRun>>("expected");
    QTest::addColumn<int>("blocks");
    // The body: 5292 bytes, 20 blocks of 256 and one of 172 from 5120.
    QTest::newRow("nothing") << std::vector<std::size_t>{} << std::vector<BlockRun>{} << 0;
    QTest::newRow("first byte") << std::vector<std::size_t>{0} << std::vector<BlockRun>{{0, 256}} << 1;
    QTest::newRow("last byte of block 0") << std::vector<std::size_t>{255} << std::vector<BlockRun>{{0, 256}} << 1;
    QTest::newRow("first byte of block 1") << std::vector<std::size_t>{256} << std::vector<BlockRun>{{256, 256}} << 1;
    QTest::newRow("two bytes, one block") << std::vector<std::size_t>{3000, 3001}
                                          << std::vector<BlockRun>{{2816, 256}} << 1;
    QTest::newRow("neighbours merge") << std::vector<std::size_t>{511, 512}
                                      << std::vector<BlockRun>{{256, 512}} << 2;
    QTest::newRow("apart stay apart") << std::vector<std::size_t>{10, 600}
                                      << std::vector<BlockRun>{{0, 256}, {512, 256}} << 2;
    QTest::newRow("the short last block") << std::vector<std::size_t>{5291}
                                          << std::vector<BlockRun>{{5120, 172}} << 1;
    QTest::newRow("last two") << std::vector<std::size_t>{5119, 5120}
                              << std::vector<BlockRun>{{4864, 428}} << 2;
}

void TestChangedBlocks::runs() {
    QFETCH(std::vector<std::size_t>, changedBytes);
    QFETCH(std::vector<BlockRun>, expected);
    QFETCH(int, blocks);
    std::vector<std::uint8_t> held(5292, 0x11);
    std::vector<std::uint8_t> wanted = held;
    for (std::size_t at : changedBytes) wanted[at] ^= 0x80;
    const std::vector<BlockRun> runs = DifferingBlockRuns(wanted, held, 256);
    QCOMPARE(runs, expected);
    QCOMPARE(int(BlockCount(runs, 256)), blocks);
}

QTEST_APPLESS_MAIN(TestChangedBlocks)
#include "tst_changed_blocks.moc"
