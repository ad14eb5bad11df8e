#include <gen/qt/world_lang.h>

#include <cstddef>
#include <iterator>

namespace gen::qt {

namespace {

struct Lang {
    char const* code;
    char const* name;  // UTF-8
};

// Constant-initialised, so usable at any time, static initialisation included.
constexpr Lang kWorldLangs[] = {
    {"aa", "Afar"},
    {"ab", "Abkhazian"},
    {"ae", "Avestan"},
    {"af", "Afrikaans"},
    {"ak", "Akan"},
    {"am", "Amharic"},
    {"an", "Aragonese"},
    {"ar", "Arabic"},
    {"as", "Assamese"},
    {"av", "Avaric"},
    {"ay", "Aymara"},
    {"az", "Azerbaijani"},
    {"ba", "Bashkir"},
    {"be", "Belarusian"},
    {"bg", "Bulgarian"},
    {"bh", "Bihari"},
    {"bi", "Bislama"},
    {"bm", "Bambara"},
    {"bn", "Bengali"},
    {"bo", "Tibetan"},
    {"br", "Breton"},
    {"bs", "Bosnian"},
    {"ca", "Catalan"},
    {"ce", "Chechen"},
    {"ch", "Chamorro"},
    {"co", "Corsican"},
    {"cr", "Cree"},
    {"cs", "Czech"},
    {"cu", "Church Slavic"},
    {"cv", "Chuvash"},
    {"cy", "Welsh"},
    {"da", "Danish"},
    {"de", "German"},
    {"dv", "Divehi"},
    {"dz", "Dzongkha"},
    {"ee", "Ewe"},
    {"el", "Greek"},
    {"en", "English"},
    {"eo", "Esperanto"},
    {"es", "Spanish"},
    {"et", "Estonian"},
    {"eu", "Basque"},
    {"fa", "Persian"},
    {"ff", "Fulah"},
    {"fi", "Finnish"},
    {"fj", "Fijian"},
    {"fo", "Faroese"},
    {"fr", "French"},
    {"fy", "Western Frisian"},
    {"ga", "Irish"},
    {"gd", "Gaelic"},
    {"gl", "Galician"},
    {"gn", "Guarani"},
    {"gu", "Gujarati"},
    {"gv", "Manx"},
    {"ha", "Hausa"},
    {"he", "Hebrew"},
    {"hi", "Hindi"},
    {"ho", "Hiri Motu"},
    {"hr", "Croatian"},
    {"ht", "Haitian"},
    {"hu", "Hungarian"},
    {"hy", "Armenian"},
    {"hz", "Herero"},
    {"ia", "Interlingua"},
    {"id", "Indonesian"},
    {"ie", "Interlingue"},
    {"ig", "Igbo"},
    {"ii", "Sichuan Yi"},
    {"ik", "Inupiaq"},
    {"io", "Ido"},
    {"is", "Icelandic"},
    {"it", "Italian"},
    {"iu", "Inuktitut"},
    {"ja", "Japanese"},
    {"jv", "Javanese"},
    {"ka", "Georgian"},
    {"kg", "Kongo"},
    {"ki", "Kikuyu"},
    {"kj", "Kuanyama"},
    {"kk", "Kazakh"},
    {"kl", "Kalaallisut"},
    {"km", "Central Khmer"},
    {"kn", "Kannada"},
    {"ko", "Korean"},
    {"kr", "Kanuri"},
    {"ks", "Kashmiri"},
    {"ku", "Kurdish"},
    {"kv", "Komi"},
    {"kw", "Cornish"},
    {"ky", "Kirghiz"},
    {"la", "Latin"},
    {"lb", "Luxembourgish"},
    {"lg", "Ganda"},
    {"li", "Limburgan"},
    {"ln", "Lingala"},
    {"lo", "Lao"},
    {"lt", "Lithuanian"},
    {"lu", "Luba-Katanga"},
    {"lv", "Latvian"},
    {"mg", "Malagasy"},
    {"mh", "Marshallese"},
    {"mi", "Maori"},
    {"mk", "Macedonian"},
    {"ml", "Malayalam"},
    {"mn", "Mongolian"},
    {"mr", "Marathi"},
    {"ms", "Malay"},
    {"mt", "Maltese"},
    {"my", "Burmese"},
    {"na", "Nauru"},
    {"nb", "Norwegian Bokmål"},
    {"nd", "North Ndebele"},
    {"ne", "Nepali"},
    {"ng", "Ndonga"},
    {"nl", "Dutch"},
    {"nn", "Norwegian Nynorsk"},
    {"no", "Norwegian"},
    {"nr", "South Ndebele"},
    {"nv", "Navajo"},
    {"ny", "Chichewa"},
    {"oc", "Occitan"},
    {"oj", "Ojibwa"},
    {"om", "Oromo"},
    {"or", "Oriya"},
    {"os", "Ossetian"},
    {"pa", "Punjabi"},
    {"pi", "Pali"},
    {"pl", "Polish"},
    {"ps", "Pashto"},
    {"pt", "Portuguese"},
    {"qu", "Quechua"},
    {"rm", "Romansh"},
    {"rn", "Rundi"},
    {"ro", "Romanian"},
    {"ru", "Russian"},
    {"rw", "Kinyarwanda"},
    {"sa", "Sanskrit"},
    {"sc", "Sardinian"},
    {"sd", "Sindhi"},
    {"se", "Northern Sami"},
    {"sg", "Sango"},
    {"sh", "Serbo-Croatian"},
    {"si", "Sinhala"},
    {"sk", "Slovak"},
    {"sl", "Slovenian"},
    {"sm", "Samoan"},
    {"sn", "Shona"},
    {"so", "Somali"},
    {"sq", "Albanian"},
    {"sr", "Serbian"},
    {"ss", "Swati"},
    {"st", "Southern Sotho"},
    {"su", "Sundanese"},
    {"sv", "Swedish"},
    {"sw", "Swahili"},
    {"ta", "Tamil"},
    {"te", "Telugu"},
    {"tg", "Tajik"},
    {"th", "Thai"},
    {"ti", "Tigrinya"},
    {"tk", "Turkmen"},
    {"tl", "Tagalog"},
    {"tn", "Tswana"},
    {"to", "Tonga"},
    {"tr", "Turkish"},
    {"ts", "Tsonga"},
    {"tt", "Tatar"},
    {"tw", "Twi"},
    {"ty", "Tahitian"},
    {"ug", "Uighur"},
    {"uk", "Ukrainian"},
    {"ur", "Urdu"},
    {"uz", "Uzbek"},
    {"ve", "Venda"},
    {"vi", "Vietnamese"},
    {"vo", "Volapük"},
    {"wa", "Walloon"},
    {"wo", "Wolof"},
    {"xh", "Xhosa"},
    {"yi", "Yiddish"},
    {"yo", "Yoruba"},
    {"za", "Zhuang"},
    {"zh", "Chinese"},
    {"zu", "Zulu"},
};

// Display order of the language selector.
constexpr Lang kWorldLangs20[] = {
    {"en", "English"},
    {"de", "German"},
    {"zh", "Chinese"},
    {"es", "Spanish"},
    {"hi", "Hindi"},
    {"ar", "Arabic"},
    {"bn", "Bengali"},
    {"pt", "Portuguese"},
    {"ru", "Russian"},
    {"ja", "Japanese"},
    {"fr", "French"},
    {"ms", "Malay"},
    {"id", "Indonesian"},
    {"it", "Italian"},
    {"ko", "Korean"},
    {"tr", "Turkish"},
    {"vi", "Vietnamese"},
    {"pa", "Punjabi"},
    {"ur", "Urdu"},
    {"te", "Telugu"},
};

template <std::size_t N>
LangMap to_map(Lang const (&langs)[N])
{
    LangMap map;
    for (Lang const& lang : langs) {
        map.emplace(QString::fromLatin1(lang.code), QString::fromUtf8(lang.name));
    }
    return map;
}

}  // namespace

LangMap const& get_map_world_lang()
{
    static LangMap const mapLang = to_map(kWorldLangs);
    return mapLang;
}

LangMap const& get_map_world_lang_20()
{
    static LangMap const mapLang20 = to_map(kWorldLangs20);
    return mapLang20;
}

LangList create_vector_world_lang_20()
{
    LangList list;
    list.reserve(std::size(kWorldLangs20));
    for (Lang const& lang : kWorldLangs20) {
        list.emplace_back(QString::fromLatin1(lang.code), QString::fromUtf8(lang.name));
    }
    return list;
}

}  // namespace gen::qt
