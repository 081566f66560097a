#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SampleForm.h"
#include "support/Driver.h"
#include "support/FakePlatform.h"

namespace quil::test {

class RuntimeFixture : public ::testing::Test {
 protected:
  RuntimeFixture() {
    app.RegisterForm("Sample", [this](rt::Application& a) { return std::make_unique<SampleForm>(a, log); });
  }

  SampleForm& StartSample() {
    app.Start("Sample");
    log.clear();
    return app.Get<SampleForm>("Sample");
  }

  FakePlatform platform;
  rt::Application app{platform};
  Driver driver{app, platform};
  std::vector<std::string> log;
};

}  // namespace quil::test
