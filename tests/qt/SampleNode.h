#pragma once
// A node tree with every stored kind and two levels of children, shared by
// the settings tests and the peer process that writes or checks it.

#include <gen/log/LogConfig.h>
#include <gen/store/GNode.h>
#include <gen/store/LogConfigGType.h>

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

namespace test {

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
    gen::store::GNode const* child = node.find_node("child");
    expect(child != nullptr && child->get<int>("depth", 0) == 1, "child/depth");
    gen::store::GNode const* grand = child != nullptr ? child->find_node("grand") : nullptr;
    expect(grand != nullptr && grand->get<unsigned int>("depth", 0) == 2u, "child/grand/depth");
    expect(grand != nullptr && grand->get<bool>("leaf", true) == false, "child/grand/leaf");
    gen::store::GNode const* sibling = node.find_node("sibling");
    expect(sibling != nullptr && sibling->contains("text"), "sibling/text");
    return wrong;
}

}  // namespace test
