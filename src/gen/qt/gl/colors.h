#pragma once
// The scene's fixed vertex colours, RGBA in 0..1.

#include <glm/vec4.hpp>

namespace gen::qt::gl::col {

inline constexpr glm::vec4 green{0.0f, 1.0f, 0.0f, 1.0f};
inline constexpr glm::vec4 gray{0.5f, 0.5f, 0.5f, 1.0f};
inline constexpr glm::vec4 yellow{1.0f, 1.0f, 0.0f, 1.0f};
inline constexpr glm::vec4 red{1.0f, 0.0f, 0.0f, 1.0f};
inline constexpr glm::vec4 blue{0.0f, 0.0f, 1.0f, 1.0f};

}  // namespace gen::qt::gl::col
