#include "config/output_sources.h"

#include <cstdint>

#include "config/armin_section.h"
#include "config/input_section.h"
#include "config/power_section.h"
#include "config/profile_section.h"
#include "config/scheduler_task.h"

namespace krx {

namespace {

constexpr std::string_view kPowerSection = "[Питание, температура...]";

class SourceList {
public:
    SourceList(unsigned outputIndex, const OutputSourceTexts& texts)
        : output_(outputIndex), texts_(texts) {}

    // `head` holds the section column and the tabs up to the reaction.
    void Add(const std::string& head, unsigned reaction, const std::string& event) {
        lines_.push_back(head + ReactionText(reaction) + "\t" + event);
    }
    // A byte with the output in its low bits and the reaction in its high bits.
    void AddPacked(const ConfigImage& image, std::size_t offset, const std::string& head,
                   const std::string& event) {
        using namespace power_layout;
        const unsigned output = image.bits(offset, kReactionOutFirst, kReactionOutWidth);
        const unsigned reaction = image.bits(offset, kReactionScnFirst, kReactionScnWidth);
        if (output == output_ && reaction != 0) Add(head, reaction, event);
    }
    // A reaction list with one byte per output.
    void AddFromList(const ConfigImage& image, std::size_t list, const std::string& head,
                     const std::string& event) {
        const unsigned reaction = image.u8(list + output_);
        if (reaction != 0) Add(head, reaction, event);
    }

    unsigned output() const { return output_; }
    std::vector<std::string> Take() { return std::move(lines_); }

private:
    std::string ReactionText(unsigned code) const {
        if (code < texts_.reactions.size()) return texts_.reactions[code];
        return OutputReactionText(code);
    }

    unsigned output_;
    const OutputSourceTexts& texts_;
    std::vector<std::string> lines_;
};

std::string Bracketed(const std::string& title) { return "[" + title + "]"; }

void AddSchedulerTasks(SourceList& list, const ConfigImage& image, const OutputSourceTexts& t) {
    using namespace scheduler_layout;
    for (int task = 1; task <= kTaskCount; ++task) {
        const std::size_t r = TaskStart(task);
        const bool drives = image.bit(r + kEnabled, 0) && image.bits(r + kDays, 0, 7) != 0 &&
                            image.bits(r + kAction, kKindFirst, kKindWidth) == kKindOutput &&
                            image.bits(r + kParameter, 0, kOutputWidth) == list.output();
        const unsigned reaction = image.u8(r + kReaction);
        if (!drives || reaction == 0) continue;
        list.Add(Bracketed(t.scheduler) + "\t\t", reaction,
                 "В " + std::to_string(image.bits(r + kHour, 0, kHourWidth)) + ":" +
                     std::to_string(image.bits(r + kMinute, 0, kMinuteWidth)) +
                     " в указанные дни недели, строка № " + std::to_string(task));
    }
}

std::string Degrees(const ConfigImage& image, std::size_t offset) {
    return std::to_string(static_cast<std::int8_t>(image.u8(offset))) + "C";
}

}  // namespace

OutputSourceTexts OutputSourceTexts::From(const InterfaceTexts& texts) {
    OutputSourceTexts t;
    t.scheduler = SectionNodeTextOf(texts, sections::kClock);
    t.armIn = SectionNodeTextOf(texts, sections::kArmIn);
    for (int i = 0; i < kListedInputs; ++i) {
        t.inputs[std::size_t(i)] = SectionNodeTextOf(texts, SectionId::Input(i + 1));
    }
    for (int i = 0; i < kListedProfiles; ++i) {
        t.profiles[std::size_t(i)] = SectionNodeTextOf(texts, SectionId::Profile(i + 1));
    }
    for (std::size_t i = 0; i < t.reactions.size(); ++i) {
        t.reactions[i] = std::string(OutputReactionTexts()[i]);
    }
    return t;
}

std::vector<std::string> OutputSourcesList(int output, const ConfigImage& image,
                                           const OutputSourceTexts& texts) {
    if (output < 1 || output > kReactionListLength) return {};
    SourceList list(static_cast<unsigned>(output - 1), texts);

    AddSchedulerTasks(list, image, texts);

    using namespace power_layout;
    const std::string power = std::string(kPowerSection) + "\t\t";
    list.AddPacked(image, kTamperReaction, power, "При вскрытии корпуса");
    list.AddPacked(image, kHiBorderReaction, power,
                   "При превышении температуры выше " + Degrees(image, kHiBorderLevel));
    list.AddPacked(image, kLoBorderReaction, power,
                   "При падении температуры ниже " + Degrees(image, kLoBorderLevel));

    using namespace armin_layout;
    const std::string armIn = texts.armIn + "\t\t\t";
    list.AddFromList(image, kCdToRele, armIn, "При начале обратного отсчета");
    list.AddFromList(image, kArmToRele, armIn, "При переходе в режим ОХРАНА");
    list.AddFromList(image, kDisarmToRele, armIn, "При переходе в режим НАБЛЮДЕНИЕ");
    list.AddFromList(image, kRaToRele, armIn, "При переходе в режим ЗАЩИТА");

    for (int n = 1; n <= kListedInputs; ++n) {
        const std::size_t r = input_layout::RecordStart(n);
        const std::string head =
            Bracketed(texts.inputs[static_cast<std::size_t>(n - 1)]) + "\t\t\t\t";
        list.AddFromList(image, r + input_layout::kActRele, head,
                         "При активизации входа " + std::to_string(n));
        list.AddFromList(image, r + input_layout::kPassRele, head,
                         "При деактивизации входа " + std::to_string(n));
    }

    for (int p = 1; p <= kListedProfiles; ++p) {
        list.AddFromList(image, profile_layout::RecordStart(p) + profile_layout::kReactions,
                         Bracketed(texts.profiles[static_cast<std::size_t>(p - 1)]) + "\t\t\t",
                         "При активизации профиля " + std::to_string(p));
    }
    return list.Take();
}

}  // namespace krx
