#include "engine/ProcessState.h"

#include <gtest/gtest.h>

namespace Framework
{

namespace
{
// Every test starts and ends with the process-wide values at their start values, so no test sees what an
// earlier one left in the camera, the id counter, the resource folder or the log-once set.
class ProcessStateGuard : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override { ResetProcessState(); }
    void OnTestEnd(const ::testing::TestInfo&) override { ResetProcessState(); }
};

[[maybe_unused]] const bool g_GuardInstalled = []
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new ProcessStateGuard());
    return true;
}();
} // namespace

} // namespace Framework
