#include "config/language_file.h"

#include <algorithm>

#include "config/cp1251.h"

namespace krx {
namespace {

// First lines of the blocks this side reads.
constexpr int kTreeBlock = 20;
constexpr int kTreeBlockLength = 44;
constexpr int kArmStates = 77;           // 77..79: "ОХРАНА", "НАБЛЮДЕНИЕ", "ЗАЩИТА"
constexpr int kOutputNames = 88;         // 88..94
constexpr int kOutputActions = 95;       // 95..111
constexpr int kScenarioActions = 215;    // 215..224
constexpr int kIndicatorFunctions = 247; // 247..253
constexpr int kIndicatorFunctionLines = 7;
constexpr int kKeyTableMessages = 265;   // 265..267
constexpr int kBoardTemperatureCaption = 235;
constexpr int kArmInModeOnOutput = 276;
constexpr int kPermissionWord = 338;
constexpr int kSourceListHeadings = 346;  // 346, 347
constexpr int kScenarioGridWords = 349;   // 349..353
constexpr int kPortDialogCaption = 370;
constexpr int kPortOpenError = 371;
constexpr int kAboutCaption = 373;
constexpr int kAboutForVersion = 374;
constexpr int kGsmStates = 376;        // 376..387
constexpr int kTransferMessages = 389; // 389..408

void Replace(std::vector<std::string>& list, const LanguageLines& lines, int first, int count) {
    list.resize(std::max(list.size(), static_cast<std::size_t>(count)));
    for (int i = 0; i < count; ++i) list[static_cast<std::size_t>(i)] = lines[static_cast<std::size_t>(first + i)];
}

}  // namespace

std::optional<LanguageLines> ReadLanguageFile(std::string_view cp1251) {
    LanguageLines lines;
    std::string current;
    bool lineOpen = false;
    for (std::size_t i = 0; i < cp1251.size(); ++i) {
        const char c = cp1251[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < cp1251.size() && cp1251[i + 1] == '\n') ++i;
            lines.push_back(std::move(current));
            current.clear();
            lineOpen = false;
            // A file far longer than a language file is not one: stop early.
            if (lines.size() > static_cast<std::size_t>(kLanguageFileLineCount)) return std::nullopt;
            continue;
        }
        current.push_back(c);
        lineOpen = true;
    }
    if (lineOpen) lines.push_back(std::move(current));
    if (lines.size() != static_cast<std::size_t>(kLanguageFileLineCount)) return std::nullopt;
    if (lines.front() != kLanguageFileHeader) return std::nullopt;
    for (std::string& line : lines) line = Cp1251ToUtf8(line);
    return lines;
}

int TreeBlockPosition(SectionId section) {
    if (!section.isValid()) return -1;
    const int id = section.index();
    if (id <= 12) return id;
    if (id <= 17) return id + 4;
    if (id == 18) return 34;
    if (id <= 22) return id + 16;
    if (id == 23) return 42;
    return -1;
}

std::string FramedCaption(std::string_view text) {
    std::string framed = " ";
    framed.append(text);
    framed.push_back(' ');
    return framed;
}

InterfaceTexts ApplyLanguageVocabulary(const LanguageLines& lines, InterfaceTexts texts) {
    if (lines.size() != static_cast<std::size_t>(kLanguageFileLineCount)) return texts;
    const auto line = [&lines](int n) -> const std::string& { return lines[static_cast<std::size_t>(n)]; };

    for (int index = 0; index < SectionId::kCount && index < static_cast<int>(texts.sectionTree.size());
         ++index) {
        const int position = TreeBlockPosition(SectionId::FromIndex(index));
        if (position >= 0 && position < kTreeBlockLength) {
            texts.sectionTree[static_cast<std::size_t>(index)].text = line(kTreeBlock + position);
        }
    }
    // "Смена режима", the fourth arming word, has no line.
    Replace(texts.armStates, lines, kArmStates, 3);
    Replace(texts.outputNames, lines, kOutputNames, 7);
    Replace(texts.outputActions, lines, kOutputActions, 17);
    Replace(texts.scenarioActions, lines, kScenarioActions, 10);
    // The list is emptied and refilled with the file's seven functions; the
    // built-in eighth is not one this model offers.
    texts.indicatorFunctions.clear();
    Replace(texts.indicatorFunctions, lines, kIndicatorFunctions, kIndicatorFunctionLines);
    texts.keyTable = {line(kKeyTableMessages), line(kKeyTableMessages + 1),
                      line(kKeyTableMessages + 2)};
    texts.armInModeOnOutput = line(kArmInModeOnOutput);
    // The caption of `LabelTemperature` is also what the live display puts
    // back whenever the controller reports a temperature.
    texts.boardTemperatureCaption = line(kBoardTemperatureCaption);
    texts.permissionWords = {line(kPermissionWord), line(kPermissionWord)};
    texts.sourceListHeadings = {FramedCaption(line(kSourceListHeadings)),
                                FramedCaption(line(kSourceListHeadings + 1))};
    texts.scenarioGrid = {line(kScenarioGridWords), line(kScenarioGridWords + 1),
                          line(kScenarioGridWords + 2), line(kScenarioGridWords + 3),
                          line(kScenarioGridWords + 4)};
    texts.portDialogCaption = line(kPortDialogCaption);
    texts.portOpenError = line(kPortOpenError);
    texts.aboutCaption = line(kAboutCaption);
    texts.aboutForVersion = line(kAboutForVersion);
    Replace(texts.gsmStates, lines, kGsmStates, 12);
    Replace(texts.transferMessages, lines, kTransferMessages, 20);
    return texts;
}

}  // namespace krx
