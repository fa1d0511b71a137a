#include "text/line_cleanup.h"

#include <cstdint>

namespace {

constexpr char Space = ' ';
constexpr char Tab = '\t';

bool Is_At(const std::string& text, std::size_t i, char c)
{
    return i < text.size() && text[i] == c;
}

// The end of the run of spaces that starts at start.
std::size_t Run_End(const std::string& text, std::size_t start)
{
    std::size_t end = start;
    while (end < text.size() && text[end] == Space)
        ++end;
    return end;
}

}  // namespace

std::string Remove_Line_Breaks(const std::string& text, const Position_Callback& on_position)
{
    std::string result = text;
    for (std::size_t i = 0; i < text.size(); ++i) {
        Report_Position(on_position, static_cast<std::int64_t>(i) + 1);
        if (text[i] != Line_Break)
            continue;
        const bool after_break = i > 0 && text[i - 1] == Line_Break;
        const bool before_space = Is_At(text, i + 1, Space);
        const bool before_break = Is_At(text, i + 1, Line_Break);
        if (!after_break && !before_space && !before_break)
            result[i] = Space;
    }
    return result;
}

std::string Remove_Line_Start_Space(const std::string& text, const Position_Callback& on_position)
{
    std::string result;
    result.reserve(text.size());
    std::size_t i = Is_At(text, 0, Space) ? 1 : 0;
    while (i < text.size()) {
        Report_Position(on_position, static_cast<std::int64_t>(result.size()) + 1);
        result += text[i];
        if (text[i] == Line_Break && Is_At(text, i + 1, Space))
            ++i;  // the one space this line loses
        ++i;
    }
    return result;
}

namespace {

// Copies the text with every run of spaces shortened to the length `keep`
// gives for it (from the run's start to the first byte after it).
template <typename Keep>
std::string Rewrite_Space_Runs(const std::string& text, const Position_Callback& on_position, Keep keep)
{
    std::string result;
    result.reserve(text.size());
    std::int64_t iteration = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        Report_Position(on_position, ++iteration);
        if (text[i] != Space) {
            result += text[i++];
            continue;
        }
        const std::size_t end = Run_End(text, i);
        result.append(keep(i, end), Space);
        i = end;
    }
    return result;
}

}  // namespace

std::string Squeeze_Spaces(const std::string& text, const Position_Callback& on_position)
{
    return Rewrite_Space_Runs(text, on_position, [&text](std::size_t i, std::size_t end) -> std::size_t {
        const bool keeps_whole = i == 0 || text[i - 1] == Line_Break || Is_At(text, end, Line_Break);
        return keeps_whole ? end - i : 1;
    });
}

std::string Remove_Trailing_Spaces(const std::string& text, const Position_Callback& on_position)
{
    return Rewrite_Space_Runs(text, on_position, [&text](std::size_t i, std::size_t end) -> std::size_t {
        return Is_At(text, end, Line_Break) ? 0 : end - i;
    });
}

std::string Replace_Tabs(const std::string& text, const Position_Callback& on_position)
{
    static const std::string Four_Spaces = "    ";
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        const std::size_t width = c == Tab ? Four_Spaces.size() : 1;
        for (std::size_t k = 0; k < width; ++k)
            Report_Position(on_position, static_cast<std::int64_t>(result.size() + k) + 1);
        if (c == Tab)
            result += Four_Spaces;
        else
            result += c;
    }
    return result;
}

std::string Add_Spaces_Into_Words(const std::string& text, const Position_Callback& on_position)
{
    if (text.empty())
        return text;
    std::string result;
    result.reserve(text.size() * 2 - 1);
    for (std::size_t k = 0; k + 1 < text.size(); ++k) {
        Report_Position(on_position, static_cast<std::int64_t>(k) + 1);
        result += text[k];
        result += Space;
    }
    result += text.back();
    return result;
}
