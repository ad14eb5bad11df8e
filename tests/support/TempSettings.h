#pragma once
// Points every QSettings built with default arguments at a private folder for
// the guard's lifetime, under test organisation and application names, so
// tests never touch the real user's settings. The destructor restores the
// names and Qt's default user location.

#include <QString>
#include <QTemporaryDir>

#include <optional>

namespace test {

class TempSettings {
public:
    static constexpr char const* kOrganisation = "SkyvaleTestOrg";
    static constexpr char const* kApplication = "SkyvaleTestApp";

    // A fresh temporary folder, removed on destruction.
    TempSettings();
    // An existing folder that the caller owns (e.g. a child process that
    // shares a parent test's folder).
    explicit TempSettings(QString const& folder);
    ~TempSettings();
    TempSettings(TempSettings const&) = delete;
    TempSettings& operator=(TempSettings const&) = delete;

    QString folder() const { return path; }
    // Redirects the store somewhere else, e.g. to a location that cannot be
    // written; restored like the rest on destruction.
    static void set_location(QString const& folder);

private:
    void install();

    std::optional<QTemporaryDir> dir;
    QString path;
    QString savedOrganisation;
    QString savedApplication;
};

}  // namespace test
