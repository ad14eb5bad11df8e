// Object graph bookkeeping without a context: lookups, the shared invalid
// mesh, matrix derivation, roll-over bits, state texts and which meshes a
// render pass would draw (observed through the matrix setters, which log one
// "!programId" line each while no program exists).
#include <gen/qt/gl/ObjectGraph.h>
#include <gen/qt/gl/GL_FUNCTIONS.h>
#include <gen/qt/gl/GShader.h>

#include <gen/log/GLog.h>

#include "support/Fuzzy.h"
#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <string>

using gen::qt::gl::GL_FUNCTIONS;
using gen::qt::gl::GLMesh;
using gen::qt::gl::GShader;
using gen::qt::gl::ObjectGraph;

namespace {

class ObjectGraphTest : public ::testing::Test {
protected:
    test::LogLevelGuard level{gen::log::LEVEL_TRACE};
    test::RecordingSink sink;
    ObjectGraph graph;

    std::size_t lines_at(gen::log::LOG_LEVEL lvl) const
    {
        auto const lines = sink.lines();
        return static_cast<std::size_t>(
            std::count_if(lines.begin(), lines.end(), [lvl](auto const& l) { return l.level == lvl; }));
    }
};

// Number of meshes a render pass sets matrices for: three setter calls each.
std::size_t drawn_by_render(ObjectGraph& graph, test::RecordingSink& sink)
{
    GL_FUNCTIONS table;  // unresolved: a GL call through it would crash the test
    GShader shader(table);
    sink.clear();
    graph.render(shader, glm::mat4(1.0f), glm::mat4(1.0f));
    auto const texts = sink.texts();
    auto const setters = std::count(texts.begin(), texts.end(), "GShader::get_uniform_location, !programId");
    return static_cast<std::size_t>(setters) / 3;
}

}  // namespace

TEST_F(ObjectGraphTest, EnsureMeshCreatesOnceValidVisibleWithIdentity)
{
    GLMesh& first = graph.ensure_mesh(5);
    first.name = "city";
    GLMesh& second = graph.ensure_mesh(5);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(graph.size(), 1u);
    EXPECT_EQ(second.id, 5u);
    EXPECT_TRUE(second);
    EXPECT_TRUE(second.is_visible());
    EXPECT_FALSE(second.has_GPU());
    EXPECT_TRUE(test::near(second.matModel, glm::mat4(1.0f), 0.0f));
    EXPECT_EQ(second.state_to_string(), "VALID | VISIBLE | ");
    EXPECT_EQ(second.to_string(), "GLMesh@cityid:5, idParent:0  VAO:0, VBO:0, EBO:0 {VALID | VISIBLE | }");
    EXPECT_EQ(lines_at(gen::log::LEVEL_WARN) + lines_at(gen::log::LEVEL_ERROR), 0u);
}

TEST_F(ObjectGraphTest, IdZeroAndUnknownIdsGiveTheSharedInvalidMesh)
{
    GLMesh& bad = graph.ensure_mesh(0);
    EXPECT_EQ(&bad, &ObjectGraph::meshObject_INVALID);
    EXPECT_FALSE(bad);
    EXPECT_EQ(graph.size(), 0u);
    EXPECT_TRUE(sink.contains("ObjectGraph::ensure_mesh, id == 0!"));
    EXPECT_EQ(lines_at(gen::log::LEVEL_ERROR), 1u);

    graph.ensure_mesh(2);
    sink.clear();
    EXPECT_EQ(&graph.get_mesh(0), &ObjectGraph::meshObject_INVALID);
    EXPECT_TRUE(sink.contains("ObjectGraph::get_mesh, id == 0!"));
    EXPECT_EQ(lines_at(gen::log::LEVEL_WARN), 1u);

    sink.clear();
    EXPECT_EQ(&graph.get_mesh(99), &ObjectGraph::meshObject_INVALID);
    EXPECT_TRUE(sink.texts().empty());
    EXPECT_EQ(ObjectGraph::meshObject_INVALID.to_string(), "GLMeshid:0, idParent:0  VAO:0, VBO:0, EBO:0 {ZERO}");
}

TEST_F(ObjectGraphTest, WritesThroughAFailedLookupDoNotReachTheNextOne)
{
    GLMesh& bad = graph.get_mesh(42);
    bad.set_valid(true);
    bad.idParent = 7;
    bad.matModel = glm::translate(glm::mat4(1.0f), glm::vec3(1.0f));
    GLMesh const& again = graph.get_mesh(43);
    EXPECT_EQ(&again, &bad);
    EXPECT_FALSE(again);
    EXPECT_EQ(again.idParent, 0u);
    EXPECT_TRUE(test::near(again.matModel, glm::mat4(1.0f), 0.0f));
}

