#pragma once
// Tables of world languages for language selectors: every ISO 639-1 code
// (plus the withdrawn "sh", Serbo-Croatian) with its English name, and the
// twenty most used of them in a fixed display order.

#include <QString>

#include <map>
#include <utility>
#include <vector>

namespace gen::qt {

using LangMap = std::map<QString, QString>;
using LangList = std::vector<std::pair<QString, QString>>;

// Code -> English name, 185 entries sorted by code. Built on first use and
// kept until exit.
LangMap const& get_map_world_lang();
// The twenty languages of create_vector_world_lang_20(), sorted by code.
LangMap const& get_map_world_lang_20();
// (code, name) of the twenty languages in display order, English first.
LangList create_vector_world_lang_20();

}  // namespace gen::qt
