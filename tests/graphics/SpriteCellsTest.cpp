#include "tests/TestSupport.h"

#include "graphics/SpriteCells.h"
#include "platform/Image.h"

#include <cmath>

using namespace Framework;

namespace
{
// A 320 x 128 picture: clear left of x 128, solid from 128 to 256, half-transparent from 256.
TextureCoverage Bands()
{
    std::vector<unsigned char> pixels(320 * 128 * 4, 200);
    for (int y = 0; y < 128; ++y)
    {
        for (int x = 0; x < 320; ++x)
        {
            pixels[(static_cast<size_t>(y) * 320 + x) * 4 + 3] = x < 128 ? 0 : x < 256 ? 255 : 128;
        }
    }
    return MeasureCoverage(pixels.data(), 320, 128);
}

// Twice the signed area of a triangle.
float Cross(const Vertex& a, const Vertex& b, const Vertex& c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

float Area(const std::vector<Vertex>& triangles)
{
    float area = 0.0f;
    for (size_t i = 0; i + 2 < triangles.size(); i += 3)
    {
        area += std::fabs(Cross(triangles[i], triangles[i + 1], triangles[i + 2])) / 2.0f;
    }
    return area;
}
} // namespace

TEST(SpriteCellsTest, CellsAreJudgedWithTheTexelsAroundThemAndThePictureEdgeStaysMixed)
{
    TextureCoverage coverage = Bands();
    ASSERT_EQ(coverage.Columns, 10);
    ASSERT_EQ(coverage.Rows, 4);
    // Columns 3 and 4 touch the solid band and the clear one through their ring; 7 touches the half-transparent.
    const char* expected[] = {"MMMMMMMMMM", "MCCMMSSMMM", "MCCMMSSMMM", "MMMMMMMMMM"};
    for (int row = 0; row < 4; ++row)
    {
        std::string got;
        for (int column = 0; column < 10; ++column)
        {
            got += "CMS"[coverage.At(column, row)];
        }
        EXPECT_EQ(got, expected[row]) << "row " << row;
    }
}

// The whole picture on a quad one unit a texel, y up, as written and mirrored (a "Left" frame): clear cells
// are left out, the solid ones (rows 1 and 2 merged) come apart, the rest is blended, every triangle keeps
// the sprite's winding and every corner the texel it had on the whole quad.
TEST(SpriteCellsTest, AQuadSplitsIntoSolidAndBlendedRunsThatCoverWhatItShowed)
{
    TextureCoverage coverage = Bands();
    for (bool mirrored : {false, true})
    {
        const float left = mirrored ? 1.0f : 0.0f;
        const float right = mirrored ? 0.0f : 1.0f;
        const Vertex quad[4] = {{320, 0, 1, 0, 1, 1, 1, right, 0},
                                {320, -128, 1, 0, 1, 1, 1, right, 1},
                                {0, -128, 1, 0, 1, 1, 1, left, 1},
                                {0, 0, 1, 0, 1, 1, 1, left, 0}};
        std::vector<Vertex> solid;
        std::vector<Vertex> blended;
        ASSERT_TRUE(SplitByCoverage(quad, coverage, solid, blended));
        EXPECT_EQ(solid.size(), 6u) << "one solid quad";
        EXPECT_FLOAT_EQ(Area(solid), 64.0f * 64.0f);
        EXPECT_EQ(blended.size(), 5u * 6u) << "the top and bottom rows, and three runs between";
        EXPECT_FLOAT_EQ(Area(blended), 320.0f * 128.0f - 64.0f * 64.0f - 64.0f * 64.0f);
        const float winding = Cross(quad[0], quad[1], quad[2]);
        for (const std::vector<Vertex>* list : {&solid, &blended})
        {
            for (size_t i = 0; i < list->size(); i += 3)
            {
                EXPECT_GT(Cross((*list)[i], (*list)[i + 1], (*list)[i + 2]) * winding, 0.0f);
            }
            for (const Vertex& v : *list)
            {
                EXPECT_NEAR(v.u * 320.0f, mirrored ? 320.0f - v.x : v.x, 1e-3f);
                EXPECT_NEAR(v.v * 128.0f, -v.y, 1e-3f);
            }
        }
    }
    // Texture coordinates turned a quarter against the quad cannot be cut along cells.
    const Vertex turned[4] = {{1, 1, 1, 0, 1, 1, 1, 1, 1},
                              {1, 0, 1, 0, 1, 1, 1, 0, 1},
                              {0, 0, 1, 0, 1, 1, 1, 0, 0},
                              {0, 1, 1, 0, 1, 1, 1, 1, 0}};
    std::vector<Vertex> solid;
    std::vector<Vertex> blended;
    EXPECT_FALSE(SplitByCoverage(turned, coverage, solid, blended));
    EXPECT_TRUE(solid.empty() && blended.empty());
}
