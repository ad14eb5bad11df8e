#include <gen/tools/os.h>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDevice>
#include <QScreen>
#include <QSysInfo>

#include <algorithm>
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

QScreen* primary_screen()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr ? QGuiApplication::primaryScreen()
                                                                                  : nullptr;
}

}  // namespace

bool is_touch_device()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return false;
    }
    auto const devices = QInputDevice::devices();
    return std::any_of(devices.begin(), devices.end(), [](QInputDevice const* device) {
        return device != nullptr && device->type() == QInputDevice::DeviceType::TouchScreen;
    });
}

QSize primary_screen_size()
{
    QScreen const* screen = primary_screen();
    return screen != nullptr ? screen->size() : QSize(-1, -1);
}

QSize get_view_port_size(bool& ok)
{
    QSize const size = primary_screen_size();
    ok = size.width() >= 0 && size.height() >= 0;
    return ok ? size : QSize(-1, -1);
}

int smallest_width_or_height()
{
    bool ok = false;
    QSize const size = get_view_port_size(ok);
    return ok ? std::min(size.width(), size.height()) : -1;
}

bool is_small_device()
{
    int const side = smallest_width_or_height();
    return side >= 0 && side < 600;
}

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
