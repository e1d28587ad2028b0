#pragma once
// One contract for every implementation of the window operations: the
// headless window and the Qt window run the same cases.

#include "app/window_ops.h"

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace brindle::contract {

struct WindowUnderTest {
    std::shared_ptr<WindowOps> window;
    // The next dialog confirms this path (or is cancelled for nullopt).
    std::function<void(std::optional<std::string>)> answerNextDialog;
    // What a user's click in the tree does, without running any handler.
    std::function<void(std::optional<NodeRef>)> select;
};

struct WindowFactory {
    std::string name;
    std::function<WindowUnderTest()> make;
};

inline void PrintTo(const WindowFactory& factory, std::ostream* out) {
    *out << factory.name;
}

class WindowContract : public ::testing::TestWithParam<WindowFactory> {
protected:
    void SetUp() override {
        under_ = GetParam().make();
        window_ = under_.window.get();
    }
    WindowUnderTest under_;
    WindowOps* window_ = nullptr;
};

} // namespace brindle::contract
