#pragma once
// Points every QSettings built with default arguments at a private folder for
// the guard's lifetime, under test organisation and application names, so
// tests never touch the real user's settings. The destructor restores the
// names and Qt's default user location.

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include <optional>

namespace test {

class TempSettings {
public:
    static constexpr char const* kOrganisation = "SkyvaleTestOrg";
    static constexpr char const* kApplication = "SkyvaleTestApp";

    // A fresh temporary folder, removed on destruction.
    TempSettings() : dir(std::in_place), path(dir->isValid() ? dir->path() : QString()) { install(); }
    // An existing folder that the caller owns (e.g. a child process that
    // shares a parent test's folder).
    explicit TempSettings(QString const& folder) : path(folder) { install(); }
    ~TempSettings()
    {
        QCoreApplication::setOrganizationName(savedOrganisation);
        QCoreApplication::setApplicationName(savedApplication);
        // Qt offers no getter for the path it replaced; this is its default.
        set_location(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }

    QString folder() const { return path; }
    // Redirects the store somewhere else, e.g. to a location that cannot be
    // written; restored like the rest on destruction.
    static void set_location(QString const& folder)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }

private:
    void install()
    {
        // Without a usable folder the store would fall back to the real one.
        if (path.isEmpty()) {
            qFatal("TempSettings: no temporary folder");
        }
        QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganisation));
        QCoreApplication::setApplicationName(QString::fromLatin1(kApplication));
        set_location(path);
    }

    std::optional<QTemporaryDir> dir;
    QString path;
    QString savedOrganisation = QCoreApplication::organizationName();
    QString savedApplication = QCoreApplication::applicationName();
};

}  // namespace test
