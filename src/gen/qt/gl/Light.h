#pragma once
// The scene's one point light. Plain data saved by the typed store as its
// raw memory image, so the field order and the 28-byte size are a stored
// format.

#include <gen/store/GType.h>
#include <gen/tools/xprintf.h>

#include <QString>

#include <glm/vec3.hpp>

#include <type_traits>

namespace gen::qt::gl {

struct Light {
    glm::vec3 vPos;    // world coordinates
    glm::vec3 vColor;  // components 0..1
    float intensity = 1.0f;
};

static_assert(sizeof(Light) == 28, "stored format: 7 floats");
static_assert(std::is_trivially_copyable_v<Light>, "stored as its raw memory image");
static_assert(std::is_standard_layout_v<Light>, "stored as its raw memory image");

}  // namespace gen::qt::gl

namespace gen::store {

template <>
struct gtype_traits<gen::qt::gl::Light> {
    static constexpr unsigned int id = 107;
    static QString to_string(gen::qt::gl::Light const& value)
    {
        return QString::fromStdString(gen::str::xprintF(0, "Light, vPos:$", value.vPos));
    }
};

namespace {
[[maybe_unused]] bool const reg_light = register_gtype<gen::qt::gl::Light>();
}

}  // namespace gen::store
