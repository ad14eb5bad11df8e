#include <gen/qt/world_lang.h>

#include <gtest/gtest.h>

#include <QRegularExpression>

using namespace gen::qt;

TEST(WorldLang, FullTableHoldsEveryTwoLetterCodeOnce)
{
    LangMap const& langs = get_map_world_lang();
    // A repeated code in the source table would silently drop an entry.
    ASSERT_EQ(langs.size(), 185u);
    EXPECT_EQ(langs.begin()->first, "aa");
    EXPECT_EQ(langs.begin()->second, "Afar");
    EXPECT_EQ(langs.rbegin()->first, "zu");
    EXPECT_EQ(langs.rbegin()->second, "Zulu");
    EXPECT_EQ(langs.at("sh"), "Serbo-Croatian");
    QRegularExpression const code("^[a-z]{2}$");
    for (auto const& [key, name] : langs) {
        EXPECT_TRUE(code.match(key).hasMatch()) << key.toStdString();
        EXPECT_FALSE(name.isEmpty()) << key.toStdString();
    }
    // Names are UTF-8 in the source.
    EXPECT_EQ(langs.at("nb"), QString::fromUtf8("Norwegian Bokm\xc3\xa5l"));
    EXPECT_EQ(&get_map_world_lang(), &langs);
}

TEST(WorldLang, TwentyInDisplayOrderAgreeWithTheFullTable)
{
    LangList const list = create_vector_world_lang_20();
    QStringList codes;
    for (auto const& [code, name] : list) {
        codes << code;
        ASSERT_EQ(get_map_world_lang().count(code), 1u) << code.toStdString();
        EXPECT_EQ(get_map_world_lang().at(code), name) << code.toStdString();
    }
    EXPECT_EQ(codes.join(' '), "en de zh es hi ar bn pt ru ja fr ms id it ko tr vi pa ur te");

    LangMap const& map20 = get_map_world_lang_20();
    ASSERT_EQ(map20.size(), 20u);
    for (auto const& [code, name] : list) {
        ASSERT_EQ(map20.count(code), 1u) << code.toStdString();
        EXPECT_EQ(map20.at(code), name);
    }
    EXPECT_EQ(map20.begin()->first, "ar");
}
