// Says whether a settings file left by the program is sound: readable,
// stamped with the program's version, every node decoding whole (its text
// encodes back to the same text) and every window keeping one byte per city.
// Given the file as it was before a run too, every key of that one must
// still be there: a save may add or change, never lose.
// Usage: settings_check <file> [<file before>]; exit code 0 when sound.

#include <gen/store/GNode.h>

#include <QSettings>
#include <QStringList>

#include <cstdio>

namespace {

int fail(char const* what, QString const& key)
{
    std::printf("settings_check: %s %s\n", what, qPrintable(key));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::printf("usage: settings_check <file> [<file before>]\n");
        return 2;
    }
    QSettings now(QString::fromLocal8Bit(argv[1]), QSettings::NativeFormat);
    if (now.status() != QSettings::NoError) {
        return fail("unreadable", now.fileName());
    }
    if (now.value("config/version").toUInt() != 20028) {
        return fail("version lost in", now.fileName());
    }
    QStringList const keys = now.allKeys();
    int windows = 0;
    for (QString const& key : keys) {
        if (!key.startsWith("Window/") && key != "GApplication/app") {
            continue;
        }
        QString const text = now.value(key).toString();
        gen::store::GNode const node = gen::store::GNode::from_base_64_string(text);
        if (node.to_base_64_string() != text) {
            return fail("damaged node", key);
        }
        if (key.startsWith("Window/")) {
            ++windows;
            if (node.get<QByteArray>("ba", QByteArray()).size() != 1000) {
                return fail("no city bytes in", key);
            }
        }
    }
    if (argc > 2) {
        QSettings before(QString::fromLocal8Bit(argv[2]), QSettings::NativeFormat);
        for (QString const& key : before.allKeys()) {
            if (!now.contains(key)) {
                return fail("lost key", key);
            }
        }
    }
    std::printf("settings_check: sound, %d windows\n", windows);
    return 0;
}
