#include <gen/qt/gl/BaseFigure.h>

#include <gen/log/pp.h>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/trigonometric.hpp>

#include <cmath>

namespace gen::qt::gl {

void BaseFigure::render(GShader& /*shader*/) {}

void BaseFigure::clear(GShader& /*shader*/) {}

std::string BaseFigure::to_string() const
{
    return "BaseFigure";
}

void BaseFigure::set_rotation(double xDegrees, double yDegrees)
{
    gen::pp_trace("BaseFigure::set_rotation, xDegrees:$, yDegrees:$", xDegrees, yDegrees);
    auto const x = static_cast<float>(xDegrees);
    auto const y = static_cast<float>(yDegrees);
    glm::mat4 m(1.0f);
    m = glm::rotate(m, glm::radians(y), glm::vec3(1.0f, 0.0f, 0.0f));
    m = glm::rotate(m, glm::radians(-x), glm::vec3(0.0f, 1.0f, 0.0f));
    m = glm::rotate(m, glm::radians(90.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    matModel = m;
}

void BaseFigure::set_rotation(float degrees, glm::vec3 const& vAxis)
{
    gen::pp_trace("BaseFigure::set_rotation, degrees:$, vAxis:$", degrees, vAxis);
    // A zero (or non-finite) axis has no direction; normalising it would fill
    // the model matrix with NaNs and make the figure vanish for good.
    float const len = glm::length(vAxis);
    if (!(len > 0.0f) || !std::isfinite(len)) {
        gen::pp_warn("BaseFigure::set_rotation, axis has no direction:<<<$>>>", vAxis);
        return;
    }
    glm::mat4 const r = glm::rotate(glm::mat4(1.0f), glm::radians(degrees), vAxis / len);
    matModel = r * matModel;
}

std::string BaseFigure::state_to_string() const
{
    return state_to_string(state);
}

std::string BaseFigure::state_to_string(gen::GBits<unsigned int> const& bits)
{
    if (bits.is_zero()) {
        return "ZERO";
    }
    struct Named {
        unsigned int mask;
        char const* text;
    };
    // Text order differs from bit order (CLONE before SELECTED before ROLL_OVER).
    static constexpr Named order[] = {
        {VALID, "VALID | "},     {VISIBLE, "VISIBLE | "},   {HAS_GPU, "HAS_GPU | "},
        {CLONE, "CLONE | "},     {SELECTED, "SELECTED | "}, {ROLL_OVER, "ROLL_OVER | "},
    };
    std::string text;
    for (Named const& n : order) {
        if (bits.is_set(n.mask)) {
            text += n.text;
        }
    }
    return text;
}

}  // namespace gen::qt::gl
