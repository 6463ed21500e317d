#include "tests/TestSupport.h"

#include "platform/Image.h"
#include "platform/ImagePrefetch.h"
#include "platform/UserFolders.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

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

namespace
{
// Waits (at most five seconds) until the worker has the picture decoded.
bool WaitUntilReady(ImagePrefetch& prefetch, const std::string& path)
{
    for (int i = 0; i < 500 && !prefetch.Ready(path); ++i)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return prefetch.Ready(path);
}
} // namespace

// The worker decodes in the order asked and one picture ahead; a file asked for before its turn is left to the
// caller, and a file that does not decode comes back without pixels, so the device can log it and go on.
TEST(ImagePrefetchTest, DecodesInOrderAndLeavesPicturesNotYetReachedToTheCaller)
{
    std::string back = SourcePath("tests/data/gfx/Textures/0_Back.png");
    std::string glass = SourcePath("tests/data/gfx/Textures/2_Front.png");
    ImagePrefetch prefetch({back, "no/such/file.png", glass});
    ASSERT_TRUE(WaitUntilReady(prefetch, back));
    EXPECT_FALSE(prefetch.Take(glass).has_value()) << "queued behind a picture nobody took yet";

    std::optional<DecodedImage> first = prefetch.Take(back);
    ASSERT_TRUE(first.has_value() && first->Pixels != nullptr);
    EXPECT_EQ(first->Width, 4);
    EXPECT_TRUE(first->Opaque) << "a solid red picture";
    ASSERT_TRUE(WaitUntilReady(prefetch, "no/such/file.png"));
    std::optional<DecodedImage> missing = prefetch.Take("no/such/file.png");
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->Pixels, nullptr);
    EXPECT_TRUE(prefetch.Idle()) << "the glass was left to the caller";
}

// A new request keeps what it lists and forgets the rest, so a level's pictures never wait in memory for
// a level that is no longer coming.
TEST(ImagePrefetchTest, ANewRequestForgetsPicturesNoLongerAskedFor)
{
    std::string back = SourcePath("tests/data/gfx/Textures/0_Back.png");
    std::string glass = SourcePath("tests/data/gfx/Textures/2_Front.png");
    ImagePrefetch prefetch({back});
    ASSERT_TRUE(WaitUntilReady(prefetch, back));
    prefetch.Request({glass});
    EXPECT_FALSE(prefetch.Ready(back));
    ASSERT_TRUE(WaitUntilReady(prefetch, glass));
    std::optional<DecodedImage> last = prefetch.Take(glass);
    ASSERT_TRUE(last.has_value() && last->Pixels != nullptr);
    EXPECT_FALSE(last->Opaque) << "half-transparent glass";
    EXPECT_TRUE(prefetch.Idle());
}

TEST(ImagePrefetchTest, StopsWithPicturesNotTaken)
{
    std::string back = SourcePath("tests/data/gfx/Textures/0_Back.png");
    ImagePrefetch prefetch({back, back, back, back});
    EXPECT_TRUE(WaitUntilReady(prefetch, back));
}
