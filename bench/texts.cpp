// Sample text generation from a fixed seed, so every run measures the same input.
#include "texts.h"

#include <array>
#include <cstdint>
#include <random>
#include <string_view>

namespace quor::bench {
namespace {

class Writer {
public:
    explicit Writer(std::size_t units) : units_(units) { text_.reserve(units + 64); }

    bool Full() const { return text_.size() >= units_; }
    std::size_t Below(std::size_t n) { return static_cast<std::size_t>(engine_() % n); }
    void Put(std::u16string_view piece) { text_ += piece; }
    void Repeat(char16_t unit, std::size_t count) { text_.append(count, unit); }

    // A word of 1 to 10 letters, Latin or now and then Cyrillic.
    void Word() {
        const char16_t first = Below(10) == 0 ? u'\u0430' : u'a';
        const std::size_t length = 1 + Below(10);
        for (std::size_t i = 0; i < length; ++i) text_ += static_cast<char16_t>(first + Below(26));
    }

    std::u16string Finish() {
        text_.resize(units_);
        return std::move(text_);
    }

private:
    std::size_t units_;
    std::u16string text_;
    std::mt19937_64 engine_{0x51u};
};

void Prose(Writer& out) {
    while (!out.Full()) {
        out.Word();
        const std::size_t roll = out.Below(64);
        if (roll < 6)
            out.Put(u",");
        else if (roll < 10)
            out.Put(u".");
        out.Put(roll == 63 ? u"\r\n" : u" ");
    }
}

void Spaces(Writer& out) {
    while (!out.Full()) {
        out.Word();
        out.Repeat(u' ', 1 + out.Below(12));
    }
}

void Breaks(Writer& out) {
    constexpr std::array<std::u16string_view, 4> kPrefixes = {u"++ ", u"!! ", u"%% ", u"== "};
    constexpr std::array<std::u16string_view, 4> kLineEnds = {u"\r\n", u"\r\n", u"\r", u"\n"};
    while (!out.Full()) {
        const std::size_t opening = out.Below(8);
        if (opening < 2)
            out.Put(kPrefixes[out.Below(kPrefixes.size())]);
        else if (opening < 4)
            out.Repeat(u' ', 1 + out.Below(4));
        for (std::size_t words = 1 + out.Below(6); words != 0; --words) {
            out.Word();
            if (words != 1) out.Put(u" ");
        }
        out.Put(kLineEnds[out.Below(kLineEnds.size())]);
    }
}

std::u16string Written(std::size_t units, void (*write)(Writer&)) {
    Writer out(units);
    write(out);
    return out.Finish();
}

// piece repeated to exactly units units.
std::u16string Repeated(std::u16string_view piece, std::size_t units) {
    std::u16string text;
    text.reserve(units + piece.size());
    while (text.size() < units) text += piece;
    text.resize(units);
    return text;
}

constexpr std::u16string_view kBlanks = u"  \r\n \n\r ";
constexpr std::u16string_view kTask = u"buy milk";

}  // namespace

const char* ShapeName(Shape shape) {
    switch (shape) {
        case Shape::Prose:
            return "prose";
        case Shape::Spaces:
            return "spaces";
        case Shape::Breaks:
            return "breaks";
        case Shape::SpaceRun:
            return "space_run";
        case Shape::BreakRun:
            return "break_run";
        case Shape::LeadingBlanks:
            return "leading_blanks";
        case Shape::TrailingBlanks:
            return "trailing_blanks";
    }
    return "?";
}

std::u16string MakeText(Shape shape, std::size_t units) {
    switch (shape) {
        case Shape::Prose:
            return Written(units, Prose);
        case Shape::Spaces:
            return Written(units, Spaces);
        case Shape::Breaks:
            return Written(units, Breaks);
        case Shape::SpaceRun:
            return u"a" + std::u16string(units - 2, u' ') + u"b";
        case Shape::BreakRun:
            return u"a" + Repeated(u"\r\n\r\n\r\n\n", units - 2) + u"b";
        case Shape::LeadingBlanks:
            return Repeated(kBlanks, units - kTask.size()) + std::u16string(kTask);
        case Shape::TrailingBlanks:
            return std::u16string(kTask) + Repeated(kBlanks, units - kTask.size());
    }
    return {};
}

}  // namespace quor::bench
