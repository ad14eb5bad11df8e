#include <gen/tools/strings.h>

#include <gen/tools/diagnostics.h>
#include <gen/tools/format.h>

#include <algorithm>
#include <cctype>
#include <new>

namespace gen::str {

std::string format_str_1000(std::string const& digits)
{
    std::string out;
    out.reserve(digits.size() + digits.size() / 3);
    std::size_t fromRight = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, ++fromRight) {
        if (fromRight > 0 && fromRight % 3 == 0) {
            out += '.';
        }
        out += *it;
    }
    std::reverse(out.begin(), out.end());
    return out;
}

std::string format_1000(long long value)
{
    // The magnitude as unsigned, so the most negative value does not overflow.
    unsigned long long const magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    std::string grouped = format_str_1000(std::to_string(magnitude));
    return value < 0 ? "-" + grouped : grouped;
}

std::string to_lower(std::string const& text)
{
    try {
        std::string out(text);
        for (char& c : out) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return out;
    } catch (std::bad_alloc const&) {
        diagnostics::report(diagnostics::Level::Debug, "Str::to_lower, exception ?");
        return {};
    }
}

bool contains(std::string const& text, std::string const& part)
{
    return text.find(part) != std::string::npos;
}

bool contains(std::string const& text, char c)
{
    return text.find(c) != std::string::npos;
}

std::string trim(std::string const& text)
{
    auto const isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    auto const first = std::find_if_not(text.begin(), text.end(), isSpace);
    if (first == text.end()) {
        return {};
    }
    auto const last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return std::string(first, last);
}

std::string replace_tab(std::string const& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\t') {
            out += "    ";
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<std::string> split_lines(std::string const& text, int maxLines)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (maxLines < 0 || static_cast<int>(lines.size()) < maxLines) {
        std::size_t const end = text.find('\n', start);
        if (end == std::string::npos) {
            if (start < text.size()) {
                lines.push_back(text.substr(start));
            }
            break;
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string format_real(double value, unsigned int decimals, bool pointDecimal)
{
    std::string const conversion = xprintF(0, "%2.$f", decimals);
    std::string out = sprintF(conversion.c_str(), value);
    if (pointDecimal) {
        std::replace(out.begin(), out.end(), ',', '.');
    }
    return out;
}

}  // namespace gen::str
