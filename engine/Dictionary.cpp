#include "engine/Dictionary.h"

#include "engine/Letters.h"

#include <algorithm>

std::string DictionaryLines(std::string_view text, DictionaryCounts& counts)
{
    std::string lines;
    lines.reserve(text.size());
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        line = line.substr(0, line.find('\t'));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (std::any_of(line.begin(), line.end(), [](char c) { return IsCapital(static_cast<unsigned char>(c)); }))
            continue;
        ++counts.lines;
        if (line.find('?') != std::string_view::npos) {
            ++counts.unfit;
            continue;
        }
        lines.append(line);
        lines += '\n';
    }
    return lines;
}
