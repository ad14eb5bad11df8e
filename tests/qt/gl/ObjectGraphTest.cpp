// Figures, shader handle and object graph without a context. (Which meshes a
// render pass draws shows in the frames GLMeshTest reads back.)
#include <gen/qt/gl/BaseFigure.h>
#include <gen/qt/gl/GL_FUNCTIONS.h>
#include <gen/qt/gl/GShader.h>
#include <gen/qt/gl/ObjectGraph.h>

#include "support/Fuzzy.h"
#include "support/LogCapture.h"

#include <glm/gtc/matrix_transform.hpp>

using gen::qt::gl::BaseFigure;
using gen::qt::gl::GLMesh;
using gen::qt::gl::GShader;
using gen::qt::gl::ObjectGraph;

TEST(BaseFigure, SettersChangeTheirOwnBitsStateTextKeepsItsOrderRotationsAbsoluteAndAboutWorldAxes)
{
    BaseFigure f;
    f.set_zero();
    EXPECT_TRUE(f.is_zero() && f.state_to_string() == "ZERO");
    f.set_valid(true);
    f.set_visible(true);
    f.set_has_GPU(true);
    f.set_rollover(true);
    f.set_clone(true);
    // CLONE and SELECTED come before ROLL_OVER although their bits are higher.
    EXPECT_EQ(f.state_to_string(), "VALID | VISIBLE | HAS_GPU | CLONE | ROLL_OVER | ");
    EXPECT_EQ(BaseFigure::state_to_string(gen::GBits<unsigned int>(BaseFigure::SELECTED | BaseFigure::ROLL_OVER)),
              "SELECTED | ROLL_OVER | ");
    f.set_visible(false);
    f.set_clone(false);
    EXPECT_EQ(f.state_to_string(), "VALID | HAS_GPU | ROLL_OVER | ");
    // Absolute rotation is Rx after Ry; an axis rotation turns in world coordinates.
    test::LogCapture log;
    f.matModel = glm::translate(glm::mat4(1.0f), glm::vec3(7.0f, 8.0f, 9.0f));
    f.set_rotation(30.0, 20.0);  // replaces the matrix: the translation is gone
    glm::mat4 const expected = glm::rotate(glm::mat4(1.0f), glm::radians(20.0f), glm::vec3(1, 0, 0)) *
                               glm::rotate(glm::mat4(1.0f), glm::radians(90.0f - 30.0f), glm::vec3(0, 1, 0));
    EXPECT_TRUE(test::near(f.matModel, expected, 1e-6f));
    // R x M, whatever the axis length: the translated origin is turned too.
    f.matModel = glm::translate(glm::mat4(1.0f), glm::vec3(1.0f, 0.0f, 0.0f));
    glm::mat4 const turned = glm::rotate(glm::mat4(1.0f), glm::radians(90.0f), glm::vec3(0, 1, 0)) * f.matModel;
    f.set_rotation(90.0f, glm::vec3(0.0f, 3.0f, 0.0f));
    EXPECT_TRUE(test::near(f.matModel, turned, 1e-6f));
    f.set_rotation(45.0f, glm::vec3(0.0f));  // no direction: the matrix stays as it was
    EXPECT_TRUE(test::near(f.matModel, turned, 1e-6f));
    EXPECT_TRUE(log.contains("BaseFigure::set_rotation, axis has no direction"));
}

TEST(ObjectGraph, LookupsCreateOnceFailIntoTheSharedInvalidMeshTransformFollowsIdOrder)
{
    test::LogCapture log;
    ObjectGraph graph;
    EXPECT_EQ(&graph.get_root(), &ObjectGraph::meshObject_INVALID);
    GLMesh& city = graph.ensure_mesh(5);
    city.name = "city";
    EXPECT_EQ(&graph.ensure_mesh(5), &city);
    EXPECT_EQ(city.to_string(), "GLMesh@cityid:5, idParent:0  VAO:0, VBO:0, EBO:0 {VALID | VISIBLE | }");
    EXPECT_FALSE(graph.get_root());  // meshes, but no id 1
    GLMesh& root = graph.ensure_root();
    GLMesh& child = graph.ensure_mesh(root, 3);
    EXPECT_TRUE(child.has_parent() && &graph.get_parent(child) == &root);
    // Id 0 warns (lookup) or fails (creation); unknown ids fail quietly.
    GLMesh const* const invalid = &ObjectGraph::meshObject_INVALID;
    EXPECT_TRUE(&graph.get_parent(root) == invalid && &graph.ensure_mesh(0) == invalid && graph.size() == 3u);
    EXPECT_EQ(log.texts(), (std::vector<std::string>{"ObjectGraph::get_root, graph is empty!",
                                                    "ObjectGraph::get_mesh, id == 0!",
                                                    "ObjectGraph::ensure_mesh, id == 0!"}));
    // Writes through a failed lookup do not reach the next one.
    GLMesh& bad = graph.get_mesh(42);
    bad.set_valid(true);
    bad.idParent = 7;
    EXPECT_EQ(graph.get_mesh(43).to_string(), "GLMeshid:0, idParent:0  VAO:0, VBO:0, EBO:0 {ZERO}");
    // Transform derives children from their parents in id order.
    ObjectGraph tree;
    glm::mat4 const rootMatrix = glm::rotate(glm::mat4(1.0f), 0.5f, glm::vec3(0.0f, 1.0f, 0.0f));
    glm::mat4 const offset = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, 1.0f));
    glm::mat4 const own = glm::translate(glm::mat4(1.0f), glm::vec3(3.0f, 0.0f, 0.0f));
    auto const add = [&](unsigned int id, unsigned int parent, bool withFn) -> GLMesh& {
        GLMesh& m = tree.ensure_mesh(id);
        m.idParent = parent;
        m.matModel = own;
        if (withFn) {
            m.fnTransform = [offset](glm::mat4 const& parentMatrix) { return parentMatrix * offset; };
        }
        return m;
    };
    tree.ensure_root().matModel = rootMatrix;
    GLMesh& withoutFn = add(3, 1, false);
    GLMesh& orphan = add(5, 77, true);  // parent not in the graph: the identity
    GLMesh& early = add(6, 7, true);    // parent with a larger id: its matrix from before the pass
    GLMesh& late = add(7, 1, true);
    tree.transform();
    EXPECT_EQ(withoutFn.matModel, own);
    EXPECT_TRUE(test::near(orphan.matModel, offset, 1e-6f));
    EXPECT_TRUE(test::near(early.matModel, own * offset, 1e-6f));
    EXPECT_TRUE(test::near(late.matModel, rootMatrix * offset, 1e-6f));
    tree.transform();
    EXPECT_TRUE(test::near(early.matModel, rootMatrix * offset * offset, 1e-6f));
}

TEST(GShader, WithoutAProgramOrANameUniformLookupsDoNotReachTheDriver)
{
    test::LogCapture log(gen::log::LEVEL_DEBUG);
    gen::qt::gl::GL_FUNCTIONS table;  // unresolved: a GL call through it would crash the test
    GShader shader(table);
    shader.set_vec4("v4", glm::vec4(1.0f));
    EXPECT_EQ(log.count("GShader::get_uniform_location, !programId"), 1u);
    shader.programId = 7;
    EXPECT_EQ(shader.get_uniform_location(QString()), -1);
}
