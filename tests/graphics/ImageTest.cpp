#include "tests/TestSupport.h"

#include "platform/Image.h"
#include "platform/ImagePrefetch.h"
#include "platform/UserFolders.h"

#include <filesystem>
#include <fstream>

using namespace Framework;

TEST(ScreenshotPathTest, NumbersCountUpPastExistingFiles)
{
    std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "kibbet_shots";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    EXPECT_EQ(NextScreenshotPath(dir.string(), "Kibbet_"), (dir / "Kibbet_0001.png").string());
    std::ofstream(dir / "Kibbet_0001.png") << "x";
    EXPECT_EQ(NextScreenshotPath(dir.string(), "Kibbet_"), (dir / "Kibbet_0002.png").string());
    EXPECT_EQ(NextScreenshotPath("", "Kibbet_"), "");
    std::filesystem::remove_all(dir);
}

// The worker hands the pictures over in list order; a file asked for out of order is left to the caller,
// and a file that does not decode comes back without pixels, so the device can log it and go on.
TEST(ImagePrefetchTest, HandsOverTheListInOrderAndLeavesOtherFilesToTheCaller)
{
    std::string back = SourcePath("tests/data/gfx/Textures/0_Back.png");
    std::string glass = SourcePath("tests/data/gfx/Textures/2_Front.png");
    ImagePrefetch prefetch({back, "no/such/file.png", glass});
    EXPECT_FALSE(prefetch.Take(glass).has_value());

    std::optional<DecodedImage> first = prefetch.Take(back);
    ASSERT_TRUE(first.has_value() && first->Pixels != nullptr);
    EXPECT_EQ(first->Width, 4);
    EXPECT_TRUE(first->Opaque) << "a solid red picture";
    std::optional<DecodedImage> missing = prefetch.Take("no/such/file.png");
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->Pixels, nullptr);
    EXPECT_FALSE(prefetch.Exhausted());
    std::optional<DecodedImage> last = prefetch.Take(glass);
    ASSERT_TRUE(last.has_value() && last->Pixels != nullptr);
    EXPECT_FALSE(last->Opaque) << "half-transparent glass";
    EXPECT_TRUE(prefetch.Exhausted());
}

TEST(ImagePrefetchTest, StopsWithPicturesNotTaken)
{
    std::string back = SourcePath("tests/data/gfx/Textures/0_Back.png");
    ImagePrefetch prefetch({back, back, back, back});
    EXPECT_TRUE(prefetch.Take(back).has_value());
}
