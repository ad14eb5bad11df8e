#include <gen/tools/format.h>

#include <gen/tools/strings.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace gen::str {

namespace {
constexpr std::size_t kSprintfBuffer = 4096;
}

std::string sprintF(char const* format, ...)
{
    if (format == nullptr) {
        return "<<<sprintF,nullpointer>>>";
    }
    if (std::strlen(format) >= kSprintfBuffer) {
        return {};
    }
    char buffer[kSprintfBuffer];
    va_list args;
    va_start(args, format);
    int const written = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (written < 0) {
        return {};
    }
    return std::string(buffer);
}

std::string format_fill_zero(unsigned int width, long long value)
{
    std::string const conversion = xprintF(0, "%0$lld", width);
    return sprintF(conversion.c_str(), value);
}

std::string format_fill_zero_microseconds(unsigned long long value)
{
    return format_fill_zero(6, static_cast<long long>(value));
}

std::string format_fill_zero_milliseconds(unsigned long long value)
{
    return format_fill_zero(3, static_cast<long long>(value));
}

std::string format_fill(char fill, unsigned int width, long long value)
{
    std::string text = xprintF(0, "$", value);
    if (text.size() < width) {
        text.insert(0, width - text.size(), fill);
    }
    return text;
}

namespace {
struct ByteUnit {
    double divisor;
    char const* format;
};

// The first unit whose divisor the value exceeds (strictly); the last row is
// the fallback for everything smaller.
std::string format_scaled(double bytes, ByteUnit const (&units)[4])
{
    for (int i = 0; i < 3; ++i) {
        if (bytes > units[i].divisor) {
            return sprintF(units[i].format, bytes / units[i].divisor);
        }
    }
    return sprintF(units[3].format, bytes / units[3].divisor);
}
}  // namespace

std::string format_bytes(double bytes)
{
    static ByteUnit const units[4] = {
        {1e12, "%2.2f TB"}, {1e9, "%2.2f GB"}, {1e6, "%2.2f MB"}, {1e3, "%2.2f KB"}};
    return format_scaled(bytes, units);
}

std::string format_bytes_1024(double bytes)
{
    static ByteUnit const units[4] = {{1099511627776.0, "%2.2f TB"},
                                      {1073741824.0, "%2.2f GB"},
                                      {1048576.0, "%2.2f MB"},
                                      {1024.0, "%2.2f KB"}};
    return format_scaled(bytes, units);
}

std::string to_utf8(QString const& text)
{
    return text.toStdString();
}

std::string format_array_as_hex(unsigned char const* data, unsigned int count,
                                unsigned long long head, unsigned long long tail)
{
    std::string out = xprintF(0, "[$] = {", format_str_1000(std::to_string(count)));
    char hex[4];
    if (data != nullptr) {
        if (head + tail >= count) {
            for (unsigned int i = 0; i < count; ++i) {
                std::snprintf(hex, sizeof hex, "%02X", data[i]);
                out += hex;
                if (i + 1 < count) {
                    out += ' ';
                }
            }
        } else {
            for (unsigned long long i = 0; i < count; ++i) {
                if (i == head) {
                    out += " .. ";
                } else if (i < head || i >= count - tail) {
                    std::snprintf(hex, sizeof hex, "%02X", data[i]);
                    out += hex;
                    if (i + 1 < count) {
                        out += ' ';
                    }
                }
            }
        }
    }
    out += '}';
    return out;
}

bool remove_part(std::string& text, std::string const& part)
{
    auto const pos = text.find(part);
    if (pos == std::string::npos) {
        return false;
    }
    text.erase(pos, part.size());
    return true;
}

void remove_last_chars(std::stringstream& out, unsigned int n)
{
    std::string text = out.str();
    if (text.size() < n) {
        return;
    }
    text.resize(text.size() - n);
    out.str(text);
    out.seekp(0, std::ios_base::end);
}

unsigned int count_chars(std::stringstream& out)
{
    return static_cast<unsigned int>(out.str().size());
}

}  // namespace gen::str
