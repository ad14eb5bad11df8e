#pragma once
// Pure text logic of the GL driver check, kept apart from any context so it
// can be tested without a driver.

#include <QString>

#include <optional>

namespace gen::qt::gl::driver {

struct GLVersion {
    int major = 0;
    int minor = 0;
};

// The leading "major.minor" of a GL_VERSION text, read as scanf "%d.%d"
// does. Empty unless both numbers are read (a null text, or an ES driver's
// "OpenGL ES 3.2 ..." that does not begin with the number).
std::optional<GLVersion> parse_version(char const* text);

// False when the vendor contains "intel" or the renderer contains "mesa"
// (any letter case), or when either text is missing. Only the renderer is
// tested for "mesa": Mesa's software rasteriser reports vendor "Mesa/X.org"
// with renderer "llvmpipe (...)" and passes.
bool is_compatible(char const* vendor, char const* renderer);

// The message shown (and put on the clipboard) when a Linux machine offers
// only an Intel or Mesa driver.
QString incompatible_text();

// Title of the refusal box.
QString incompatible_title();

}  // namespace gen::qt::gl::driver
