#include "support/TempSettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

namespace test {

TempSettings::TempSettings() : dir(std::in_place)
{
    path = dir->isValid() ? dir->path() : QString();
    install();
}

TempSettings::TempSettings(QString const& folder) : path(folder)
{
    install();
}

TempSettings::~TempSettings()
{
    QCoreApplication::setOrganizationName(savedOrganisation);
    QCoreApplication::setApplicationName(savedApplication);
    // Qt offers no getter for the path it replaced; this is Qt's own default
    // for the user scope.
    set_location(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

void TempSettings::set_location(QString const& folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

void TempSettings::install()
{
    savedOrganisation = QCoreApplication::organizationName();
    savedApplication = QCoreApplication::applicationName();
    // Without a usable folder the store would fall back to the real one.
    if (path.isEmpty()) {
        qFatal("TempSettings: no temporary folder");
    }
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplication));
    set_location(path);
}

}  // namespace test
