// The one application object of a window test suite, on Qt's offscreen
// platform unless another was chosen. It is deleted after the suite, before
// the program's exit handlers run, together with the input devices the
// simulated keys created.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#include <QApplication>

namespace slv::test {

class OffscreenApplicationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        if (QApplication::instance() != nullptr)
            return;
        static int argc = 1;
        static char name[] = "gui_tests";
        static char* argv[] = {name, nullptr};
        s_application = new QApplication(argc, argv);
    }
    static void TearDownTestSuite()
    {
        delete s_application;
        s_application = nullptr;
    }

private:
    static inline QApplication* s_application = nullptr;
};

}  // namespace slv::test
