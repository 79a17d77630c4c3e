#pragma once
// The positional language file "lng.txt": 413 lines whose positions, not
// keys, say what each text replaces. This side reads the file and puts the
// lines that replace run-time vocabulary into a catalogue; the window puts
// the caption lines on its controls.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/interface_texts.h"

namespace krx {

inline constexpr int kLanguageFileLineCount = 413;
inline constexpr std::string_view kLanguageFileHeader =
    "// KRX Language file - do not change this line!";
inline constexpr const char* kLanguageFileName = "lng.txt";

// The lines of a valid language file, UTF-8, indexed by line number.
using LanguageLines = std::vector<std::string>;

// Splits the Windows-1251 bytes at CR LF, a lone LF or a lone CR (a final
// line end starts no further line) and accepts exactly 413 lines whose
// first line is the header, character for character. Anything else gives
// nothing: the built-in texts stay.
std::optional<LanguageLines> ReadLanguageFile(std::string_view cp1251);

// `texts` with the vocabulary lines of `lines` put in: the tree nodes, the
// arming words, output names and actions, scenario actions, indicator
// functions, the key-table messages, the permission words, the source-list
// headings (framed), the scenario-grid words, the port-dialog, about-box,
// GSM-state and transfer-job texts.
InterfaceTexts ApplyLanguageVocabulary(const LanguageLines& lines, InterfaceTexts texts);

// The block position of a section's tree node, or -1 when the file gives it
// no text (profiles and the system parameters keep their built-in texts).
int TreeBlockPosition(SectionId section);

// A group box caption as the window shows it: one blank on each side.
std::string FramedCaption(std::string_view text);

}  // namespace krx
