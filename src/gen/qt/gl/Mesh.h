#pragma once
// A figure with CPU-side geometry: an interleaved vertex array and a
// triangle index list (three 32-bit indices per triangle). Filled by the
// generators in gen::qt::gl::mesh; uploading is left to GLMesh.

#include <gen/math/Vertex3D.h>
#include <gen/qt/gl/BaseFigure.h>

#include <vector>

namespace gen::qt::gl {

class Mesh : public BaseFigure {
public:
    Mesh() = default;
    ~Mesh() override = default;
    Mesh(Mesh const&) = default;
    Mesh& operator=(Mesh const&) = default;
    Mesh(Mesh&&) = default;
    Mesh& operator=(Mesh&&) = default;

    std::vector<gen::math::Vertex3D> vertices;
    std::vector<unsigned int> indices;
};

}  // namespace gen::qt::gl
