#pragma once
// Node trees shaped like the ones windows store: shared by the store tests,
// the damage test, the benchmarks and the fuzzing seed corpus. Header-only;
// users link gen::qt_gl (camera, light, matrix types).

#include <gen/qt/gl/Camera.h>
#include <gen/qt/gl/Light.h>
#include <gen/store/GNode.h>
#include <gen/store/LogConfigGType.h>

#include <glm/gtc/matrix_transform.hpp>

#include <QByteArray>
#include <QString>

#include <vector>

namespace test {

// About ten attributes as a main window keeps them, a saved view included.
inline void fill_window_node(gen::store::GNode& node)
{
    gen::qt::gl::Camera camera;
    camera.ini(glm::vec3(0, 0, 5), 45, 1, 0.1f, 100, 5);
    gen::qt::gl::Light light;
    light.vPos = glm::vec3(10, 4, 3);
    light.vColor = glm::vec3(1, 1, 0.9f);
    gen::log::LogConfig log;
    log.ini();
    node.set("theme", 2u);
    node.set("pointSize", 11);
    node.set("geometry", QByteArray(66, '\x1d'));
    node.set("state", QByteArray(120, '\x03'));
    node.set("planet", QString(":/wb/img/earth_2k.jpg"));
    node.set_flag("seeCoordinates", true);
    node.set_pod("log", log);
    node.set_pod("cam", camera);
    node.set_pod("light", light);
    node.set_pod("matPlanet", glm::rotate(glm::mat4(1.0f), 0.5f, glm::vec3(0, 1, 0)));
}

inline gen::store::GNode window_node()
{
    gen::store::GNode node;
    fill_window_node(node);
    return node;
}

// Texts of several valid trees: empty, flat, a window, nested children.
inline std::vector<QString> sample_node_texts()
{
    std::vector<QString> texts;
    texts.push_back(gen::store::GNode().to_base_64_string());
    gen::store::GNode flat;
    flat.set("a", 1);
    flat.set("b", QString("two"));
    texts.push_back(flat.to_base_64_string());
    texts.push_back(window_node().to_base_64_string());
    gen::store::GNode tree;
    tree.set_flag("seeMessageAgain", false);
    fill_window_node(tree["Window"]["CWinPlanets_0"]);
    tree["Window"]["CWinPlanets_1"].set("pointSize", 14);
    tree["list"].set("names", QStringList{"x", "y"});
    texts.push_back(tree.to_base_64_string());
    return texts;
}

}  // namespace test
