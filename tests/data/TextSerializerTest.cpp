#include "data/TextSerializer.h"
#include "data/Transform.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace Framework;

TEST(TextSerializer, ReadsStringsBoolsAndNumbersByPosition)
{
    auto reader = TextSerializer::FromText("\"TrackName\" : \"BGM_Meadow\" , \"Plain\" : raw , \"b\" : true ,");
    reader.MoveToStart(); // the index pass has read the first token
    std::string value;
    reader.ReadString("TrackName", value);
    EXPECT_EQ(value, "BGM_Meadow");
    reader.ReadToken();
    EXPECT_EQ(reader.CurrentToken, ",");
    reader.ReadString("Plain", value);
    EXPECT_EQ(value, "raw");

    reader.ReadToken();
    bool flag = false;
    reader.ReadBool("b", flag);
    EXPECT_TRUE(flag);

    auto quirks = TextSerializer::FromText("\"true\" True true,");
    quirks.MoveToStart();
    bool a = true, b = true, c = true;
    quirks.ReadBool("", a);
    quirks.ReadBool("", b);
    quirks.ReadBool("", c);
    EXPECT_FALSE(a);
    EXPECT_FALSE(b);
    EXPECT_FALSE(c) << "a comma attached makes the token no longer exactly true";
}

TEST(TextSerializer, ConvertsWithStreamRules)
{
    EXPECT_FLOAT_EQ(TextSerializer::StringToFloat("1e+008"), 1e8f);
    EXPECT_FLOAT_EQ(TextSerializer::StringToFloat("1.5,"), 1.5f);
    EXPECT_EQ(TextSerializer::StringToInt("12abc"), 12);
    EXPECT_EQ(TextSerializer::StringToInt("-3"), -3);
    EXPECT_EQ(TextSerializer::StringToUnsigned("100"), 100u);
    EXPECT_EQ(TextSerializer::StringToFloat("}"), 0.0f);
    EXPECT_EQ(TextSerializer::StringToInt("\"Name\""), 0);
    EXPECT_EQ(TextSerializer::StringToUnsigned(""), 0u);
}

TEST(TextSerializer, IndexesOnlyTopLevelBlocksAndTheLaterOfTwoNames)
{
    auto reader = TextSerializer::FromText("{ \"Track\" : \"x\" , \"A\" : { \"Inner\" : { \"x\" : 1 } } , "
                                           "\"List\" : [ \"e\" : { } ] , \"A\" : { \"v\" : 2 } }\n");
    EXPECT_EQ(reader.BlockIndex.count("Track"), 0u) << "a plain value is not indexed";
    EXPECT_EQ(reader.BlockIndex.count("Inner"), 0u);
    EXPECT_EQ(reader.BlockIndex.count("List"), 1u);
    ASSERT_EQ(reader.BlockIndex.count("A"), 1u);

    reader.EnterBlock("A");
    EXPECT_EQ(reader.CurrentToken, "{");
    float v = 0;
    reader.ReadFieldValue(v);
    EXPECT_EQ(v, 2.0f) << "the index points at the later block of the same name";

    reader.EnterBlock("List");
    EXPECT_EQ(reader.CurrentToken, "[");
}

TEST(TextSerializer, EnterBlockOfAnUnindexedNameReadsOn)
{
    auto reader = TextSerializer::FromText("\"Position\" : { \"a\" : 3 , \"b\" : 4 }");
    reader.MoveToStart();
    float x = 0, y = 0;
    reader.ReadVec2("Position", x, y);
    EXPECT_EQ(x, 3.0f) << "names inside a vector are not compared";
    EXPECT_EQ(y, 4.0f);
    EXPECT_EQ(reader.CurrentToken, "}");
}

TEST(TextSerializer, MissingAndTruncatedFilesEndEveryRead)
{
    TextSerializer missing("/nonexistent/file.json");
    EXPECT_FALSE(missing.IsGood());
    EXPECT_TRUE(missing.BlockIndex.empty());
    missing.EnterBlock("Objects");
    EXPECT_EQ(missing.CurrentToken, "");

    auto truncated = TextSerializer::FromText("{ \"Objects\" : [ \"a\" : { ,");
    EXPECT_FALSE(truncated.ReadToken());
    EXPECT_TRUE(truncated.AtEnd());
    EXPECT_EQ(truncated.CurrentToken, ",") << "the last token stays after the end";
    truncated.SkipBlock();
    EXPECT_TRUE(truncated.AtEnd());

    // An index with no line break after the last brace still lets reads jump into it.
    auto noBreak = TextSerializer::FromText("{ \"A\" : { \"v\" : 7 } }");
    noBreak.EnterBlock("A");
    float v = 0;
    noBreak.ReadFieldValue(v);
    EXPECT_EQ(v, 7.0f);
}

TEST(TextSerializer, RepeatedJumpsIntoTheSameBlockStop)
{
    // Each read of "T" jumps back into the top-level block named "T" and then finds a comma; the
    // reader must stop instead of cycling forever.
    auto reader = TextSerializer::FromText("{ \"T\" : { \"Position\" : { \"x\" : 1 , \"y\" : 2 } , \"Rotation\" : 0 , "
                                           "\"Scale\" : { \"x\" : 1 , \"y\" : 1 } } , \"T\" , }\n");
    int rounds = 0;
    Transform t;
    while (rounds < 100000)
    {
        t.Serialize(reader, "T");
        reader.ReadToken();
        if (reader.AtEnd() || !reader.TokenHas(','))
        {
            break;
        }
        ++rounds;
    }
    EXPECT_LT(rounds, 1000);
}

TEST(PathParts, SplitsEitherSeparatorAndTakesTheLastDotOfTheFileName)
{
    PathParts parts("Resources\\Data\\Objects/Kibbet.json");
    EXPECT_EQ(parts.FullPath, "Resources/Data/Objects/Kibbet.json");
    EXPECT_EQ(parts.Directory, "Resources/Data/Objects/");
    EXPECT_EQ(parts.FileName + "|" + parts.Extension, "Kibbet|.json");
    EXPECT_EQ(PathParts("./my.folder/readme").FileName + "|" + PathParts("./my.folder/readme").Extension, "readme|");
    EXPECT_EQ(PathParts("a/b.png.bak").FileName + "|" + PathParts("a/b.png.bak").Extension, "b.png|.bak");
}

TEST(TextWriter, WritesTheExactSpacing)
{
    std::ostringstream out;
    TextWriter writer(out, "\t");
    Transform t;
    t.Position = {100, -20};
    t.Write(writer, "Transform");
    EXPECT_EQ(out.str(), "\"Transform\" : {\n\t\"Position\" : {\n\t\t\"x\" : 100 ,\n\t\t\"y\" : -20\n\t} ,\n"
                         "\t\"Rotation\" : 0 ,\n\t\"Scale\" : {\n\t\t\"x\" : 1 ,\n\t\t\"y\" : 1\n\t}\n}");

    std::ostringstream bare;
    TextWriter w2(bare);
    w2.BeginBlock("");
    w2.WriteString("", "s");
    w2.WriteSeparator();
    w2.WriteBool("flag", true);
    w2.EndBlock();
    w2.EndBlock();
    EXPECT_EQ(bare.str(), "{\n    \"s\" ,\n    \"flag\" : true\n}\n}");

    std::ostringstream numbers;
    TextWriter w3(numbers);
    w3.WriteNumber("f", 1.0e8f);
    EXPECT_EQ(numbers.str(), "\"f\" : 1e+08");
}
