#pragma once
// A QApplication for GoogleTest programs that need widgets. It exists only
// while the tests run, so listing the tests works without a display. Include
// it in one source file of the test program.

#include "start_up.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace sbc::test {

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override
    {
        app_ = std::make_unique<QApplication>(argc_, argv_);
        SetUpApplication();
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[8] = "sbctest";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] inline ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace sbc::test
