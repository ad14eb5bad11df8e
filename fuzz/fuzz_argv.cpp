// Arbitrary bytes as a command line: NUL bytes separate the arguments.
#include <gen/store/GArgv.h>
#include <gen/store/Token.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include "quiet_log.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    fuzz::quiet_log();
    QByteArray const bytes(reinterpret_cast<char const*>(data), qsizetype(size));
    QList<QByteArray> parts = bytes.split('\0');
    std::vector<char*> argv;
    QByteArray program("fuzz");
    argv.push_back(program.data());
    for (QByteArray& part : parts) {
        argv.push_back(part.data());
    }
    argv.push_back(nullptr);

    gen::store::GArgv args;
    args.set_arguments(int(argv.size() - 1), argv.data());
    args.parse();

    QString const line = QString::fromUtf8(bytes);
    std::vector<gen::store::Token> const tokens = gen::store::Token::token_from_source(line);
    return tokens.size() > size + 1 ? 1 : 0;
}
