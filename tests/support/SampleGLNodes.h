#pragma once
// The sample trees with the GL library's own camera, light and matrix: what a
// window really stores must survive the settings file. Users link gen::qt_gl.
// Include this or SampleNodes.h, never both.

#include "support/SampleTree.h"

#include <gen/qt/gl/Camera.h>
#include <gen/qt/gl/Light.h>

#include <glm/gtc/matrix_transform.hpp>

namespace test {
inline namespace gl_samples {  // keeps apart from the store-only samples()

using GLSampleSet = SampleSet<gen::qt::gl::Camera, gen::qt::gl::Light, glm::mat4>;

inline GLSampleSet const& samples()
{
    static GLSampleSet const set = [] {
        GLSampleSet made{};
        made.camera.ini(glm::vec3(0, 0, 5), 45, 1, 0.1f, 100, 5);
        made.camera.set_fov_zoom(3);
        made.light.vPos = glm::vec3(10, 4, 3);
        made.light.vColor = glm::vec3(1, 1, 0.9f);
        made.light.intensity = 0.75f;
        made.matrix = glm::rotate(glm::mat4(1.0f), 0.5f, glm::vec3(0, 1, 0));
        return made;
    }();
    return set;
}

inline gen::store::GNode make_sample_node() { return samples().node(); }
inline gen::store::GNode window_node() { return samples().window(); }
inline std::vector<std::string> sample_mismatches(gen::store::GNode const& node) { return samples().mismatches(node); }

}  // namespace gl_samples
}  // namespace test
