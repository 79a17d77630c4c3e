#include "app/widgets/terminal_picture.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <algorithm>
#include <vector>

namespace krx {
namespace {

struct Terminal {
    const char* mark;     // printed beside the screw
    const char* meaning;  // what is wired there, under the block
};

// Markings of the KRX310-LT terminal strips as the board prints them.
const std::vector<Terminal>& Terminals(TerminalBlock block) {
    static const std::vector<Terminal> inputs = {
        {"+12V", "питание"}, {"GND", "общий"},  {"10VS", "питание датч."}, {"IN1", "вход 1"},
        {"IN2", "вход 2"},   {"IN3", "вход 3"}, {"IN4", "вход 4"},         {"GND", "общий"},
        {"ARM", "Arm In"},   {"TM", "TouchMemory"},
    };
    static const std::vector<Terminal> outputs = {
        {"NO1", "реле 1"}, {"C1", "реле 1"},   {"NC1", "реле 1"},   {"NO2", "реле 2"},
        {"C2", "реле 2"},  {"NC2", "реле 2"},  {"OUT1", "выход 1"}, {"OUT2", "выход 2"},
        {"GND", "общий"},  {"+12V", "питание"},
    };
    return block == TerminalBlock::Inputs ? inputs : outputs;
}

QString BaseName(TerminalBlock block) {
    return block == TerminalBlock::Inputs ? QStringLiteral("KRX310-LT-Inputs")
                                          : QStringLiteral("KRX310-LT-Outputs");
}

QPixmap ReadPicture(const QString& path) {
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer renderer(path);
        if (!renderer.isValid()) return {};
        const QSize size = renderer.defaultSize().isEmpty() ? QSize(480, 240)
                                                            : renderer.defaultSize();
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        return pixmap;
    }
    QImageReader reader(path);
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

}  // namespace

QString TerminalPictureFileName(TerminalBlock block) {
    return BaseName(block) + QStringLiteral(".wmf");
}

QStringList TerminalPictureCandidates(TerminalBlock block) {
    const QString base = BaseName(block);
    return {base + QStringLiteral(".wmf"), base + QStringLiteral(".svg"),
            base + QStringLiteral(".png")};
}

QPixmap LoadTerminalPicture(TerminalBlock block, const QDir& dir) {
    for (const QString& name : TerminalPictureCandidates(block)) {
        const QString path = dir.filePath(name);
        if (!QFileInfo(path).isFile()) continue;
        const QPixmap pixmap = ReadPicture(path);
        if (!pixmap.isNull()) return pixmap;
    }
    return BuiltInTerminalPicture(block);
}

QPixmap BuiltInTerminalPicture(TerminalBlock block) {
    const auto& terminals = Terminals(block);
    const int pitch = 44;
    const int margin = 16;
    const int width = margin * 2 + pitch * static_cast<int>(terminals.size());

    QFont mark;
    mark.setBold(true);
    mark.setPixelSize(11);
    QFont small = mark;
    small.setBold(false);
    small.setPixelSize(10);
    // The meanings run downwards under the strip: the picture is as tall as
    // the longest of them needs, so none is cut off.
    const QFontMetrics smallMetrics(small);
    int longest = 0;
    for (const Terminal& t : terminals) {
        longest = std::max(longest, smallMetrics.horizontalAdvance(QString::fromUtf8(t.meaning)));
    }
    const int meaningTop = 164;
    const int height = meaningTop + longest + 8;

    QPixmap pixmap(width, height);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QFont title = p.font();
    title.setBold(true);
    title.setPixelSize(14);
    p.setFont(title);
    p.setPen(Qt::black);
    p.drawText(QRect(margin, 6, width - 2 * margin, 20), Qt::AlignLeft | Qt::AlignVCenter,
               block == TerminalBlock::Inputs ? QStringLiteral("KRX310-LT  Входы")
                                              : QStringLiteral("KRX310-LT  Выходы"));

    // The board edge and the terminal strip.
    p.setPen(QPen(QColor(0x1b, 0x5e, 0x20), 2));
    p.setBrush(QColor(0x2e, 0x7d, 0x32));
    p.drawRoundedRect(QRectF(4, 34, width - 8, 56), 6, 6);
    p.setBrush(QColor(0x21, 0x96, 0xf3));
    p.setPen(QPen(QColor(0x0d, 0x47, 0xa1), 1.5));
    const QRectF strip(margin - 4, 48, pitch * terminals.size() + 8, 64);
    p.drawRect(strip);

    for (std::size_t i = 0; i < terminals.size(); ++i) {
        const double cx = margin + pitch * (i + 0.5);
        // Screw head with its slot.
        p.setPen(QPen(QColor(0x42, 0x42, 0x42), 1.2));
        p.setBrush(QColor(0xd0, 0xd0, 0xd0));
        p.drawEllipse(QPointF(cx, 66), 12, 12);
        p.drawLine(QPointF(cx - 8, 66), QPointF(cx + 8, 66));
        // Wire entry.
        p.setBrush(QColor(0x15, 0x15, 0x15));
        p.drawRect(QRectF(cx - 8, 88, 16, 16));
        // Wire.
        p.setPen(QPen(QColor(0x9e, 0x9e, 0x9e), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx, 104), QPointF(cx, 140));

        p.setPen(Qt::black);
        p.setFont(mark);
        p.drawText(QRectF(cx - pitch / 2.0, 142, pitch, 16), Qt::AlignCenter,
                   QString::fromLatin1(terminals[i].mark));
        p.save();
        p.setFont(small);
        p.translate(cx + 4, meaningTop);
        p.rotate(90);
        p.drawText(QRectF(0, 0, longest + 4, 12), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(terminals[i].meaning));
        p.restore();
    }
    return pixmap;
}

}  // namespace krx
