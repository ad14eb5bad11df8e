#include <gen/qt/gl/driver_check.h>

#include <QByteArray>

#include <cstdio>

namespace gen::qt::gl::driver {

std::optional<GLVersion> parse_version(char const* text)
{
    if (text == nullptr) {
        return std::nullopt;
    }
    GLVersion version;
    if (std::sscanf(text, "%d.%d", &version.major, &version.minor) != 2) {
        return std::nullopt;
    }
    return version;
}

bool is_compatible(char const* vendor, char const* renderer)
{
    if (vendor == nullptr || renderer == nullptr) {
        return false;
    }
    // Byte-wise ASCII lower case, as the driver texts are plain ASCII.
    QByteArray const vendorLower = QByteArray(vendor).toLower();
    QByteArray const rendererLower = QByteArray(renderer).toLower();
    if (vendorLower.contains("intel")) {
        return false;
    }
    return !rendererLower.contains("mesa");
}

QString incompatible_text()
{
    return QStringLiteral(
        "No dedicated graphics card found\n"
        "Just Intel or Mesa\n"
        "\n"
        "If you have a running NVIDIA' for sure\n"
        "modifiy environment (starter script like this):\n"
        "\n"
        "export __NV_PRIME_RENDER_OFFLOAD=1\n"
        "export __GLX_VENDOR_LIBRARY_NAME=nvidia\n"
        "\n"
        "see clipboard contents\n"
        "\n");
}

QString incompatible_title()
{
    return QStringLiteral("Graphics System not compatible");
}

}  // namespace gen::qt::gl::driver
