// The sender runs on timers, so the tests need an event loop to spin.
#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {
int argc = 1;
char name[] = "transfer_tests";
char* argv[] = {name, nullptr};

struct QtEnvironment : ::testing::Environment {
    void SetUp() override { app = new QCoreApplication(argc, argv); }
    void TearDown() override { delete app; }
    QCoreApplication* app = nullptr;
};

[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);
} // namespace
