#pragma once
// Node trees shaped like the ones windows store: shared by the store and
// settings tests, the settings peer process, the damage test, the benchmarks
// and the fuzzing seed corpus. Header-only; users link gen::qt_gl (camera,
// light, matrix types).

#include <gen/qt/gl/Camera.h>
#include <gen/qt/gl/Light.h>
#include <gen/store/GNode.h>
#include <gen/store/LogConfigGType.h>

#include <glm/gtc/matrix_transform.hpp>

#include <QByteArray>
#include <QString>

#include <cstring>
#include <string>
#include <vector>

namespace test {

inline gen::qt::gl::Camera sample_camera()
{
    gen::qt::gl::Camera camera;
    camera.ini(glm::vec3(0, 0, 5), 45, 1, 0.1f, 100, 5);
    camera.set_fov_zoom(3);
    return camera;
}

inline gen::qt::gl::Light sample_light()
{
    gen::qt::gl::Light light;
    light.vPos = glm::vec3(10, 4, 3);
    light.vColor = glm::vec3(1, 1, 0.9f);
    light.intensity = 0.75f;
    return light;
}

inline glm::mat4 sample_matrix()
{
    return glm::rotate(glm::mat4(1.0f), 0.5f, glm::vec3(0, 1, 0));
}

template <class T>
bool same_bytes(T const& a, T const& b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

inline gen::log::LogConfig sample_log_config()
{
    gen::log::LogConfig config;
    config.digits = 4;
    config.logLevel = 2;
    config.logControl.set(0x1003FE);
    config.fontSize = 13;
    return config;
}

inline QByteArray sample_bytes()
{
    // NUL, high bytes and a line feed: whatever a text store might mangle.
    return QByteArray("\x00\x01\xff\x80\n=GNOD", 10);
}

inline QString sample_text()
{
    return QString::fromUtf8("Grüße, \"quoted\"; a=b\\c [x]");
}

inline gen::store::GNode make_sample_node()
{
    gen::store::GNode root;
    root.set_flag("flag", true);
    root.set("int", -42);
    root.set("uint", 4000000000u);
    root.set("text", sample_text());
    root.set("bytes", sample_bytes());
    root.set_pod("log", sample_log_config());
    root.set_pod("cam", sample_camera());
    root.set_pod("light", sample_light());
    root.set_pod("matPlanet", sample_matrix());
    gen::store::GNode& child = root["child"];
    child.set("depth", 1);
    child["grand"].set("depth", 2u);
    child["grand"].set_flag("leaf", false);
    root["sibling"].set("text", QString());
    return root;
}

// Each value of make_sample_node() that `node` does not hold, by its path;
// empty when all are there with their exact types.
inline std::vector<std::string> sample_mismatches(gen::store::GNode const& node)
{
    std::vector<std::string> wrong;
    auto expect = [&wrong](bool ok, char const* what) {
        if (!ok) {
            wrong.emplace_back(what);
        }
    };
    expect(node.get<bool>("flag", false), "flag");
    expect(node.get<int>("int", 0) == -42, "int");
    expect(node.get<unsigned int>("uint", 0) == 4000000000u, "uint");
    expect(node.get<QString>("text", QString()) == sample_text(), "text");
    expect(node.get<QByteArray>("bytes", QByteArray()) == sample_bytes(), "bytes");
    expect(node.get_pod("log", gen::log::LogConfig{}) == sample_log_config(), "log");
    expect(same_bytes(node.get_pod("cam", gen::qt::gl::Camera{}), sample_camera()), "cam");
    expect(same_bytes(node.get_pod("light", gen::qt::gl::Light{}), sample_light()), "light");
    expect(node.get_pod("matPlanet", glm::mat4(0.0f)) == sample_matrix(), "matPlanet");
    gen::store::GNode const* child = node.find_node("child");
    expect(child != nullptr && child->get<int>("depth", 0) == 1, "child/depth");
    gen::store::GNode const* grand = child != nullptr ? child->find_node("grand") : nullptr;
    expect(grand != nullptr && grand->get<unsigned int>("depth", 0) == 2u, "child/grand/depth");
    expect(grand != nullptr && grand->get<bool>("leaf", true) == false, "child/grand/leaf");
    gen::store::GNode const* sibling = node.find_node("sibling");
    expect(sibling != nullptr && sibling->contains("text"), "sibling/text");
    return wrong;
}

// About ten attributes as a main window keeps them, a saved view included.
inline void fill_window_node(gen::store::GNode& node)
{
    gen::log::LogConfig log;
    log.ini();
    node.set("theme", 2u);
    node.set("pointSize", 11);
    node.set("geometry", QByteArray(66, '\x1d'));
    node.set("state", QByteArray(120, '\x03'));
    node.set("planet", QString(":/wb/img/earth_2k.jpg"));
    node.set_flag("seeCoordinates", true);
    node.set_pod("log", log);
    node.set_pod("cam", sample_camera());
    node.set_pod("light", sample_light());
    node.set_pod("matPlanet", sample_matrix());
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
