#pragma once
// The command line as an attribute map: "-key value" stores the value as a
// QString, a key followed by another key or by nothing becomes a flag. Any
// number of leading dashes introduces a key; a value cannot begin with "-".

#include <gen/store/GAttributes.h>

#include <QString>

#include <vector>

namespace gen::store {

class GArgv : public GAttributes {
public:
    // Joins argv[1..argc-1] into the source line, replacing the previous one.
    // An argument that is empty, begins with a double quote or holds a blank
    // is wrapped in double quotes, each of its own double quotes doubled, so
    // that it comes back from `parse` as one unchanged value. Null entries
    // are skipped.
    void set_arguments(int argc, char** argv);

    // Adds the source line's options to the map (earlier entries stay).
    // False, with an ERROR line, on a malformed line or a missing must-have
    // key. An unterminated quote adds nothing but is not itself a failure.
    bool parse();

    void set_must_have_keys(std::vector<QString> const& keys) { mustHaveKeys = keys; }
    // Kept for the caller's documentation; `parse` does not consult them.
    void set_optional_keys(std::vector<QString> const& keys) { optionalKeys = keys; }
    std::vector<QString> const& must_have_keys() const { return mustHaveKeys; }
    std::vector<QString> const& optional_keys() const { return optionalKeys; }

    QString source() const { return sSource; }

    // DEBUG dump: the entry count, then "key='value'" per entry in key order,
    // every line behind `indent` blanks.
    void show(unsigned int indent) const;

private:
    QString sSource;
    std::vector<QString> mustHaveKeys;
    std::vector<QString> optionalKeys;
};

}  // namespace gen::store
