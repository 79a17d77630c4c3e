#pragma once
// The one way a section's value struct lists its settings: each section
// hands every field, under the name of its setting, to a visitor. Text
// export and import, the per-setting diff and the report are visitors; none
// of them knows an offset.
//
// A visitor may change the values it is handed; the caller then stores the
// struct back through the section's codec.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace krx {

// The texts of a drop-down list, borrowed from the section's static lists.
class ItemList {
public:
    ItemList() = default;
    template <class Container>
    explicit ItemList(const Container& items) {
        for (const auto& item : items) items_.emplace_back(item);
    }

    int size() const { return static_cast<int>(items_.size()); }
    // The text of item `index`; empty for no choice (-1) or an index beyond the list.
    std::string_view at(int index) const {
        return index >= 0 && index < size() ? items_[static_cast<std::size_t>(index)]
                                            : std::string_view();
    }

private:
    std::vector<std::string_view> items_;
};

class SettingVisitor {
public:
    virtual ~SettingVisitor() = default;
    // A text as the editor shows it (UTF-8).
    virtual void text(const std::string& name, std::string& value) = 0;
    // A check box.
    virtual void flag(const std::string& name, bool& value) = 0;
    // A whole number within min..max (a position, a count, a duration).
    virtual void number(const std::string& name, int& value, int min, int max) = 0;
    // A drop-down list: the index of the chosen item, -1 when it shows none.
    virtual void choice(const std::string& name, int& index, const ItemList& items) = 0;
};

// Hands the settings of a repeated part on to `inner` under "prefix.name"
// ("SchedulerTask3.Time").
class PrefixedVisitor final : public SettingVisitor {
public:
    PrefixedVisitor(std::string prefix, SettingVisitor& inner)
        : prefix_(std::move(prefix) + "."), inner_(inner) {}
    void text(const std::string& name, std::string& value) override { inner_.text(prefix_ + name, value); }
    void flag(const std::string& name, bool& value) override { inner_.flag(prefix_ + name, value); }
    void number(const std::string& name, int& value, int min, int max) override {
        inner_.number(prefix_ + name, value, min, max);
    }
    void choice(const std::string& name, int& index, const ItemList& items) override {
        inner_.choice(prefix_ + name, index, items);
    }

private:
    std::string prefix_;
    SettingVisitor& inner_;
};

// "Prefix" + n, the name of a repeated setting ("InfoIn1", "Step12").
inline std::string Numbered(std::string_view prefix, int n) {
    return std::string(prefix) + std::to_string(n);
}

}  // namespace krx