TEST_F(ObjectGraphTest, RootLookups)
{
    EXPECT_EQ(&graph.get_root(), &ObjectGraph::meshObject_INVALID);
    EXPECT_TRUE(sink.contains("ObjectGraph::get_root, graph is empty!"));

    graph.ensure_mesh(2);
    sink.clear();
    EXPECT_FALSE(graph.get_root());
    EXPECT_TRUE(sink.texts().empty());

    GLMesh& root = graph.ensure_root();
    EXPECT_EQ(root.id, 1u);
    EXPECT_EQ(&graph.get_root(), &root);
    GLMesh& child = graph.ensure_mesh(root, 3);
    EXPECT_EQ(child.idParent, 1u);
    EXPECT_TRUE(child.has_parent());
    EXPECT_EQ(&child.get_parent(graph), &root);
    EXPECT_FALSE(root.has_parent());
}

TEST_F(ObjectGraphTest, TransformDerivesChildrenFromParentsInIdOrder)
{
    glm::mat4 const rootMatrix = glm::rotate(glm::mat4(1.0f), 0.5f, glm::vec3(0.0f, 1.0f, 0.0f));
    glm::mat4 const offset = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, 1.0f));
    glm::mat4 const own = glm::translate(glm::mat4(1.0f), glm::vec3(3.0f, 0.0f, 0.0f));
    auto const stackOffset = [offset](glm::mat4 parent) { return parent * offset; };

    GLMesh& root = graph.ensure_root();
    root.matModel = rootMatrix;

    GLMesh& child = graph.ensure_mesh(root, 2);
    child.fnTransform = stackOffset;
    GLMesh& withoutFn = graph.ensure_mesh(root, 3);
    withoutFn.matModel = own;
    GLMesh& withoutParent = graph.ensure_mesh(4);
    withoutParent.matModel = own;
    withoutParent.fnTransform = stackOffset;
    GLMesh& orphan = graph.ensure_mesh(5);
    orphan.idParent = 77;  // not in the graph: derived from the identity
    orphan.fnTransform = stackOffset;
    // Parent with a larger id: sees the parent's matrix from before the pass.
    GLMesh& early = graph.ensure_mesh(6);
    early.idParent = 7;
    early.fnTransform = stackOffset;
    GLMesh& late = graph.ensure_mesh(root, 7);
    late.fnTransform = stackOffset;

    graph.transform();

    EXPECT_TRUE(test::near(child.matModel, rootMatrix * offset, 1e-6f));
    EXPECT_TRUE(test::near(withoutFn.matModel, own, 0.0f));
    EXPECT_TRUE(test::near(withoutParent.matModel, own, 0.0f));
    EXPECT_TRUE(test::near(orphan.matModel, offset, 1e-6f));
    EXPECT_TRUE(test::near(early.matModel, offset, 1e-6f));
    EXPECT_TRUE(test::near(late.matModel, rootMatrix * offset, 1e-6f));
    EXPECT_TRUE(sink.contains("ObjectGraph::transform, meshes:7"));

    graph.transform();  // now the late parent's matrix is in place
    EXPECT_TRUE(test::near(early.matModel, rootMatrix * offset * offset, 1e-6f));
}

TEST_F(ObjectGraphTest, ClearRollOverClearsOnlyThatBit)
{
    GLMesh& a = graph.ensure_mesh(2);
    GLMesh& b = graph.ensure_mesh(3);
    a.set_rollover(true);
    a.set_clone(true);
    b.set_rollover(true);
    graph.clear_roll_over();
    EXPECT_FALSE(a.is_rollover());
    EXPECT_FALSE(b.is_rollover());
    EXPECT_TRUE(a.is_clone());
    EXPECT_EQ(b.state_to_string(), "VALID | VISIBLE | ");
}

TEST_F(ObjectGraphTest, RenderDrawsOnlyValidVisibleUploadedNonCloneMeshes)
{
    graph.ensure_mesh(1);  // never uploaded
    graph.ensure_mesh(2).set_has_GPU(true);
    GLMesh& hidden = graph.ensure_mesh(3);
    hidden.set_has_GPU(true);
    hidden.set_visible(false);
    GLMesh& clone = graph.ensure_mesh(4);
    clone.set_has_GPU(true);
    clone.set_clone(true);
    GLMesh& invalid = graph.ensure_mesh(5);
    invalid.set_has_GPU(true);
    invalid.set_valid(false);

    EXPECT_EQ(drawn_by_render(graph, sink), 1u);
    EXPECT_TRUE(sink.contains("ObjectGraph::render, 5 mesh objects"));
}

TEST_F(ObjectGraphTest, RolledOverMeshNeedsAValidUploadedSubstitute)
{
    GLMesh& city = graph.ensure_mesh(2);
    city.set_has_GPU(true);
    city.set_rollover(true);
    city.idRollOver = 9;  // missing
    EXPECT_EQ(drawn_by_render(graph, sink), 0u);

    GLMesh& highlight = graph.ensure_mesh(9);
    highlight.set_clone(true);  // not uploaded yet
    EXPECT_EQ(drawn_by_render(graph, sink), 0u);

    highlight.set_has_GPU(true);
    highlight.set_valid(false);
    EXPECT_EQ(drawn_by_render(graph, sink), 0u);

    highlight.set_valid(true);
    EXPECT_EQ(drawn_by_render(graph, sink), 1u);

    // Rolled over without a substitute id: drawn as itself.
    city.idRollOver = 0;
    EXPECT_EQ(drawn_by_render(graph, sink), 1u);
}
