// A 32-bit picture handle keeps its meaning in a 64-bit program: high handles are sign-extended
// as the platform does it, where widening with zeros would name another object.
#include "host/handle_widening.h"

#include <gtest/gtest.h>

namespace {

TEST(WidenedHandle, IsSignExtendedAsThePlatformDoes) {
    static_assert(sizeof(uintptr_t) == 8, "the native tests run 64-bit, where the widening matters");
    EXPECT_EQ(host::WidenedHandle(0x00001234u), uintptr_t{0x1234});
    EXPECT_EQ(host::WidenedHandle(0x7FFFFFFFu), uintptr_t{0x7FFFFFFF});
    EXPECT_EQ(host::WidenedHandle(0x80001234u), uintptr_t{0xFFFFFFFF80001234u});
    EXPECT_EQ(host::WidenedHandle(0xFFFFFFFFu), ~uintptr_t{0});
}

}  // namespace
