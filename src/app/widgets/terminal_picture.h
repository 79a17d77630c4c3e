#pragma once
// Pictures of the controller's terminal blocks shown on the inputs page
// (`ImageKRX310Ins`) and the outputs page (`ImageKRX310Outs`). A built-in
// drawing is always there; a picture file of the block's name in the working
// directory replaces it. Qt reads no Windows metafiles, so beside the .wmf
// name the same base name with .svg or .png is accepted too.

#include <QDir>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace krx {

enum class TerminalBlock { Inputs, Outputs };

// "KRX310-LT-Inputs.wmf" or "KRX310-LT-Outputs.wmf".
QString TerminalPictureFileName(TerminalBlock block);

// The file names tried in `dir`, in order: .wmf, .svg, .png.
QStringList TerminalPictureCandidates(TerminalBlock block);

// The picture from the first candidate file in `dir` that can be read; the
// built-in drawing when there is none.
QPixmap LoadTerminalPicture(TerminalBlock block, const QDir& dir);

// Our own drawing of the block: screw terminals with their markings.
QPixmap BuiltInTerminalPicture(TerminalBlock block);

}  // namespace krx
