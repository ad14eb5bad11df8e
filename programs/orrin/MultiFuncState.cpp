#include "MultiFuncState.h"

#include <QStringList>

QString MultiFuncState::to_string() const
{
    static constexpr struct {
        unsigned int bit;
        char const* word;
    } kWords[] = {{ROTATE_CAM, "ROTATE_CAM"},
                  {ROTATE_CAM_Z, "ROTATE_CAM_Z"},
                  {ROTATE_PLANET, "ROTATE_PLANET"},
                  {ROTATE_PLANET_Z, "ROTATE_PLANET_Z"},
                  {ROTATE_LIGHT, "ROTATE_LIGHT"}};
    QStringList words;
    for (auto const& entry : kWords) {
        if (is_set(entry.bit)) {
            words << QString::fromLatin1(entry.word);
        }
    }
    return words.join(QStringLiteral(" | "));
}
