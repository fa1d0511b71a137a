#include "text/smart_format.h"

#include <algorithm>

namespace {

constexpr char Line_End = '\r';
constexpr char Space = ' ';

}  // namespace

const char* const Smart_Format_Warning =
    "   Внимание!!! Обязательно перед этой операцией поставьте шрифт в Лирванике на Courier New\r"
    "Собственно, здесь речь идет о форматировании текста, который потом удобно читать.\r"
    "Например - электронную книгу. Перед \"Умным форматированием\" вы должны были выделить весь\r"
    "текст и сделать: \"Удаление лишних знаков перевода каретки\", \"Удаление лишних пробелов между словами\",\r"
    "\"Замена табуляторов на четыре пробела\" и по желанию \"Удаление одного пробела в начале строки\".\r"
    "Если все условия выполнены, то смело нажимайте на кнопку \"Да\", иначе - \"Нет\". И желательно читать Help.";

const char* const Smart_Format_Done =
    "  Теперь, растянув окно редактора по ширине, вы можете убедиться, что текст отформатирован.";

bool Smart_Format_Too_Short(std::size_t line_count)
{
    return line_count < Smart_Format_Min_Lines;
}

std::vector<std::string> Split_Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(Line_End, start);
        if (end == std::string::npos)
            end = text.size();
        lines.emplace_back(text, start, end - start);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> Cut_Display_Lines(const std::string& text, const std::vector<std::size_t>& line_starts)
{
    std::vector<std::string> lines;
    // A line that starts at the very end is the empty one behind a final CR
    // (or the whole of an empty text): the editor shows it, it holds nothing.
    for (std::size_t k = 0; k < line_starts.size() && line_starts[k] < text.size(); ++k) {
        const std::size_t start = line_starts[k];
        std::size_t end = k + 1 < line_starts.size() ? line_starts[k + 1] : text.size();
        end = std::clamp(end, start, text.size());
        if (end > start && text[end - 1] == Line_End)
            --end;
        lines.emplace_back(text, start, end - start);
    }
    return lines;
}

std::string Right_Trim(const std::string& line)
{
    std::size_t end = line.size();
    while (end > 0 && static_cast<unsigned char>(line[end - 1]) < 33)
        --end;
    return line.substr(0, end);
}

Rebuilt_Lines Smart_Format_Rebuild(const std::vector<std::string>& lines, const Position_Callback& on_position)
{
    Rebuilt_Lines rebuilt;
    rebuilt.lines.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Report_Position(on_position, static_cast<std::int64_t>(i));
        rebuilt.lines.push_back(Right_Trim(lines[i]));
        rebuilt.Max_Line_Length = std::max(rebuilt.Max_Line_Length, rebuilt.lines.back().size());
    }
    return rebuilt;
}

std::string Join_Lines(const std::vector<std::string>& lines)
{
    std::string text;
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 1;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += Line_End;
    }
    return text;
}

bool Smart_Format_Justifies(const std::string& line, const std::string& next, std::size_t width)
{
    const std::string trimmed = Right_Trim(line);
    const bool next_opens_paragraph = next.empty() || next[0] == Space;
    return trimmed.size() >= 2 && trimmed.size() < width && !next_opens_paragraph;
}

std::string Justify_Line(const std::string& line, std::size_t width)
{
    if (line.size() >= width)
        return line;
    const std::size_t indent = std::min(line.find_first_not_of(Space), line.size());
    const std::size_t gaps =
        static_cast<std::size_t>(std::count(line.begin() + static_cast<std::ptrdiff_t>(indent), line.end(), Space));
    if (gaps == 0)
        return line;
    // Spaces are handed out one per space of the line, left to right, cycle
    // after cycle; each lands in the run of the space it was given to, so the
    // shares can be counted instead of inserted one by one.
    const std::size_t missing = width - line.size();
    const std::size_t share = missing / gaps;
    const std::size_t extra = missing % gaps;
    std::string result;
    result.reserve(width);
    result.append(line, 0, indent);
    std::size_t gap = 0;
    for (std::size_t i = indent; i < line.size(); ++i) {
        result += line[i];
        if (line[i] != Space)
            continue;
        result.append(share + (gap < extra ? 1 : 0), Space);
        ++gap;
    }
    return result;
}

std::string Smart_Format_Justify(const std::vector<std::string>& lines, std::size_t width,
                                 const Position_Callback& on_position)
{
    static const std::string No_Line;
    std::vector<std::string> justified;
    justified.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Report_Position(on_position, static_cast<std::int64_t>(i));
        const std::string& next = i + 1 < lines.size() ? lines[i + 1] : No_Line;
        const std::string line = Right_Trim(lines[i]);
        justified.push_back(Smart_Format_Justifies(line, next, width) ? Justify_Line(line, width) : line);
    }
    return Join_Lines(justified);
}
