// Writes valid node texts (decoded to their binary form, as the fuzzer feeds
// them) into the folder given as the only argument.
#include "support/SampleNodes.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_node_seeds <folder>\n");
        return 2;
    }
    QDir const folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        return 1;
    }
    int index = 0;
    for (QString const& text : test::samples().texts()) {
        QFile file(folder.filePath(QString("seed_%1").arg(index++)));
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray::fromBase64(text.toLatin1())) < 0) {
            return 1;
        }
    }
    return 0;
}
