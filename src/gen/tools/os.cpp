#include <gen/tools/os.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <filesystem>
#include <system_error>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace gen::os {

namespace {

QString executable_file_name()
{
#if defined(Q_OS_WIN)
    // Grow the buffer until the whole path fits (it may exceed MAX_PATH).
    std::wstring buffer(260, L'\0');
    for (;;) {
        DWORD const n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return {};
        }
        if (n < buffer.size()) {
            buffer.resize(n);
            return QString::fromStdWString(std::filesystem::path(buffer).filename().wstring());
        }
        buffer.resize(buffer.size() * 2);
    }
#elif defined(Q_OS_LINUX)
    std::error_code error;
    std::filesystem::path const path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    // File names are bytes in the local 8-bit encoding, not necessarily UTF-8.
    return QFile::decodeName(QByteArray::fromStdString(path.filename().native()));
#else
    if (QCoreApplication::instance() == nullptr) {
        return {};
    }
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
#endif
}

}  // namespace

std::string get_program_name()
{
    return get_program_name_qs().toStdString();
}

QString get_program_name_qs()
{
    return executable_file_name();
}

std::string get_os_name()
{
    return get_os_name_qs().toStdString();
}

QString get_os_name_qs()
{
    return QSysInfo::prettyProductName();
}

}  // namespace gen::os
